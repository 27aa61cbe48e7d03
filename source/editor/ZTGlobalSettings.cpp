#include "editor/ZTGlobalSettings.h"

ZTGlobalSettings::ZTGlobalSettings (const PluginFolders::Roots& roots)
    : folders ("Zuvotone", "Brume 2", roots),
      properties (std::make_unique<juce::PropertiesFile> (getFile(), fileOptions()))
{
}

ZTGlobalSettings::~ZTGlobalSettings() = default;

juce::PropertiesFile::Options ZTGlobalSettings::fileOptions()
{
    juce::PropertiesFile::Options options;
    options.applicationName = "Brume";
    options.filenameSuffix = ".settings";
    options.folderName = "Zuvotone";
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = false;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = false;
    options.millisecondsBeforeSaving = 3000;
    options.storageFormat = juce::PropertiesFile::storeAsCompressedBinary;
    options.processLock = nullptr;
    return options;
}
