#pragma once

#include <juce_core/juce_core.h>

#include <functional>

// Picks the file to import a preset from or export it to. The answer may come later (an
// asynchronous dialog): `done` is called once, on the message thread, with the chosen file or
// with juce::File() when the user cancelled. It is not called once the chooser is destroyed.
class PresetFileChooser
{
public:
    using Callback = std::function<void (const juce::File&)>;

    virtual ~PresetFileChooser() = default;
    virtual void chooseFileToImport (const juce::String& wildcard, Callback done) = 0;
    virtual void chooseFileToExport (const juce::String& wildcard, Callback done) = 0;
};
