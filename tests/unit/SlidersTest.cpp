#include "EditorTestSupport.h"

#include "editor/Sliders.h"

#include <gtest/gtest.h>

using namespace editortest;
using Style = Sliders::CurveStyle;

namespace
{
// 320 px wide (20 px per band), 202 px high (101 px from the centre to an edge).
struct SlidersFixture : ::testing::Test
{
    void setUpPage (Style style, int firstIndex, bool drawMode)
    {
        page.setBounds (0, 0, 320, 202);
        page.setCurveStyle (style);
        page.setFirstParameterIndex (firstIndex);
        page.setBandCallback (&callback);
        page.setDrawModeEnabled (drawMode);
        callback.values.fill (0.5f);
        page.refreshFromHost (false);   // all bands at the recorded 0.5
        callback.events.clear();
    }

    static float bandX (int band) { return (float) band * 20.0f + 10.0f; }

    Sliders page;
    RecordingCallback callback;
};
}

TEST_F (SlidersFixture, DrawStrokeChangesOnlyBandsUnderEventsEachInItsOwnGesture)
{
    setUpPage (Style::Centred, 0, true);

    page.mouseDown (mouseAt (page, bandX (0), 50));
    page.mouseDrag (mouseAt (page, bandX (3), 150));
    page.mouseDrag (mouseAt (page, bandX (3) + 5, 20));
    page.mouseDrag (mouseAt (page, bandX (6), 152));
    page.mouseUp (mouseAt (page, bandX (6), 152));

    std::vector<std::pair<Event::Kind, int>> gestures;
    for (const auto& e : callback.events)
        if (e.kind != Event::Change)
            gestures.push_back ({ e.kind, e.index });
    const std::vector<std::pair<Event::Kind, int>> expected {
        { Event::Begin, 0 }, { Event::End, 0 }, { Event::Begin, 3 }, { Event::End, 3 }, { Event::Begin, 6 }, { Event::End, 6 }
    };
    EXPECT_EQ (gestures, expected);

    // Changes arrive only inside the gesture of their band.
    int open = -1;
    for (const auto& e : callback.events)
    {
        if (e.kind == Event::Begin) open = e.index;
        else if (e.kind == Event::End) open = -1;
        else EXPECT_EQ (e.index, open);
    }

    for (int band = 0; band < 16; ++band)
    {
        const bool touched = band == 0 || band == 3 || band == 6;
        EXPECT_EQ (page.getNormalisedValue (band) != 0.5f, touched) << "band " << band;
    }
    EXPECT_FLOAT_EQ (page.getBandValue (3), 2.0f * 20.0f / 202.0f - 1.0f);   // the last event in band 3 counts
    EXPECT_FLOAT_EQ (page.getNormalisedValue (6), 152.0f / 202.0f);
}

TEST_F (SlidersFixture, DrawClickMapsHeightPerStyle)
{
    struct Case { Style style; float y; float normalised; };
    const Case cases[] {
        { Style::BottomUp, 0.0f, 1.0f },      // top of Gain: +1
        { Style::Centred, 0.0f, 0.0f },       // top of Haas: -1
        { Style::Mirrored, 101.0f, 0.0f },    // centre line of Width: -1
        { Style::Mirrored, 0.0f, 1.0f },
        { Style::Centred, 101.0f, 0.5f },
        { Style::BottomUp, 152.0f, 1.0f - 152.0f / 202.0f },
    };
    for (const auto& c : cases)
    {
        setUpPage (c.style, 16, true);
        page.mouseDown (mouseAt (page, bandX (2), c.y));
        EXPECT_FLOAT_EQ (page.getNormalisedValue (18), c.normalised) << "style " << (int) c.style << " y " << c.y;
        ASSERT_EQ (callback.count (Event::Change), 1);
        EXPECT_EQ (callback.events.back().index, 18);
        page.mouseUp (mouseAt (page, bandX (2), c.y));
        EXPECT_EQ (callback.count (Event::Begin), callback.count (Event::End));
    }
}

TEST_F (SlidersFixture, DrawOutsideThePagePinsBandAndClampsValue)
{
    setUpPage (Style::BottomUp, 48, true);
    page.mouseDown (mouseAt (page, bandX (8), 100));
    page.mouseDrag (mouseAt (page, -40, -300));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (48), 1.0f);
    page.mouseDrag (mouseAt (page, 900, 900));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (63), 0.0f);
    page.mouseUp (mouseAt (page, 900, 900));
    EXPECT_EQ (callback.count (Event::Begin), 3);
    EXPECT_EQ (callback.count (Event::End), 3);
}

TEST_F (SlidersFixture, RelativeDragFollowsTheMouseWithAltForFineSteps)
{
    struct Case { Style style; juce::ModifierKeys mods; float dy; float bandValue; };
    const Case cases[] {
        { Style::Centred, kLeft, 101.0f, 1.0f },    // 101 px on a 202 px page moves by 1.0
        { Style::Centred, kAlt, 101.0f, 0.1f },
        { Style::Centred, kLeft, -40.0f, -40.0f / 101.0f },
        { Style::BottomUp, kLeft, -101.0f, 1.0f },  // up raises a gain bar
        { Style::BottomUp, kAlt, 101.0f, -0.1f },
        { Style::Mirrored, kLeft, 40.0f, -40.0f / 101.0f },
        { Style::Centred, kLeft, 400.0f, 1.0f },    // clamped
    };
    for (const auto& c : cases)
    {
        setUpPage (c.style, 0, false);
        page.mouseDown (mouseAt (page, bandX (5), 60));
        EXPECT_EQ (callback.count (Event::Change), 0);   // a press without moving changes nothing
        page.mouseDrag (mouseAt (page, bandX (5), 60 + c.dy, c.mods));
        page.mouseDrag (mouseAt (page, bandX (12), 60 + c.dy, c.mods));   // sideways: no change
        page.mouseUp (mouseAt (page, bandX (12), 60 + c.dy));
        EXPECT_NEAR (page.getBandValue (5), c.bandValue, 1.0e-6f) << "style " << (int) c.style << " dy " << c.dy;
        EXPECT_FLOAT_EQ (page.getBandValue (12), 0.0f);
        EXPECT_EQ (callback.count (Event::Begin), 1);
        EXPECT_EQ (callback.count (Event::End), 1);
        EXPECT_EQ (callback.events.front().index, 5);
    }
}

TEST_F (SlidersFixture, ShiftResetsPerStyleAndGesture)
{
    struct Case { Style style; bool drawMode; float normalised; };
    const Case cases[] {
        { Style::Mirrored, false, 0.5f },   // relative drag: centre, even for Width
        { Style::Mirrored, true, 1.0f },    // drawing: the Width default
        { Style::Centred, true, 0.5f },
        { Style::BottomUp, false, 0.5f },
        { Style::BottomUp, true, 0.5f },
    };
    for (const auto& c : cases)
    {
        setUpPage (c.style, 32, c.drawMode);
        page.mouseDown (mouseAt (page, bandX (1), 30));
        page.mouseDrag (mouseAt (page, bandX (1), 10, kShift));
        page.mouseUp (mouseAt (page, bandX (1), 10));
        EXPECT_FLOAT_EQ (page.getNormalisedValue (33), c.normalised) << "style " << (int) c.style << " draw " << c.drawMode;
    }
}

TEST_F (SlidersFixture, DoubleClickAndWheelChangeValuesWithoutGestures)
{
    setUpPage (Style::Mirrored, 32, false);
    page.setNormalisedValue (36, 0.2f);
    page.mouseDoubleClick (mouseAt (page, bandX (4), 80, kLeft, 2));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (36), 1.0f);

    setUpPage (Style::Centred, 16, false);
    page.setNormalisedValue (17, 0.9f);
    page.mouseDoubleClick (mouseAt (page, bandX (1), 80, kLeft, 2));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (17), 0.5f);

    struct WheelCase { Style style; juce::ModifierKeys mods; float delta; float bandValue; };
    const WheelCase cases[] {
        { Style::Centred, {}, 1.0f, -0.2f },   // Pan
        { Style::BottomUp, {}, 1.0f, 0.2f },   // Gain
        { Style::Centred, juce::ModifierKeys (juce::ModifierKeys::altModifier), 1.0f, -0.02f },
        { Style::BottomUp, {}, 20.0f, 1.0f },  // clamped
    };
    for (const auto& c : cases)
    {
        setUpPage (c.style, 16, false);
        wheel (page, bandX (9), 80, c.delta, c.mods);
        EXPECT_NEAR (page.getBandValue (9), c.bandValue, 1.0e-6f);
        ASSERT_EQ (callback.count (Event::Change), 1);
        EXPECT_EQ (callback.events.back().index, 25);
    }
    EXPECT_EQ (callback.count (Event::Begin), 0);
    EXPECT_EQ (callback.count (Event::End), 0);
}

TEST_F (SlidersFixture, HoverFollowsMoveNotDragAndClearsOnExit)
{
    setUpPage (Style::Centred, 0, true);
    page.mouseMove (mouseAt (page, bandX (7), 40, {}));
    EXPECT_EQ (page.getHoveredBand(), 7);
    page.mouseDown (mouseAt (page, bandX (7), 40));
    page.mouseDrag (mouseAt (page, bandX (11), 40));
    EXPECT_EQ (page.getHoveredBand(), 7);
    page.mouseUp (mouseAt (page, bandX (11), 40));
    page.mouseMove (mouseAt (page, 400, 40, {}));
    EXPECT_EQ (page.getHoveredBand(), -1);
    page.mouseMove (mouseAt (page, bandX (2), 40, {}));
    page.mouseExit (mouseAt (page, bandX (2), 40, {}));
    EXPECT_EQ (page.getHoveredBand(), -1);
}

TEST_F (SlidersFixture, RefreshFromHostWaitsForTheButtonRelease)
{
    setUpPage (Style::Centred, 0, false);
    page.mouseDown (mouseAt (page, bandX (0), 40));
    callback.values[3] = 0.9f;
    EXPECT_FALSE (page.refreshFromHost (false));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (3), 0.5f);
    page.mouseUp (mouseAt (page, bandX (0), 40));
    EXPECT_TRUE (page.refreshFromHost (false));
    EXPECT_FLOAT_EQ (page.getNormalisedValue (3), 0.9f);
    // A value that does not survive p -> 2p - 1 -> p exactly is not taken as a change again.
    callback.values[4] = 0.1f;
    EXPECT_TRUE (page.refreshFromHost (false));
    EXPECT_FALSE (page.refreshFromHost (false));
}

TEST_F (SlidersFixture, ExtremeValuesStillDrawAOnePixelBar)
{
    struct Case { Style style; float normalised; int row; };
    const Case cases[] {
        { Style::Mirrored, 0.0f, 101 },   // Width at -1: a line on the centre
        { Style::Centred, 0.5f, 101 },    // Haas and Pan at 0: a line on the centre
        { Style::BottomUp, 0.0f, 201 },   // Gain at -1: the bottom row
    };
    for (const auto& c : cases)
    {
        setUpPage (c.style, 0, false);
        page.setIsSelectedPage (true);
        page.setColour (juce::Colours::black);
        for (int i = 0; i < 16; ++i)
            page.setNormalisedValue (i, c.normalised);
        juce::Image image (juce::Image::ARGB, 320, 202, true);
        {
            juce::Graphics g (image);
            page.drawBands (g, 320, 202);
        }
        EXPECT_GT (image.getPixelAt (10, c.row).getAlpha(), 0) << "style " << (int) c.style;
        EXPECT_EQ (image.getPixelAt (10, c.row - 3).getAlpha(), 0) << "style " << (int) c.style;
    }
}
