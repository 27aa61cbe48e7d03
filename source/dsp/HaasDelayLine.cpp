#include "HaasDelayLine.h"

#include <algorithm>
#include <cstring>

HaasDelayLine::HaasDelayLine() : buffer (new Slot[capacity]())
{
}

void HaasDelayLine::updateTaps() noexcept
{
    // readPosition = writeIndex - whole delay, and the slot before it, both wrapped into the buffer.
    const __m128i whole = _mm_cvttps_epi32 (delay.v);
    const __m128i cap = _mm_set1_epi32 (capacity);
    const __m128i zero = _mm_setzero_si128();
    auto wrap = [&] (__m128i i) { return _mm_add_epi32 (i, _mm_and_si128 (_mm_cmplt_epi32 (i, zero), cap)); };

    const __m128i read = wrap (_mm_sub_epi32 (_mm_set1_epi32 (writeIndex), whole));
    const __m128i before = wrap (_mm_sub_epi32 (read, _mm_set1_epi32 (1)));
    _mm_store_si128 (reinterpret_cast<__m128i*> (readPosition), read);

    alignas (16) int b[4];
    _mm_store_si128 (reinterpret_cast<__m128i*> (b), before);
    const Slot* slots = buffer.get();
    previousTap = Vec4 (slots[b[0]].lane[0], slots[b[1]].lane[1], slots[b[2]].lane[2], slots[b[3]].lane[3]);

    fraction = delay - Vec4 (_mm_cvtepi32_ps (whole));
    oneMinusFraction = Vec4 (1.0f) - fraction;
}

void HaasDelayLine::clear() noexcept
{
    std::memset (buffer.get(), 0, sizeof (Slot) * capacity);
    writeIndex = 0;
    delay = max (delay, Vec4 (1.0f));
    updateTaps();
    tapsFollow = false;
}
