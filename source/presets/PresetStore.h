#pragma once

#include "presets/PluginFolders.h"
#include "presets/PresetCategory.h"
#include "presets/PresetEntry.h"
#include "presets/PresetFileFormat.h"

#include <cstdint>
#include <memory>

// Lists the factory and user presets as categories, holds the current preset, reads and checks
// preset files and writes user presets. Factory presets live in
// <shared folder>/Factory Presets/<category>/, user presets in <user folder>/User Presets/ and its
// sub-folders. Message thread only (and the processor's constructor); no lock.
class PresetStore
{
public:
    PresetStore (const juce::String& productName,
                 const juce::String& factoryFolderName,
                 const juce::String& userFolderName,
                 const juce::String& fileExtension,
                 const PluginFolders::Roots& roots = PluginFolders::Roots::system());

    // Rebuilds `categories` from disk; `current` becomes not valid, named "missing preset".
    void rescan();

    // Re-lists one category's files; false if the index is out of range or the folder is missing.
    bool rescanCategory (int categoryIndex);

    // Copies that entry into `current`; false, and nothing changes, for an index out of range.
    bool setCurrent (int categoryIndex, int presetIndex);

    // Makes the first exact match current. Without one, `current` is not valid and named presetName.
    bool selectByName (const juce::String& categoryName, const juce::String& presetName);

    // The listed file's complete bytes, header included; null for a bad index or an unreadable
    // file. The caller owns the block.
    std::unique_ptr<juce::MemoryBlock> readPresetFile (int categoryIndex, int presetIndex) const;

    // The header rules applied to the whole file.
    bool isValidPresetFile (const juce::File& file) const;

    // The header rules applied to bytes in memory: the body (header removed, or header-less data
    // unchanged), or null when they fail. The caller owns the block.
    std::unique_ptr<juce::MemoryBlock> parsePresetData (const void* data, size_t size) const;

    // Writes a user preset into the "User Presets" folder (through a temporary file renamed over
    // the target) and makes it current when the category lists it. Returns false, writing
    // nothing and leaving `current` alone, for a factory or unknown category, for a name that is
    // blank, holds a path separator, "..", or a control character, or would land outside that
    // folder, and when the write fails.
    bool savePreset (const juce::MemoryBlock& body, const juce::String& name, int categoryIndex);

    // Display name from a file or folder name: without keepWhole everything up to and including
    // the first "_" goes ("Unknown name" when there is none); then the last "."-piece (the
    // extension) goes and the other dots are dropped.
    static juce::String nameFromFileName (const juce::String& fileName, bool keepWhole);

    // Whether stepping to the next preset has somewhere to go.
    bool hasNext() const;

    // True for a name savePreset would refuse (see above).
    static bool isUnsafePresetName (const juce::String& name);

    const std::uint32_t formatVersion = PresetFileFormat::formatVersion;
    const juce::String fileExtension;
    const int rawPresetSize = (int) PresetFileFormat::rawPresetSize;
    PresetEntry current;
    juce::Array<PresetCategory> categories;   // factory, user sub-folders, then "User Presets" (always last)
    PluginFolders folders;
    const juce::String factoryFolderName;
    const juce::String userFolderName;

private:
    juce::File folderOf (const PresetCategory& category) const;
    juce::Array<juce::File> listSorted (const juce::File& folder, int whatToLookFor, const juce::String& wildcard) const;
    void appendCategory (bool isUser, const juce::String& name, const juce::String& relativePath);

    JUCE_DECLARE_NON_COPYABLE (PresetStore)
};
