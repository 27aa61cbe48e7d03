#include "PresetTestFiles.h"
#include "presets/PresetStore.h"

#include <gtest/gtest.h>

namespace
{
using namespace PresetTestFiles;

std::unique_ptr<PresetStore> makeStore (const PresetTestFolders& temp)
{
    return std::make_unique<PresetStore> ("Brume 2", "Factory Presets", "User Presets", "brumepreset", temp.roots);
}

juce::StringArray namesOf (const PresetCategory& category)
{
    juce::StringArray names;
    for (const auto& entry : category.presets)
        names.add (entry.name);
    return names;
}

juce::StringArray categoryNames (const PresetStore& store)
{
    juce::StringArray names;
    for (const auto& category : store.categories)
        names.add (category.name);
    return names;
}

int countFilesBelow (const juce::File& folder)
{
    return folder.findChildFiles (juce::File::findFiles, true, "*").size();
}

// ---- header rules -------------------------------------------------------------------------

struct HeaderCase
{
    const char* what;
    juce::MemoryBlock bytes;
    bool valid;
    size_t bodySize;
};

juce::MemoryBlock raw (size_t size, unsigned char fill = 0x11)
{
    juce::MemoryBlock block (size);
    if (size > 0)   // an empty block has no data, and JUCE would memset a null pointer
        block.fillWith (fill);
    return block;
}

juce::MemoryBlock magicOnly()
{
    auto block = withHeader ({});
    block.setSize (4);
    return block;
}

std::vector<HeaderCase> headerCases()
{
    return {
        { "empty", raw (0), false, 0 },
        { "3 bytes", raw (3), false, 0 },
        { "260 raw bytes", raw (260), true, 260 },
        { "259 raw bytes", raw (259), false, 0 },
        { "261 raw bytes", raw (261), false, 0 },
        { "276-byte file", withHeader (body ({})), true, 260 },
        { "276 bytes, size field 277", withHeader (body ({}), 277), false, 0 },
        { "276 bytes, size field 260", withHeader (body ({}), 260), false, 0 },
        { "16-byte header only", withHeader ({}), false, 0 },
        { "header and one byte", withHeader (raw (1)), true, 1 },
        { "the magic alone", magicOnly(), false, 0 },
        { "header and a longer body", withHeader (raw (300)), true, 300 },
        { "260 bytes that start with the magic are a header file", withHeader (raw (244)), true, 244 },
    };
}

TEST (PresetHeaderRules, ParseAndFileCheckAgreeOnEveryCase)
{
    PresetTestFolders temp;
    auto store = makeStore (temp);

    for (const auto& c : headerCases())
    {
        SCOPED_TRACE (c.what);
        auto parsed = store->parsePresetData (c.bytes.getData(), c.bytes.getSize());
        EXPECT_EQ (parsed != nullptr, c.valid);
        if (parsed != nullptr)
        {
            ASSERT_EQ (parsed->getSize(), c.bodySize);
            const auto offset = c.bytes.getSize() - c.bodySize;   // the body is the tail
            EXPECT_EQ (0, std::memcmp (parsed->getData(), c.bytes.begin() + offset, c.bodySize));
        }

        const auto file = temp.base.getChildFile ("case.brumepreset");
        write (file, c.bytes);
        EXPECT_EQ (store->isValidPresetFile (file), c.valid);
    }
}

TEST (PresetHeaderRules, MissingFilesAndFoldersAreInvalid)
{
    PresetTestFolders temp;
    auto store = makeStore (temp);
    EXPECT_FALSE (store->isValidPresetFile (temp.base.getChildFile ("absent.brumepreset")));
    EXPECT_FALSE (store->isValidPresetFile (temp.base));
    EXPECT_EQ (store->parsePresetData (nullptr, 260), nullptr);
}

// ---- display names ------------------------------------------------------------------------

TEST (PresetNames, FromFileAndFolderNames)
{
    struct Case { const char* fileName; bool keepWhole; const char* expected; };
    const Case cases[] = {
        { "03_Wide Drums.brumepreset", false, "Wide Drums" },
        { "01_Stereo Width", false, "Stereo Width" },
        { "Init.brumepreset", false, "Unknown name" },
        { "My_Mix.brumepreset", true, "My_Mix" },
        { "My_Mix.brumepreset", false, "Mix" },
        { "Wide.Drums.brumepreset", true, "WideDrums" },
        { "01_Wide.Drums.brumepreset", false, "WideDrums" },
        { "a__b.brumepreset", false, "_b" },
        { "_x", false, "x" },
        { "NoExtension", true, "NoExtension" },
        { "", false, "Unknown name" },
        { "", true, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (PresetStore::nameFromFileName (juce::String::fromUTF8 (c.fileName), c.keepWhole),
                   juce::String::fromUTF8 (c.expected))
            << c.fileName << " keepWhole " << c.keepWhole;
}

// ---- listing ------------------------------------------------------------------------------

class PresetStoreListing : public ::testing::Test
{
protected:
    PresetTestFolders temp;
};

TEST_F (PresetStoreListing, FactoryThenUserSubFoldersThenUserPresetsLast)
{
    writePreset (temp.factoryPresets().getChildFile ("01_Stereo Width/01_Init.brumepreset"));
    writePreset (temp.factoryPresets().getChildFile ("02_Drums/01_Room.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("01_Mine/01_Lead.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("My_Mix.brumepreset"));

    auto store = makeStore (temp);
    EXPECT_EQ (categoryNames (*store), juce::StringArray ({ "Stereo Width", "Drums", "Mine", "User Presets" }));

    const auto& first = store->categories.getReference (0);
    EXPECT_FALSE (first.isUser);
    EXPECT_EQ (first.relativePath, "01_Stereo Width");
    EXPECT_EQ (namesOf (first), juce::StringArray ({ "Init" }));

    const auto& mine = store->categories.getReference (2);
    EXPECT_TRUE (mine.isUser);
    EXPECT_EQ (mine.relativePath, "User Presets/01_Mine");
    EXPECT_EQ (mine.index, 2);

    const auto& user = store->categories.getLast();
    EXPECT_TRUE (user.isUser);
    EXPECT_EQ (user.relativePath, "User Presets");
    ASSERT_EQ (user.presets.size(), 1);
    const auto& entry = user.presets.getReference (0);
    EXPECT_EQ (entry.name, "My_Mix");   // directly in "User Presets": the whole name
    EXPECT_TRUE (entry.isValid);
    EXPECT_TRUE (entry.isUser);
    EXPECT_EQ (entry.categoryIndex, 3);
    EXPECT_EQ (entry.index, 0);
    EXPECT_EQ (entry.file, temp.userPresets().getChildFile ("My_Mix.brumepreset"));
}

TEST_F (PresetStoreListing, SubFolderPresetsLoseTheirPrefix)
{
    writePreset (temp.userPresets().getChildFile ("Sub/My_Mix.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("Sub/Mix.brumepreset"));
    auto store = makeStore (temp);
    EXPECT_EQ (namesOf (store->categories.getReference (0)), juce::StringArray ({ "Unknown name", "Mix" }));
}

TEST_F (PresetStoreListing, SortedCaseInsensitivelyByCodePointNotNumber)
{
    for (auto* name : { "2_A", "10_B", "b_lower", "C_upper", "_under" })
        writePreset (temp.factoryPresets().getChildFile ("01_Cat").getChildFile (juce::String (name) + ".brumepreset"));
    for (auto* folder : { "2_Two", "10_Ten" })
        writePreset (temp.factoryPresets().getChildFile (folder).getChildFile ("01_P.brumepreset"));

    auto store = makeStore (temp);
    // "1" < "2" < letters (upper-cased) < "_"
    EXPECT_EQ (categoryNames (*store), juce::StringArray ({ "Cat", "Ten", "Two", "User Presets" }));
    EXPECT_EQ (namesOf (store->categories.getReference (0)), juce::StringArray ({ "B", "A", "lower", "upper", "under" }));
}

TEST_F (PresetStoreListing, LettersDifferingOnlyInCaseCompareEqual)
{
    writePreset (temp.userPresets().getChildFile ("a.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("A.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("B.brumepreset"));
    writePreset (temp.userPresets().getChildFile ("0.brumepreset"));
    auto store = makeStore (temp);
    const auto names = namesOf (store->categories.getLast());
    ASSERT_EQ (names.size(), 4);
    EXPECT_EQ (names[0], "0");
    EXPECT_TRUE (names[1].equalsIgnoreCase ("a") && names[2].equalsIgnoreCase ("a"));
    EXPECT_EQ (names[3], "B");
}

TEST_F (PresetStoreListing, FilesFailingTheHeaderRulesOrOtherExtensionsAreLeftOut)
{
    const auto folder = temp.userPresets();
    write (folder.getChildFile ("raw.brumepreset"), raw (260));
    write (folder.getChildFile ("long.brumepreset"), raw (261));
    write (folder.getChildFile ("wrongsize.brumepreset"), withHeader (body ({}), 277));
    write (folder.getChildFile ("header.brumepreset"), withHeader ({}));
    writePreset (folder.getChildFile ("other.txt"));
    writePreset (folder.getChildFile (".hidden.brumepreset"));
    folder.getChildFile ("folder.brumepreset").createDirectory();

    auto store = makeStore (temp);
    // a sub-folder is a category even when empty; hidden files are listed
    EXPECT_EQ (categoryNames (*store), juce::StringArray ({ "Unknown name", "User Presets" }));
    EXPECT_EQ (namesOf (store->categories.getLast()), juce::StringArray ({ "hidden", "raw" }));
}

TEST_F (PresetStoreListing, WithoutSharedFolderOnlyUserCategories)
{
    temp.roots.shared.deleteRecursively();
    auto store = makeStore (temp);
    EXPECT_EQ (store->folders.sharedFolder, temp.roots.shared.getChildFile ("Zuvotone"));
    EXPECT_EQ (categoryNames (*store), juce::StringArray ({ "User Presets" }));
    EXPECT_TRUE (store->folders.userFolder.isDirectory());   // created on construction
    EXPECT_FALSE (store->current.isValid);
    EXPECT_EQ (store->current.name, "missing preset");
}

TEST_F (PresetStoreListing, RescanForgetsCurrentAndSelectByNameFindsExactMatchesOnly)
{
    writePreset (temp.factoryPresets().getChildFile ("01_Stereo Width/01_Init.brumepreset"));
    writePreset (temp.factoryPresets().getChildFile ("02_Stereo Width/01_Other.brumepreset"));
    writePreset (temp.factoryPresets().getChildFile ("02_Stereo Width/02_Init.brumepreset"));
    auto store = makeStore (temp);

    EXPECT_FALSE (store->selectByName ("stereo width", "Init"));
    EXPECT_FALSE (store->current.isValid);
    EXPECT_EQ (store->current.name, "Init");

    ASSERT_TRUE (store->selectByName ("Stereo Width", "Other"));
    EXPECT_EQ (store->current.categoryIndex, 1);
    ASSERT_TRUE (store->selectByName ("Stereo Width", "Init"));   // the first match wins
    EXPECT_EQ (store->current.categoryIndex, 0);

    store->rescan();
    EXPECT_FALSE (store->current.isValid);
    EXPECT_EQ (store->current.name, "missing preset");
}

TEST_F (PresetStoreListing, SetCurrentAndReadPresetFileCheckTheirIndices)
{
    writePreset (temp.factoryPresets().getChildFile ("01_A/01_One.brumepreset"), { 0.25f });
    auto store = makeStore (temp);

    for (auto [c, i] : { std::pair { -1, 0 }, { 0, -1 }, { 0, 1 }, { 5, 0 }, { 1, 0 } })
    {
        EXPECT_FALSE (store->setCurrent (c, i)) << c << "," << i;
        EXPECT_EQ (store->readPresetFile (c, i), nullptr) << c << "," << i;
    }
    EXPECT_FALSE (store->current.isValid);

    ASSERT_TRUE (store->setCurrent (0, 0));
    EXPECT_EQ (store->current.name, "One");
    auto bytes = store->readPresetFile (0, 0);
    ASSERT_NE (bytes, nullptr);
    EXPECT_EQ (*bytes, withHeader (body ({ 0.25f })));

    temp.factoryPresets().getChildFile ("01_A/01_One.brumepreset").deleteFile();
    EXPECT_EQ (store->readPresetFile (0, 0), nullptr);
}

TEST_F (PresetStoreListing, RescanCategoryRefreshesTheCurrentIndexAndKeepsListsOfMissingFolders)
{
    writePreset (temp.userPresets().getChildFile ("M.brumepreset"));
    auto store = makeStore (temp);
    ASSERT_TRUE (store->setCurrent (0, 0));

    writePreset (temp.userPresets().getChildFile ("A.brumepreset"));
    ASSERT_TRUE (store->rescanCategory (0));
    EXPECT_EQ (namesOf (store->categories.getReference (0)), juce::StringArray ({ "A", "M" }));
    EXPECT_EQ (store->current.name, "M");
    EXPECT_EQ (store->current.index, 1);

    EXPECT_FALSE (store->rescanCategory (1));
    EXPECT_FALSE (store->rescanCategory (-1));
    temp.userPresets().deleteRecursively();
    EXPECT_FALSE (store->rescanCategory (0));
    EXPECT_EQ (store->categories.getReference (0).presets.size(), 2);
}

// ---- hasNext ------------------------------------------------------------------------------

TEST (PresetStoreHasNext, FollowsTheCategoryWalk)
{
    // Categories: A (2 presets), B (1 preset), User Presets (0 or 1 preset).
    struct Case { int userPresets; int category; int preset; bool expected; };
    const Case cases[] = {
        { 0, 0, 0, true },
        { 0, 0, 1, true },     // end of an earlier category: looks no further
        { 0, 1, 0, false },    // end of the last factory category, no user preset
        { 1, 1, 0, true },
        { 1, 2, 0, false },    // the very last preset
    };
    for (const auto& c : cases)
    {
        PresetTestFolders temp;
        writePreset (temp.factoryPresets().getChildFile ("01_A/01_x.brumepreset"));
        writePreset (temp.factoryPresets().getChildFile ("01_A/02_y.brumepreset"));
        writePreset (temp.factoryPresets().getChildFile ("02_B/01_z.brumepreset"));
        if (c.userPresets > 0)
            writePreset (temp.userPresets().getChildFile ("u.brumepreset"));
        auto store = makeStore (temp);

        EXPECT_FALSE (store->hasNext());
        ASSERT_TRUE (store->setCurrent (c.category, c.preset));
        EXPECT_EQ (store->hasNext(), c.expected) << c.userPresets << " " << c.category << "," << c.preset;
    }
}

// ---- saving -------------------------------------------------------------------------------

class PresetStoreSaving : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writePreset (temp.factoryPresets().getChildFile ("01_Stereo Width/01_Init.brumepreset"));
        temp.userPresets().getChildFile ("Sub").createDirectory();
        store = makeStore (temp);
        ASSERT_TRUE (store->selectByName ("Stereo Width", "Init"));
    }

    int userCategory() const { return store->categories.size() - 1; }

    PresetTestFolders temp;
    std::unique_ptr<PresetStore> store;
};

TEST_F (PresetStoreSaving, WritesAHeaderedFileAndMakesItCurrent)
{
    ASSERT_TRUE (store->savePreset (body ({ 0.1f, 0.2f }), "Mix", userCategory()));

    const auto file = temp.userPresets().getChildFile ("Mix.brumepreset");
    juce::MemoryBlock bytes;
    ASSERT_TRUE (file.loadFileAsData (bytes));
    EXPECT_EQ (bytes, withHeader (body ({ 0.1f, 0.2f })));
    EXPECT_EQ (bytes.getSize(), 276u);

    EXPECT_TRUE (store->current.isValid);
    EXPECT_EQ (store->current.name, "Mix");
    EXPECT_EQ (store->current.categoryIndex, userCategory());
    EXPECT_TRUE (store->current.isUser);
    // only the preset itself is left in the folder: no temporary file
    EXPECT_EQ (temp.userPresets().findChildFiles (juce::File::findFiles, false, "*").size(), 1);
}

TEST_F (PresetStoreSaving, SavingTwiceOverwritesAndLeavesOneEntry)
{
    ASSERT_TRUE (store->savePreset (body ({ 0.1f }), "Mix", userCategory()));
    ASSERT_TRUE (store->savePreset (body ({ 0.9f }), "Mix", userCategory()));

    EXPECT_EQ (namesOf (store->categories.getLast()), juce::StringArray ({ "Mix" }));
    EXPECT_EQ (store->current.name, "Mix");
    auto bytes = store->readPresetFile (userCategory(), 0);
    ASSERT_NE (bytes, nullptr);
    EXPECT_EQ (*bytes, withHeader (body ({ 0.9f })));
    EXPECT_EQ (temp.userPresets().findChildFiles (juce::File::findFiles, false, "*").size(), 1);
}

TEST_F (PresetStoreSaving, InAUserSubFolderCategoryItLandsInUserPresetsAndKeepsCurrent)
{
    ASSERT_EQ (store->categories.getReference (1).name, "Unknown name");   // "Sub" has no prefix
    EXPECT_TRUE (store->savePreset (body ({}), "Mix", 1));

    EXPECT_TRUE (temp.userPresets().getChildFile ("Mix.brumepreset").existsAsFile());
    EXPECT_EQ (store->current.name, "Init");
    EXPECT_EQ (store->current.categoryIndex, 0);
}

TEST_F (PresetStoreSaving, FactoryAndUnknownCategoriesAreRefused)
{
    for (int c : { 0, -1, 99 })
        EXPECT_FALSE (store->savePreset (body ({}), "Mix", c)) << c;
    EXPECT_EQ (countFilesBelow (temp.roots.user), 0);
    EXPECT_EQ (store->current.name, "Init");
}

TEST_F (PresetStoreSaving, ARenamedNameIsWrittenButNotMadeCurrent)
{
    // "My.Mix" is listed as "MyMix", so the saved name is not found again.
    EXPECT_TRUE (store->savePreset (body ({}), "My.Mix", userCategory()));
    EXPECT_EQ (namesOf (store->categories.getLast()), juce::StringArray ({ "MyMix" }));
    EXPECT_EQ (store->current.name, "Init");
}

TEST_F (PresetStoreSaving, UnsafeNamesWriteNothingAndKeepCurrent)
{
    const char* unsafe[] = { "../escape", "a/b", "/tmp/abs", "a\\b", "..", "x..y", "", "   ",
                             "tab\tname", "line\nbreak", "bell\x07", "del\x7f", "~evil" };
    for (auto* name : unsafe)
    {
        EXPECT_FALSE (store->savePreset (body ({}), juce::String::fromUTF8 (name), userCategory())) << name;
        EXPECT_EQ (store->current.name, "Init") << name;
        EXPECT_TRUE (store->current.isValid) << name;
    }
    EXPECT_EQ (countFilesBelow (temp.base), 1);   // the factory Init only
    EXPECT_FALSE (juce::File ("/tmp/abs.brumepreset").exists());
}

TEST_F (PresetStoreSaving, OrdinaryNamesSaveAsTyped)
{
    for (auto* name : { "Mix (v2)!", "Caf\xc3\xa9 Cr\xc3\xa8me", "with  spaces", "a-b+c=d's #1", ".dotfirst", "_under_score_" })
    {
        const auto typed = juce::String::fromUTF8 (name);
        ASSERT_TRUE (store->savePreset (body ({}), typed, userCategory())) << name;
        EXPECT_TRUE (temp.userPresets().getChildFile (typed + ".brumepreset").existsAsFile()) << name;
        if (! typed.containsChar ('.'))
        {
            EXPECT_EQ (store->current.name, typed);
            EXPECT_TRUE (store->current.isValid);
        }
    }
}

TEST_F (PresetStoreSaving, AFileWhereTheFolderShouldBeStopsTheSave)
{
    temp.userPresets().deleteRecursively();
    write (temp.userPresets(), raw (3));
    EXPECT_FALSE (store->savePreset (body ({}), "Mix", userCategory()));
    EXPECT_EQ (store->current.name, "Init");
    EXPECT_EQ (temp.userPresets().getSize(), 3);
}

TEST_F (PresetStoreSaving, AMissingUserFolderIsCreated)
{
    temp.userPresets().deleteRecursively();
    EXPECT_TRUE (store->savePreset (body ({}), "Mix", userCategory()));
    EXPECT_TRUE (temp.userPresets().getChildFile ("Mix.brumepreset").existsAsFile());
}
} // namespace
