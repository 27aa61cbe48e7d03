#include "presets/PresetManagerController.h"

#include "presets/NativePresetFileChooser.h"
#include "presets/StateScope.h"

#include <cstring>

namespace
{
// A preset file is 276 bytes; anything far larger is not one and is not read into memory.
constexpr juce::int64 kMaximumImportSize = 1 << 20;
} // namespace

PresetManagerController::PresetManagerController (PresetDataProvider& dataProvider, PresetStore& presetStore,
                                                  const PresetBarStyle& style,
                                                  std::unique_ptr<PresetFileChooser> chooser)
    : provider (&dataProvider),
      store (&presetStore),
      view (presetStore, dataProvider.getHostComponent(), this, style),
      fileChooser (chooser != nullptr ? std::move (chooser) : std::make_unique<NativePresetFileChooser>())
{
}

PresetManagerController::~PresetManagerController() = default;

void PresetManagerController::setFileChooser (std::unique_ptr<PresetFileChooser> chooser)
{
    fileChooser = chooser != nullptr ? std::move (chooser) : std::make_unique<NativePresetFileChooser>();
}

juce::String PresetManagerController::wildcard() const
{
    return "*." + store->fileExtension;
}

bool PresetManagerController::loadPreset (int c, int i)
{
    const auto data = store->readPresetFile (c, i);
    if (data == nullptr)
        return false;

    const auto body = store->parsePresetData (data->getData(), data->getSize());
    if (body == nullptr)
        return false;

    provider->setPresetData (body->getData(), (int) body->getSize());

    const auto& category = store->categories.getReference (c);
    provider->presetLoaded (nameHash (category.name), nameHash (category.presets.getReference (i).name));
    return true;
}

std::unique_ptr<juce::MemoryBlock> PresetManagerController::getPresetData()
{
    return provider->getPresetData();
}

void PresetManagerController::importPreset()
{
    fileChooser->chooseFileToImport (wildcard(), [this] (const juce::File& file)
    {
        juce::MemoryBlock bytes;
        if (! readImportFile (file, bytes))
            return;   // cancelled, or nothing readable: the browser stays as it is

        importData (file, bytes);
        // Whether or not the file held a preset, the browser closes as after a background click.
        view.closeBrowser();
    });
}

bool PresetManagerController::readImportFile (const juce::File& file, juce::MemoryBlock& bytes) const
{
    if (file == juce::File() || ! file.existsAsFile() || file.getSize() > kMaximumImportSize)
        return false;
    bytes.reset();
    return file.getSize() == 0 || file.loadFileAsData (bytes);   // false unless read completely
}

bool PresetManagerController::importData (const juce::File& file, const juce::MemoryBlock& bytes)
{
    const auto body = store->parsePresetData (bytes.getData(), bytes.getSize());
    if (body == nullptr)
        return false;

    provider->setPresetData (body->getData(), (int) body->getSize());
    store->current.isValid = false;
    store->current.name = PresetStore::nameFromFileName (file.getFileName(), true);
    view.refreshCurrentPreset();
    return true;
}

void PresetManagerController::exportPreset()
{
    const auto body = provider->getPresetData();
    if (body == nullptr)
        return;

    unsigned char header[PresetFileFormat::headerSize];
    PresetFileFormat::writeHeader (header, body->getSize());

    auto presetFile = std::make_shared<juce::MemoryBlock> (header, sizeof (header));
    presetFile->append (body->getData(), body->getSize());

    fileChooser->chooseFileToExport (wildcard(), [this, presetFile] (const juce::File& file)
    {
        if (file != juce::File())
            exportTo (file, *presetFile);
    });
}

bool PresetManagerController::exportTo (const juce::File& file, const juce::MemoryBlock& presetFile)
{
    // Written beside the target and renamed over it, so a failed write leaves the old file (or
    // nothing) rather than a partial preset.
    juce::TemporaryFile temporary (file, juce::TemporaryFile::useHiddenFile);
    {
        juce::FileOutputStream out (temporary.getFile(), 16384);
        if (! out.openedOk() || ! out.write (presetFile.getData(), presetFile.getSize()))
            return false;
        out.flush();
        if (out.getStatus().failed())
            return false;
    }
    return temporary.overwriteTargetFileWithTemporary();
}

void PresetManagerController::deletePreset (int c, int i)
{
    if (c < 0 || c >= store->categories.size() || ! store->categories.getReference (c).isUser)
        return;   // factory presets cannot be deleted

    if (store->current.categoryIndex == c && store->current.index == i)
        store->current.isValid = false;

    const auto& presets = store->categories.getReference (c).presets;
    if (i < 0 || i >= presets.size())
        return;

    if (presets.getReference (i).file.deleteFile())
    {
        store->rescanCategory (c);
        view.selectCategory (c);
    }
}

void PresetManagerController::presetMessage (const char* message)
{
    if (message == nullptr)
        return;

    if (std::strcmp (message, "p") == 0)
    {
        const bool wasValid = store->current.isValid;
        const auto presetName = store->current.name;
        juce::String categoryName;
        if (wasValid && store->current.categoryIndex >= 0 && store->current.categoryIndex < store->categories.size())
            categoryName = store->categories.getReference (store->current.categoryIndex).name;

        store->rescan();
        store->selectByName (categoryName, presetName);

        view.rebuildCategoryList();
        view.categoryScroller.setContent (&view.categoryList);
        view.presetScroller.setContent (&view.presetList);
        view.categoryScroller.resized();
        view.presetScroller.resized();
        // Re-list the shown category too: its rows would otherwise still stand for the old scan.
        view.selectCategory (store->current.isValid ? store->current.categoryIndex : view.selectedCategory);
        view.showPreset (store->current);
        return;
    }

    if (std::strcmp (message, "r") == 0)
    {
        const int last = store->categories.size() - 1;
        store->rescanCategory (last);
        view.selectCategory (last);
        return;
    }

    juce::MemoryOutputStream decoded;
    if (! juce::Base64::convertFromBase64 (decoded, message))
        return;

    const auto body = store->parsePresetData (decoded.getData(), decoded.getDataSize());
    if (body == nullptr)
        return;

    provider->setPresetData (body->getData(), (int) body->getSize());
    store->current.isValid = false;
    store->current.name = "** Imported **";
    view.refreshCurrentPreset();
}

void PresetManagerController::showCurrentCategory()
{
    view.selectCategory (store->current.categoryIndex);
}
