#include "presetui/PMPanel.h"

#include "presetui/PMResources.h"

PMPanel::PMPanel (Delegate* d) : delegate (d)
{
    using PMResources::image;
    const auto saveAsPicture = image ("pm_btn_saveas_png");
    const auto savePicture = image ("pm_btn_save_png");
    const auto loadPicture = image ("pm_btn_load_png");
    const auto exportPicture = image ("pm_btn_export_png");

    saveAsButton.setImages (saveAsPicture, image ("pm_btn_saveas_pressed_png"), saveAsPicture, 72.0f, 24.0f);
    saveButton.setImages (savePicture, image ("pm_btn_save_pressed_png"), image ("pm_btn_save_inactive_png"), 53.0f, 24.0f);
    loadButton.setImages (loadPicture, image ("pm_btn_load_pressed_png"), loadPicture, 60.0f, 24.0f);
    exportButton.setImages (exportPicture, image ("pm_btn_export_pressed_png"), exportPicture, 68.0f, 24.0f);

    saveAsButton.text = "Save as...";
    saveButton.text = "Save";
    loadButton.text = "Load...";
    exportButton.text = "Export...";

    for (auto* button : { &saveAsButton, &saveButton, &loadButton, &exportButton })
    {
        button->delegate = this;
        addAndMakeVisible (*button);
    }
}

void PMPanel::resized()
{
    const int h = getHeight();
    const int w = getWidth();
    const int saveWidth = (int) saveButton.imageWidth;
    const int saveAsWidth = (int) saveAsButton.imageWidth;
    const int loadWidth = (int) loadButton.imageWidth;
    const int exportWidth = (int) exportButton.imageWidth;

    saveButton.setBounds (0, 0, saveWidth, h);
    saveAsButton.setBounds (saveWidth + 8, 0, saveAsWidth, h);
    exportButton.setBounds (w - exportWidth, 0, exportWidth, h);
    loadButton.setBounds (w - exportWidth - loadWidth - 8, 0, loadWidth, h);
}

void PMPanel::simpleButtonClicked (PMSimpleButton* button)
{
    if (delegate == nullptr)
        return;

    if (button == &saveAsButton)
        delegate->saveAsClicked();
    else if (button == &saveButton)
        delegate->saveClicked();
    else if (button == &loadButton)
        delegate->loadClicked();
    else if (button == &exportButton)
        delegate->exportClicked();
}
