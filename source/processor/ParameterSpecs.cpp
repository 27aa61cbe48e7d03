#include "ParameterSpecs.h"

namespace
{
// Display names are spelled out so the table can be constexpr and read at a glance.
#define BRUME_BANDS(prefix, def, first)                                                               \
    ParameterSpec { first + 0, 0.0f, 1.0f, def, prefix " Band 1" },                                  \
    ParameterSpec { first + 1, 0.0f, 1.0f, def, prefix " Band 2" },                                  \
    ParameterSpec { first + 2, 0.0f, 1.0f, def, prefix " Band 3" },                                  \
    ParameterSpec { first + 3, 0.0f, 1.0f, def, prefix " Band 4" },                                  \
    ParameterSpec { first + 4, 0.0f, 1.0f, def, prefix " Band 5" },                                  \
    ParameterSpec { first + 5, 0.0f, 1.0f, def, prefix " Band 6" },                                  \
    ParameterSpec { first + 6, 0.0f, 1.0f, def, prefix " Band 7" },                                  \
    ParameterSpec { first + 7, 0.0f, 1.0f, def, prefix " Band 8" },                                  \
    ParameterSpec { first + 8, 0.0f, 1.0f, def, prefix " Band 9" },                                  \
    ParameterSpec { first + 9, 0.0f, 1.0f, def, prefix " Band 10" },                                 \
    ParameterSpec { first + 10, 0.0f, 1.0f, def, prefix " Band 11" },                                \
    ParameterSpec { first + 11, 0.0f, 1.0f, def, prefix " Band 12" },                                \
    ParameterSpec { first + 12, 0.0f, 1.0f, def, prefix " Band 13" },                                \
    ParameterSpec { first + 13, 0.0f, 1.0f, def, prefix " Band 14" },                                \
    ParameterSpec { first + 14, 0.0f, 1.0f, def, prefix " Band 15" },                                \
    ParameterSpec { first + 15, 0.0f, 1.0f, def, prefix " Band 16" }
} // namespace

const std::array<ParameterSpec, kNumParameters> kParameterSpecs { {
    BRUME_BANDS ("Haas", 0.5f, 0),
    BRUME_BANDS ("Pan", 0.5f, 16),
    BRUME_BANDS ("Width", 1.0f, 32),
    BRUME_BANDS ("Gain", 0.5f, 48),
    ParameterSpec { 64, 0.0f, 1.0f, 0.0f, "Bypass" },
} };

#undef BRUME_BANDS
