#include "presetui/ScrollerLookAndFeel.h"

void ScrollerLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar&, int, int, int width, int height,
                                         bool, int thumbStartPosition, int thumbSize, bool, bool)
{
    g.setColour (juce::Colour (0xff4e4e4e));
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) (height - 2), 2.0f);
    g.setColour (juce::Colour (0xffcccccc));
    g.fillRoundedRectangle (0.0f, (float) thumbStartPosition, (float) width, (float) (thumbSize - 2), 2.0f);
}
