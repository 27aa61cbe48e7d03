#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

// How the preset bar looks; the editor fills it, the bar copies what it needs.
struct PresetBarStyle
{
    juce::Font font;
    float fontHeight = 14.0f;
    juce::Image backgroundImage;
    juce::Colour validTextColour { 0xffffffff };
    juce::Colour invalidTextColour { 0x80ffffff };
    std::array<juce::Image, 3> previousImages;   // normal, pressed, inactive
    std::array<juce::Image, 3> nextImages;       // normal, pressed, inactive
    float arrowImageWidth = 8.0f, arrowImageHeight = 8.0f;
    bool showArrows = true;
};
