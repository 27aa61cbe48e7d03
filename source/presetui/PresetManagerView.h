#pragma once

#include "presets/PresetStore.h"
#include "presetui/BackgroundPlateDelegate.h"
#include "presetui/PMList.h"
#include "presetui/PMModalDialogue.h"
#include "presetui/PMPanel.h"
#include "presetui/PMRevealButton.h"
#include "presetui/PMSaveAs.h"
#include "presetui/PMScrollableList.h"

#include <memory>

// The preset browser: a framed box with the button row, the category and preset lists and the
// save-as and delete overlays, shown over a dimming plate on the host component; plus the preset
// bar the editor keeps in its window. Reads and selects presets in the store; loading, import,
// export and deletion go to the delegate. Never touches files.
class PresetManagerView : public juce::Component,
                          public PMRevealButton::Delegate,
                          public BackgroundPlateDelegate,
                          public PMList::Delegate,
                          public PMPanel::Delegate,
                          public PMSaveAs::Delegate,
                          public PMModalDialogue::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        // True when the preset's data is now applied to the plug-in.
        virtual bool loadPreset (int categoryIndex, int presetIndex) = 0;
        // The plug-in's current values in preset form; the caller owns the block (null on failure).
        virtual std::unique_ptr<juce::MemoryBlock> getPresetData() = 0;
        virtual void importPreset() = 0;
        virtual void exportPreset() = 0;
        virtual void deletePreset (int categoryIndex, int presetIndex) = 0;
        virtual void presetMessage (const char* message) = 0;
    };

    // The dimming plate over the whole host while the browser is open; a press closes the browser.
    class Background : public juce::Component
    {
    public:
        explicit Background (BackgroundPlateDelegate* d) : delegate (d) {}

        void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0x99000000)); }
        void mouseDown (const juce::MouseEvent&) override
        {
            if (delegate != nullptr)
                delegate->backgroundClicked();
        }

        BackgroundPlateDelegate* delegate = nullptr;   // not owned
    };

    PresetManagerView (PresetStore& store, juce::Component* host, Delegate* delegate, const PresetBarStyle& style);
    ~PresetManagerView() override;

    bool hitTest (int x, int y) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    void selectCategory (int categoryIndex);
    void rebuildCategoryList();
    void showPreset (const PresetEntry& entry);
    void refreshCurrentPreset();
    void closeBrowser();
    bool isBrowserOpen() const;

    // PMRevealButton::Delegate
    void presetBarClicked() override;
    void nextPresetClicked() override;
    void previousPresetClicked() override;
    bool hasNextPreset() override;
    bool hasPreviousPreset() override;

    // BackgroundPlateDelegate
    void backgroundClicked() override;

    // PMList::Delegate
    void listItemClicked (int listId, int index) override;
    void listItemDeleteClicked (int listId, int index) override;

    // PMPanel::Delegate
    void saveAsClicked() override;
    void saveClicked() override;
    void loadClicked() override;
    void exportClicked() override;

    // PMSaveAs::Delegate
    bool presetNameExists (int categoryIndex, const juce::String& name) override;
    void saveAsCancelled() override;
    bool saveAsConfirmed (int categoryIndex, const juce::String& name, juce::MemoryBlock* data) override;
    bool presetNameAllowed (const juce::String& name) override;

    // PMModalDialogue::Delegate
    void dialogueFinished (int dialogueId, bool confirmed, int contextA, int contextB) override;

    PMModalDialogue dialogue;
    PMSaveAs saveAs;
    Delegate* delegate = nullptr;   // not owned
    PMRevealButton presetBar;
    Background background;
    PMScrollableList categoryScroller, presetScroller;
    PMList categoryList, presetList;
    PMPanel panel;
    int selectedCategory = -1;
    PresetStore& store;             // not owned; outlives the view
    juce::Component* host = nullptr;   // not owned

    juce::Image categoryHeaderImage, presetHeaderImage;
    juce::Image frameTop, frameLeft, frameRight, frameBottom;
    juce::Image frameTopLeft, frameTopRight, frameBottomLeft, frameBottomRight, frameCentre;

private:
    int numCategories() const noexcept { return store.categories.size(); }
    int numPresets (int categoryIndex) const noexcept;
    void step (int categoryIndex, int presetIndex);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetManagerView)
};
