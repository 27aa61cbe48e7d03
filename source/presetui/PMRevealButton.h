#pragma once

#include "presets/PresetStore.h"
#include "presetui/PMSimpleButton.h"
#include "presetui/PresetBarStyle.h"

// The preset bar: the current preset's name on a background picture between a previous and a
// next arrow. Clicking the name asks the delegate to open the browser.
class PMRevealButton : public juce::Component,
                       public PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void presetBarClicked() = 0;
        virtual void nextPresetClicked() = 0;
        virtual void previousPresetClicked() = 0;
        virtual bool hasNextPreset() = 0;
        virtual bool hasPreviousPreset() = 0;
    };

    PMRevealButton (const PresetBarStyle& style, Delegate* delegate);

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;
    void simpleButtonClicked (PMSimpleButton* button) override;

    juce::Font font;
    float fontHeight = 14.0f;
    juce::Image backgroundImage;
    juce::Colour validTextColour, invalidTextColour;
    std::array<juce::Image, 3> previousImages, nextImages;
    bool showArrows = true;
    juce::Justification justification { juce::Justification::centred };
    bool pressed = false;
    Delegate* delegate = nullptr;   // not owned
    PresetEntry preset;             // what the bar shows; set by the view
    PMSimpleButton previousButton, nextButton;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMRevealButton)
};
