#include "presets/PresetStore.h"

#include <algorithm>
#include <iostream>

namespace
{
constexpr const char* kMakerName = "Zuvotone";

// Case-insensitive by code point after upper-casing each one, so "10_x" sorts before "2_x" and
// "a" equals "A". Not a natural or locale-aware order: the numeric prefixes rely on it.
bool pathLess (const juce::File& a, const juce::File& b)
{
    auto p = a.getFullPathName().getCharPointer();
    auto q = b.getFullPathName().getCharPointer();
    for (;;)
    {
        const auto c1 = juce::CharacterFunctions::toUpperCase (p.getAndAdvance());
        const auto c2 = juce::CharacterFunctions::toUpperCase (q.getAndAdvance());
        if (c1 != c2)
            return c1 < c2;
        if (c1 == 0)
            return false;
    }
}

// Writes next to the target and renames over it, so a crash or a full disk mid-write leaves the
// old file whole. The temporary file's extension keeps it out of preset listings.
bool writeFileAtomically (const juce::File& target, const juce::MemoryBlock& bytes)
{
    const auto folder = target.getParentDirectory();
    juce::TemporaryFile temp (target, folder.getNonexistentChildFile ("." + target.getFileName(), ".tmp", false));
    {
        juce::FileOutputStream out (temp.getFile(), 8192);
        if (! out.openedOk() || ! out.write (bytes.getData(), bytes.getSize()))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }
    return temp.overwriteTargetFileWithTemporary();   // the destructor removes a leftover temp file
}
} // namespace

PresetStore::PresetStore (const juce::String& productName,
                          const juce::String& factoryFolder,
                          const juce::String& userFolder,
                          const juce::String& extension,
                          const PluginFolders::Roots& roots)
    : fileExtension (extension),
      folders (kMakerName, productName, roots),
      factoryFolderName (factoryFolder),
      userFolderName (userFolder)
{
    rescan();
}

juce::File PresetStore::folderOf (const PresetCategory& category) const
{
    return category.isUser ? folders.userFolder.getChildFile (category.relativePath)
                           : folders.sharedFolder.getChildFile (factoryFolderName).getChildFile (category.relativePath);
}

juce::Array<juce::File> PresetStore::listSorted (const juce::File& folder, int whatToLookFor, const juce::String& wildcard) const
{
    // Hidden entries count too; a missing folder lists as empty.
    auto files = folder.findChildFiles (whatToLookFor, false, wildcard);
    std::stable_sort (files.begin(), files.end(), pathLess);
    return files;
}

void PresetStore::appendCategory (bool isUser, const juce::String& name, const juce::String& relativePath)
{
    PresetCategory category;
    category.isUser = isUser;
    category.name = name;
    category.relativePath = relativePath;
    category.index = categories.size();
    categories.add (category);
    rescanCategory (category.index);
}

void PresetStore::rescan()
{
    categories.clearQuick();
    current.isValid = false;
    current.name = "missing preset";

    for (const auto& folder : listSorted (folders.sharedFolder.getChildFile (factoryFolderName), juce::File::findDirectories, "*"))
        appendCategory (false, nameFromFileName (folder.getFileName(), false), folder.getFileName());

    for (const auto& folder : listSorted (folders.userFolder.getChildFile (userFolderName), juce::File::findDirectories, "*"))
        appendCategory (true, nameFromFileName (folder.getFileName(), false), userFolderName + "/" + folder.getFileName());

    appendCategory (true, userFolderName, userFolderName);
}

bool PresetStore::rescanCategory (int c)
{
    if (! juce::isPositiveAndBelow (c, categories.size()))
        return false;

    auto& category = categories.getReference (c);
    const auto folder = folderOf (category);
    if (! folder.isDirectory())
        return false;

    // Only presets directly in the user root keep their whole file name: they are named as typed.
    const bool keepWhole = category.relativePath == userFolderName;

    category.presets.clearQuick();
    for (const auto& file : listSorted (folder, juce::File::findFiles, "*." + fileExtension))
    {
        if (! isValidPresetFile (file))
            continue;

        PresetEntry entry;
        entry.isValid = true;
        entry.name = nameFromFileName (file.getFileName(), keepWhole);
        entry.index = category.presets.size();
        entry.categoryIndex = c;
        entry.isUser = category.isUser;
        entry.file = file;
        category.presets.add (entry);

        if (current.isValid && current.categoryIndex == c && entry.name == current.name)
            current = entry;   // its index may have moved
    }
    return true;
}

bool PresetStore::setCurrent (int c, int i)
{
    if (! juce::isPositiveAndBelow (c, categories.size()))
        return false;
    const auto& presets = categories.getReference (c).presets;
    if (! juce::isPositiveAndBelow (i, presets.size()))
        return false;
    current = presets.getReference (i);
    return true;
}

bool PresetStore::selectByName (const juce::String& categoryName, const juce::String& presetName)
{
    for (const auto& category : categories)
        if (category.name == categoryName)
            for (const auto& entry : category.presets)
                if (entry.name == presetName)
                {
                    current = entry;
                    return true;
                }

    current.isValid = false;
    current.name = presetName;
    return false;
}

std::unique_ptr<juce::MemoryBlock> PresetStore::readPresetFile (int c, int i) const
{
    if (! juce::isPositiveAndBelow (c, categories.size()))
        return {};
    const auto& presets = categories.getReference (c).presets;
    if (! juce::isPositiveAndBelow (i, presets.size()))
        return {};

    auto block = std::make_unique<juce::MemoryBlock>();
    if (! presets.getReference (i).file.loadFileAsData (*block))   // false unless read completely
        return {};
    return block;
}

bool PresetStore::isValidPresetFile (const juce::File& file) const
{
    juce::MemoryBlock bytes;
    if (! file.loadFileAsData (bytes))
        return false;

    const unsigned char* body = nullptr;
    size_t bodySize = 0;
    return PresetFileFormat::findBody (bytes.getData(), bytes.getSize(), body, bodySize);
}

std::unique_ptr<juce::MemoryBlock> PresetStore::parsePresetData (const void* data, size_t size) const
{
    const unsigned char* body = nullptr;
    size_t bodySize = 0;
    if (! PresetFileFormat::findBody (data, size, body, bodySize))
        return {};
    return std::make_unique<juce::MemoryBlock> (body, bodySize);
}

bool PresetStore::isUnsafePresetName (const juce::String& name)
{
    if (name.trim().isEmpty() || name.containsAnyOf ("/\\") || name.contains (".."))
        return true;

    for (auto p = name.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        if (c < 0x20 || c == 0x7f)
            return true;
    }
    return false;
}

bool PresetStore::savePreset (const juce::MemoryBlock& body, const juce::String& name, int c)
{
    if (! juce::isPositiveAndBelow (c, categories.size()) || ! categories.getReference (c).isUser)
        return false;

    // The name becomes a file name: anything that could reach outside the user folder, or make a
    // name the lists cannot show, is refused rather than cleaned up behind the user's back.
    if (isUnsafePresetName (name))
        return false;

    auto folder = folders.userFolder;
    for (const auto& piece : juce::StringArray::fromTokens (userFolderName, "/", ""))
    {
        folder = folder.getChildFile (piece);
        if (folder.isDirectory())
            continue;
        if (folder.exists())
        {
            std::cout << "Invalid path (pathname is file)" << std::endl;
            return false;
        }
        if (folder.createDirectory().failed())
            return false;
    }

    const auto target = folder.getChildFile (name + "." + fileExtension);
    if (target.getParentDirectory() != folder)   // e.g. a leading "~" reads as the home folder
        return false;

    unsigned char header[PresetFileFormat::headerSize];
    PresetFileFormat::writeHeader (header, body.getSize());
    juce::MemoryBlock bytes (header, sizeof (header));
    bytes.append (body.getData(), body.getSize());

    if (! writeFileAtomically (target, bytes))
        return false;

    // The re-listing keeps `current` (with its index refreshed) unless the new file becomes it.
    rescanCategory (c);
    for (const auto& entry : categories.getReference (c).presets)
        if (entry.name.equalsIgnoreCase (name))
        {
            current = entry;
            break;
        }
    return true;
}

juce::String PresetStore::nameFromFileName (const juce::String& fileName, bool keepWhole)
{
    auto text = fileName;
    if (! keepWhole)
    {
        const int underscore = text.indexOfChar ('_');
        if (underscore < 0)
            return "Unknown name";
        text = text.substring (underscore + 1);
    }

    if (text.containsChar ('.'))
        text = text.upToLastOccurrenceOf (".", false, false).removeCharacters (".");
    return text;
}

bool PresetStore::hasNext() const
{
    if (! current.isValid)
        return false;

    const int n = categories.size();
    const int c = current.categoryIndex;
    const int i = current.index;
    const auto presetsIn = [this] (int index) {
        return juce::isPositiveAndBelow (index, categories.size()) ? categories.getReference (index).presets.size() : 0;
    };

    if (c >= n - 1 && i >= presetsIn (n - 1) - 1)
        return false;
    if (c != n - 2)
        return true;   // looks no further, even if the following categories are empty
    if (i < presetsIn (c) - 1)
        return true;
    return presetsIn (n - 1) > 0;
}
