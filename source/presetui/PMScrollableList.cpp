#include "presetui/PMScrollableList.h"

PMScrollableList::PMScrollableList() = default;

PMScrollableList::~PMScrollableList()
{
    getVerticalScrollBar().setLookAndFeel (nullptr);
    setViewedComponent (nullptr, false);
}

void PMScrollableList::setContent (PMList* list)
{
    setScrollBarsShown (true, false, false, false);
    setScrollBarThickness (4);
    content = list;
    setViewedComponent (list, false);
    getVerticalScrollBar().setLookAndFeel (&scrollerLookAndFeel);

    // Set on the bar itself rather than on the shared look-and-feel, so other scroll bars keep theirs.
    auto& bar = getVerticalScrollBar();
    bar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0x00000000));
    bar.setColour (juce::ScrollBar::trackColourId, juce::Colour (0xff4e4e4e));
    bar.setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xffcccccc));
}

juce::Rectangle<int> PMScrollableList::contentBoundsFor (const PMList& list) const
{
    const auto height = std::max ((double) (float) (getMaximumVisibleHeight() - 5), list.getNumItems() * (double) PMList::rowHeight);
    return { 0, 0, getWidth() - 8, (int) height };
}

void PMScrollableList::resized()
{
    const auto position = getViewPosition();   // the list's new bounds would reset it
    juce::Viewport::resized();

    if (content != nullptr)
    {
        content->setBounds (contentBoundsFor (*content));
        setViewPosition (position);   // clamped to the new size
    }
}
