#include "EditorTestSupport.h"

#include "editor/PluginEditor.h"
#include "editor/ZTGlobalSettings.h"
#include "editor/ZTWindowZoom.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

using namespace editortest;

namespace
{
struct ZoomFixture : ::testing::Test
{
    ZoomFixture() { parent.setSize (700, 280); }
    ~ZoomFixture() override { juce::Desktop::getInstance().setGlobalScaleFactor (1.0f); }

    void storeZoom (const juce::String& text)
    {
        ZTGlobalSettings writer (folders.roots());
        writer.properties->setValue ("Zoom", text);
        ASSERT_TRUE (writer.properties->save());
    }

    juce::String storedZoom()
    {
        juce::PropertiesFile reader (settingsFileIn (folders), ZTGlobalSettings::fileOptions());
        return reader.getValue ("Zoom", "<none>");
    }

    TemporaryRoots folders;
    juce::Component parent;
};
}

TEST_F (ZoomFixture, StoredLevelSetsScaleAndHighlightedLine)
{
    struct Case { const char* stored; float factor; int item; };
    const Case cases[] {
        { "75", 0.75f, 0 }, { "100", 1.0f, 1 }, { "125", 1.25f, 2 }, { "150", 1.5f, 3 }, { "175", 1.75f, 4 },
        { "200", 2.0f, 5 }, { "300", 3.0f, 1 }, { "301", 1.0f, 1 }, { "abc", 1.0f, 1 }, { "50", 0.5f, 1 }, { "19", 1.0f, 1 },
    };
    for (const auto& c : cases)
    {
        storeZoom (c.stored);
        ZTGlobalSettings settings (folders.roots());
        ZTWindowZoom zoom;
        zoom.init (&parent, &settings);
        EXPECT_FLOAT_EQ (zoom.getCurrentScale(), c.factor) << c.stored;
        EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), c.factor) << c.stored;
        EXPECT_EQ (zoom.getSelectedItem(), c.item) << c.stored;
        EXPECT_EQ (zoom.zoomButton.getParentComponent(), &parent);
        EXPECT_FALSE (zoom.isMenuOpen());
        juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);
    }
}

TEST_F (ZoomFixture, MissingFileMeansHundredAndLeavesTheScaleAlone)
{
    juce::Desktop::getInstance().setGlobalScaleFactor (1.7f);
    ZTGlobalSettings settings (folders.roots());
    ZTWindowZoom zoom;
    zoom.init (&parent, &settings);
    EXPECT_EQ (zoom.getSelectedItem(), 1);
    // The stored 1.0 equals the window's own starting scale: the process-wide factor is not touched.
    EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 1.7f);
}

TEST_F (ZoomFixture, ChoosingALevelWritesItAtOnceAndANewWindowOpensThere)
{
    {
        Brume2AudioProcessor processor (folders.roots());
        std::unique_ptr<Brume2AudioProcessorEditor> editor (static_cast<Brume2AudioProcessorEditor*> (processor.createEditor()));
        auto& zoom = editor->getWindowZoom();
        click (zoom.zoomButton, 9, 9);
        ASSERT_TRUE (zoom.isMenuOpen());
        EXPECT_EQ (zoom.getBounds(), juce::Rectangle<int> (3, 28, 80, 120));
        EXPECT_EQ (editor->getIndexOfChildComponent (&zoom), editor->getNumChildComponents() - 1);

        auto& line = zoom.getItem (3);
        EXPECT_EQ (line.label, "150%");
        click (line, 40, 10);
        EXPECT_FALSE (zoom.isMenuOpen());
        EXPECT_EQ (storedZoom(), "150");
        EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 1.5f);
    }
    juce::Desktop::getInstance().setGlobalScaleFactor (1.0f);

    Brume2AudioProcessor processor (folders.roots());
    std::unique_ptr<Brume2AudioProcessorEditor> editor (static_cast<Brume2AudioProcessorEditor*> (processor.createEditor()));
    EXPECT_EQ (editor->getWindowZoom().getSelectedItem(), 3);
    EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 1.5f);
    EXPECT_EQ (editor->getWidth(), 700);
}

TEST_F (ZoomFixture, ReleasingOutsideOrClickingBesideTheMenuChangesNothing)
{
    ZTGlobalSettings settings (folders.roots());
    ZTWindowZoom zoom;
    zoom.init (&parent, &settings);
    zoom.openMenu();

    auto& line = zoom.getItem (5);
    line.mouseDown (mouseAt (line, 10, 10));
    EXPECT_TRUE (line.pressed);
    line.mouseUp (mouseAt (line, 10, 30));
    EXPECT_FALSE (line.pressed);
    EXPECT_EQ (zoom.getSelectedItem(), 1);
    EXPECT_TRUE (zoom.isMenuOpen());

    auto& selected = zoom.getItem (1);
    selected.mouseDown (mouseAt (selected, 10, 10));
    EXPECT_FALSE (selected.pressed);

    zoom.getPlate().mouseDown (mouseAt (zoom.getPlate(), 400, 200));
    EXPECT_FALSE (zoom.isMenuOpen());
    EXPECT_EQ (zoom.getPlate().getParentComponent(), nullptr);
    EXPECT_EQ (storedZoom(), "<none>");
    EXPECT_FLOAT_EQ (juce::Desktop::getInstance().getGlobalScaleFactor(), 1.0f);
}
