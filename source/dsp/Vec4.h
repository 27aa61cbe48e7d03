#pragma once

// Four single-precision lanes on SSE. A thin wrapper of our own rather than juce::dsp::SIMDRegister:
// the engine needs lane gathers from the delay lines and a fixed summation order, both plain here,
// and it keeps the DSP folder free of any JUCE dependency (so fuzzers and unit tests build it alone).

#include <xmmintrin.h>
#include <emmintrin.h>

struct Vec4
{
    __m128 v;

    Vec4() noexcept : v (_mm_setzero_ps()) {}
    Vec4 (__m128 x) noexcept : v (x) {}
    explicit Vec4 (float x) noexcept : v (_mm_set1_ps (x)) {}
    Vec4 (float a, float b, float c, float d) noexcept : v (_mm_setr_ps (a, b, c, d)) {}

    static Vec4 load (const float* p) noexcept { return _mm_load_ps (p); }
    void store (float* p) const noexcept { _mm_store_ps (p, v); }

    float lane (int i) const noexcept
    {
        alignas (16) float t[4];
        _mm_store_ps (t, v);
        return t[i];
    }

    friend Vec4 operator+ (Vec4 a, Vec4 b) noexcept { return _mm_add_ps (a.v, b.v); }
    friend Vec4 operator- (Vec4 a, Vec4 b) noexcept { return _mm_sub_ps (a.v, b.v); }
    friend Vec4 operator* (Vec4 a, Vec4 b) noexcept { return _mm_mul_ps (a.v, b.v); }
    friend Vec4 operator/ (Vec4 a, Vec4 b) noexcept { return _mm_div_ps (a.v, b.v); }
    Vec4& operator+= (Vec4 b) noexcept { v = _mm_add_ps (v, b.v); return *this; }

    friend Vec4 min (Vec4 a, Vec4 b) noexcept { return _mm_min_ps (a.v, b.v); }
    friend Vec4 max (Vec4 a, Vec4 b) noexcept { return _mm_max_ps (a.v, b.v); }
    friend Vec4 abs (Vec4 a) noexcept { return _mm_andnot_ps (_mm_set1_ps (-0.0f), a.v); }

    // Truncation toward zero, as whole numbers in float lanes (inputs are positive delays).
    friend Vec4 truncate (Vec4 a) noexcept { return _mm_cvtepi32_ps (_mm_cvttps_epi32 (a.v)); }
};
