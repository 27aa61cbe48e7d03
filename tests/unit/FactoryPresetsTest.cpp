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
// The table speaks in ms and dB; what the engine makes of the generated values must be those.
TEST_F (FactoryPresets, TableUnitsArriveInTheEngine)
{
    Brume2AudioProcessor p (temp.roots);
    p.prepareToPlay (48000.0, 64);

    auto load = [&p] (const char* category, const char* preset) {
        auto& store = p.presetStore;
        EXPECT_TRUE (store.selectByName (category, preset)) << preset;
        auto file = store.readPresetFile (store.current.categoryIndex, store.current.index);
        auto body = file != nullptr ? store.parsePresetData (file->getData(), file->getSize()) : nullptr;
        if (body != nullptr)
            p.readState (body->getData(), (int) body->getSize(), StateScope::Preset);
        juce::AudioBuffer<float> buffer (2, 64);
        buffer.clear();
        juce::MidiBuffer midi;
        p.processBlock (buffer, midi);
    };

    // Band b lives in vector b % 4, lane b / 4 (0-based b).
    load ("Haas Widening", "Subtle Wide Mids");   // band 5 +2 ms (left), band 6 -3 ms (right)
    EXPECT_NEAR (p.engine.getDelay (0, 0).lane (1), 0.002 * 48000, 0.05);
    EXPECT_NEAR (p.engine.getDelay (1, 0).lane (1), 1.0, 1e-3);
    EXPECT_NEAR (p.engine.getDelay (1, 1).lane (1), 0.003 * 48000, 0.05);
    EXPECT_NEAR (p.engine.getDelay (0, 1).lane (1), 1.0, 1e-3);

    load ("Tone Tilts", "Soft Low Cut");          // band 1 -6 dB, band 2 -3 dB
    EXPECT_NEAR (p.engine.getRamp (BandEngine::gainRamp, 0).target.lane (0), std::pow (10.0, -6.0 / 20.0), 1e-5);
    EXPECT_NEAR (p.engine.getRamp (BandEngine::gainRamp, 1).target.lane (0), std::pow (10.0, -3.0 / 20.0), 1e-5);

    load ("Tone Tilts", "Air Lift");              // band 16 +2 dB, above unity
    EXPECT_NEAR (p.engine.getRamp (BandEngine::gainRamp, 3).target.lane (3), std::pow (10.0, 2.0 / 20.0), 1e-5);

    load ("Stereo Width", "Mono Bass");           // bands 1-3 mono, band 4 unchanged
    EXPECT_EQ (p.engine.getRamp (BandEngine::widthRamp, 2).target.lane (0), 0.0f);
    EXPECT_EQ (p.engine.getRamp (BandEngine::widthRamp, 3).target.lane (0), 1.0f);
}
} // namespace
