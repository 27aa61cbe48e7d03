#pragma once

#include <juce_core/juce_core.h>

// The plug-in's data folders: <user application data>/<maker>/<product> (created when missing)
// and <all-users application data>/<maker>/<product> (read only; never created).
// On Linux the roots are ~/.config (or $XDG_CONFIG_HOME) and /opt. Tests pass their own roots.
struct PluginFolders
{
    struct Roots
    {
        juce::File user;     // stands in for the user's application-data folder
        juce::File shared;   // stands in for the all-users application-data folder

        static Roots system();
    };

    PluginFolders (const juce::String& makerName, const juce::String& productName, const Roots& roots = Roots::system());

    juce::File userFolder;
    juce::File sharedFolder;   // the maker folder itself when <shared>/<maker> does not exist
};
