#include "editor/TabSelector.h"

namespace
{
constexpr std::array<int, 4> kTabWidths { 51, 45, 45, 50 };
}

void TabSelector::TabButton::setup (int buttonIndex, TabButtonDelegate* owner, const juce::Image& active,
                                    const juce::Image& normal, const juce::Image& hover)
{
    index = buttonIndex;
    delegate = owner;
    activeImage = active;
    defaultImage = normal;
    hoverImage = hover;
    isSelected = false;
}

void TabSelector::TabButton::mouseEnter (const juce::MouseEvent&)
{
    isHovered = true;
    repaint();
}

void TabSelector::TabButton::mouseExit (const juce::MouseEvent&)
{
    isHovered = false;
    repaint();
}

void TabSelector::TabButton::mouseDown (const juce::MouseEvent&)
{
    if (! isSelected)
        setAlpha (0.8f);
}

void TabSelector::TabButton::mouseUp (const juce::MouseEvent& e)
{
    setAlpha (1.0f);
    if (e.x >= 0 && e.x < getWidth() && e.y >= 0 && e.y < getHeight() && ! isSelected && delegate != nullptr)
        delegate->tabButtonClicked (index);
}

void TabSelector::TabButton::paint (juce::Graphics& g)
{
    const auto& image = isSelected ? activeImage : (isHovered ? hoverImage : defaultImage);
    if (image.isValid())
        g.drawImage (image, getLocalBounds().toFloat());
}

TabSelector::TabSelector()
    : inactivePagesImage (juce::Image::ARGB, kImageWidth, kImageHeight, true)
{
}

void TabSelector::setSelectedTab (int index)
{
    if (index == selectedIndex || ! juce::isPositiveAndBelow (index, kMaxTabs) || pages[(size_t) index] == nullptr)
        return;

    const int oldIndex = selectedIndex;
    selectedIndex = index;

    auto* page = pages[(size_t) index];
    page->setIsSelectedPage (true);
    page->setAlpha (1.0f);
    page->setInterceptsMouseClicks (true, true);
    page->setBounds (pageBounds());
    addAndMakeVisible (page);
    if (overlay != nullptr && overlay->getParentComponent() == this)
        page->toBehind (overlay);

    tabButtons[(size_t) index].setSelected (true);

    if (oldIndex >= 0)
    {
        if (auto* oldPage = pages[(size_t) oldIndex])
        {
            removeChildComponent (oldPage);
            oldPage->setIsSelectedPage (false);
            oldPage->setAlpha (0.3f);
            oldPage->setInterceptsMouseClicks (false, false);
        }
        tabButtons[(size_t) oldIndex].setSelected (false);
    }

    renderInactivePages();
    repaint();
}

void TabSelector::tabButtonClicked (int index)
{
    if (index != selectedIndex && delegate != nullptr)
        delegate->tabChanged (this, index);
    setSelectedTab (index);
}

void TabSelector::renderInactivePages()
{
    inactivePagesImage.clear (inactivePagesImage.getBounds());
    juce::Graphics g (inactivePagesImage);
    for (int tab = 0; tab < tabCount; ++tab)
        if (tab != selectedIndex && pages[(size_t) tab] != nullptr)
            pages[(size_t) tab]->drawBands (g, kImageWidth, kImageHeight);
}

void TabSelector::paint (juce::Graphics& g)
{
    const int w = getWidth();
    const int h = getHeight();
    g.setColour (juce::Colour (0x804A4A4A));
    if (inactivePagesImage.isValid())
        g.drawImage (inactivePagesImage, juce::Rectangle<float> (16.0f, 59.0f, (float) (w - 32), (float) (h - 60)));
    g.fillRect (0, 58, w, 1);
    g.fillRect (0, h - 1, w, 1);
}

void TabSelector::resized()
{
    const auto bounds = pageBounds();
    for (int tab = 0; tab < tabCount; ++tab)
        if (pages[(size_t) tab] != nullptr)
            pages[(size_t) tab]->setBounds (bounds);
    if (overlay != nullptr)
        overlay->setBounds (bounds);

    int x = 0;
    for (int tab = 0; tab < tabCount; ++tab)
    {
        const int width = tab < (int) kTabWidths.size() ? kTabWidths[(size_t) tab] : 45;
        tabButtons[(size_t) tab].setBounds (x, 0, width, 37);
        x += width;
    }
}
