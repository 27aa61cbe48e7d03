#pragma once

// Per-band meter accumulators, shared between the audio thread (which raises them once per
// block) and the editor's timer (which reads and resets them). Each element is a lock-free
// 32-bit atomic, read and written whole; a peak landing between the editor's read and its reset
// is lost, which only shortens a meter peak. Element index = vector * 4 + lane.

#include <array>
#include <atomic>

struct BandMeters
{
    std::array<std::atomic<float>, 16> sideMinimum {};
    std::array<std::atomic<float>, 16> sideMaximum {};
    std::array<std::atomic<float>, 16> peakLeft {};
    std::array<std::atomic<float>, 16> peakRight {};

    static constexpr int elementForBand (int band) noexcept { return (band % 4) * 4 + band / 4; }

    void clear() noexcept
    {
        for (auto* a : { &sideMinimum, &sideMaximum, &peakLeft, &peakRight })
            for (auto& e : *a)
                e.store (0.0f, std::memory_order_relaxed);
    }
};
