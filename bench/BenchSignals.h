#pragma once

// Shared by the benchmarks: the rate, a noise signal, two parameter sets to move between, and
// the counters every benchmark reports.

#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <vector>

namespace bench
{
constexpr double kRate = 48000.0;
constexpr int kParameters = 65;

inline std::vector<float> noise (size_t numSamples, unsigned seed)
{
    std::vector<float> samples (numSamples);
    std::mt19937 generator (seed);
    std::uniform_real_distribution<float> uniform (-0.5f, 0.5f);
    for (auto& s : samples)
        s = uniform (generator);
    return samples;
}

// The table defaults, and a set where every band value differs from them (bypass stays below
// 0.5 so the bands are what is heard).
inline std::array<float, kParameters> defaultValues()
{
    std::array<float, kParameters> v {};
    for (int i = 0; i < kParameters; ++i)
        v[(size_t) i] = (i >= 32 && i < 48) ? 1.0f : (i == 64 ? 0.0f : 0.5f);
    return v;
}

inline std::array<float, kParameters> movedValues()
{
    std::array<float, kParameters> v {};
    for (int i = 0; i < 64; ++i)
        v[(size_t) i] = 0.15f + 0.7f * (float) ((i * 7) % 16) / 15.0f;
    v[64] = 0.3f;
    return v;
}

// Time per stereo frame and the realtime factor at 48 kHz, from the CPU time of the run.
inline void reportFrames (benchmark::State& state, int framesPerIteration)
{
    const double frames = (double) state.iterations() * framesPerIteration;
    state.SetItemsProcessed ((int64_t) frames);
    state.counters["per_frame"] = benchmark::Counter (frames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["x_realtime"] = benchmark::Counter (frames / kRate, benchmark::Counter::kIsRate);
}
} // namespace bench
