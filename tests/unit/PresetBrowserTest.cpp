// The preset bar and browser in the plug-in window, driven with synthesized mouse and key input.

#include "PresetUiTestSupport.h"

#include "editor/PluginEditor.h"

#include <gtest/gtest.h>

using namespace PresetUi;

namespace
{
class PresetBrowser : public ::testing::Test
{
protected:
    // Alpha (A1, A2), Beta (B1) and "User Presets" (Mine, Second), unless a test adds more.
    void SetUp() override
    {
        library.factory ("01_Alpha", "01_A1", 0.1f);
        library.factory ("01_Alpha", "02_A2", 0.2f);
        library.factory ("02_Beta", "01_B1", 0.3f);
    }

    void addUserPresets()
    {
        library.user ("Mine", 0.4f);
        library.user ("Second", 0.6f);
    }

    void openWindow()
    {
        processor = std::make_unique<Brume2AudioProcessor> (library.roots.roots());
        editor = std::make_unique<Brume2AudioProcessorEditor> (*processor);
        editor->setVisible (true);   // as in a host window: only visible components take the mouse
        mouse = std::make_unique<Mouse> (*editor);
    }

    void TearDown() override
    {
        mouse.reset();
        editor.reset();
        processor.reset();
    }

    PresetManagerView& view() { return editor->getPresetController().view; }
    PresetStore& store() { return processor->presetStore; }
    bool browserOpen() { return view().getParentComponent() == editor.get(); }

    void openBrowser()
    {
        mouse->click (view().presetBar);
        ASSERT_TRUE (browserOpen());
    }

    PMList::Item& categoryRow (int position) { return *view().categoryList.getItem (position); }
    PMList::Item& presetRow (int position) { return *view().presetList.getItem (position); }

    juce::StringArray presetRowTexts()
    {
        juce::StringArray texts;
        for (int i = 0; i < view().presetList.getNumItems(); ++i)
            texts.add (presetRow (i).text);
        return texts;
    }

    void pick (int categoryPosition, int presetPosition)
    {
        if (view().selectedCategory != categoryPosition)
            mouse->click (categoryRow (categoryPosition));
        mouse->click (presetRow (presetPosition));
    }

    std::pair<int, int> current() { return { store().current.categoryIndex, store().current.index }; }

    Library library;
    std::unique_ptr<Brume2AudioProcessor> processor;
    std::unique_ptr<Brume2AudioProcessorEditor> editor;
    std::unique_ptr<Mouse> mouse;
};
} // namespace

TEST_F (PresetBrowser, BarAndBrowserSitWhereTheWindowPutsThem)
{
    openWindow();
    EXPECT_EQ (view().getBounds(), juce::Rectangle<int> (165, -2, 370, 284));
    EXPECT_EQ (view().presetBar.getBounds(), juce::Rectangle<int> (270, 8, 246, 22));
    EXPECT_EQ (view().presetBar.getParentComponent(), editor.get());
    EXPECT_FALSE (browserOpen());

    EXPECT_EQ (view().panel.getBounds(), juce::Rectangle<int> (23, 20, 325, 24));
    EXPECT_EQ (view().categoryScroller.getBounds(), juce::Rectangle<int> (19, 71, 143, 193));
    EXPECT_EQ (view().presetScroller.getBounds(), juce::Rectangle<int> (171, 71, 176, 193));
    EXPECT_EQ (view().saveAs.getBounds(), juce::Rectangle<int> (13, 13, 344, 258));
    EXPECT_EQ (view().dialogue.getBounds(), juce::Rectangle<int> (13, 13, 344, 258));
    EXPECT_EQ (view().categoryList.getWidth(), 135);

    const auto& panel = view().panel;
    EXPECT_EQ (panel.saveButton.getBounds(), juce::Rectangle<int> (0, 0, 53, 24));
    EXPECT_EQ (panel.saveAsButton.getBounds(), juce::Rectangle<int> (61, 0, 72, 24));
    EXPECT_EQ (panel.loadButton.getBounds(), juce::Rectangle<int> (189, 0, 60, 24));
    EXPECT_EQ (panel.exportButton.getBounds(), juce::Rectangle<int> (257, 0, 68, 24));

    const auto& bar = view().presetBar;
    EXPECT_EQ (bar.previousButton.getBounds(), juce::Rectangle<int> (0, 0, 22, 22));
    EXPECT_EQ (bar.nextButton.getBounds(), juce::Rectangle<int> (224, 0, 22, 22));
    EXPECT_EQ (bar.nextButton.imageWidth, 8.0f);
    EXPECT_TRUE (bar.nextButton.normalImage.isValid());
    EXPECT_TRUE (bar.backgroundImage.isValid());

    // Every picture of the browser is embedded.
    for (const auto* image : { &view().frameTopLeft, &view().frameTop, &view().frameCentre, &view().frameBottomRight,
                               &view().categoryHeaderImage, &view().presetHeaderImage, &view().saveAs.nameLabelImage })
        EXPECT_TRUE (image->isValid());
    EXPECT_EQ (view().frameTop.getWidth(), 32);
    EXPECT_EQ (view().categoryHeaderImage.getWidth(), 82);
    EXPECT_TRUE (panel.saveButton.inactiveImage.isValid());
}

TEST_F (PresetBrowser, AButtonWithoutPicturesDrawsItsTextAndAnInactiveOneIgnoresTheMouse)
{
    struct Counter : PMSimpleButton::Delegate
    {
        void simpleButtonClicked (PMSimpleButton*) override { ++clicks; }
        int clicks = 0;
    } counter;

    PMSimpleButton button;
    button.text = "Go";
    button.delegate = &counter;
    button.setBounds (0, 0, 40, 20);
    button.setVisible (true);
    Mouse m (button);

    const auto image = button.createComponentSnapshot (button.getLocalBounds());
    EXPECT_EQ (image.getPixelAt (1, 1), juce::Colours::black);

    m.click ({ 10, 10 });
    EXPECT_EQ (counter.clicks, 1);
    m.press ({ 10, 10 });
    m.release ({ 50, 10 });   // released outside
    EXPECT_EQ (counter.clicks, 1);
    button.active = false;
    m.click ({ 10, 10 });
    EXPECT_FALSE (button.pressed);
    EXPECT_EQ (counter.clicks, 1);
}

TEST_F (PresetBrowser, WithoutACurrentPresetTheBarShowsTheStoresNameDimmedAndNothingIsOffered)
{
    openWindow();
    const auto& bar = view().presetBar;
    EXPECT_FALSE (bar.preset.isValid);
    EXPECT_EQ (bar.preset.name, "Init");   // the default preset the store looked for
    EXPECT_FALSE (bar.previousButton.active);
    EXPECT_FALSE (bar.nextButton.active);
    EXPECT_FALSE (view().panel.saveButton.active);
    // The window lists the current category (the first) with no preset highlighted.
    EXPECT_EQ (view().selectedCategory, 0);
    EXPECT_TRUE (categoryRow (0).selected);
    for (int i = 0; i < view().presetList.getNumItems(); ++i)
        EXPECT_FALSE (presetRow (i).selected);
}

TEST_F (PresetBrowser, ABackgroundPressOrAPressInTheShadowMarginCloses)
{
    openWindow();

    struct Case { int x, y; bool staysOpen; };
    // The box proper starts 11 pixels in from each side of the 370 x 284 view.
    const Case cases[] = { { 5, 100, false }, { 11, 100, true }, { 358, 100, true }, { 359, 100, false },
                           { 100, 5, false }, { 100, 11, true }, { 100, 272, true }, { 100, 273, false } };

    for (const auto& c : cases)
    {
        openBrowser();
        EXPECT_EQ (view().background.getParentComponent(), editor.get());
        EXPECT_EQ (view().background.getBounds(), editor->getLocalBounds());

        const auto point = editor->getLocalPoint (&view(), juce::Point<int> (c.x, c.y));
        auto* hit = mouse->press (point);
        mouse->release (point);
        EXPECT_EQ (browserOpen(), c.staysOpen) << "press at (" << c.x << ", " << c.y << ")";
        EXPECT_EQ (hit == &view().background, ! c.staysOpen);
        if (! c.staysOpen)
        {
            EXPECT_EQ (view().background.getParentComponent(), nullptr);
        }
        view().closeBrowser();
    }

    // Anywhere on the plate outside the box closes too.
    openBrowser();
    EXPECT_EQ (mouse->click ({ 40, 150 }), &view().background);
    EXPECT_FALSE (browserOpen());
}

TEST_F (PresetBrowser, ReleasingOutsideTheBarDoesNotOpen)
{
    openWindow();
    auto& bar = view().presetBar;
    mouse->press (bar);
    EXPECT_TRUE (bar.pressed);
    mouse->release ({ 10, 200 });
    EXPECT_FALSE (bar.pressed);
    EXPECT_FALSE (browserOpen());
}

TEST_F (PresetBrowser, PickingACategoryListsItsPresetsAndPickingAPresetLoadsIt)
{
    addUserPresets();
    openWindow();
    openBrowser();

    ASSERT_EQ (view().categoryList.getNumItems(), 3);
    EXPECT_EQ (categoryRow (0).text, "Alpha");
    EXPECT_EQ (categoryRow (2).text, "User Presets");

    mouse->click (categoryRow (0));
    EXPECT_EQ (view().selectedCategory, 0);
    EXPECT_TRUE (categoryRow (0).selected);
    EXPECT_EQ (presetRowTexts(), juce::StringArray ({ "A1", "A2" }));
    EXPECT_EQ (presetRow (1).getBounds(), juce::Rectangle<int> (0, 24, 168, 24));
    EXPECT_EQ (view().presetList.getHeight(), 188);   // 193 visible, less 5
    EXPECT_FALSE (presetRow (0).deleteButton.isVisible());

    mouse->click (presetRow (1));
    EXPECT_EQ (current(), std::make_pair (0, 1));
    EXPECT_TRUE (store().current.isValid);
    EXPECT_EQ (view().presetBar.preset.name, "A2");
    EXPECT_TRUE (presetRow (1).selected);
    for (float v : parameterValues (*processor))
        EXPECT_EQ (v, 0.2f);
    EXPECT_FALSE (view().panel.saveButton.active);   // a factory preset cannot be saved over

    // Clicking the highlighted row again reports nothing: the values changed since stay.
    processor->getParameterByIndex (0).setValueNotifyingHost (0.9f);
    mouse->click (presetRow (1));
    EXPECT_EQ (processor->getParameterByIndex (0).getValue(), 0.9f);

    mouse->click (categoryRow (2));
    EXPECT_EQ (presetRowTexts(), juce::StringArray ({ "Mine", "Second" }));
    EXPECT_TRUE (presetRow (0).deleteButton.isVisible());
    EXPECT_EQ (presetRow (0).deleteButton.getBounds(), juce::Rectangle<int> (148, 0, 20, 24));
    EXPECT_TRUE (browserOpen());
}

TEST_F (PresetBrowser, EmptyCategoryShowsNoRows)
{
    library.emptyFactoryCategory ("03_Gamma");
    openWindow();
    openBrowser();
    mouse->click (categoryRow (2));
    EXPECT_EQ (categoryRow (2).text, "Gamma");
    EXPECT_EQ (view().presetList.getNumItems(), 0);
}

TEST_F (PresetBrowser, ArrowsStepAcrossCategoryEnds)
{
    addUserPresets();
    openWindow();
    openBrowser();
    pick (0, 0);
    ASSERT_EQ (current(), std::make_pair (0, 0));
    auto& bar = view().presetBar;
    EXPECT_FALSE (bar.previousButton.active);
    EXPECT_TRUE (bar.nextButton.active);
    view().closeBrowser();

    struct Step { bool forward; int category, index; float value; };
    // Alpha's end leads into Beta; Beta is second to last, and its end leads into "User Presets".
    const Step steps[] = { { true, 0, 1, 0.2f }, { true, 1, 0, 0.3f }, { true, 2, 0, 0.4f }, { true, 2, 1, 0.6f },
                           { false, 2, 0, 0.4f }, { false, 1, 0, 0.3f }, { false, 0, 1, 0.2f }, { false, 0, 0, 0.1f } };

    for (const auto& s : steps)
    {
        mouse->click (s.forward ? bar.nextButton : bar.previousButton);   // the browser is closed: the bar is reachable
        EXPECT_EQ (current(), std::make_pair (s.category, s.index));
        EXPECT_EQ (view().selectedCategory, s.category);
        EXPECT_EQ (bar.preset.index, s.index);
        EXPECT_EQ (processor->getParameterByIndex (10).getValue(), s.value);
        if (s.category == 2 && s.index == 1)
        {
            EXPECT_FALSE (bar.nextButton.active);   // the very last preset
        }
    }
    EXPECT_FALSE (bar.previousButton.active);   // back at the very first

    // An inactive arrow ignores the click.
    mouse->click (bar.previousButton);
    EXPECT_EQ (current(), std::make_pair (0, 0));
}

TEST_F (PresetBrowser, TheEndOfTheSecondToLastCategoryLeadsNowhereWhileUserPresetsIsEmpty)
{
    openWindow();
    openBrowser();
    pick (1, 0);
    EXPECT_FALSE (view().presetBar.nextButton.active);
    EXPECT_TRUE (view().presetBar.previousButton.active);

    // Once a user preset exists the same place leads to it.
    library.user ("Later", 0.7f);
    editor->getPresetController().presetMessage ("r");
    pick (1, 0);
    EXPECT_TRUE (store().current.isValid);
    EXPECT_TRUE (view().presetBar.nextButton.active);
    view().closeBrowser();
    mouse->click (view().presetBar.nextButton);
    EXPECT_EQ (current(), std::make_pair (2, 0));
    EXPECT_EQ (view().presetBar.preset.name, "Later");
}

TEST_F (PresetBrowser, SaveIsOfferedOnlyForAValidUserPresetAndRewritesIt)
{
    addUserPresets();
    openWindow();
    openBrowser();
    auto& save = view().panel.saveButton;
    const auto mine = library.userRoot().getChildFile ("Mine.brumepreset");

    // No current preset: an inactive Save writes nothing.
    mouse->click (save);
    EXPECT_EQ (library.userRoot().getNumberOfChildFiles (juce::File::findFiles), 2);

    pick (0, 0);
    EXPECT_FALSE (save.active);

    pick (2, 0);
    ASSERT_TRUE (save.active);
    processor->getParameterByIndex (3).setValueNotifyingHost (0.9f);
    mouse->click (save);

    juce::MemoryBlock written;
    ASSERT_TRUE (mine.loadFileAsData (written));
    ASSERT_EQ (written.getSize(), 276u);
    juce::MemoryInputStream in (written, false);
    in.skipNextBytes (16 + 3 * 4);
    EXPECT_EQ (in.readFloat(), 0.9f);
    EXPECT_EQ (library.userRoot().getNumberOfChildFiles (juce::File::findFiles), 2);
    EXPECT_EQ (store().current.name, "Mine");
    EXPECT_TRUE (store().current.isValid);
}

TEST_F (PresetBrowser, SaveAsNeedsTwoCharactersAndOffersOverwriteForAnExistingName)
{
    addUserPresets();
    openWindow();
    openBrowser();
    pick (0, 0);

    mouse->click (view().panel.saveAsButton);
    auto& saveAs = view().saveAs;
    ASSERT_EQ (saveAs.getParentComponent(), &view());
    EXPECT_EQ (saveAs.nameInput.getText(), "A1");
    EXPECT_EQ (saveAs.targetCategory, 2);
    EXPECT_EQ (saveAs.nameInput.getBounds(), juce::Rectangle<int> (72, 119, 200, 24));
    EXPECT_TRUE (saveAs.saveButton.isVisible() && saveAs.saveButton.active);

    // One letter: Save is inactive, and neither a click nor Return saves.
    clearText (saveAs.nameInput);
    type (saveAs.nameInput, "x");
    EXPECT_TRUE (saveAs.saveButton.isVisible());
    EXPECT_FALSE (saveAs.saveButton.active);
    mouse->click (saveAs.saveButton);
    pressKey (saveAs.nameInput, juce::KeyPress::returnKey);
    EXPECT_FALSE (library.userRoot().getChildFile ("x.brumepreset").exists());
    EXPECT_EQ (saveAs.getParentComponent(), &view());

    // An existing name: Overwrite replaces Save, and Return does nothing.
    clearText (saveAs.nameInput);
    type (saveAs.nameInput, "Mine");
    EXPECT_TRUE (saveAs.overwriteButton.isVisible());
    EXPECT_FALSE (saveAs.saveButton.isVisible());
    pressKey (saveAs.nameInput, juce::KeyPress::returnKey);
    EXPECT_EQ (saveAs.getParentComponent(), &view());
    EXPECT_NE (saveAs.pendingData, nullptr);

    // Back to a new name: Save returns.
    pressKey (saveAs.nameInput, juce::KeyPress::backspaceKey);
    EXPECT_EQ (saveAs.nameInput.getText(), "Min");
    EXPECT_TRUE (saveAs.saveButton.isVisible() && saveAs.saveButton.active);
    EXPECT_FALSE (saveAs.overwriteButton.isVisible());

    // Overwrite writes the captured values (A1's) over Mine and makes it current.
    type (saveAs.nameInput, "e");
    mouse->click (saveAs.overwriteButton);
    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_EQ (saveAs.pendingData, nullptr);
    EXPECT_EQ (current(), std::make_pair (2, 0));
    EXPECT_EQ (view().presetBar.preset.name, "Mine");
    EXPECT_EQ (view().selectedCategory, 2);
    EXPECT_TRUE (presetRow (0).selected);
    juce::MemoryBlock written;
    ASSERT_TRUE (library.userRoot().getChildFile ("Mine.brumepreset").loadFileAsData (written));
    ASSERT_EQ (written.getSize(), 276u);
    juce::MemoryInputStream in (written, false);
    in.skipNextBytes (16);
    EXPECT_EQ (in.readFloat(), 0.1f);
    EXPECT_EQ (library.userRoot().getNumberOfChildFiles (juce::File::findFiles), 2);
}

TEST_F (PresetBrowser, SaveAsWithANewNameAndReturnSavesIntoUserPresets)
{
    openWindow();
    openBrowser();
    pick (1, 0);
    mouse->click (view().panel.saveAsButton);
    auto& saveAs = view().saveAs;
    clearText (saveAs.nameInput);
    type (saveAs.nameInput, "Fresh");
    pressKey (saveAs.nameInput, juce::KeyPress::returnKey);

    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_TRUE (library.userRoot().getChildFile ("Fresh.brumepreset").existsAsFile());
    EXPECT_EQ (current(), std::make_pair (2, 0));
    EXPECT_EQ (view().presetBar.preset.name, "Fresh");
    EXPECT_TRUE (view().panel.saveButton.active);
    EXPECT_EQ (presetRowTexts(), juce::StringArray ({ "Fresh" }));
}

TEST_F (PresetBrowser, ANameTheStoreRefusesKeepsTheEntryOpenWithSaveInactive)
{
    openWindow();
    openBrowser();
    mouse->click (view().panel.saveAsButton);
    auto& saveAs = view().saveAs;

    for (const char* name : { "../Escape", "a/b", "  " })
    {
        clearText (saveAs.nameInput);
        type (saveAs.nameInput, name);
        EXPECT_FALSE (saveAs.saveButton.active) << name;
        pressKey (saveAs.nameInput, juce::KeyPress::returnKey);
        EXPECT_EQ (saveAs.getParentComponent(), &view()) << name;
    }

    // Even when asked directly, a refused save leaves the entry open with its data.
    saveAs.simpleButtonClicked (&saveAs.saveButton);
    EXPECT_EQ (saveAs.getParentComponent(), &view());
    EXPECT_NE (saveAs.pendingData, nullptr);
    EXPECT_EQ (library.userRoot().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
    EXPECT_FALSE (library.roots.user().getChildFile ("Zuvotone/Brume 2/Escape.brumepreset").exists());

    // A good name then saves.
    clearText (saveAs.nameInput);
    type (saveAs.nameInput, "Kept");
    mouse->click (saveAs.saveButton);
    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_TRUE (library.userRoot().getChildFile ("Kept.brumepreset").existsAsFile());
}

TEST_F (PresetBrowser, EscapeOrClosingTheBrowserDiscardsTheCapturedData)
{
    openWindow();
    auto& saveAs = view().saveAs;

    // Escape in the field.
    openBrowser();
    mouse->click (view().panel.saveAsButton);
    ASSERT_NE (saveAs.pendingData, nullptr);
    mouse->click (saveAs.nameInput);
    clearText (saveAs.nameInput);
    type (saveAs.nameInput, "Gone");
    pressKey (saveAs.nameInput, juce::KeyPress::escapeKey);
    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_EQ (saveAs.pendingData, nullptr);
    EXPECT_TRUE (browserOpen());

    // Cancel.
    mouse->click (view().panel.saveAsButton);
    mouse->click (saveAs.cancelButton);
    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_EQ (saveAs.pendingData, nullptr);

    // A press on the dimmed window while the entry is open.
    mouse->click (view().panel.saveAsButton);
    type (saveAs.nameInput, "Also gone");
    mouse->click ({ 5, 150 });
    EXPECT_FALSE (browserOpen());
    EXPECT_EQ (saveAs.getParentComponent(), nullptr);
    EXPECT_EQ (saveAs.pendingData, nullptr);

    EXPECT_EQ (library.userRoot().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
}

TEST_F (PresetBrowser, DeleteAsksFirstAndCancelKeepsThePreset)
{
    addUserPresets();
    openWindow();
    openBrowser();
    pick (2, 1);   // "Second" is current
    auto& dialogue = view().dialogue;
    const auto mine = library.userRoot().getChildFile ("Mine.brumepreset");

    mouse->click (presetRow (0).deleteButton);
    ASSERT_EQ (dialogue.getParentComponent(), &view());
    EXPECT_EQ (dialogue.titleLabel.getText(), "Delete preset?");
    EXPECT_EQ (dialogue.messageLabel.getText(), "Mine");
    EXPECT_TRUE (presetRow (1).selected);   // the trash button does not move the highlight
    EXPECT_EQ (dialogue.confirmButton.getBounds(), juce::Rectangle<int> (239, 155, 48, 24));
    EXPECT_EQ (dialogue.cancelButton.getBounds(), juce::Rectangle<int> (181, 155, 48, 24));

    mouse->click (dialogue.cancelButton);
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_TRUE (mine.existsAsFile());
    EXPECT_EQ (view().presetList.getNumItems(), 2);

    mouse->click (presetRow (0).deleteButton);
    mouse->click (dialogue.confirmButton);
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_FALSE (mine.exists());
    EXPECT_EQ (presetRowTexts(), juce::StringArray ({ "Second" }));
    // The current preset moved up a place and stays current.
    EXPECT_EQ (current(), std::make_pair (2, 0));
    EXPECT_TRUE (store().current.isValid);
    EXPECT_TRUE (presetRow (0).selected);

    // Deleting the current preset leaves none current.
    mouse->click (presetRow (0).deleteButton);
    mouse->click (dialogue.confirmButton);
    EXPECT_FALSE (store().current.isValid);
    EXPECT_EQ (view().presetList.getNumItems(), 0);
    EXPECT_FALSE (view().panel.saveButton.active);
    EXPECT_TRUE (browserOpen());
}

TEST_F (PresetBrowser, OnlyPresetsDirectlyInUserPresetsCanBeDeleted)
{
    addUserPresets();
    library.user ("01_Drums/01_Kit", 0.5f);
    openWindow();
    openBrowser();

    ASSERT_EQ (view().categoryList.getNumItems(), 4);
    EXPECT_EQ (categoryRow (2).text, "Drums");
    EXPECT_EQ (categoryRow (3).text, "User Presets");
    mouse->click (categoryRow (2));
    ASSERT_EQ (view().presetList.getNumItems(), 1);
    EXPECT_FALSE (presetRow (0).deleteButton.isVisible());

    // A delete request from the category list is ignored.
    view().listItemDeleteClicked (0, 0);
    EXPECT_EQ (view().dialogue.getParentComponent(), nullptr);
}

TEST_F (PresetBrowser, ScrollingAListWhilePressedIsNotAClick)
{
    for (int i = 0; i < 20; ++i)
        library.factory ("03_Long", juce::String (i + 10) + "_P" + juce::String (i), 0.01f * (float) i);
    openWindow();
    openBrowser();
    mouse->click (categoryRow (2));
    ASSERT_EQ (view().presetList.getNumItems(), 20);
    EXPECT_EQ (view().presetList.getHeight(), 480);
    const auto before = parameterValues (*processor);

    // Press a row, turn the wheel, release on the same row: a scroll, not a click.
    auto& row = presetRow (6);   // on screen before and after the scroll
    const auto point = mouse->centreOf (row);
    mouse->press (point);
    mouse->wheel (row, -0.5f);
    const int scrolled = view().presetScroller.getViewPositionY();
    ASSERT_GT (scrolled, 1);
    mouse->release (mouse->centreOf (row));
    EXPECT_FALSE (store().current.isValid);
    EXPECT_EQ (parameterValues (*processor), before);

    // A one-pixel movement still counts as a click.
    mouse->press (row);
    view().presetScroller.setViewPosition (0, scrolled + 1);
    mouse->release (mouse->centreOf (row));
    EXPECT_TRUE (store().current.isValid);
    EXPECT_EQ (current(), std::make_pair (2, 6));

    // Re-listing the same category keeps the scroll position; another category starts at the top.
    view().selectCategory (2);
    EXPECT_EQ (view().presetScroller.getViewPositionY(), scrolled + 1);
    mouse->click (categoryRow (0));
    EXPECT_EQ (view().presetScroller.getViewPositionY(), 0);
}

TEST_F (PresetBrowser, ARestoredProjectShowsItsPreset)
{
    addUserPresets();
    openWindow();
    openBrowser();
    pick (1, 0);
    juce::MemoryBlock state;
    processor->getStateInformation (state);
    ASSERT_EQ (state.getSize(), 285u);
    editor.reset();

    // A new instance restoring that project, then opening its window.
    processor = std::make_unique<Brume2AudioProcessor> (library.roots.roots());
    processor->setStateInformation (state.getData(), (int) state.getSize());
    editor = std::make_unique<Brume2AudioProcessorEditor> (*processor);
    editor->setVisible (true);
    mouse = std::make_unique<Mouse> (*editor);
    EXPECT_EQ (view().presetBar.preset.name, "B1");
    EXPECT_TRUE (view().presetBar.preset.isValid);
    EXPECT_EQ (view().selectedCategory, 1);

    // And with the window open, a restore arrives as a change message.
    openBrowser();
    pick (2, 0);
    processor->setStateInformation (state.getData(), (int) state.getSize());
    pumpMessages();
    EXPECT_EQ (view().presetBar.preset.name, "B1");
    EXPECT_EQ (view().selectedCategory, 1);
    EXPECT_TRUE (presetRow (0).selected);
}
