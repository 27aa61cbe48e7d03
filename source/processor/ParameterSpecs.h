#pragma once

// The 65 host-visible parameters. The row index is the common key of host, state, presets,
// editor and engine; the host identifier is the index followed by the display name.

#include <array>

struct ParameterSpec
{
    int index;
    float minimum;
    float maximum;
    float defaultValue;
    const char* name;

    float normalisedDefault() const noexcept { return (defaultValue - minimum) / (maximum - minimum); }
};

constexpr int kNumParameters = 65;
constexpr int kNumPages = 4;            // Haas, Pan, Width, Gain: page p covers 16p ... 16p + 15
constexpr int kBypassParameterIndex = 64;

extern const std::array<ParameterSpec, kNumParameters> kParameterSpecs;
