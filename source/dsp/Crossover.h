#pragma once

// Linkwitz-Riley 4th-order crossover tree that splits one channel into 16 bands.
// Band b lives in vector b % 4, lane b / 4.

#include "Vec4.h"
#include <array>

constexpr int kNumBands = 16;

extern const std::array<float, 15> kCrossoverFrequencies;

// One 2nd-order Butterworth section, direct form II, four lanes.
struct BiquadSection
{
    Vec4 w1, w2;
    Vec4 feedback1, feedback2;
    Vec4 outputGain;
    Vec4 middleTap;
    Vec4 sampleRate { 44100.0f };
    Vec4 frequency;

    void computeCoefficients (bool highpass) noexcept;

    Vec4 process (Vec4 x) noexcept
    {
        const Vec4 w = x + feedback1 * w1 + feedback2 * w2;
        const Vec4 y = outputGain * (w + middleTap * w1 + w2);
        w2 = w1;
        w1 = w;
        return y;
    }

    void clear() noexcept { w1 = w2 = Vec4(); }
};

enum class CrossoverMode : int { lowpass = 0, highpass = 1, allpass = 2 };

struct CrossoverFilter
{
    CrossoverMode mode = CrossoverMode::lowpass;
    BiquadSection lowpass[2];
    BiquadSection highpass[2];

    void setup (CrossoverMode newMode, Vec4 frequency, Vec4 sampleRate) noexcept;

    Vec4 process (Vec4 x) noexcept
    {
        switch (mode)
        {
            case CrossoverMode::lowpass:  return lowpass[1].process (lowpass[0].process (x));
            case CrossoverMode::highpass: return highpass[1].process (highpass[0].process (x));
            case CrossoverMode::allpass:  break;
        }
        const Vec4 lp = lowpass[1].process (lowpass[0].process (x));
        const Vec4 hp = highpass[1].process (highpass[0].process (x));
        return lp + hp;
    }

    void clear() noexcept;
    void reset (float rate) noexcept;
};

// Three crossovers f1 < f2 < f3 (per lane) cutting one input into four outputs.
struct FourWaySplit
{
    std::array<CrossoverFilter, 9> filters;

    void setSampleRate (float rate, Vec4 f1, Vec4 f2, Vec4 f3) noexcept;

    void splitFourWay (Vec4 input, Vec4& out0, Vec4& out1, Vec4& out2, Vec4& out3) noexcept
    {
        out0 = filters[2].process (filters[1].process (filters[0].process (input)));
        const Vec4 u = filters[3].process (input);
        const Vec4 v = filters[6].process (u);
        out3 = filters[8].process (v);
        out1 = filters[5].process (filters[4].process (u));
        out2 = filters[7].process (v);
    }

    void clear() noexcept;
    void reset (float rate) noexcept;
};

// Both tiers for one channel.
struct CrossoverBank
{
    FourWaySplit tier1, tier2;

    void setSampleRate (float rate) noexcept;
    void clear() noexcept;
    void reset (float rate) noexcept;

    // One sample in, the four band vectors out (vector k lane g = band 4g + k).
    void split (float sample, Vec4 (&bands)[4]) noexcept
    {
        Vec4 g0, g1, g2, g3;
        tier1.splitFourWay (Vec4 (sample), g0, g1, g2, g3);
        const Vec4 groups (g0.lane (0), g1.lane (0), g2.lane (0), g3.lane (0));
        tier2.splitFourWay (groups, bands[0], bands[1], bands[2], bands[3]);
    }
};
