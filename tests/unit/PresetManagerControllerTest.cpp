// The preset manager controller: loading, import and export through an answering file chooser,
// deletion and preset-change messages.

#include "PresetUiTestSupport.h"

#include <gtest/gtest.h>

using namespace PresetUi;

namespace
{
class PresetController : public ::testing::Test
{
protected:
    void SetUp() override
    {
        library.factory ("01_Alpha", "01_A1", 0.1f);
        library.factory ("01_Alpha", "02_A2", 0.2f);
        library.user ("Mine", 0.4f);
        library.user ("Second", 0.6f);
        processor = std::make_unique<Brume2AudioProcessor> (library.roots.roots());
        provider = std::make_unique<Provider> (*processor);
        controller = std::make_unique<PresetManagerController> (*provider, processor->presetStore, PresetBarStyle {},
                                                                 std::make_unique<AnsweringChooser>());
        controller->view.setBounds (165, -2, 370, 284);
    }

    void TearDown() override
    {
        controller.reset();
        provider.reset();
        processor.reset();
    }

    AnsweringChooser& answer (const juce::File& file)
    {
        auto chooser = std::make_unique<AnsweringChooser> (file);
        auto& ref = *chooser;
        controller->setFileChooser (std::move (chooser));
        return ref;
    }

    void setDistinctValues()
    {
        for (int i = 0; i < 65; ++i)
            processor->getParameterByIndex (i).setValueNotifyingHost (0.0137f * (float) i + 0.01f);
    }

    void setAll (float v)
    {
        for (int i = 0; i < 65; ++i)
            processor->getParameterByIndex (i).setValueNotifyingHost (v);
    }

    PresetStore& store() { return processor->presetStore; }
    PresetManagerView& view() { return controller->view; }
    bool browserOpen() { return view().getParentComponent() == &provider->host; }
    juce::File scratch (const juce::String& name) { return library.roots.folder.getFile().getChildFile (name); }

    Library library;
    std::unique_ptr<Brume2AudioProcessor> processor;
    std::unique_ptr<Provider> provider;
    std::unique_ptr<PresetManagerController> controller;
};
} // namespace

TEST_F (PresetController, ExportThenImportReproducesEveryValueExactly)
{
    setDistinctValues();
    const auto expected = parameterValues (*processor);
    const auto file = scratch ("Wide.Mix.brumepreset");

    auto& exportChooser = answer (file);
    controller->exportPreset();
    EXPECT_EQ (exportChooser.requests, juce::StringArray ({ "export *.brumepreset" }));
    ASSERT_TRUE (file.existsAsFile());
    EXPECT_EQ (file.getSize(), 276);
    EXPECT_EQ (file.getParentDirectory().getNumberOfChildFiles (juce::File::findFiles, "*"), 1);   // no temporary left
    EXPECT_TRUE (store().isValidPresetFile (file));
    // Exporting adds nothing to the lists.
    EXPECT_EQ (store().categories.getLast().presets.size(), 2);

    setAll (0.0f);
    view().presetBarClicked();
    ASSERT_TRUE (browserOpen());
    auto& importChooser = answer (file);
    controller->importPreset();

    EXPECT_EQ (importChooser.requests, juce::StringArray ({ "import *.brumepreset" }));
    EXPECT_EQ (parameterValues (*processor), expected);
    EXPECT_FALSE (store().current.isValid);
    EXPECT_EQ (store().current.name, "WideMix");
    EXPECT_EQ (view().presetBar.preset.name, "WideMix");
    EXPECT_FALSE (browserOpen());
    for (int i = 0; i < view().presetList.getNumItems(); ++i)
        EXPECT_FALSE (view().presetList.getItem (i)->selected);
}

TEST_F (PresetController, ExportReplacesAnExistingFileWholeAndAFailedWriteLeavesNothing)
{
    const auto file = scratch ("Old.brumepreset");
    writeBytes (file, juce::MemoryBlock (1000, true));
    answer (file);
    controller->exportPreset();
    EXPECT_EQ (file.getSize(), 276);

    const auto nowhere = scratch ("missing folder/Out.brumepreset");
    answer (nowhere);
    controller->exportPreset();
    EXPECT_FALSE (nowhere.exists());
    EXPECT_FALSE (nowhere.getParentDirectory().exists());

    // A cancelled chooser writes nothing.
    answer ({});
    controller->exportPreset();
    EXPECT_EQ (scratch ("").getNumberOfChildFiles (juce::File::findFiles), 1);
}

TEST_F (PresetController, ImportingSomethingThatIsNotAPresetChangesNothing)
{
    setDistinctValues();
    const auto before = parameterValues (*processor);
    store().setCurrent (1, 0);

    struct Case { const char* name; juce::MemoryBlock bytes; };
    const Case cases[] = { { "short.brumepreset", juce::MemoryBlock (100, true) },
                           { "header-only.brumepreset", withHeader (juce::MemoryBlock()) },
                           { "long.brumepreset", juce::MemoryBlock (261, true) } };

    for (const auto& c : cases)
    {
        const auto file = scratch (c.name);
        writeBytes (file, c.bytes);
        view().presetBarClicked();
        answer (file);
        controller->importPreset();
        EXPECT_EQ (parameterValues (*processor), before) << c.name;
        EXPECT_TRUE (store().current.isValid) << c.name;
        EXPECT_EQ (store().current.name, "Mine") << c.name;
        EXPECT_FALSE (browserOpen()) << c.name;   // the browser closes all the same
    }

    // A missing file and a cancel change nothing, not even the open browser.
    view().presetBarClicked();
    answer (scratch ("nothing here.brumepreset"));
    controller->importPreset();
    EXPECT_EQ (parameterValues (*processor), before);
    EXPECT_TRUE (browserOpen());
    answer ({});
    controller->importPreset();
    EXPECT_TRUE (browserOpen());
    EXPECT_EQ (store().current.name, "Mine");
}

TEST_F (PresetController, LoadingAppliesTheBodyAndReportsTheNameHashes)
{
    ASSERT_TRUE (controller->loadPreset (0, 1));
    for (float v : parameterValues (*processor))
        EXPECT_EQ (v, 0.2f);
    ASSERT_EQ (provider->loaded.size(), 1u);
    EXPECT_EQ (provider->loaded[0], std::make_pair (juce::String ("Alpha").hashCode(), juce::String ("A2").hashCode()));

    // The controller leaves choosing the current preset to the view.
    EXPECT_FALSE (store().current.isValid);

    EXPECT_FALSE (controller->loadPreset (0, 2));
    EXPECT_FALSE (controller->loadPreset (7, 0));
    EXPECT_EQ (provider->loaded.size(), 1u);
}

TEST_F (PresetController, AFactoryFileReplacedByAHundredBytesIsRefused)
{
    setDistinctValues();
    const auto before = parameterValues (*processor);
    const auto file = library.factoryRoot().getChildFile ("01_Alpha/01_A1.brumepreset");
    ASSERT_EQ (store().categories[0].presets[0].file, file);

    writeBytes (file, juce::MemoryBlock (100, true));
    EXPECT_FALSE (controller->loadPreset (0, 0));
    EXPECT_EQ (parameterValues (*processor), before);
    EXPECT_TRUE (provider->loaded.empty());
}

TEST_F (PresetController, DeletesOnlyUserPresets)
{
    const auto a1 = library.factoryRoot().getChildFile ("01_Alpha/01_A1.brumepreset");
    controller->deletePreset (0, 0);
    EXPECT_TRUE (a1.existsAsFile());
    EXPECT_EQ (store().categories[0].presets.size(), 2);

    store().setCurrent (1, 0);
    controller->deletePreset (1, 0);
    EXPECT_FALSE (library.userRoot().getChildFile ("Mine.brumepreset").exists());
    EXPECT_FALSE (store().current.isValid);
    EXPECT_EQ (store().categories[1].presets.size(), 1);
    EXPECT_EQ (view().selectedCategory, 1);
    EXPECT_EQ (view().presetList.getNumItems(), 1);

    controller->deletePreset (1, 5);   // no such preset
    controller->deletePreset (-1, 0);
    EXPECT_EQ (store().categories[1].presets.size(), 1);
}

TEST_F (PresetController, FolderMessagesRescanAndKeepTheCurrentPreset)
{
    store().setCurrent (1, 1);   // "Second"
    controller->showCurrentCategory();

    // "p": another program added a user preset.
    library.user ("Added", 0.8f);
    controller->presetMessage ("p");
    ASSERT_EQ (store().categories.size(), 2);
    EXPECT_EQ (store().categories[1].presets.size(), 3);
    EXPECT_TRUE (store().current.isValid);
    EXPECT_EQ (store().current.name, "Second");
    EXPECT_EQ (store().current.index, 2);   // "Added", "Mine", "Second"
    EXPECT_EQ (view().categoryList.getNumItems(), 2);
    ASSERT_EQ (view().presetList.getNumItems(), 3);
    EXPECT_EQ (view().presetList.getItem (0)->text, "Added");
    EXPECT_TRUE (view().presetList.getItem (2)->selected);

    // "p" after the current preset went away: none current, its name kept.
    library.userRoot().getChildFile ("Second.brumepreset").deleteFile();
    controller->presetMessage ("p");
    EXPECT_FALSE (store().current.isValid);
    EXPECT_EQ (store().current.name, "Second");
    EXPECT_EQ (view().presetBar.preset.name, "Second");

    // "r": the user presets changed.
    library.user ("Newer", 0.9f);
    controller->presetMessage ("r");
    EXPECT_EQ (store().categories[1].presets.size(), 3);
    EXPECT_EQ (view().selectedCategory, 1);
    EXPECT_EQ (view().presetList.getNumItems(), 3);
}

TEST_F (PresetController, Base64MessagesApplyAPresetFileOrAreIgnored)
{
    const auto raw = body (0.25f, 0.01f);
    ASSERT_EQ (raw.getSize(), 260u);
    const auto withHead = withHeader (body (0.3f));
    const juce::String twelve = "twelve bytes";

    struct Case { juce::String message; bool applies; float firstValue; };
    const Case cases[] = {
        { juce::Base64::toBase64 (raw.getData(), raw.getSize()), true, 0.25f },
        { juce::Base64::toBase64 (withHead.getData(), withHead.getSize()), true, 0.3f },
        { juce::Base64::toBase64 (twelve.toRawUTF8(), 12), false, 0.0f },
        { "this is not base64!", false, 0.0f },
        { juce::Base64::toBase64 (raw.getData(), raw.getSize()).dropLastCharacters (1), false, 0.0f },
        { "", false, 0.0f },
    };

    for (const auto& c : cases)
    {
        setAll (0.5f);
        store().setCurrent (1, 0);
        controller->presetMessage (c.message.toRawUTF8());
        EXPECT_EQ (processor->getParameterByIndex (0).getValue(), c.applies ? c.firstValue : 0.5f) << c.message;
        EXPECT_EQ (store().current.isValid, ! c.applies) << c.message;
        EXPECT_EQ (store().current.name, c.applies ? "** Imported **" : "Mine") << c.message;
        if (c.applies)
        {
            EXPECT_EQ (view().presetBar.preset.name, "** Imported **");
        }
    }
    EXPECT_EQ (processor->getParameterByIndex (64).getValue(), 0.5f);   // unaffected by the last (ignored) cases

    controller->presetMessage (nullptr);
}
