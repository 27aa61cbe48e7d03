#pragma once

#include <juce_core/juce_core.h>

// One listed preset. A copy of it is also the store's current preset, where `isValid` false means
// that no preset is current (the name then still holds a text to show).
struct PresetEntry
{
    bool isValid = false;
    juce::String name;        // display name
    int index = 0;            // position within its category's list
    int categoryIndex = 0;    // position of its category in the category list
    bool isUser = false;      // lies in a user category: may be overwritten and deleted
    juce::File file;
};
