#pragma once

#include "presets/PresetFileChooser.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The platform's open and save panels ("Import Preset", "Export Preset"), launched
// asynchronously because the plug-in does not run modal loops. Destroying it dismisses the
// panel without a callback.
class NativePresetFileChooser : public PresetFileChooser
{
public:
    void chooseFileToImport (const juce::String& wildcard, Callback done) override;
    void chooseFileToExport (const juce::String& wildcard, Callback done) override;

private:
    void launch (const juce::String& title, const juce::String& wildcard, int flags, Callback done);

    std::unique_ptr<juce::FileChooser> chooser;   // the open panel, if any
};
