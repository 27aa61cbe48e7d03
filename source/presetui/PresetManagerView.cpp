#include "presetui/PresetManagerView.h"

namespace
{
// The outer 11 pixels of the frame pictures are shadow, not box.
constexpr int kShadowMargin = 11;

void layOutRows (PMList& list)
{
    for (int i = 0; i < list.getNumItems(); ++i)
        list.getItem (i)->setBounds (0, (int) (i * (double) PMList::rowHeight), list.getWidth(), PMList::rowHeight);
}
} // namespace

PresetManagerView::PresetManagerView (PresetStore& presetStore, juce::Component* hostComponent,
                                      Delegate* d, const PresetBarStyle& style)
    : dialogue (this, this, 0),
      saveAs (this),
      delegate (d),
      presetBar (style, this),
      background (this),
      categoryList (this, 0),
      presetList (this, 1),
      panel (this),
      selectedCategory (-1),
      store (presetStore),
      host (hostComponent)
{
    rebuildCategoryList();
    presetScroller.setContent (&presetList);
    categoryScroller.setContent (&categoryList);
    addAndMakeVisible (categoryScroller);
    addAndMakeVisible (presetScroller);

    using PMResources::image;
    categoryHeaderImage = image ("pm_header_category_png");
    presetHeaderImage = image ("pm_header_preset_png");
    frameTop = image ("pm_frame_top_png");
    frameLeft = image ("pm_frame_left_png");
    frameRight = image ("pm_frame_right_png");
    frameBottom = image ("pm_frame_bottom_png");
    frameTopLeft = image ("pm_frame_top_left_png");
    frameTopRight = image ("pm_frame_top_right_png");
    frameBottomLeft = image ("pm_frame_bottom_left_png");
    frameBottomRight = image ("pm_frame_bottom_right_png");
    frameCentre = image ("pm_frame_centre_png");

    if (store.current.isValid)
    {
        // Set first, so the category rows keep their highlight and only the presets are listed.
        selectedCategory = store.current.categoryIndex;
        selectCategory (selectedCategory);
    }

    showPreset (store.current);
    addAndMakeVisible (panel);
}

PresetManagerView::~PresetManagerView()
{
    closeBrowser();
}

int PresetManagerView::numPresets (int categoryIndex) const noexcept
{
    if (categoryIndex < 0 || categoryIndex >= numCategories())
        return 0;
    return store.categories.getReference (categoryIndex).presets.size();
}

//==============================================================================
bool PresetManagerView::hitTest (int x, int y)
{
    return x >= kShadowMargin && y >= kShadowMargin
        && x < std::max (getWidth() - kShadowMargin, kShadowMargin)
        && y < std::max (getHeight() - kShadowMargin, kShadowMargin);
}

void PresetManagerView::paint (juce::Graphics& g)
{
    const int w = getWidth();
    const int h = getHeight();

    const auto draw = [&g] (const juce::Image& picture, int x, int y, int width, int height)
    {
        if (picture.isValid())
            g.drawImage (picture, juce::Rectangle<int> (x, y, width, height).toFloat());
    };

    draw (frameTopLeft, 0, 0, 16, 16);
    draw (frameTop, 16, 0, w - 32, 16);
    draw (frameTopRight, w - 16, 0, 16, 16);
    draw (frameRight, w - 16, 16, 16, h - 32);
    draw (frameBottomRight, w - 16, h - 16, 16, 16);
    draw (frameBottom, 16, h - 16, w - 32, 16);
    draw (frameBottomLeft, 0, h - 16, 16, 16);
    draw (frameLeft, 0, 16, 16, h - 32);
    draw (frameCentre, 16, 16, w - 32, h - 32);

    juce::Path strip;
    strip.addRoundedRectangle (12.0f, 12.0f, (float) (w - 24), 40.0f, 2.0f, 2.0f, true, true, false, false);
    g.setColour (juce::Colour (0xff141414));
    g.fillPath (strip);

    const auto xp = (float) ((w - 32) * 0.4 + 36);
    const auto wc = (float) ((w - 32) * 0.4 + 8);
    const auto wp = (float) ((w - 32) * 0.6 - 26);

    if (categoryHeaderImage.isValid())
        g.drawImage (categoryHeaderImage, { 19.0f, 60.0f, 41.0f, 7.0f });
    if (presetHeaderImage.isValid())
        g.drawImage (presetHeaderImage, { xp, 60.0f, 30.0f, 7.0f });

    g.setColour (juce::Colour (0xff2b2b2b));
    g.fillRoundedRectangle (19.0f, 70.0f, wc + 2.0f, (float) (h - 91), 2.0f);
    g.fillRoundedRectangle (xp, 70.0f, wp + 2.0f, (float) (h - 91), 2.0f);
}

void PresetManagerView::resized()
{
    const int w = getWidth();
    const int h = getHeight();

    if (host != nullptr)
        background.setBounds (0, 0, host->getWidth(), host->getHeight());

    panel.setBounds (23, 20, (int) (float) (w - 45), 24);
    categoryScroller.setBounds (19, 71, (int) (float) ((w - 32) * 0.4 + 8), h - 91);
    presetScroller.setBounds ((int) (float) ((w - 32) * 0.4 + 36), 71, (int) (float) ((w - 32) * 0.6 - 26), h - 91);
    saveAs.setBounds (13, 13, w - 26, h - 26);
    dialogue.setBounds (13, 13, w - 26, h - 26);
}

//==============================================================================
void PresetManagerView::rebuildCategoryList()
{
    categoryList.clearItems();
    for (int p = 0; p < numCategories(); ++p)
    {
        const auto& category = store.categories.getReference (p);
        // The highlight follows the current preset's category even when no preset is current.
        categoryList.addItem (category.name, category.index, false, p == store.current.categoryIndex);
    }

    categoryList.setBounds (categoryScroller.contentBoundsFor (categoryList));
    layOutRows (categoryList);
}

void PresetManagerView::selectCategory (int c)
{
    const int s = selectedCategory;
    // Setting the list's bounds moves it back to the top, so the position is taken first.
    const int presetViewY = presetScroller.getViewPositionY();

    if (c != s)
    {
        categoryList.setSelectedIndex (c);
        selectedCategory = c;
        categoryList.setBounds (categoryScroller.contentBoundsFor (categoryList));
        categoryScroller.setViewPosition (0, 0);
    }

    presetList.clearItems();

    if (c >= 0 && c < numCategories())
    {
        const auto& current = store.current;
        for (const auto& e : store.categories.getReference (c).presets)
        {
            // Only presets directly in the user root can be deleted from the list.
            const bool deletable = e.isUser && e.file.getParentDirectory().getParentDirectory().getFileName() != store.userFolderName;
            const bool selected = c == current.categoryIndex && e.index == current.index && current.isValid;
            presetList.addItem (e.name, e.index, deletable, selected);
        }
    }

    showPreset (store.current);

    presetList.setBounds (presetScroller.contentBoundsFor (presetList));
    presetScroller.setViewPosition (0, c == s ? presetViewY : 0);
    layOutRows (presetList);
    presetList.repaint();
}

void PresetManagerView::showPreset (const PresetEntry& entry)
{
    presetBar.preset = entry;

    const bool previous = hasPreviousPreset();
    const bool next = hasNextPreset();

    if (presetBar.previousButton.active != previous)
    {
        presetBar.previousButton.active = previous;
        presetBar.previousButton.repaint();
    }
    if (presetBar.nextButton.active != next)
    {
        presetBar.nextButton.active = next;
        presetBar.nextButton.repaint();
    }
    presetBar.repaint();

    const bool canSave = entry.isUser && entry.isValid;
    if (panel.saveButton.active != canSave)
    {
        panel.saveButton.active = canSave;
        panel.saveButton.repaint();
    }
}

void PresetManagerView::refreshCurrentPreset()
{
    showPreset (store.current);
    presetList.setSelectedIndex (-1);
}

bool PresetManagerView::isBrowserOpen() const
{
    return host != nullptr && getParentComponent() == host;
}

void PresetManagerView::closeBrowser()
{
    saveAs.pendingData.reset();
    removeChildComponent (&saveAs);
    removeChildComponent (&dialogue);

    if (host != nullptr)
    {
        host->removeChildComponent (this);
        host->removeChildComponent (&background);
    }
}

//==============================================================================
void PresetManagerView::presetBarClicked()
{
    if (host == nullptr)
        return;

    background.setBounds (0, 0, host->getWidth(), host->getHeight());
    background.setVisible (true);
    host->addChildComponent (background);
    setVisible (true);
    host->addChildComponent (this);
}

void PresetManagerView::backgroundClicked()
{
    closeBrowser();
}

bool PresetManagerView::hasPreviousPreset()
{
    const auto& current = store.current;
    return current.isValid && (current.index > 0 || current.categoryIndex > 0);
}

bool PresetManagerView::hasNextPreset()
{
    return store.hasNext();
}

void PresetManagerView::step (int categoryIndex, int presetIndex)
{
    // The store leaves current as it is when the target does not exist.
    store.setCurrent (categoryIndex, presetIndex);
    const auto e = store.current;

    if (selectedCategory != e.categoryIndex)
        selectCategory (e.categoryIndex);

    if (delegate != nullptr && delegate->loadPreset (selectedCategory, e.index))
        showPreset (e);
}

void PresetManagerView::nextPresetClicked()
{
    if (! hasNextPreset())
        return;

    const int k = store.current.categoryIndex;
    const int i = store.current.index;
    const bool atEnd = k < numCategories() ? i == numPresets (k) - 1 : i == -1;

    if (atEnd)
        step (k + 1, 0);
    else
        step (k, i + 1);
}

void PresetManagerView::previousPresetClicked()
{
    if (! hasPreviousPreset())
        return;

    const int k = store.current.categoryIndex;
    const int i = store.current.index;

    if (i > 0)
        step (k, i - 1);
    else
        step (k - 1, numPresets (k - 1) - 1);
}

//==============================================================================
void PresetManagerView::listItemClicked (int listId, int index)
{
    if (listId != 0)
    {
        if (delegate != nullptr && delegate->loadPreset (selectedCategory, index))
        {
            store.setCurrent (selectedCategory, index);
            showPreset (store.current);
        }
        return;
    }

    // Keep the category list where it is under the pointer.
    const int y = categoryScroller.getViewPositionY();
    selectCategory (index);
    categoryScroller.setViewPosition (0, y);
}

void PresetManagerView::listItemDeleteClicked (int listId, int index)
{
    if (listId != 1)
        return;

    juce::String name;
    if (index >= 0 && index < numPresets (selectedCategory))
        name = store.categories.getReference (selectedCategory).presets.getReference (index).name;

    dialogue.contextA = selectedCategory;
    dialogue.contextB = index;
    dialogue.titleLabel.setText ("Delete preset?", juce::dontSendNotification);
    dialogue.messageLabel.setText (name, juce::dontSendNotification);
    addAndMakeVisible (dialogue);
}

//==============================================================================
void PresetManagerView::saveAsClicked()
{
    saveAs.pendingData = delegate != nullptr ? delegate->getPresetData() : nullptr;
    saveAs.targetCategory = numCategories() - 1;   // always the user root, "User Presets"
    saveAs.nameInput.setText (store.current.name, true);
    saveAs.updateButtons();
    saveAs.resized();
    addAndMakeVisible (saveAs);
}

void PresetManagerView::saveClicked()
{
    if (delegate == nullptr || ! panel.saveButton.active)
        return;

    if (auto data = delegate->getPresetData())
        store.savePreset (*data, store.current.name, store.current.categoryIndex);
}

void PresetManagerView::loadClicked()
{
    if (delegate != nullptr)
        delegate->importPreset();
}

void PresetManagerView::exportClicked()
{
    if (delegate != nullptr)
        delegate->exportPreset();
}

//==============================================================================
bool PresetManagerView::presetNameExists (int categoryIndex, const juce::String& name)
{
    if (categoryIndex < 0 || categoryIndex >= numCategories())
        return false;

    for (const auto& e : store.categories.getReference (categoryIndex).presets)
        if (e.name == name)
            return true;
    return false;
}

bool PresetManagerView::presetNameAllowed (const juce::String& name)
{
    return ! PresetStore::isUnsafePresetName (name);
}

void PresetManagerView::saveAsCancelled()
{
    removeChildComponent (&saveAs);
}

bool PresetManagerView::saveAsConfirmed (int categoryIndex, const juce::String& name, juce::MemoryBlock* data)
{
    // A refused name (or missing data) keeps the entry open instead of closing as if it had saved.
    if (data == nullptr || ! store.savePreset (*data, name, categoryIndex))
        return false;

    removeChildComponent (&saveAs);
    selectCategory (categoryIndex);
    return true;
}

void PresetManagerView::dialogueFinished (int, bool confirmed, int contextA, int contextB)
{
    if (confirmed && delegate != nullptr)
        delegate->deletePreset (contextA, contextB);
}
