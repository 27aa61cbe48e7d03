#pragma once

#include "presetui/PMResources.h"
#include "presetui/PMSimpleButton.h"

// A confirmation overlay (used to ask before a preset is deleted). It hands its two context
// values back unchanged and removes itself from its parent after either button.
class PMModalDialogue : public juce::Component,
                        public PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void dialogueFinished (int dialogueId, bool confirmed, int contextA, int contextB) = 0;
    };

    PMModalDialogue (juce::Component* parent, Delegate* delegate, int dialogueId = 0);

    void paint (juce::Graphics&) override;
    void resized() override;
    void simpleButtonClicked (PMSimpleButton* button) override;

    int contextA = 0, contextB = 0;
    int dialogueId = 0;
    juce::Label titleLabel, messageLabel;
    PMSimpleButton confirmButton, cancelButton;
    PMResources::SharedTypefaces typefaces;
    juce::Font font;
    juce::Component* parent = nullptr;   // not owned
    Delegate* delegate = nullptr;        // not owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMModalDialogue)
};
