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

    // The same with the middle tap known (+2 lowpass, -2 highpass); doubling by adding is exact,
    // so the result is bit-identical to process().
    Vec4 processLowpass (Vec4 x) noexcept
    {
        const Vec4 w = x + feedback1 * w1 + feedback2 * w2;
        const Vec4 y = outputGain * (w + (w1 + w1) + w2);
        w2 = w1;
        w1 = w;
        return y;
    }

    Vec4 processHighpass (Vec4 x) noexcept
    {
        const Vec4 w = x + feedback1 * w1 + feedback2 * w2;
        const Vec4 y = outputGain * (w - (w1 + w1) + w2);
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

    // The split's slots have fixed modes, so it calls the matching path directly (no branch per sample).
    Vec4 processLowpass (Vec4 x) noexcept { return lowpass[1].processLowpass (lowpass[0].processLowpass (x)); }
    Vec4 processHighpass (Vec4 x) noexcept { return highpass[1].processHighpass (highpass[0].processHighpass (x)); }

    // Lowpass and highpass sections share their recursive coefficients, so the first section of
    // each pair, fed the same input from the same (cleared) state, holds the same state forever:
    // it is computed once and both feed-forward sums are taken from it.
    Vec4 processAllpass (Vec4 x) noexcept
    {
        auto& lp = lowpass[0];
        auto& hp = highpass[0];
        const Vec4 w = x + lp.feedback1 * lp.w1 + lp.feedback2 * lp.w2;
        const Vec4 twoW1 = lp.w1 + lp.w1;
        const Vec4 lowOut = lp.outputGain * (w + twoW1 + lp.w2);
        const Vec4 highOut = hp.outputGain * (w - twoW1 + lp.w2);
        lp.w2 = hp.w2 = lp.w1;
        lp.w1 = hp.w1 = w;
        return lowpass[1].processLowpass (lowOut) + highpass[1].processHighpass (highOut);
    }

    Vec4 process (Vec4 x) noexcept
    {
        switch (mode)
        {
            case CrossoverMode::lowpass:  return processLowpass (x);
            case CrossoverMode::highpass: return processHighpass (x);
            case CrossoverMode::allpass:  break;
        }
        return processAllpass (x);
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
        out0 = filters[2].processAllpass (filters[1].processAllpass (filters[0].processLowpass (input)));
        const Vec4 u = filters[3].processHighpass (input);
        const Vec4 v = filters[6].processHighpass (u);
        out3 = filters[8].processHighpass (v);
        out1 = filters[5].processAllpass (filters[4].processLowpass (u));
        out2 = filters[7].processLowpass (v);
    }

    void clear() noexcept;
    void reset (float rate) noexcept;
};

// Both tiers for one channel (used where a single channel is split, e.g. in tests).
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

// Both channels' banks. Tier 1 has the same crossovers in all four lanes, so one vector carries
// the left sample in lanes 0 and 2 and the right sample in lanes 1 and 3: each lane computes
// exactly what a per-channel tier 1 would, at half the cost.
struct StereoCrossover
{
    FourWaySplit tier1;
    FourWaySplit tier2Left, tier2Right;

    void setSampleRate (float rate) noexcept;
    void clear() noexcept;
    void reset (float rate) noexcept;

    void split (float left, float right, Vec4 (&bandsLeft)[4], Vec4 (&bandsRight)[4]) noexcept
    {
        Vec4 g0, g1, g2, g3;
        tier1.splitFourWay (Vec4 (left, right, left, right), g0, g1, g2, g3);
        // (g0, g1, g2, g3) lanes 0 and 1 → left groups (g0.0, g1.0, g2.0, g3.0), right (g0.1, ...).
        const __m128 lo01 = _mm_unpacklo_ps (g0.v, g1.v);   // g0.0 g1.0 g0.1 g1.1
        const __m128 lo23 = _mm_unpacklo_ps (g2.v, g3.v);   // g2.0 g3.0 g2.1 g3.1
        tier2Left.splitFourWay (_mm_movelh_ps (lo01, lo23), bandsLeft[0], bandsLeft[1], bandsLeft[2], bandsLeft[3]);
        tier2Right.splitFourWay (_mm_movehl_ps (lo23, lo01), bandsRight[0], bandsRight[1], bandsRight[2], bandsRight[3]);
    }
};
