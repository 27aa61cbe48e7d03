#include "presetui/PMModalDialogue.h"

PMModalDialogue::PMModalDialogue (juce::Component* owner, Delegate* d, int id)
    : dialogueId (id),
      font (typefaces->regular),
      parent (owner),
      delegate (d)
{
    titleLabel.setFont (font.withHeight (22.0f));
    messageLabel.setFont (font.withHeight (16.0f));
    titleLabel.setJustificationType (juce::Justification::centred);
    messageLabel.setJustificationType (juce::Justification::centred);

    using PMResources::image;
    const auto deletePicture = image ("pm_btn_delete_png");
    const auto cancelPicture = image ("pm_btn_cancel_png");
    confirmButton.setImages (deletePicture, image ("pm_btn_delete_pressed_png"), deletePicture, 48.0f, 24.0f);
    cancelButton.setImages (cancelPicture, image ("pm_btn_cancel_pressed_png"), cancelPicture, 48.0f, 24.0f);
    confirmButton.text = "Delete";
    cancelButton.text = "Cancel";
    confirmButton.delegate = this;
    cancelButton.delegate = this;

    addAndMakeVisible (confirmButton);
    addAndMakeVisible (cancelButton);
    addAndMakeVisible (titleLabel);
    addAndMakeVisible (messageLabel);
}

void PMModalDialogue::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xaa000000));
    g.setColour (juce::Colour (0xff333333));
    g.fillRoundedRectangle ((float) getWidth() / 2.0f - 125.0f, (float) getHeight() / 2.0f - 60.0f, 250.0f, 120.0f, 4.0f);
}

void PMModalDialogue::resized()
{
    const float a = (float) getWidth() / 2.0f - 125.0f;
    const float c = (float) getHeight() / 2.0f - 60.0f;

    confirmButton.setBounds ((int) (a + 192.0f), (int) (c + 86.0f), 48, 24);
    cancelButton.setBounds ((int) (a + 134.0f), (int) (c + 86.0f), 48, 24);
    titleLabel.setBounds ((int) (a + 5.0f), (int) (c + 10.0f), 240, 20);
    messageLabel.setBounds ((int) (a + 5.0f), (int) (c + 45.0f), 240, 15);
}

void PMModalDialogue::simpleButtonClicked (PMSimpleButton* button)
{
    if (button != &confirmButton && button != &cancelButton)
        return;

    if (delegate != nullptr)
        delegate->dialogueFinished (dialogueId, button == &confirmButton, contextA, contextB);

    if (parent != nullptr)
        parent->removeChildComponent (this);
}
