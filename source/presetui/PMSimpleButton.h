#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// A picture button with its own `active` flag: an inactive button shows its inactive picture and
// ignores the mouse. Without a normal picture it draws its text in white on black.
class PMSimpleButton : public juce::Component
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void simpleButtonClicked (PMSimpleButton* button) = 0;
    };

    PMSimpleButton() = default;

    // Sets the three pictures and the size they are drawn at (0 x 0: the picture fills the button).
    void setImages (const juce::Image& normal, const juce::Image& pressedPicture, const juce::Image& inactive,
                    float width, float height);

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    juce::String text;
    juce::Image normalImage, pressedImage, inactiveImage;
    float imageWidth = 0.0f, imageHeight = 0.0f;
    Delegate* delegate = nullptr;   // not owned
    bool active = true;
    bool pressed = false;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMSimpleButton)
};
