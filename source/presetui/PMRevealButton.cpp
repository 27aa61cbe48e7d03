#include "presetui/PMRevealButton.h"

PMRevealButton::PMRevealButton (const PresetBarStyle& style, Delegate* d)
    : font (style.font),
      fontHeight (style.fontHeight),
      backgroundImage (style.backgroundImage),
      validTextColour (style.validTextColour),
      invalidTextColour (style.invalidTextColour),
      previousImages (style.previousImages),
      nextImages (style.nextImages),
      showArrows (style.showArrows),
      delegate (d)
{
    font.setHeight (fontHeight);

    preset.isValid = false;
    preset.name = "Unknown";
    preset.index = 0;
    preset.categoryIndex = 0;

    if (showArrows)
    {
        previousButton.setImages (previousImages[0], previousImages[1], previousImages[2],
                                  style.arrowImageWidth, style.arrowImageHeight);
        nextButton.setImages (nextImages[0], nextImages[1], nextImages[2],
                              style.arrowImageWidth, style.arrowImageHeight);
        previousButton.delegate = this;
        nextButton.delegate = this;
        addAndMakeVisible (previousButton);
        addAndMakeVisible (nextButton);
    }
}

void PMRevealButton::resized()
{
    previousButton.setBounds (0, 0, getHeight(), getHeight());
    nextButton.setBounds (getWidth() - getHeight(), 0, getHeight(), getHeight());
}

void PMRevealButton::paint (juce::Graphics& g)
{
    if (backgroundImage.getWidth() > 0 && backgroundImage.getHeight() > 0)
        g.drawImage (backgroundImage, getLocalBounds().toFloat());

    const auto colour = preset.isValid ? validTextColour : invalidTextColour;
    g.setColour (pressed ? colour.withMultipliedAlpha (0.7f) : colour);
    g.setFont (font);
    g.drawText (preset.name, getLocalBounds(), justification, true);
}

void PMRevealButton::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void PMRevealButton::mouseUp (const juce::MouseEvent& event)
{
    if (! pressed)
        return;

    pressed = false;
    const auto p = event.getPosition();
    if (p.x >= 0 && p.y >= 0 && p.x < getWidth() && p.y < getHeight() && delegate != nullptr)
        delegate->presetBarClicked();
    repaint();
}

void PMRevealButton::simpleButtonClicked (PMSimpleButton* button)
{
    if (delegate == nullptr)
        return;

    if (button == &previousButton)
        delegate->previousPresetClicked();
    else if (button == &nextButton)
        delegate->nextPresetClicked();
}
