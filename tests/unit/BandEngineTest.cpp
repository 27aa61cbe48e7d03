#include "BandSignals.h"
#include "dsp/BandEngine.h"
#include "processor/ParameterSpecs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{
struct Stereo
{
    std::vector<float> left, right;
};

std::array<float, kNumParameters> defaults()
{
    std::array<float, kNumParameters> p {};
    for (const auto& spec : kParameterSpecs)
        p[(size_t) spec.index] = spec.normalisedDefault();
    return p;
}

Stereo noise (size_t length, unsigned seed = 1)
{
    std::mt19937 rng (seed);
    std::uniform_real_distribution<float> d (-0.5f, 0.5f);
    Stereo s { std::vector<float> (length), std::vector<float> (length) };
    for (size_t n = 0; n < length; ++n)
    {
        s.left[n] = d (rng);
        s.right[n] = d (rng);
    }
    return s;
}

// An engine settled on `params` (as after a state load), run over `input`.
Stereo render (const std::array<float, kNumParameters>& params, const Stereo& input, float rate = 44100.0f)
{
    BandEngine engine;
    engine.setSampleRate (rate);
    engine.updateSmoothingTargets (params.data());
    engine.snapSmoothing();

    Stereo out = input;
    for (size_t n = 0; n < input.left.size(); ++n)
        engine.processSample (out.left[n], out.right[n]);
    return out;
}

// Expected output of a stage whose band b is delayed by delay[b] samples (fractions interpolated
// linearly) and scaled by gain[b], per channel, with centred pan: the band signals rebuilt by hand.
std::vector<float> rebuild (const BandSignals& bands,
                            const std::array<double, kNumBands>& delay, const std::array<double, kNumBands>& gain)
{
    auto at = [&] (long n, int b) { return n < 0 ? 0.0 : (double) bands[(size_t) n][(size_t) b]; };
    std::vector<float> out (bands.size(), 0.0f);
    for (size_t n = 0; n < bands.size(); ++n)
    {
        double sum = 0.0;
        for (int b = 0; b < kNumBands; ++b)
        {
            const double d = delay[(size_t) b];
            const long whole = (long) d;
            const double fraction = d - (double) whole;
            sum += gain[(size_t) b] * ((1.0 - fraction) * at ((long) n - whole, b) + fraction * at ((long) n - whole - 1, b));
        }
        out[n] = (float) sum;
    }
    return out;
}

void expectClose (const std::vector<float>& actual, const std::vector<float>& expected, float tolerance, const char* what)
{
    ASSERT_EQ (actual.size(), expected.size());
    float worst = 0.0f;
    size_t where = 0;
    for (size_t n = 0; n < actual.size(); ++n)
        if (std::abs (actual[n] - expected[n]) > worst)
        {
            worst = std::abs (actual[n] - expected[n]);
            where = n;
        }
    EXPECT_LE (worst, tolerance) << what << ": worst difference at sample " << where;
}

constexpr double kUnityWidth = 2.0 * 0.707f * 0.707f;   // 0.999698
constexpr int kHaasBand = 6;
} // namespace

TEST (BandEngine, DefaultsDelayEveryBandOneSampleAtUnityWidthLevel)
{
    const auto input = noise (4096);
    const auto out = render (defaults(), input);

    std::array<double, kNumBands> delay;
    delay.fill (1.0);
    std::array<double, kNumBands> gain;
    gain.fill (kUnityWidth);
    expectClose (out.left, rebuild (splitIntoBands (input.left), delay, gain), 1e-5f, "left");
    expectClose (out.right, rebuild (splitIntoBands (input.right), delay, gain), 1e-5f, "right");
}

// Haas above 0.5 delays the band's left channel, below 0.5 its right channel, by up to 40 ms.
TEST (BandEngine, HaasExtremesDelayOneChannelByFortyMilliseconds)
{
    struct Case { float haas; float rate; int delayedChannel; };
    for (const auto c : { Case { 1.0f, 44100.0f, 0 }, Case { 0.0f, 44100.0f, 1 }, Case { 1.0f, 48000.0f, 0 } })
    {
        auto params = defaults();
        params[kHaasBand] = c.haas;
        const auto input = noise (45000, 7);   // longer than the delay buffer: the taps wrap around
        const auto out = render (params, input, c.rate);

        // 0.04 s (1764 samples at 44100 Hz); the Haas target carries a 1e-6 offset, hence the power.
        const double longDelay = 0.04 * c.rate * std::pow (1.000001, 4.0);
        std::array<double, kNumBands> gain;
        gain.fill (kUnityWidth);
        std::array<double, kNumBands> shortDelays;
        shortDelays.fill (1.0);
        auto longDelays = shortDelays;
        longDelays[kHaasBand] = longDelay;

        const bool leftDelayed = c.delayedChannel == 0;
        expectClose (out.left, rebuild (splitIntoBands (input.left, c.rate), leftDelayed ? longDelays : shortDelays, gain), 3e-5f, "left");
        expectClose (out.right, rebuild (splitIntoBands (input.right, c.rate), leftDelayed ? shortDelays : longDelays, gain), 3e-5f, "right");
    }
}

// Pan, width and gain of one band, checked on that band alone: a signal inside one band is not
// possible, so the other bands are silenced with gain 0 and the band is compared with its own signal.
TEST (BandEngine, BalanceWidthAndGainMappings)
{
    constexpr int band = 9;
    struct Case
    {
        const char* what;
        float pan, width, gain;
        double leftFromLeft, leftFromRight, rightFromLeft, rightFromRight;   // output = a * L1band + b * R1band
    };
    const double w = 0.707f, w2 = w * w;
    const Case cases[] = {
        { "defaults", 0.5f, 1.0f, 0.5f, 2 * w2, 0, 0, 2 * w2 },
        { "pan hard left silences the right", 0.0f, 1.0f, 0.5f, 2 * w2, 0, 0, 0 },
        { "pan hard right silences the left", 1.0f, 1.0f, 0.5f, 0, 0, 0, 2 * w2 },
        { "pan 0.25 halves the right", 0.25f, 1.0f, 0.5f, 2 * w2, 0, 0, w2 },
        { "width 0 makes both sides the mid", 0.5f, 0.0f, 0.5f, w2, w2, w2, w2 },
        { "gain 0 silences", 0.5f, 1.0f, 0.0f, 0, 0, 0, 0 },
        { "gain 0.25 is a quarter", 0.5f, 1.0f, 0.25f, 0.25 * 2 * w2, 0, 0, 0.25 * 2 * w2 },
        { "gain 1 is +10 dB", 0.5f, 1.0f, 1.0f, 3.16227766 * 2 * w2, 0, 0, 3.16227766 * 2 * w2 },
    };

    const auto input = noise (2048, 3);
    const auto bandsLeft = splitIntoBands (input.left);
    const auto bandsRight = splitIntoBands (input.right);

    for (const auto& c : cases)
    {
        auto params = defaults();
        for (int b = 0; b < kNumBands; ++b)
            params[48 + (size_t) b] = 0.0f;
        params[16 + band] = c.pan;
        params[32 + band] = c.width;
        params[48 + band] = c.gain;
        const auto out = render (params, input);

        std::vector<float> expectedLeft (input.left.size(), 0.0f), expectedRight = expectedLeft;
        for (size_t n = 1; n < input.left.size(); ++n)
        {
            const double l = bandsLeft[n - 1][band], r = bandsRight[n - 1][band];
            expectedLeft[n] = (float) (c.leftFromLeft * l + c.leftFromRight * r);
            expectedRight[n] = (float) (c.rightFromLeft * l + c.rightFromRight * r);
        }
        SCOPED_TRACE (c.what);
        expectClose (out.left, expectedLeft, 1e-5f, "left");
        expectClose (out.right, expectedRight, 1e-5f, "right");
    }
}

TEST (BandEngine, BypassReachesDryAfterExactly256SamplesAndDoesNotRestart)
{
    BandEngine engine;
    auto params = defaults();
    engine.updateSmoothingTargets (params.data());
    engine.snapSmoothing();

    params[kBypassParameterIndex] = 1.0f;
    engine.updateSmoothingTargets (params.data());

    const auto input = noise (600, 11);
    std::vector<float> outLeft (input.left.size());
    for (size_t n = 0; n < input.left.size(); ++n)
    {
        if (n == 100)
        {
            params[kBypassParameterIndex] = 0.7f;   // still bypassed: the crossfade runs on
            engine.updateSmoothingTargets (params.data());
        }
        float l = input.left[n], r = input.right[n];
        engine.processSample (l, r);
        outLeft[n] = l;
        if (n >= 255)
        {
            ASSERT_EQ (l, input.left[n]) << n;
            ASSERT_EQ (r, input.right[n]) << n;
        }
    }
    EXPECT_NE (outLeft[254], input.left[254]);
    EXPECT_EQ (engine.getBypassRamp().remaining, 0);

    // Back from bypass over 256 samples as well.
    params[kBypassParameterIndex] = 0.2f;
    engine.updateSmoothingTargets (params.data());
    EXPECT_EQ (engine.getBypassRamp().remaining, 256);
    EXPECT_EQ (engine.getBypassRamp().target, 0.0f);
}

TEST (BandEngine, RampLengthsFollowTheWorkingRate)
{
    struct Case { float rate; int haasSteps; };
    for (const auto c : { Case { 44100.0f, 4410 }, Case { 48000.0f, 4800 }, Case { 96000.0f, 9600 } })
    {
        BandEngine engine;
        engine.setSampleRate (c.rate);
        EXPECT_EQ (engine.getHaasRampLength(), c.haasSteps);

        auto params = defaults();
        engine.updateSmoothingTargets (params.data());
        engine.snapSmoothing();

        params[16] = 1.0f;   // pan band 1 (vector 0, lane 0)
        params[4] = 1.0f;    // Haas band 5 (vector 0, lane 1)
        engine.updateSmoothingTargets (params.data());

        float l = 0.0f, r = 0.0f;
        for (int n = 0; n < 256; ++n)
            engine.processSample (l, r);
        const auto& pan = engine.getRamp (BandEngine::panLeftRamp, 0);
        EXPECT_EQ (pan.remaining, 0);
        EXPECT_NEAR (pan.current.lane (0), 0.0f, 1e-6f);   // pan 1.0 → left gain 0

        const auto& haas = engine.getRamp (BandEngine::haasLeftRamp, 0);
        EXPECT_EQ (haas.remaining, c.haasSteps - 256);
        for (int n = 256; n < c.haasSteps; ++n)
            engine.processSample (l, r);
        EXPECT_EQ (haas.remaining, 0);
        EXPECT_NEAR (haas.current.lane (1), 1.000001f, 1e-4f);
        engine.processSample (l, r);   // the ramp now holds its exact target
        EXPECT_NEAR (engine.getDelay (0, 0).lane (1), 0.04f * c.rate, 0.5f);
    }
}

TEST (BandEngine, SnapSmoothingUsesTargetsAtOnce)
{
    BandEngine engine;
    auto params = defaults();
    params[32 + 3] = 0.25f;   // width band 4
    params[48 + 3] = 0.9f;    // gain band 4
    engine.updateSmoothingTargets (params.data());
    engine.snapSmoothing();

    for (int kind = 0; kind < BandEngine::numRampKinds; ++kind)
        for (int k = 0; k < 4; ++k)
        {
            const auto& ramp = engine.getRamp ((BandEngine::RampKind) kind, k);
            EXPECT_EQ (ramp.remaining, 0);
            for (int lane = 0; lane < 4; ++lane)
                EXPECT_EQ (ramp.current.lane (lane), ramp.target.lane (lane));
        }
    EXPECT_EQ (engine.getRamp (BandEngine::widthRamp, 3).current.lane (0), 0.25f);
}

TEST (BandEngine, MetersSeeOneSidedBandsAndClearOnSnap)
{
    auto params = defaults();
    BandEngine engine;
    engine.updateSmoothingTargets (params.data());
    engine.snapSmoothing();

    // A 40 Hz sine in the left channel only: band 0 has a left peak, no right peak, and L - R swings both ways.
    for (int n = 0; n < 4410; ++n)
    {
        float l = std::sin (6.2831853f * 40.0f * (float) n / 44100.0f), r = 0.0f;
        engine.processSample (l, r);
    }
    engine.publishMeters();

    auto& m = engine.getMeters();
    const int e = BandMeters::elementForBand (0);
    EXPECT_GT (m.peakLeft[e].load(), 0.5f);
    EXPECT_EQ (m.peakRight[e].load(), 0.0f);
    EXPECT_GT (m.sideMaximum[e].load(), 0.5f);
    EXPECT_LT (m.sideMinimum[e].load(), -0.5f);

    engine.snapSmoothing();
    EXPECT_EQ (m.peakLeft[e].load(), 0.0f);
    EXPECT_EQ (m.sideMaximum[e].load(), 0.0f);
}
