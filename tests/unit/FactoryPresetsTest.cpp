// The factory library generated from resources/presets into the build tree: every preset must be
// listed, parse, and apply; "Init" of "Stereo Width" must be the table defaults.

#include "PresetTestFiles.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
class FactoryPresets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const juce::File generated (BRUME2_FACTORY_PRESETS_DIR);
        ASSERT_TRUE (generated.isDirectory()) << generated.getFullPathName();
        temp.factoryPresets().getParentDirectory().createDirectory();
        ASSERT_TRUE (generated.copyDirectoryTo (temp.factoryPresets()));
    }

    PresetTestFolders temp;
};

TEST_F (FactoryPresets, NewInstanceLoadsInitWithTheTableDefaults)
{
    Brume2AudioProcessor p (temp.roots);
    ASSERT_TRUE (p.presetStore.current.isValid);
    EXPECT_EQ (p.presetStore.current.name, "Init");
    EXPECT_EQ (p.presetStore.categories[p.presetStore.current.categoryIndex].name, "Stereo Width");
    EXPECT_EQ (p.presetStore.current.categoryIndex, 0);
    for (const auto& spec : kParameterSpecs)
        EXPECT_EQ (p.getParameterByIndex (spec.index).getValue(), spec.normalisedDefault()) << spec.name;
}

TEST_F (FactoryPresets, EveryPresetParsesAndApplies)
{
    Brume2AudioProcessor p (temp.roots);
    auto& store = p.presetStore;

    int factoryCategories = 0;
    for (const auto& category : store.categories)
    {
        if (category.isUser)
            continue;
        ++factoryCategories;
        EXPECT_GE (category.presets.size(), 4) << category.name;
        EXPECT_LE (category.presets.size(), 8) << category.name;

        for (const auto& entry : category.presets)
        {
            SCOPED_TRACE ((category.name + " / " + entry.name).toStdString());
            EXPECT_NE (entry.name, "Unknown name");
            auto file = store.readPresetFile (category.index, entry.index);
            ASSERT_NE (file, nullptr);
            EXPECT_EQ (file->getSize(), PresetFileFormat::fileSize);
            auto body = store.parsePresetData (file->getData(), file->getSize());
            ASSERT_NE (body, nullptr);
            ASSERT_EQ (body->getSize(), PresetFileFormat::rawPresetSize);

            p.readState (body->getData(), (int) body->getSize(), StateScope::Preset);
            ASSERT_TRUE (store.setCurrent (category.index, entry.index));

            juce::MemoryBlock applied;
            p.writeState (applied, StateScope::Preset);
            EXPECT_EQ (applied, *body);   // every stored value is in range and taken as is

            juce::AudioBuffer<float> buffer (2, 256);
            for (int i = 0; i < 256; ++i)
                buffer.setSample (0, i, std::sin ((float) i * 0.2f)), buffer.setSample (1, i, std::sin ((float) i * 0.3f));
            juce::MidiBuffer midi;
            p.processBlock (buffer, midi);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 256; ++i)
                    ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i)));
        }
    }
    EXPECT_GE (factoryCategories, 5);
}
} // namespace
