#pragma once

// Small helpers shared by the unit tests.

#include "presets/PluginFolders.h"

#include <juce_core/juce_core.h>

// A temporary folder standing in for both data-folder roots; removed when the object goes.
struct TemporaryRoots
{
    juce::TemporaryFile folder { "brume2-test" };

    TemporaryRoots()
    {
        folder.getFile().createDirectory();
        user().createDirectory();
        shared().createDirectory();
    }

    ~TemporaryRoots() { folder.getFile().deleteRecursively(); }

    juce::File user() const { return folder.getFile().getChildFile ("user"); }
    juce::File shared() const { return folder.getFile().getChildFile ("shared"); }
    PluginFolders::Roots roots() const { return { user(), shared() }; }
};
