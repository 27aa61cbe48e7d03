#include "BandSignals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

namespace
{
constexpr double kTwoPi = 6.283185307179586;

double bandRms (const BandSignals& bands, int band, size_t from)
{
    double sum = 0.0;
    for (size_t n = from; n < bands.size(); ++n)
        sum += (double) bands[n][(size_t) band] * bands[n][(size_t) band];
    return std::sqrt (sum / (double) (bands.size() - from));
}
} // namespace

TEST (Crossover, ConstantInputSettlesInLowestBandOnly)
{
    const auto bands = splitIntoBands (std::vector<float> (44100, 1.0f));
    const auto& last = bands.back();
    // Single-precision direct-form-II sections at 63 Hz carry a small DC error (coefficient rounding).
    EXPECT_NEAR (last[0], 1.0f, 0.005f);
    for (int b = 1; b < kNumBands; ++b)
        EXPECT_NEAR (last[(size_t) b], 0.0f, 0.005f) << "band " << b;
}

TEST (Crossover, AlternatingInputSettlesInHighestBandOnly)
{
    std::vector<float> input (8192);
    for (size_t n = 0; n < input.size(); ++n)
        input[n] = (n % 2 == 0) ? 1.0f : -1.0f;

    const auto bands = splitIntoBands (input);
    EXPECT_NEAR (std::abs (bands.back()[15]), 1.0f, 1e-4f);
    EXPECT_NEAR (bandRms (bands, 15, 4096), 1.0, 1e-4);
    for (int b = 0; b < 15; ++b)
        EXPECT_LT (bandRms (bands, b, 4096), 1e-4) << "band " << b;
}

TEST (Crossover, SilenceGivesExactZeroInEveryBand)
{
    const auto bands = splitIntoBands (std::vector<float> (2048, 0.0f));
    for (const auto& frame : bands)
        for (float v : frame)
            ASSERT_EQ (v, 0.0f);
}

// The four outputs of one four-way split add up to an allpass: flat magnitude at every frequency.
TEST (Crossover, FourWaySplitSumsToAllpass)
{
    const std::array<std::array<float, 3>, 2> splits { { { 480.911f, 3117.64f, 7677.2f }, { 63.2444f, 120.978f, 240.2f } } };

    for (const auto& f : splits)
    {
        FourWaySplit split;
        split.reset (44100.0f);
        split.setSampleRate (44100.0f, Vec4 (f[0]), Vec4 (f[1]), Vec4 (f[2]));

        constexpr int length = 1 << 15;
        std::vector<double> response (length);
        for (int n = 0; n < length; ++n)
        {
            Vec4 o0, o1, o2, o3;
            split.splitFourWay (Vec4 (n == 0 ? 1.0f : 0.0f), o0, o1, o2, o3);
            response[(size_t) n] = (double) (o0 + o1 + o2 + o3).lane (0);
        }

        for (double hz = 20.0; hz < 20000.0; hz *= 1.19)
        {
            std::complex<double> sum;
            for (int n = 0; n < length; ++n)
                sum += response[(size_t) n] * std::polar (1.0, -kTwoPi * hz / 44100.0 * n);
            EXPECT_NEAR (std::abs (sum), 1.0, 0.005) << "at " << hz << " Hz, split at " << f[0];
        }
    }
}

// Every band's magnitude response peaks between (or right next to) its two crossover edges.
// The bands are narrow against the 24 dB/octave slopes, so neighbours overlap strongly; the peak
// position is what shows that each band sits where its crossovers put it.
TEST (Crossover, EachBandPeaksBetweenItsEdges)
{
    constexpr int length = 16384;
    std::vector<float> impulse (length, 0.0f);
    impulse[0] = 1.0f;
    const auto bands = splitIntoBands (impulse);

    for (int band = 0; band < kNumBands; ++band)
    {
        const double lower = band == 0 ? 10.0 : kCrossoverFrequencies[(size_t) band - 1];
        const double upper = band == 15 ? 22000.0 : kCrossoverFrequencies[(size_t) band];

        double peakHz = 0.0, peakGain = 0.0;
        for (double hz = 10.0; hz < 22000.0; hz *= 1.02)
        {
            std::complex<double> sum;
            for (int n = 0; n < length; ++n)
                sum += (double) bands[(size_t) n][(size_t) band] * std::polar (1.0, -kTwoPi * hz / 44100.0 * n);
            if (std::abs (sum) > peakGain)
            {
                peakGain = std::abs (sum);
                peakHz = hz;
            }
        }
        EXPECT_GT (peakHz, lower / 1.1) << "band " << band;
        EXPECT_LT (peakHz, upper * 1.1) << "band " << band;
    }
}

TEST (Crossover, CoefficientsStayFiniteAtTopCrossover)
{
    BiquadSection section;
    section.frequency = Vec4 (11990.0f);
    section.sampleRate = Vec4 (44100.0f);
    section.computeCoefficients (false);

    const float k = std::tan (3.14159265f * 11990.0f / 44100.0f);
    EXPECT_NEAR (k, 1.148f, 1e-3f);
    for (const auto& v : { section.feedback1, section.feedback2, section.outputGain })
        EXPECT_TRUE (std::isfinite (v.lane (0)));
}
