#include "presetui/PMSimpleButton.h"

void PMSimpleButton::setImages (const juce::Image& normal, const juce::Image& pressedPicture, const juce::Image& inactive,
                                float width, float height)
{
    normalImage = normal;
    pressedImage = pressedPicture;
    inactiveImage = inactive;
    imageWidth = width;
    imageHeight = height;
}

void PMSimpleButton::mouseDown (const juce::MouseEvent&)
{
    if (! active)
        return;

    pressed = true;
    repaint();
}

void PMSimpleButton::mouseUp (const juce::MouseEvent& event)
{
    if (! active || ! pressed)
        return;

    pressed = false;
    const auto p = event.getPosition();
    if (p.x >= 0 && p.y >= 0 && p.x < getWidth() && p.y < getHeight() && delegate != nullptr)
        delegate->simpleButtonClicked (this);
    repaint();
}

void PMSimpleButton::paint (juce::Graphics& g)
{
    if (normalImage.isValid())
    {
        auto target = getLocalBounds().toFloat();
        if (imageWidth > 0.0f && imageHeight > 0.0f)
            target = { (float) (getWidth() / 2.0 - imageWidth / 2.0), (float) (getHeight() / 2.0 - imageHeight / 2.0),
                       imageWidth, imageHeight };

        const auto& picture = ! active ? inactiveImage : (pressed ? pressedImage : normalImage);
        if (picture.isValid())
            g.drawImage (picture, target);
        return;
    }

    g.fillAll (juce::Colours::black);
    g.setColour (active ? juce::Colours::white : juce::Colour (0xff808080));
    g.setFont (14.0f);
    g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
}
