#pragma once

#include "presets/PresetChangeObserver.h"
#include "presets/PresetFileChooser.h"
#include "presets/PresetStore.h"
#include "presetui/PresetManagerView.h"

#include <memory>

// Carries out what the user asks of the preset manager: loads listed presets, hands out the
// plug-in's values for saving, imports and exports single preset files, deletes user presets and
// follows preset-change messages. Reaches the plug-in's values only through PresetDataProvider.
class PresetManagerController : public PresetManagerView::Delegate,
                                public PresetChangeObserver::Delegate
{
public:
    // What the controller needs from the plug-in (the editor implements it).
    class PresetDataProvider
    {
    public:
        virtual ~PresetDataProvider() = default;
        // The plug-in's current values in preset form (260 bytes); the caller owns the block.
        virtual std::unique_ptr<juce::MemoryBlock> getPresetData() = 0;
        // Applies a preset body to the plug-in.
        virtual void setPresetData (const void* data, int size) = 0;
        // The component the browser opens on.
        virtual juce::Component* getHostComponent() = 0;
        // After a successful loadPreset, with the name hashes of the category and the preset.
        virtual void presetLoaded (int categoryNameHash, int presetNameHash) { juce::ignoreUnused (categoryNameHash, presetNameHash); }
    };

    // `provider` and `store` are not owned and must outlive the controller. Without a chooser the
    // platform's file panels are used.
    PresetManagerController (PresetDataProvider& provider, PresetStore& store, const PresetBarStyle& style,
                             std::unique_ptr<PresetFileChooser> fileChooser = nullptr);
    ~PresetManagerController() override;

    // PresetManagerView::Delegate
    bool loadPreset (int categoryIndex, int presetIndex) override;
    std::unique_ptr<juce::MemoryBlock> getPresetData() override;
    void importPreset() override;
    void exportPreset() override;
    void deletePreset (int categoryIndex, int presetIndex) override;
    void presetMessage (const char* message) override;

    // Makes the view show the category of the store's current preset.
    void showCurrentCategory();

    // Replaces the file chooser (tests answer it without a dialog).
    void setFileChooser (std::unique_ptr<PresetFileChooser> chooser);

    // The import and export steps after a file was chosen; false when nothing was read, changed
    // or written.
    bool readImportFile (const juce::File& file, juce::MemoryBlock& bytes) const;
    bool importData (const juce::File& file, const juce::MemoryBlock& bytes);
    bool exportTo (const juce::File& file, const juce::MemoryBlock& presetFile);

    PresetDataProvider* provider = nullptr;   // not owned
    PresetStore* store = nullptr;             // not owned
    PresetManagerView view;

private:
    juce::String wildcard() const;

    std::unique_ptr<PresetFileChooser> fileChooser;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetManagerController)
};
