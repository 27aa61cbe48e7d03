#pragma once

#include "presets/PluginFolders.h"

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

// The per-user settings file "Brume.settings" in the user's product folder. Read once when the
// object is made; each processor holds its own in-memory copy.
struct ZTGlobalSettings
{
    explicit ZTGlobalSettings (const PluginFolders::Roots& roots);
    ~ZTGlobalSettings();

    static juce::PropertiesFile::Options fileOptions();
    juce::File getFile() const { return folders.userFolder.getChildFile ("Brume.settings"); }

    PluginFolders folders;
    std::unique_ptr<juce::PropertiesFile> properties;   // owned

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZTGlobalSettings)
};
