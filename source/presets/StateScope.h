#pragma once

#include <juce_core/juce_core.h>

// What a state block carries: Host = parameters, editor state and preset identity;
// Preset = the 65 parameter values only (the body of a preset file).
enum class StateScope : int { Host = 0, Preset = 1 };

// 32-bit name hash that identifies a category or preset in the host state.
inline int nameHash (const juce::String& text) noexcept { return text.hashCode(); }
