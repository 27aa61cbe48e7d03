#include "PresetTestFiles.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
using namespace PresetTestFiles;

std::uint32_t readLE32 (const juce::MemoryBlock& block, size_t offset)
{
    return PresetFileFormat::readLE32 (static_cast<const unsigned char*> (block.getData()) + offset);
}

float readFloatAt (const juce::MemoryBlock& block, size_t offset)
{
    const auto bits = readLE32 (block, offset);
    float value;
    std::memcpy (&value, &bits, 4);
    return value;
}

void putLE32 (juce::MemoryBlock& block, size_t offset, std::uint32_t value)
{
    PresetFileFormat::writeLE32 (static_cast<unsigned char*> (block.getData()) + offset, value);
}

void putFloat (juce::MemoryBlock& block, size_t offset, float value)
{
    std::uint32_t bits;
    std::memcpy (&bits, &value, 4);
    putLE32 (block, offset, bits);
}

// Category and preset names are the display names; the factory tree uses numeric prefixes.
class PluginState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writePreset (temp.factoryPresets().getChildFile ("01_Stereo Width/01_Init.brumepreset"), { 0.3f, 0.7f });
        writePreset (temp.factoryPresets().getChildFile ("01_Stereo Width/02_Mono Bass.brumepreset"));
        writePreset (temp.factoryPresets().getChildFile ("02_Drums/01_Room.brumepreset"));
        writePreset (temp.factoryPresets().getChildFile ("02_Drums/02_Wide.brumepreset"));
    }

    std::unique_ptr<Brume2AudioProcessor> makeProcessor() { return std::make_unique<Brume2AudioProcessor> (temp.roots); }

    static void setDistinctValues (Brume2AudioProcessor& p)
    {
        for (int i = 0; i < kNumParameters; ++i)
            p.getParameterByIndex (i).setValueNotifyingHost ((float) i / 100.0f + 0.001f);
    }

    static juce::MemoryBlock stateOf (Brume2AudioProcessor& p, StateScope scope)
    {
        juce::MemoryBlock block;
        p.writeState (block, scope);
        return block;
    }

    static void restore (Brume2AudioProcessor& p, const juce::MemoryBlock& block, StateScope scope = StateScope::Host)
    {
        p.readState (block.getData(), (int) block.getSize(), scope);
    }

    static float value (Brume2AudioProcessor& p, int i) { return p.getParameterByIndex (i).getValue(); }

    PresetTestFolders temp;
};

TEST (NameHash, IsTheFrameworksCodePointHash)
{
    EXPECT_EQ (nameHash ("a"), 97);
    EXPECT_EQ (nameHash ("ab"), 3105);
    EXPECT_EQ (nameHash (""), 0);
    EXPECT_EQ (nameHash (juce::String::fromUTF8 ("\xc3\xa9")), 233);   // a code point, not its UTF-8 bytes

    std::uint32_t h = 0;   // wraps modulo 2^32
    for (char c : std::string ("Stereo Width"))
        h = 31u * h + (std::uint32_t) c;
    EXPECT_EQ (nameHash ("Stereo Width"), (int) h);
}

TEST_F (PluginState, NewInstanceStartsFromInstalledInit)
{
    auto p = makeProcessor();
    EXPECT_TRUE (p->presetStore.current.isValid);
    EXPECT_EQ (p->presetStore.current.name, "Init");
    EXPECT_FLOAT_EQ (value (*p, 0), 0.3f);
    EXPECT_FLOAT_EQ (value (*p, 1), 0.7f);
    EXPECT_FLOAT_EQ (value (*p, 2), 0.5f);
}

TEST_F (PluginState, WithoutInitTheTableDefaultsStay)
{
    temp.factoryPresets().deleteRecursively();
    auto p = makeProcessor();
    EXPECT_FALSE (p->presetStore.current.isValid);
    EXPECT_EQ (p->presetStore.current.name, "Init");
    for (const auto& spec : kParameterSpecs)
        EXPECT_EQ (value (*p, spec.index), spec.normalisedDefault()) << spec.name;
}

TEST_F (PluginState, HostBlockLayout)
{
    auto p = makeProcessor();
    setDistinctValues (*p);
    p->drawModeEnabled = true;
    p->editorPage = 2;

    p->presetStore.current.isValid = false;
    const auto withoutPreset = stateOf (*p, StateScope::Host);
    ASSERT_EQ (withoutPreset.getSize(), 277u);
    for (int i = 0; i < kNumParameters; ++i)
        EXPECT_EQ (readFloatAt (withoutPreset, 4 * (size_t) i), value (*p, i)) << i;
    EXPECT_EQ (withoutPreset[260], 1);
    EXPECT_EQ (readLE32 (withoutPreset, 261), 2u);
    for (size_t offset : { 265u, 269u, 273u })
        EXPECT_EQ (readLE32 (withoutPreset, offset), 0u);

    ASSERT_TRUE (p->presetStore.selectByName ("Drums", "Wide"));
    const auto withPreset = stateOf (*p, StateScope::Host);
    ASSERT_EQ (withPreset.getSize(), 285u);
    EXPECT_EQ (0, std::memcmp (withPreset.getData(), withoutPreset.getData(), 277));
    EXPECT_EQ ((int) readLE32 (withPreset, 277), nameHash ("Drums"));
    EXPECT_EQ ((int) readLE32 (withPreset, 281), nameHash ("Wide"));
}

TEST_F (PluginState, WriteAppendsToTheDestination)
{
    auto p = makeProcessor();
    juce::MemoryBlock block ("xyz", 3);
    p->writeState (block, StateScope::Preset);
    ASSERT_EQ (block.getSize(), 263u);
    EXPECT_EQ (0, std::memcmp (block.getData(), "xyz", 3));
}

TEST_F (PluginState, PresetBlockIsAlwaysTheValuesOnly)
{
    auto p = makeProcessor();
    setDistinctValues (*p);
    p->drawModeEnabled = true;
    p->editorPage = 3;
    ASSERT_TRUE (p->presetStore.current.isValid);

    const auto block = stateOf (*p, StateScope::Preset);
    ASSERT_EQ (block.getSize(), 260u);
    EXPECT_EQ (0, std::memcmp (block.getData(), stateOf (*p, StateScope::Host).getData(), 260));
}

TEST_F (PluginState, HostBlockRestoresIntoASecondInstance)
{
    auto a = makeProcessor();
    setDistinctValues (*a);
    a->drawModeEnabled = true;
    a->editorPage = 1;
    ASSERT_TRUE (a->presetStore.selectByName ("Drums", "Wide"));
    const auto block = stateOf (*a, StateScope::Host);

    auto b = makeProcessor();
    ASSERT_EQ (b->presetStore.current.name, "Init");
    restore (*b, block);

    for (int i = 0; i < kNumParameters; ++i)
        EXPECT_EQ (value (*b, i), value (*a, i)) << i;
    EXPECT_TRUE (b->drawModeEnabled);
    EXPECT_EQ (b->editorPage, 1);
    EXPECT_TRUE (b->presetStore.current.isValid);
    EXPECT_EQ (b->presetStore.current.categoryIndex, 1);
    EXPECT_EQ (b->presetStore.current.index, 1);
    EXPECT_EQ (b->presetStore.current.name, "Wide");
    EXPECT_EQ (stateOf (*b, StateScope::Host), block);
}

TEST_F (PluginState, PresetBlockRoundTripsTheValuesOnly)
{
    auto a = makeProcessor();
    setDistinctValues (*a);
    auto b = makeProcessor();
    b->editorPage = 3;
    b->drawModeEnabled = true;
    restore (*b, stateOf (*a, StateScope::Preset), StateScope::Preset);

    for (int i = 0; i < kNumParameters; ++i)
        EXPECT_EQ (value (*b, i), value (*a, i)) << i;
    EXPECT_EQ (b->editorPage, 3);
    EXPECT_TRUE (b->drawModeEnabled);
    EXPECT_EQ (b->presetStore.current.name, "Init");
}

TEST_F (PluginState, IdentityOfADeletedPresetLeavesNoPresetCurrent)
{
    auto a = makeProcessor();
    ASSERT_TRUE (a->presetStore.selectByName ("Drums", "Wide"));
    const auto block = stateOf (*a, StateScope::Host);

    temp.factoryPresets().getChildFile ("02_Drums/02_Wide.brumepreset").deleteFile();
    auto b = makeProcessor();
    restore (*b, block);
    EXPECT_FALSE (b->presetStore.current.isValid);
    EXPECT_EQ (b->presetStore.current.name, "Init");   // the name stays
}

TEST_F (PluginState, BlockWithoutIdentityKeepsTheCurrentPreset)
{
    auto a = makeProcessor();
    a->presetStore.current.isValid = false;
    const auto block = stateOf (*a, StateScope::Host);
    ASSERT_EQ (block.getSize(), 277u);

    auto b = makeProcessor();
    restore (*b, block);
    EXPECT_TRUE (b->presetStore.current.isValid);
    EXPECT_EQ (b->presetStore.current.name, "Init");
}

TEST_F (PluginState, HostBlockReadInPresetScopeIgnoresTheHashes)
{
    auto a = makeProcessor();
    setDistinctValues (*a);
    a->editorPage = 2;
    ASSERT_TRUE (a->presetStore.selectByName ("Drums", "Room"));

    auto b = makeProcessor();
    restore (*b, stateOf (*a, StateScope::Host), StateScope::Preset);
    EXPECT_EQ (value (*b, 10), value (*a, 10));
    EXPECT_EQ (b->editorPage, 2);
    EXPECT_EQ (b->presetStore.current.name, "Init");
}

TEST_F (PluginState, SameCategoryNameTwiceFirstCategoryHoldingThePresetWins)
{
    writePreset (temp.factoryPresets().getChildFile ("03_Dup/01_Other.brumepreset"));
    writePreset (temp.factoryPresets().getChildFile ("04_Dup/01_Target.brumepreset"));
    writePreset (temp.factoryPresets().getChildFile ("05_Dup/01_Target.brumepreset"));
    auto p = makeProcessor();

    auto block = stateOf (*p, StateScope::Host);
    ASSERT_EQ (block.getSize(), 285u);
    putLE32 (block, 277, (std::uint32_t) nameHash ("Dup"));
    putLE32 (block, 281, (std::uint32_t) nameHash ("Target"));
    restore (*p, block);
    EXPECT_TRUE (p->presetStore.current.isValid);
    EXPECT_EQ (p->presetStore.categories[p->presetStore.current.categoryIndex].relativePath, "04_Dup");
}

// ---- short, long and foreign blocks -------------------------------------------------------

TEST_F (PluginState, ShortBlocksSetOnlyWhatTheyHold)
{
    auto source = makeProcessor();
    setDistinctValues (*source);
    source->drawModeEnabled = true;
    source->editorPage = 3;
    const auto full = stateOf (*source, StateScope::Host);

    struct Case { size_t size; int parametersSet; bool editorState; };
    const Case cases[] = {
        { 0, 0, false },
        { 1, 1, false },      // a partial value counts as 0.0
        { 10, 3, false },
        { 259, 65, false },
        { 260, 65, false },   // exactly the values: editor state untouched
        { 261, 65, true },    // draw byte only: the page reads as 0
        { 263, 65, true },
        { 277, 65, true },
        { 280, 65, true },    // part of the identity: no match, no preset current
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.size);
        auto p = makeProcessor();
        p->editorPage = 1;
        const float untouched = value (*p, 64);
        p->readState (full.getData(), (int) c.size, StateScope::Host);

        const int whole = (int) c.size / 4;
        for (int i = 0; i < kNumParameters; ++i)
        {
            const float expected = i < whole ? value (*source, i)
                                 : i < c.parametersSet ? 0.0f
                                 : i == 64 ? untouched
                                 : value (*p, i);
            EXPECT_EQ (value (*p, i), expected) << i;
        }
        EXPECT_EQ (p->drawModeEnabled, c.editorState);
        EXPECT_EQ (p->editorPage, ! c.editorState ? 1 : c.size >= 265 ? 3 : 0);
        EXPECT_EQ (p->presetStore.current.isValid, c.size <= 277);
    }
}

TEST_F (PluginState, BytesAfterTheIdentityAreIgnored)
{
    auto a = makeProcessor();
    setDistinctValues (*a);
    ASSERT_TRUE (a->presetStore.selectByName ("Drums", "Room"));
    auto block = stateOf (*a, StateScope::Host);
    block.append ("garbage-after-the-block", 23);

    auto b = makeProcessor();
    restore (*b, block);
    EXPECT_EQ (b->presetStore.current.name, "Room");
    EXPECT_EQ (value (*b, 20), value (*a, 20));
}

TEST_F (PluginState, ForeignValuesAreMadeSafe)
{
    auto p = makeProcessor();
    auto block = stateOf (*p, StateScope::Host);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case { int parameter; float stored; float expected; };
    const Case cases[] = {
        { 0, nan, 0.5f },          // NaN: the table default
        { 33, -nan, 1.0f },
        { 64, nan, 0.0f },
        { 1, inf, 1.0f },
        { 2, -inf, 0.0f },
        { 48, 2.0f, 1.0f },
        { 49, -1.0f, 0.0f },
        { 50, 0.25f, 0.25f },
        { 51, std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::denorm_min() },
    };
    for (const auto& c : cases)
        putFloat (block, 4 * (size_t) c.parameter, c.stored);
    block[260] = 7;   // any non-zero byte is "on"

    struct PageCase { int stored; int expected; };
    for (const auto& page : { PageCase { 7, 3 }, PageCase { -5, 0 }, PageCase { 2, 2 }, PageCase { INT32_MIN, 0 } })
    {
        putLE32 (block, 261, (std::uint32_t) page.stored);
        restore (*p, block);
        EXPECT_EQ (p->editorPage, page.expected) << page.stored;
    }
    EXPECT_TRUE (p->drawModeEnabled);
    for (const auto& c : cases)
        EXPECT_EQ (value (*p, c.parameter), c.expected) << c.parameter;

    // Nothing non-finite reaches the sound.
    juce::AudioBuffer<float> buffer (2, 512);
    for (int i = 0; i < 512; ++i)
        buffer.setSample (0, i, std::sin ((float) i * 0.1f)), buffer.setSample (1, i, std::cos ((float) i * 0.07f));
    juce::MidiBuffer midi;
    p->processBlock (buffer, midi);
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 512; ++i)
            ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i)));
}

TEST_F (PluginState, LoadSnapsTheEngineWithoutAGlide)
{
    auto p = makeProcessor();
    p->prepareToPlay (48000.0, 256);
    auto block = stateOf (*p, StateScope::Preset);
    putFloat (block, 4 * 32, 0.25f);   // width band 1 (vector 0, lane 0)
    restore (*p, block, StateScope::Preset);

    // Nothing is processing, so the reset lands at once.
    const auto& width = p->engine.getRamp (BandEngine::widthRamp, 0);
    EXPECT_EQ (width.current.lane (0), 0.25f);
    EXPECT_EQ (width.remaining, 0);
}
} // namespace
