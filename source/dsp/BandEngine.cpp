#include "BandEngine.h"

#include <algorithm>

namespace
{
constexpr float kMinHaas = 0.000001f;
constexpr float kWidthFactor = 0.707f;   // deliberately 0.707, not 1/sqrt(2): unity width gives 0.999698
constexpr float kOneOver256 = 0.00390625f;

void raise (std::atomic<float>& shared, float value, bool isMinimum) noexcept
{
    const float old = shared.load (std::memory_order_relaxed);
    const float merged = isMinimum ? std::min (old, value) : std::max (old, value);
    if (merged != old)
        shared.store (merged, std::memory_order_relaxed);
}
} // namespace

BandEngine::BandEngine()
{
    crossover.reset (44100.0f);
    workingSampleRate = 0.0f;   // forces the rate-dependent fields to be set below
    setSampleRate (44100.0f);
    meters.clear();
}

void BandEngine::setSampleRate (float rate) noexcept
{
    if (rate != workingSampleRate)
    {
        workingSampleRate = rate;
        haasRampLength = static_cast<int> (0.1f * rate);
        maxDelayScale = 0.04f * rate;
    }
    crossover.setSampleRate (rate);
}

void BandEngine::updateSmoothingTargets (const float* p) noexcept
{
    alignas (16) float target[numRampKinds][4][4];

    for (int b = 0; b < kNumBands; ++b)
    {
        const int k = b % 4, g = b / 4;

        const float h = p[b];
        if (h > 0.5f)
        {
            target[haasLeftRamp][k][g] = (h - 0.5f) * 2.0f + kMinHaas;
            target[haasRightRamp][k][g] = kMinHaas;
        }
        else
        {
            target[haasLeftRamp][k][g] = kMinHaas;
            target[haasRightRamp][k][g] = (1.0f - 2.0f * h) + kMinHaas;
        }

        const float pan = p[16 + b];
        if (pan > 0.5f)
        {
            target[panLeftRamp][k][g] = 1.0f - (pan - 0.5f) * 2.0f;
            target[panRightRamp][k][g] = 1.0f;
        }
        else
        {
            target[panLeftRamp][k][g] = 1.0f;
            target[panRightRamp][k][g] = 2.0f * pan;
        }

        target[widthRamp][k][g] = p[32 + b];

        const float x = 2.0f * p[48 + b];
        target[gainRamp][k][g] = x > 1.0f ? static_cast<float> ((static_cast<double> (x) - 1.0) * 2.16227766 + 1.0)
                                          : x * x;
    }

    const Vec4 haasSteps (static_cast<float> (haasRampLength));
    for (int kind = 0; kind < numRampKinds; ++kind)
        for (int k = 0; k < 4; ++k)
        {
            auto& r = ramps[kind][k];
            r.target = Vec4::load (target[kind][k]);
            if (kind == haasLeftRamp || kind == haasRightRamp)
                r.aim (haasRampLength, (r.target - r.current) / haasSteps);
            else
                r.aim (kBandRampLength, (r.target - r.current) * Vec4 (kOneOver256));
        }

    const float t = p[kBypassIndex] < 0.5f ? 0.0f : 1.0f;
    if (t != bypass.target)
    {
        bypass.target = t;
        bypass.remaining = kBandRampLength;
        bypass.step = (t - bypass.current) * kOneOver256;
    }
}

void BandEngine::snapSmoothing() noexcept
{
    for (auto& kind : ramps)
        for (auto& r : kind)
            r.snap();

    for (int k = 0; k < 4; ++k)
        sideMinimum[k] = sideMaximum[k] = peakLeft[k] = peakRight[k] = Vec4();
    meters.clear();

    for (auto& channel : delayLines)
        for (auto& line : channel)
            line.clear();
}

void BandEngine::clearFilters() noexcept
{
    crossover.clear();
}

void BandEngine::processSample (float& left, float& right) noexcept
{
    const float dryLeft = left, dryRight = right;
    const Vec4 minDelay (1.0f), maxDelay (HaasDelayLine::capacityAsFloat - 1.0f), scale (maxDelayScale);

    for (int k = 0; k < 4; ++k)
    {
        const Vec4 a = ramps[haasLeftRamp][k].next();
        const Vec4 c = ramps[haasRightRamp][k].next();
        const Vec4 a2 = a * a, c2 = c * c;
        delayLines[0][k].setDelay (min (max (scale * (a2 * a2), minDelay), maxDelay));
        delayLines[1][k].setDelay (min (max (scale * (c2 * c2), minDelay), maxDelay));
    }

    Vec4 bandsLeft[4], bandsRight[4];
    crossover.split (left, right, bandsLeft, bandsRight);

    const Vec4 w (kWidthFactor);
    Vec4 outLeft[4], outRight[4];
    for (int k = 0; k < 4; ++k)
    {
        const Vec4 delayedLeft = delayLines[0][k].process (bandsLeft[k]);
        const Vec4 delayedRight = delayLines[1][k].process (bandsRight[k]);

        const Vec4 l1 = delayedLeft * ramps[panLeftRamp][k].next();
        const Vec4 r1 = delayedRight * ramps[panRightRamp][k].next();

        const Vec4 m = (l1 + r1) * w;
        const Vec4 s = (l1 - r1) * w;
        const Vec4 s2 = s * ramps[widthRamp][k].next();
        const Vec4 l2 = (m + s2) * w;
        const Vec4 r2 = (m - s2) * w;

        const Vec4 g = ramps[gainRamp][k].next();
        const Vec4 l3 = l2 * g;
        const Vec4 r3 = r2 * g;

        const Vec4 side = l3 - r3;
        sideMaximum[k] = max (sideMaximum[k], side);
        sideMinimum[k] = min (sideMinimum[k], side);
        peakLeft[k] = max (peakLeft[k], abs (l3));
        peakRight[k] = max (peakRight[k], abs (r3));

        outLeft[k] = l3;
        outRight[k] = r3;
    }

    // Sum of the sixteen bands in a fixed order: each vector as (lane 0 + lane 1) + (lane 2 + lane 3),
    // then ((vector 0 + vector 1) + vector 2) + vector 3. The transpose lets one add do four vectors.
    auto sumBands = [] (Vec4 (&v)[4]) noexcept
    {
        _MM_TRANSPOSE4_PS (v[0].v, v[1].v, v[2].v, v[3].v);
        const Vec4 perVector = (v[0] + v[1]) + (v[2] + v[3]);
        alignas (16) float t[4];
        perVector.store (t);
        return ((t[0] + t[1]) + t[2]) + t[3];
    };
    const float wetLeft = sumBands (outLeft);
    const float wetRight = sumBands (outRight);

    const float b = bypass.next();
    left = dryLeft * b + wetLeft * (1.0f - b);
    right = dryRight * b + wetRight * (1.0f - b);
}

void BandEngine::publishMeters() noexcept
{
    alignas (16) float smin[4], smax[4], pl[4], pr[4];
    for (int k = 0; k < 4; ++k)
    {
        sideMinimum[k].store (smin);
        sideMaximum[k].store (smax);
        peakLeft[k].store (pl);
        peakRight[k].store (pr);
        for (int g = 0; g < 4; ++g)
        {
            const auto e = (size_t) (k * 4 + g);
            raise (meters.sideMinimum[e], smin[g], true);
            raise (meters.sideMaximum[e], smax[g], false);
            raise (meters.peakLeft[e], pl[g], false);
            raise (meters.peakRight[e], pr[g], false);
        }
        sideMinimum[k] = sideMaximum[k] = peakLeft[k] = peakRight[k] = Vec4();
    }
}
