#include "presets/NativePresetFileChooser.h"

void NativePresetFileChooser::chooseFileToImport (const juce::String& wildcard, Callback done)
{
    launch ("Import Preset", wildcard,
            juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
            std::move (done));
}

void NativePresetFileChooser::chooseFileToExport (const juce::String& wildcard, Callback done)
{
    launch ("Export Preset", wildcard,
            juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                | juce::FileBrowserComponent::warnAboutOverwriting,
            std::move (done));
}

void NativePresetFileChooser::launch (const juce::String& title, const juce::String& wildcard, int flags, Callback done)
{
    // Without a screen there is nowhere to show a panel (JUCE's fallback dialog would fault):
    // answer as a cancel.
    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
    {
        if (done)
            done (juce::File());
        return;
    }

    // One panel at a time: a new request replaces (and dismisses) the previous one.
    chooser = std::make_unique<juce::FileChooser> (title, juce::File(), wildcard);
    chooser->launchAsync (flags, [callback = std::move (done)] (const juce::FileChooser& fc)
    {
        if (callback)
            callback (fc.getResult());
    });
}
