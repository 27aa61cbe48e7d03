#include "EditorTestSupport.h"

#include "editor/ImageResources.h"
#include "editor/PluginEditor.h"
#include "editor/SharedFonts.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <memory>

using namespace editortest;

namespace
{
struct EditorFixture : ::testing::Test
{
    std::unique_ptr<Brume2AudioProcessorEditor> openEditor()
    {
        return std::unique_ptr<Brume2AudioProcessorEditor> (static_cast<Brume2AudioProcessorEditor*> (processor.createEditor()));
    }

    void setParameter (int index, float value) { processor.getParameterByIndex (index).setValueNotifyingHost (value); }

    TemporaryRoots folders;
    Brume2AudioProcessor processor { folders.roots() };
};
}

TEST_F (EditorFixture, OpensAtItsSizeWithArtworkWithoutADisplay)
{
    // Headless (as in CI) the desktop has no display; the editor then works at scale 1.0.
    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() == nullptr)
        EXPECT_DOUBLE_EQ (mainDisplayScale(), 1.0);
    auto editor = openEditor();
    EXPECT_EQ (editor->getWidth(), 700);
    EXPECT_EQ (editor->getHeight(), 280);
    EXPECT_EQ (editor->getVersionLabel().getText(), "v2.1.2");
    EXPECT_EQ (editor->getTabSelector().getBounds(), juce::Rectangle<int> (25, 0, 700, 260));
    EXPECT_EQ (editor->getDrawSwitch().getBounds(), juce::Rectangle<int> (218, 0, 45, 37));
    EXPECT_EQ (editor->getBypassSwitch().getBounds(), juce::Rectangle<int> (669, 6, 24, 24));

    const auto image = editor->createComponentSnapshot (editor->getLocalBounds());
    EXPECT_EQ (image.getWidth(), 700);
    // Dark top bar over a light band area.
    EXPECT_LT (image.getPixelAt (400, 20).getBrightness(), 0.3f);
    EXPECT_GT (image.getPixelAt (400, 150).getBrightness(), 0.7f);
}

TEST (ImageResources, NamesPickTheResolutionOfTheDisplay)
{
    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() != nullptr)
        GTEST_SKIP() << "a real display decides the resolution";
    struct Case { const char* name; int width; int height; };
    const Case cases[] {
        { "bg", 700, 280 }, { "topbar_bg", 700, 45 }, { "brume_logo", 90, 18 }, { "zuvotone_logo", 40, 8 },
        { "lbl_l", 6, 9 }, { "lbl_r", 8, 9 }, { "lbl_2_8khz", 41, 10 }, { "btn_haas_hover", 51, 37 },
        { "btn_pan_active", 45, 37 }, { "btn_ms_default", 45, 37 }, { "btn_gain_active", 50, 37 },
        { "btn_drawmode_active_ms", 45, 37 }, { "btn_bypass_active", 24, 24 }, { "preset_bg", 246, 22 },
    };
    for (double scale : { 1.0, 2.0 })
    {
        setAssumedDisplayScale (scale);
        for (const auto& c : cases)
        {
            const auto image = loadImage (c.name);
            EXPECT_EQ (image.getWidth(), (int) (c.width * scale)) << c.name;
            EXPECT_EQ (image.getHeight(), (int) (c.height * scale)) << c.name;
        }
    }
    setAssumedDisplayScale (1.0);
    EXPECT_FALSE (loadImage ("no_such_picture").isValid());
    EXPECT_EQ (loadResourceImage ("arrow_left_white_png").getWidth(), 16);
    EXPECT_EQ (loadResourceImage ("zoom_pressed_png").getWidth(), 32);
}

TEST_F (EditorFixture, TimerPicksUpAutomationWithinOneTickButNotUnderAHeldButton)
{
    auto editor = openEditor();
    auto& haas = editor->getPage (0);
    auto& pan = editor->getPage (1);

    // An unselected page changes in the background picture.
    const auto before = editor->getTabSelector().getInactivePagesImage().createCopy();
    setParameter (20, 0.95f);
    editor->timerCallback();
    EXPECT_FLOAT_EQ (pan.getNormalisedValue (20), 0.95f);
    const auto& after = editor->getTabSelector().getInactivePagesImage();
    bool differs = false;
    for (int y = 0; y < 300 && ! differs; y += 2)
        for (int x = 175; x < 219 && ! differs; ++x)
            differs = before.getPixelAt (x, y) != after.getPixelAt (x, y);
    EXPECT_TRUE (differs);

    // The page under the mouse keeps its values until the button is released.
    haas.mouseDown (mouseAt (haas, 10, 50));
    setParameter (1, 0.2f);
    editor->timerCallback();
    EXPECT_FLOAT_EQ (haas.getNormalisedValue (1), 0.5f);
    haas.mouseUp (mouseAt (haas, 10, 50));
    editor->timerCallback();
    EXPECT_FLOAT_EQ (haas.getNormalisedValue (1), 0.2f);

    setParameter (64, 1.0f);
    editor->timerCallback();
    EXPECT_FLOAT_EQ (editor->getBypassSwitch().getValue(), 1.0f);
}

TEST_F (EditorFixture, DraggingABandWritesTheParameterAndShowsTheReadout)
{
    auto editor = openEditor();
    auto& haas = editor->getPage (0);
    auto& readout = editor->getChangeView();
    const float y = 150.0f;   // draw mode is off: relative drag

    haas.mouseDown (mouseAt (haas, 3.0f * (float) haas.getWidth() / 16.0f + 2.0f, y));
    EXPECT_TRUE (readout.isGestureActive());
    EXPECT_EQ (readout.getText(), "0.00 us");
    EXPECT_EQ (readout.getBounds(), juce::Rectangle<int> ((int) (3 * (668 * 0.0625f) + 16 + 25), 37, 46, 16));
    haas.mouseDrag (mouseAt (haas, 3.0f * (float) haas.getWidth() / 16.0f + 2.0f, y + 40.0f));
    const float p = processor.getParameterByIndex (3).getValue();
    EXPECT_NEAR (p, 0.5f + 0.5f * 40.0f / 101.0f, 1.0e-6f);
    EXPECT_EQ (readout.getText(), ZTChangeView::textForValue (3, p));
    for (int tick = 0; tick < 13; ++tick)
        editor->timerCallback();
    EXPECT_FLOAT_EQ (readout.getAlpha(), 1.0f);
    haas.mouseUp (mouseAt (haas, 10, y));
    EXPECT_FALSE (readout.isGestureActive());
    for (int tick = 0; tick < 13; ++tick)
        editor->timerCallback();
    EXPECT_FLOAT_EQ (readout.getAlpha(), 0.0f);
}

TEST_F (EditorFixture, TabClickStoresThePageAndRetintsThePencil)
{
    auto editor = openEditor();
    auto& selector = editor->getTabSelector();
    click (selector.getTabButton (3), 10, 10);
    EXPECT_EQ (processor.editorPage, 3);
    EXPECT_EQ (selector.getSelectedIndex(), 3);
    EXPECT_TRUE (editor->getDrawSwitch().getStateImage (1) == loadImage ("btn_drawmode_active_gain"));

    click (editor->getDrawSwitch(), 20, 20);
    EXPECT_TRUE (processor.drawModeEnabled);
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_TRUE (editor->getPage (tab).isDrawModeEnabled());
    click (editor->getDrawSwitch(), 20, 20);
    EXPECT_FALSE (processor.drawModeEnabled);
}

TEST_F (EditorFixture, BypassSwitchCyclesTheParameter)
{
    auto editor = openEditor();
    setParameter (64, 1.0f);
    editor->timerCallback();
    auto& bypass = editor->getBypassSwitch();
    const float expected[] { 0.0f, 0.5f, 0.0f };
    for (float value : expected)
    {
        click (bypass, 12, 12);
        EXPECT_FLOAT_EQ (processor.getParameterByIndex (64).getValue(), value);
    }
    EXPECT_EQ (editor->getChangeView().getText(), "NYI");
}

TEST_F (EditorFixture, ReopeningShowsThePageAndPencilThatWereLeft)
{
    {
        auto editor = openEditor();
        click (editor->getTabSelector().getTabButton (3), 10, 10);
        click (editor->getDrawSwitch(), 20, 20);
    }
    auto editor = openEditor();
    EXPECT_EQ (editor->getTabSelector().getSelectedIndex(), 3);
    EXPECT_FLOAT_EQ (editor->getDrawSwitch().getValue(), 1.0f);
    EXPECT_EQ (editor->getDrawSwitch().getShownState(), 1);
    EXPECT_TRUE (editor->getDrawSwitch().getStateImage (1) == loadImage ("btn_drawmode_active_gain"));
    EXPECT_TRUE (editor->getPage (3).isDrawModeEnabled());
}

TEST_F (EditorFixture, PageFromAForeignStateIsLimitedToTheFourPages)
{
    for (int stored : { -7, 4, 1000 })
    {
        processor.editorPage = stored;
        auto editor = openEditor();
        EXPECT_EQ (editor->getTabSelector().getSelectedIndex(), stored < 0 ? 0 : 3);
        editor->changeListenerCallback (&processor);
        EXPECT_EQ (editor->getTabSelector().getSelectedIndex(), stored < 0 ? 0 : 3);
    }
}

TEST_F (EditorFixture, ChangeMessageFollowsALoadedState)
{
    auto editor = openEditor();
    processor.editorPage = 2;
    processor.drawModeEnabled = true;
    juce::MemoryBlock state;
    processor.getStateInformation (state);
    processor.editorPage = 0;
    processor.drawModeEnabled = false;
    processor.setStateInformation (state.getData(), (int) state.getSize());
    editor->changeListenerCallback (&processor);
    EXPECT_EQ (editor->getTabSelector().getSelectedIndex(), 2);
    EXPECT_FLOAT_EQ (editor->getDrawSwitch().getValue(), 1.0f);
    EXPECT_TRUE (editor->getDrawSwitch().getStateImage (1) == loadImage ("btn_drawmode_active_ms"));
}

TEST_F (EditorFixture, TwoEditorsShareTheFonts)
{
    EXPECT_EQ (SharedFonts::get(), nullptr);
    auto first = openEditor();
    auto* fonts = SharedFonts::get();
    ASSERT_NE (fonts, nullptr);
    EXPECT_EQ (fonts->labelFont.getTypefaceName(), "Roboto");

    TemporaryRoots otherFolders;
    Brume2AudioProcessor other (otherFolders.roots());
    auto second = std::unique_ptr<juce::AudioProcessorEditor> (other.createEditor());
    EXPECT_EQ (SharedFonts::get(), fonts);
    EXPECT_EQ (SharedFonts::getEditorCount(), 2);

    first.reset();
    EXPECT_EQ (SharedFonts::get(), fonts);
    EXPECT_EQ (SharedFonts::getEditorCount(), 1);
    second.reset();
    EXPECT_EQ (SharedFonts::get(), nullptr);
}

TEST_F (EditorFixture, PresetDataRoundTripsThroughTheEditor)
{
    auto editor = openEditor();
    setParameter (40, 0.25f);
    std::unique_ptr<juce::MemoryBlock> block (editor->getPresetData());
    ASSERT_NE (block, nullptr);
    setParameter (40, 0.9f);
    editor->setPresetData (block->getData(), (int) block->getSize());
    EXPECT_FLOAT_EQ (processor.getParameterByIndex (40).getValue(), 0.25f);
}
