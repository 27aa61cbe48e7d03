// BandEngine::processSample alone: settled ramps, and ramps re-aimed every 512 frames.

#include "BenchSignals.h"

#include "dsp/BandEngine.h"

#include <juce_audio_basics/juce_audio_basics.h>

namespace
{
constexpr int kFrames = 512;

void processSample (benchmark::State& state, bool moving)
{
    BandEngine engine;
    engine.setSampleRate ((float) bench::kRate);
    const auto settled = bench::defaultValues();
    const auto moved = bench::movedValues();
    engine.updateSmoothingTargets (settled.data());
    engine.snapSmoothing();
    engine.clearFilters();

    const auto left = bench::noise (kFrames, 1), right = bench::noise (kFrames, 2);
    juce::ScopedNoDenormals noDenormals;   // as processBlock runs it
    bool flip = false;

    for (auto _ : state)
    {
        if (moving)
        {
            flip = ! flip;
            engine.updateSmoothingTargets ((flip ? moved : settled).data());
        }
        float sum = 0.0f;
        for (int i = 0; i < kFrames; ++i)
        {
            float l = left[(size_t) i], r = right[(size_t) i];
            engine.processSample (l, r);
            sum += l + r;
        }
        benchmark::DoNotOptimize (sum);
    }
    bench::reportFrames (state, kFrames);
}
} // namespace

BENCHMARK_CAPTURE (processSample, settled, false);
BENCHMARK_CAPTURE (processSample, moving, true);
