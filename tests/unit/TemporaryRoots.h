#pragma once

// A throw-away pair of data-folder roots, so no test touches the real user or shared folders.

#include "presets/PluginFolders.h"

struct TemporaryRoots
{
    TemporaryRoots()
        : base (juce::File::getSpecialLocation (juce::File::tempDirectory)
                    .getNonexistentChildFile ("brume2-test-", "", false))
    {
        base.createDirectory();
        roots.user = base.getChildFile ("user");
        roots.shared = base.getChildFile ("shared");
        roots.user.createDirectory();
        roots.shared.createDirectory();
    }

    ~TemporaryRoots() { base.deleteRecursively(); }

    juce::File userPresets() const { return roots.user.getChildFile ("Zuvotone/Brume 2/User Presets"); }
    juce::File factoryPresets() const { return roots.shared.getChildFile ("Zuvotone/Brume 2/Factory Presets"); }

    juce::File base;
    PluginFolders::Roots roots;

    JUCE_DECLARE_NON_COPYABLE (TemporaryRoots)
};
