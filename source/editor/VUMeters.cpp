#include "editor/VUMeters.h"

#include "dsp/BandEngine.h"

#include <cmath>

const std::array<float, VUMeters::kNumBands> VUMeters::kPeakWeights {
    3.0f, 3.0f, 2.0f, 1.5f, 1.0f, 0.8f, 1.3f, 1.0f, 0.8f, 0.8f, 1.0f, 0.8f, 0.6f, 0.8f, 0.7f, 0.2f
};

VUMeters::VUMeters()
{
    setInterceptsMouseClicks (false, false);
}

void VUMeters::update (BandEngine& engine)
{
    auto& meters = engine.getMeters();

    for (int band = 0; band < kNumBands; ++band)
    {
        const auto e = (size_t) BandMeters::elementForBand (band);
        const float peakLeft = meters.peakLeft[e].load (std::memory_order_relaxed);
        const float peakRight = meters.peakRight[e].load (std::memory_order_relaxed);
        const float sideMinimum = meters.sideMinimum[e].load (std::memory_order_relaxed);
        const float sideMaximum = meters.sideMaximum[e].load (std::memory_order_relaxed);

        engine.upperSpread[(size_t) band] = std::pow (peakLeft, 0.33f) * -sideMinimum;
        engine.lowerSpread[(size_t) band] = std::pow (peakRight, 0.33f) * sideMaximum;
        engine.bandPeak[(size_t) band] = std::max (peakLeft, peakRight);
    }

    auto follow = [] (std::array<float, kNumBands>& shown, const std::array<float, kNumBands>& incoming)
    {
        for (size_t b = 0; b < shown.size(); ++b)
        {
            shown[b] = (float) ((double) shown[b] * 0.9);
            if (incoming[b] > shown[b])
                shown[b] = incoming[b];
        }
    };
    follow (shownUpper, engine.upperSpread);
    follow (shownLower, engine.lowerSpread);
    follow (shownPeak, engine.bandPeak);

    repaint();
    meters.clear();
}

void VUMeters::paint (juce::Graphics& g)
{
    const int W = getWidth();
    const int H = getHeight();
    const float w = (float) W;
    const float h = (float) H;
    const float columnWidth = w * 0.0625f;
    const float halfColumn = columnWidth * 0.5f;
    const float middle = h * 0.5f;
    const float amplitude = middle - 1.0f;

    std::array<float, kNumBands> up {}, down {};

    g.setColour (juce::Colour (0x804A4A4A));
    for (int i = 0; i < kNumBands; ++i)
    {
        up[(size_t) i] = 2.0f * amplitude * std::abs (std::sqrt (shownUpper[(size_t) i]));
        down[(size_t) i] = 2.0f * amplitude * std::abs (std::sqrt (shownLower[(size_t) i]));
        const float x = (float) (int) ((float) i * columnWidth);
        g.fillRect (x, h - 4.0f, 1.0f, 4.0f);
        g.fillRect (x, h * 0.5f - 2.0f, 1.0f, 4.0f);
    }
    g.fillRect (w - 1.0f, h - 3.0f, 1.0f, 3.0f);

    juce::Path contour;
    contour.startNewSubPath (0.0f, middle - up[0]);
    for (int j = 1; j <= 14; ++j)
        contour.lineTo (halfColumn + (float) j * columnWidth, middle - up[(size_t) j]);
    contour.lineTo (w, middle - up[15]);
    contour.lineTo (w, middle + down[15]);
    for (int j = 14; j >= 1; --j)
        contour.lineTo (halfColumn + (float) j * columnWidth, middle + down[(size_t) j]);
    contour.lineTo (0.0f, middle + down[0]);
    contour.closeSubPath();
    g.setColour (juce::Colour (0x1A000000));
    g.fillPath (contour);

    g.setColour (juce::Colour (0x33000000));
    for (int i = 0; i < kNumBands; ++i)
    {
        const float barHeight = std::pow (shownPeak[(size_t) i] * kPeakWeights[(size_t) i], 0.3f) * h;
        const float top = h - barHeight;
        const float x = (float) i * columnWidth + halfColumn;
        if (top < h)
        {
            g.fillRect ((float) (int) (x - 1.0f), top, 1.0f, h - top);
            g.fillRect ((float) (int) x, top, 1.0f, h - top);
        }
    }

    g.setColour (juce::Colour (0x21000000));
    const float dashes[] = { 2.0f, 2.0f };
    for (int j = 0; j < kNumBands; ++j)
    {
        const float x = (float) j * columnWidth;
        g.drawDashedLine ({ x, 0.0f, x, h }, dashes, 2, 1.0f);
    }
    g.drawDashedLine ({ w - 1.0f, 0.0f, w - 1.0f, h }, dashes, 2, 1.0f);
}
