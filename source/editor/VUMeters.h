#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class BandEngine;

// Per-band meters over the band pages: stereo lean as a contour above and below the centre line,
// peak level as a thin bar from the bottom. Pure display, fed by the editor's timer.
class VUMeters : public juce::Component
{
public:
    static constexpr int kNumBands = 16;
    static const std::array<float, kNumBands> kPeakWeights;

    VUMeters();
    ~VUMeters() override = default;

    // Reads and resets the engine's meter accumulators, turns them into the engine's display
    // values, lets the shown values decay by 0.9 and rise to new peaks, and repaints.
    void update (BandEngine& engine);

    float getShownUpper (int band) const noexcept { return shownUpper[(size_t) band]; }
    float getShownLower (int band) const noexcept { return shownLower[(size_t) band]; }
    float getShownPeak (int band) const noexcept { return shownPeak[(size_t) band]; }

    void paint (juce::Graphics&) override;

private:
    std::array<float, kNumBands> shownUpper {}, shownLower {}, shownPeak {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VUMeters)
};
