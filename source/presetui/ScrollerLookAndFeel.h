#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The preset lists' thin scroll bar: a dark rounded track with a light rounded thumb.
class ScrollerLookAndFeel : public juce::LookAndFeel_V4
{
public:
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                        bool isMouseOver, bool isMouseDown) override;
};
