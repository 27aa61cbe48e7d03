#pragma once

#include "presetui/PMResources.h"
#include "presetui/PMSimpleButton.h"
#include "presetui/PMTextInput.h"

#include <memory>

// The overlay in which the name of a new user preset is typed. It holds the captured preset data
// until Save, Overwrite, Cancel or Escape.
class PMSaveAs : public juce::Component,
                 public PMSimpleButton::Delegate,
                 public juce::TextEditor::Listener
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual bool presetNameExists (int categoryIndex, const juce::String& name) = 0;
        virtual void saveAsCancelled() = 0;
        // Returns false when nothing was saved (e.g. the store refused the name); the entry then
        // stays open and keeps its data. `data` stays owned by the entry.
        virtual bool saveAsConfirmed (int categoryIndex, const juce::String& name, juce::MemoryBlock* data) = 0;
        // Whether the store can save a preset under this name at all.
        virtual bool presetNameAllowed (const juce::String& name) = 0;
    };

    explicit PMSaveAs (Delegate* delegate);
    ~PMSaveAs() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void updateButtons();
    void simpleButtonClicked (PMSimpleButton* button) override;

    void textEditorTextChanged (juce::TextEditor&) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    PMResources::SharedTypefaces typefaces;
    juce::Image nameLabelImage;
    PMTextInput nameInput;
    Delegate* delegate = nullptr;                  // not owned
    std::unique_ptr<juce::MemoryBlock> pendingData;   // the preset data to save; null when nothing is pending
    PMSimpleButton cancelButton, saveButton, overwriteButton;
    int targetCategory = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMSaveAs)
};
