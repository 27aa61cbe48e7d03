#pragma once

// The 16 band signals of one channel, from a freshly prepared crossover bank (band order 0..15).

#include "dsp/Crossover.h"

#include <array>
#include <vector>

using BandSignals = std::vector<std::array<float, kNumBands>>;

inline BandSignals splitIntoBands (const std::vector<float>& input, float rate = 44100.0f)
{
    CrossoverBank bank;
    bank.reset (rate);
    bank.setSampleRate (rate);

    BandSignals out (input.size());
    for (size_t n = 0; n < input.size(); ++n)
    {
        Vec4 bands[4];
        bank.split (input[n], bands);
        for (int b = 0; b < kNumBands; ++b)
            out[n][(size_t) b] = bands[b % 4].lane (b / 4);
    }
    return out;
}
