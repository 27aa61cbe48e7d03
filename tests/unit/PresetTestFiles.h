#pragma once

// Preset bytes and files for the tests, built by hand so the tests do not trust the code under test.

#include "TestSupport.h"
#include "presets/PresetFileFormat.h"

#include <juce_core/juce_core.h>

#include <ostream>
#include <vector>

// Temporary data-folder roots with the preset folders below them.
struct PresetTestFolders
{
    juce::File userPresets() const { return roots.user.getChildFile ("Zuvotone/Brume 2/User Presets"); }
    juce::File factoryPresets() const { return roots.shared.getChildFile ("Zuvotone/Brume 2/Factory Presets"); }

    TemporaryRoots temporary;
    juce::File base = temporary.folder.getFile();
    PluginFolders::Roots roots = temporary.roots();
};

namespace PresetTestFiles
{
// A 260-byte body: 65 little-endian floats, all `value` unless given.
inline juce::MemoryBlock body (const std::vector<float>& values, float fill = 0.5f)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        for (size_t i = 0; i < 65; ++i)
            out.writeFloat (i < values.size() ? values[i] : fill);
    }
    return block;
}

// The 16-byte header followed by the bytes, with the size field as given (the true size by default).
inline juce::MemoryBlock withHeader (const juce::MemoryBlock& content, int sizeField = -1)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        out.writeInt ((int) PresetFileFormat::magic);
        out.writeInt ((int) PresetFileFormat::pluginCode);
        out.writeInt ((int) PresetFileFormat::formatVersion);
        out.writeInt (sizeField >= 0 ? sizeField : (int) content.getSize() + 16);
        out.write (content.getData(), content.getSize());
    }
    return block;
}

inline void write (const juce::File& file, const juce::MemoryBlock& bytes)
{
    file.getParentDirectory().createDirectory();
    file.replaceWithData (bytes.getData(), bytes.getSize());
}

// A valid 276-byte preset file whose values are all `fill` except those given.
inline void writePreset (const juce::File& file, const std::vector<float>& values = {}, float fill = 0.5f)
{
    write (file, withHeader (body (values, fill)));
}
} // namespace PresetTestFiles

namespace juce
{
// Readable failure messages for name lists.
inline void PrintTo (const StringArray& names, std::ostream* os)
{
    *os << "{ \"" << names.joinIntoString ("\", \"") << "\" }";
}
} // namespace juce
