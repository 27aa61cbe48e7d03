#pragma once

// Fractional delay line of four lanes (one band per lane) for the Haas effect.
// The buffer is allocated once, at construction, and never again.

#include "Vec4.h"
#include <memory>

class HaasDelayLine
{
public:
    static constexpr int capacity = 20000;
    static constexpr float capacityAsFloat = 20000.0f;

    HaasDelayLine();

    // Sets this sample's delay (in samples, already limited to 1 ... capacity - 1) and the taps.
    // Called before every process().
    void setDelay (Vec4 delaySamples) noexcept;

    // Reads the delayed value at the taps set by setDelay, then writes the new input.
    Vec4 process (Vec4 input) noexcept;

    // Clears the buffer and restarts writing at slot 0, keeping the current delay (at least 1).
    void clear() noexcept;

    Vec4 getDelay() const noexcept { return delay; }

private:
    struct alignas (16) Slot { float lane[4]; };

    void updateTaps() noexcept;

    std::unique_ptr<Slot[]> buffer; // owned; C++17 aligned new honours alignas (16)
    int writeIndex = 0;
    alignas (16) int readPosition[4] { capacity - 1, capacity - 1, capacity - 1, capacity - 1 };
    Vec4 previousTap;
    Vec4 lastTap;              // the tap read by the previous process()
    bool tapsFollow = false;   // the delay is the previous sample's: the taps just move on by one
    Vec4 delay { 1.0f };
    Vec4 fraction;
    Vec4 oneMinusFraction { 1.0f };
};

// Per-sample work, inline: the engine calls these eight times a sample.
inline void HaasDelayLine::setDelay (Vec4 delaySamples) noexcept
{
    // With an unchanged delay this sample's older tap is the previous sample's tap, and the read
    // positions advance with the write index: the same values, without four gathered loads.
    if (tapsFollow && _mm_movemask_ps (_mm_cmpeq_ps (delaySamples.v, delay.v)) == 0xF)
    {
        previousTap = lastTap;
        auto* positions = reinterpret_cast<__m128i*> (readPosition);
        const __m128i next = _mm_add_epi32 (_mm_load_si128 (positions), _mm_set1_epi32 (1));
        _mm_store_si128 (positions, _mm_andnot_si128 (_mm_cmpeq_epi32 (next, _mm_set1_epi32 (capacity)), next));
        return;
    }

    delay = delaySamples;
    updateTaps();
    tapsFollow = true;
}

inline Vec4 HaasDelayLine::process (Vec4 input) noexcept
{
    const Slot* b = buffer.get();
    const Vec4 tap (b[readPosition[0]].lane[0], b[readPosition[1]].lane[1],
                    b[readPosition[2]].lane[2], b[readPosition[3]].lane[3]);
    const Vec4 out = fraction * previousTap + oneMinusFraction * tap;
    lastTap = tap;

    input.store (buffer[(size_t) writeIndex].lane);
    if (++writeIndex == capacity)
        writeIndex = 0;
    return out;
}
