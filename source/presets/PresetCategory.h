#pragma once

#include "presets/PresetEntry.h"

// One preset folder: a factory category, a user sub-folder, or "User Presets" itself.
struct PresetCategory
{
    bool isUser = false;
    juce::String name;            // display name
    // Factory: the folder name below the factory root. User: "User Presets" or
    // "User Presets/<sub-folder>", relative to the user folder.
    juce::String relativePath;
    int index = 0;                // position in the category list
    juce::Array<PresetEntry> presets;   // the valid preset files, in sorted order
};
