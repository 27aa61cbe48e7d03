#include "Crossover.h"

#include <cmath>

const std::array<float, 15> kCrossoverFrequencies {
    63.2444f, 120.978f, 240.2f, 480.911f, 1000.11f, 1926.8f, 2618.98f, 3117.64f,
    3722.8f, 5034.44f, 6452.58f, 7677.2f, 9008.31f, 10445.9f, 11990.0f
};

namespace
{
constexpr float kPi = 3.14159265358979f;
constexpr float kSqrt2 = 2.0f * 0.70710677f;
} // namespace

void BiquadSection::computeCoefficients (bool highpass) noexcept
{
    alignas (16) float f[4], fs[4], fb1[4], fb2[4], gain[4];
    frequency.store (f);
    sampleRate.store (fs);
    for (int i = 0; i < 4; ++i)
    {
        const float k = std::tan (kPi * f[i] / fs[i]);
        const float k2 = k * k;
        const float d = 1.0f + kSqrt2 * k + k2;
        fb1[i] = 2.0f * (1.0f - k2) / d;
        fb2[i] = -(1.0f - kSqrt2 * k + k2) / d;
        gain[i] = highpass ? 1.0f / d : k2 / d;
    }
    feedback1 = Vec4::load (fb1);
    feedback2 = Vec4::load (fb2);
    outputGain = Vec4::load (gain);
    middleTap = Vec4 (highpass ? -2.0f : 2.0f);
}

void CrossoverFilter::setup (CrossoverMode newMode, Vec4 newFrequency, Vec4 rate) noexcept
{
    mode = newMode;
    for (auto* pair : { lowpass, highpass })
        for (int s = 0; s < 2; ++s)
        {
            pair[s].frequency = newFrequency;
            pair[s].sampleRate = rate;
        }

    if (mode != CrossoverMode::highpass)
        for (auto& s : lowpass)
            s.computeCoefficients (false);
    if (mode != CrossoverMode::lowpass)
        for (auto& s : highpass)
            s.computeCoefficients (true);
}

void CrossoverFilter::clear() noexcept
{
    for (auto& s : lowpass)
        s.clear();
    for (auto& s : highpass)
        s.clear();
}

void CrossoverFilter::reset (float rate) noexcept
{
    for (auto* pair : { lowpass, highpass })
        for (int s = 0; s < 2; ++s)
        {
            pair[s].sampleRate = Vec4 (rate);
            pair[s].clear();
        }
}

void FourWaySplit::setSampleRate (float rate, Vec4 f1, Vec4 f2, Vec4 f3) noexcept
{
    using M = CrossoverMode;
    const Vec4 fs (rate);
    filters[0].setup (M::lowpass, f1, fs);
    filters[1].setup (M::allpass, f2, fs);
    filters[2].setup (M::allpass, f3, fs);
    filters[3].setup (M::highpass, f1, fs);
    filters[4].setup (M::lowpass, f2, fs);
    filters[5].setup (M::allpass, f3, fs);
    filters[6].setup (M::highpass, f2, fs);
    filters[7].setup (M::lowpass, f3, fs);
    filters[8].setup (M::highpass, f3, fs);
}

void FourWaySplit::clear() noexcept
{
    for (auto& f : filters)
        f.clear();
}

void FourWaySplit::reset (float rate) noexcept
{
    for (auto& f : filters)
        f.reset (rate);
}

namespace
{
// Tier 1 cuts at crossovers 3, 7 and 11 in every lane; tier 2 lane g cuts group g at 4g, 4g+1, 4g+2.
void setTier1 (FourWaySplit& tier, float rate) noexcept
{
    const auto& c = kCrossoverFrequencies;
    tier.setSampleRate (rate, Vec4 (c[3]), Vec4 (c[7]), Vec4 (c[11]));
}

void setTier2 (FourWaySplit& tier, float rate) noexcept
{
    const auto& c = kCrossoverFrequencies;
    tier.setSampleRate (rate,
                        Vec4 (c[0], c[4], c[8], c[12]),
                        Vec4 (c[1], c[5], c[9], c[13]),
                        Vec4 (c[2], c[6], c[10], c[14]));
}
} // namespace

void CrossoverBank::setSampleRate (float rate) noexcept
{
    setTier1 (tier1, rate);
    setTier2 (tier2, rate);
}

void CrossoverBank::clear() noexcept
{
    tier1.clear();
    tier2.clear();
}

void CrossoverBank::reset (float rate) noexcept
{
    tier1.reset (rate);
    tier2.reset (rate);
}

void StereoCrossover::setSampleRate (float rate) noexcept
{
    setTier1 (tier1, rate);
    setTier2 (tier2Left, rate);
    setTier2 (tier2Right, rate);
}

void StereoCrossover::clear() noexcept
{
    for (auto* t : { &tier1, &tier2Left, &tier2Right })
        t->clear();
}

void StereoCrossover::reset (float rate) noexcept
{
    for (auto* t : { &tier1, &tier2Left, &tier2Right })
        t->reset (rate);
}
