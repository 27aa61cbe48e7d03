#include "presetui/PMSaveAs.h"

PMSaveAs::PMSaveAs (Delegate* d)
    : nameLabelImage (PMResources::image ("pm_lbl_preset_name_png")),
      delegate (d)
{
    nameInput.setMultiLine (false);
    nameInput.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
    nameInput.setColour (juce::TextEditor::textColourId, juce::Colour (0xff3d3d3d));
    nameInput.setColour (juce::TextEditor::outlineColourId, juce::Colour (0x00000000));
    nameInput.setColour (juce::TextEditor::shadowColourId, juce::Colour (0x00000000));
    nameInput.setColour (juce::TextEditor::focusedOutlineColourId, juce::Colour (0x00000000));
    nameInput.setColour (juce::TextEditor::highlightColourId, juce::Colour (0xff3d3d3d));
    nameInput.setColour (juce::TextEditor::highlightedTextColourId, juce::Colour (0xffeeeeee));
    nameInput.setColour (juce::CaretComponent::caretColourId, juce::Colour (0xff3d3d3d));
    nameInput.setFont (juce::Font (typefaces->regular).withHeight (18.0f));
    nameInput.addListener (this);

    using PMResources::image;
    const auto cancelPicture = image ("pm_btn_cancel_png");
    const auto savePicture = image ("pm_btn_saveas_save_png");
    const auto overwritePicture = image ("pm_btn_overwrite_png");
    cancelButton.setImages (cancelPicture, image ("pm_btn_cancel_pressed_png"), cancelPicture, 48.0f, 24.0f);
    saveButton.setImages (savePicture, image ("pm_btn_saveas_save_pressed_png"), image ("pm_btn_saveas_save_inactive_png"), 56.0f, 24.0f);
    overwriteButton.setImages (overwritePicture, image ("pm_btn_overwrite_pressed_png"), overwritePicture, 56.0f, 24.0f);
    cancelButton.text = "Cancel";
    saveButton.text = "Save";
    overwriteButton.text = "Overwrite";

    for (auto* button : { &cancelButton, &saveButton, &overwriteButton })
    {
        button->delegate = this;
        addAndMakeVisible (*button);
    }
    addAndMakeVisible (nameInput);
}

PMSaveAs::~PMSaveAs()
{
    nameInput.removeListener (this);
}

void PMSaveAs::paint (juce::Graphics& g)
{
    const float cx = (float) getWidth() / 2.0f;
    const float cy = (float) getHeight() / 2.0f;

    g.fillAll (juce::Colour (0xaa000000));
    g.setColour (juce::Colour (0xff333333));
    g.fillRoundedRectangle (cx - 107.0f, cy - 28.0f, 214.0f, 78.0f, 4.0f);
    g.setColour (juce::Colour (0xffeeeeee));
    g.fillRoundedRectangle (cx - 100.0f, cy - 9.6f, 200.0f, 24.0f, 4.0f);
    if (nameLabelImage.isValid())
        g.drawImage (nameLabelImage, { cx - 100.0f, cy - 20.6f, 53.0f, 7.0f });
}

void PMSaveAs::resized()
{
    const float fx = (float) getWidth() / 2.0f - 100.0f;
    const float fy = (float) getHeight() / 2.0f - 9.6f;
    const float r = fx + 200.0f;

    saveButton.setBounds ((int) (r - 56.0f), (int) (fy + 29.0f), 56, 24);
    overwriteButton.setBounds ((int) (r - 56.0f), (int) (fy + 29.0f), 56, 24);
    cancelButton.setBounds ((int) (r - 112.0f), (int) (fy + 29.0f), 48, 24);
    nameInput.setBounds (juce::roundToInt (fx), juce::roundToInt (fy), 200, 24);
}

void PMSaveAs::updateButtons()
{
    const auto text = nameInput.getText();
    bool active = false;

    // A name needs two characters; one the store cannot save under never offers Save, and an
    // existing one offers Overwrite instead.
    if (text.length() > 1 && (delegate == nullptr || delegate->presetNameAllowed (text)))
    {
        const bool exists = delegate != nullptr && delegate->presetNameExists (targetCategory, text);
        overwriteButton.setVisible (exists);
        saveButton.setVisible (! exists);
        active = ! exists;
    }
    else
    {
        saveButton.setVisible (true);
        overwriteButton.setVisible (false);
    }

    if (saveButton.active != active)
    {
        saveButton.active = active;
        saveButton.repaint();
    }
}

void PMSaveAs::simpleButtonClicked (PMSimpleButton* button)
{
    if (button == &saveButton || button == &overwriteButton)
    {
        // Only a save that happened uses up the data; a refused name leaves the entry as it was.
        if (delegate != nullptr && delegate->saveAsConfirmed (targetCategory, nameInput.getText(), pendingData.get()))
            pendingData.reset();
    }
    else if (button == &cancelButton)
    {
        pendingData.reset();
        if (delegate != nullptr)
            delegate->saveAsCancelled();
    }
}

void PMSaveAs::textEditorTextChanged (juce::TextEditor&)
{
    updateButtons();
}

void PMSaveAs::textEditorReturnKeyPressed (juce::TextEditor&)
{
    // Return saves a new name only; it never overwrites.
    if (saveButton.isVisible() && saveButton.active)
        simpleButtonClicked (&saveButton);
}

void PMSaveAs::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    simpleButtonClicked (&cancelButton);
}

void PMSaveAs::textEditorFocusLost (juce::TextEditor&) {}
