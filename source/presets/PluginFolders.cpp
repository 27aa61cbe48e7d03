#include "presets/PluginFolders.h"

PluginFolders::Roots PluginFolders::Roots::system()
{
    return { juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory),
             juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory) };
}

PluginFolders::PluginFolders (const juce::String& makerName, const juce::String& productName, const Roots& roots)
{
    userFolder = roots.user.getChildFile (makerName).getChildFile (productName);
    if (! userFolder.isDirectory())
        userFolder.createDirectory();   // creates the maker folder too

    const auto sharedMaker = roots.shared.getChildFile (makerName);
    sharedFolder = sharedMaker.isDirectory() ? sharedMaker.getChildFile (productName) : sharedMaker;
}
