#pragma once

#include "presetui/PMList.h"
#include "presetui/ScrollerLookAndFeel.h"

// A vertical-only viewport around a PMList with a 4-pixel scroll bar.
class PMScrollableList : public juce::Viewport
{
public:
    PMScrollableList();
    ~PMScrollableList() override;

    // Shows `list` (not owned; it must outlive this scroller or be replaced first).
    void setContent (PMList* list);

    // The content size for the current row count: 8 pixels narrower than the scroller (clear of
    // the scroll bar) and at least as tall as the visible area less 5 pixels.
    juce::Rectangle<int> contentBoundsFor (const PMList& list) const;

    void resized() override;

    ScrollerLookAndFeel scrollerLookAndFeel;
    PMList* content = nullptr;   // not owned

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMScrollableList)
};
