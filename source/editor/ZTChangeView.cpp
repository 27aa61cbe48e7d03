#include "editor/ZTChangeView.h"

#include "editor/SharedFonts.h"

#include <cmath>

ZTChangeView::ZTChangeView()
{
    setAlpha (0.0f);
    setInterceptsMouseClicks (false, false);
}

juce::String ZTChangeView::textForValue (int index, float value)
{
    if (index >= 0 && index < 16)
    {
        const float delayMs = std::pow (std::abs (2.0f * value - 1.0f), 4.0f) * 0.04f * 1000.0f;
        if (delayMs < 0.1f)
            return juce::String (delayMs * 1000.0f, 2) + " us";
        return juce::String (delayMs, delayMs < 10.0f ? 3 : 2) + " ms";
    }
    if (index >= 16 && index < 32)
        return juce::String ((int) std::round (value * 200.0f - 100.0f)) + "%";
    if (index >= 32 && index < 48)
        return juce::String ((int) std::round (value * 100.0f)) + "%";
    if (index >= 48 && index < 64)
    {
        const double g = 2.0 * (double) value;
        const float gain = (float) (g <= 1.0 ? g * g : (g - 1.0) * 2.16227766 + 1.0);
        if (gain <= 0.00001f)
            return "-inf";
        const float decibels = 20.0f * std::log10 (gain);
        if (decibels <= -100.0f)
            return "-inf";
        return juce::String (decibels, 1) + " dB";
    }
    return "NYI";
}

void ZTChangeView::setText (const juce::String& newText)
{
    text = newText;
    repaint();
}

void ZTChangeView::advanceFade()
{
    if (gestureActive)
        opacity = juce::jmin (1.0f, opacity + 0.08f);
    else if (opacity != 0.0f)
        opacity = juce::jmax (0.0f, opacity - 0.08f);
    else
        return;

    // The component keeps its alpha as a byte and repaints only when that byte changes.
    setAlpha (opacity);
}

void ZTChangeView::paint (juce::Graphics& g)
{
    const auto bounds = getLocalBounds();
    g.fillAll (juce::Colour (0xFF26262B));
    g.setColour (juce::Colour (0xBFFFFFFF));
    g.drawRect (bounds, 1);
    if (auto* fonts = SharedFonts::get())
        g.setFont (fonts->readoutFont.withHeight (12.0f));
    else
        g.setFont (12.0f);
    g.drawText (text, bounds, juce::Justification::centred, true);
}
