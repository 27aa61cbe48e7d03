#include "EditorTestSupport.h"

#include "dsp/BandEngine.h"
#include "editor/TabSelector.h"
#include "editor/VUMeters.h"
#include "editor/ZTChangeView.h"
#include "editor/ZTMultiSwitch.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace editortest;

namespace
{
struct RecordingTabDelegate : TabSelector::Delegate
{
    void tabChanged (TabSelector*, int index) override { calls.push_back (index); }
    std::vector<int> calls;
};

struct TabSelectorFixture : ::testing::Test
{
    TabSelectorFixture()
    {
        const juce::uint32 colours[] { 0xFFDA5B5B, 0xFF8CB95B, 0xFFF5A623, 0xFF4A90E2 };
        for (int tab = 0; tab < 4; ++tab)
        {
            pages[(size_t) tab].setColour (juce::Colour (colours[tab]));
            pages[(size_t) tab].setNormalisedValue (0, 0.1f + 0.2f * (float) tab);
            selector.setPage (tab, &pages[(size_t) tab]);
            selector.getTabButton (tab).setup (tab, &selector, {}, {}, {});
            selector.addAndMakeVisible (selector.getTabButton (tab));
        }
        selector.setTabCount (4);
        selector.setDelegate (&delegate);
        selector.addAndMakeVisible (meters);
        selector.setOverlay (&meters);
        selector.setBounds (25, 0, 700, 260);
        selector.setSelectedTab (0);
    }

    juce::uint32 imageChecksum() const
    {
        juce::Image::BitmapData data (const_cast<juce::Image&> (selector.getInactivePagesImage()), juce::Image::BitmapData::readOnly);
        juce::uint32 sum = 0;
        for (int y = 0; y < data.height; ++y)
            for (int x = 0; x < data.width; ++x)
                sum = sum * 31u + data.getPixelColour (x, y).getARGB();
        return sum;
    }

    std::array<Sliders, 4> pages;
    VUMeters meters;
    TabSelector selector;
    RecordingTabDelegate delegate;
};
}

TEST_F (TabSelectorFixture, ClickOnAnotherTabNotifiesThenShowsThatPageUnderTheMeters)
{
    auto& gainTab = selector.getTabButton (3);
    EXPECT_EQ (gainTab.getX(), 141);
    click (gainTab, 10, 10);

    EXPECT_EQ (delegate.calls, std::vector<int> { 3 });
    EXPECT_EQ (selector.getSelectedIndex(), 3);
    EXPECT_TRUE (gainTab.getIsSelected());
    EXPECT_FALSE (selector.getTabButton (0).getIsSelected());

    int pageChildren = 0;
    for (auto& page : pages)
        pageChildren += page.getParentComponent() == &selector ? 1 : 0;
    EXPECT_EQ (pageChildren, 1);
    EXPECT_EQ (pages[3].getParentComponent(), &selector);
    EXPECT_LT (selector.getIndexOfChildComponent (&pages[3]), selector.getIndexOfChildComponent (&meters));
    EXPECT_TRUE (pages[3].getIsSelectedPage());
    EXPECT_FLOAT_EQ (pages[3].getAlpha(), 1.0f);
    EXPECT_NEAR (pages[0].getAlpha(), 0.3f, 0.5f / 255.0f);
    EXPECT_FALSE (pages[0].getIsSelectedPage());
    EXPECT_EQ (pages[3].getBounds(), juce::Rectangle<int> (16, 58, 668, 202));
    EXPECT_EQ (meters.getBounds(), pages[3].getBounds());

    // Haas, Pan and Width are outlined in the background picture; Gain is not.
    const auto& image = selector.getInactivePagesImage();
    bool haasColourFound = false;
    for (int y = 0; y < 300 && ! haasColourFound; ++y)
        haasColourFound = image.getPixelAt (20, y).getRed() > 200 && image.getPixelAt (20, y).getGreen() < 120;
    EXPECT_TRUE (haasColourFound);
}

TEST_F (TabSelectorFixture, ClickOnTheSelectedTabOrReleaseOutsideChangesNothing)
{
    const auto before = imageChecksum();
    click (selector.getTabButton (0), 10, 10);
    EXPECT_TRUE (delegate.calls.empty());
    EXPECT_EQ (imageChecksum(), before);

    auto& panTab = selector.getTabButton (1);
    panTab.mouseDown (mouseAt (panTab, 10, 10));
    EXPECT_FLOAT_EQ (panTab.getAlpha(), 0.8f);
    panTab.mouseUp (mouseAt (panTab, 10, 60));
    EXPECT_FLOAT_EQ (panTab.getAlpha(), 1.0f);
    EXPECT_TRUE (delegate.calls.empty());
    EXPECT_EQ (selector.getSelectedIndex(), 0);
}

TEST_F (TabSelectorFixture, HoverShowsTheHoverPicture)
{
    auto& tab = selector.getTabButton (2);
    tab.mouseEnter (mouseAt (tab, 5, 5, {}));
    EXPECT_TRUE (tab.getIsHovered());
    tab.mouseExit (mouseAt (tab, 5, 5, {}));
    EXPECT_FALSE (tab.getIsHovered());
}

TEST (ZTMultiSwitch, ClickCyclesBetweenOffAndHalfInsideOneGesture)
{
    RecordingCallback callback;
    ZTMultiSwitch bypass;
    bypass.init (64, "btn_bypass_default", "btn_bypass_active", &callback);
    bypass.setBounds (0, 0, 24, 24);
    bypass.setValue (1.0f);   // set by the host
    EXPECT_EQ (bypass.getShownState(), 1);

    const float expected[] { 0.0f, 0.5f, 0.0f };
    for (float value : expected)
    {
        callback.events.clear();
        click (bypass, 12, 12);
        EXPECT_FLOAT_EQ (bypass.getValue(), value);
        ASSERT_EQ (callback.events.size(), 3u);
        EXPECT_EQ (callback.events[0].kind, Event::Begin);
        EXPECT_EQ (callback.events[1].kind, Event::Change);
        EXPECT_FLOAT_EQ (callback.events[1].value, value);
        EXPECT_EQ (callback.events[1].index, 64);
        EXPECT_EQ (callback.events[2].kind, Event::End);
    }

    callback.events.clear();
    bypass.mouseDown (mouseAt (bypass, 12, 12));
    bypass.mouseUp (mouseAt (bypass, 30, 12));
    EXPECT_TRUE (callback.events.empty());
    EXPECT_FLOAT_EQ (bypass.getValue(), 0.0f);
}

TEST (VUMeters, UpdateTurnsAccumulatorsIntoSpreadsAndDecays)
{
    BandEngine engine;
    VUMeters meters;
    auto& acc = engine.getMeters();
    const auto e5 = (size_t) BandMeters::elementForBand (5);
    const auto e9 = (size_t) BandMeters::elementForBand (9);
    acc.peakLeft[e5] = 0.5f;
    acc.peakRight[e5] = 0.25f;
    acc.sideMinimum[e5] = -0.2f;
    acc.sideMaximum[e5] = 0.1f;
    acc.peakLeft[e9] = 0.7f;    // mono: equal peaks, no side
    acc.peakRight[e9] = 0.7f;

    meters.update (engine);
    const float upper = std::pow (0.5f, 0.33f) * 0.2f;
    const float lower = std::pow (0.25f, 0.33f) * 0.1f;
    EXPECT_FLOAT_EQ (engine.upperSpread[5], upper);
    EXPECT_FLOAT_EQ (engine.lowerSpread[5], lower);
    EXPECT_FLOAT_EQ (engine.bandPeak[5], 0.5f);
    EXPECT_FLOAT_EQ (meters.getShownUpper (5), upper);
    EXPECT_FLOAT_EQ (meters.getShownLower (5), lower);
    EXPECT_FLOAT_EQ (meters.getShownUpper (9), 0.0f);
    EXPECT_FLOAT_EQ (meters.getShownLower (9), 0.0f);
    EXPECT_FLOAT_EQ (meters.getShownPeak (9), 0.7f);
    EXPECT_FLOAT_EQ (meters.getShownPeak (0), 0.0f);
    for (size_t i = 0; i < 16; ++i)
    {
        EXPECT_EQ (acc.peakLeft[i].load(), 0.0f);
        EXPECT_EQ (acc.sideMinimum[i].load(), 0.0f);
    }

    // Silence: every shown value falls by 0.9 per tick.
    float expectedPeak = 0.7f;
    for (int tick = 0; tick < 22; ++tick)
    {
        meters.update (engine);
        expectedPeak = (float) ((double) expectedPeak * 0.9);
    }
    EXPECT_FLOAT_EQ (meters.getShownPeak (9), expectedPeak);
    EXPECT_LT (meters.getShownPeak (9), 0.07f);

    // A new, higher peak shows at once.
    acc.peakRight[e9] = 0.3f;
    meters.update (engine);
    EXPECT_FLOAT_EQ (meters.getShownPeak (9), 0.3f);
}

TEST (ZTChangeView, TextForEachParameterGroup)
{
    struct Case { int index; float value; const char* text; };
    const Case cases[] {
        { 0, 0.5f, "0.00 us" }, { 3, 0.6f, "64.00 us" }, { 15, 0.75f, "2.500 ms" },
        { 0, 1.0f, "40.00 ms" }, { 0, 0.0f, "40.00 ms" }, { 1, 0.25f, "2.500 ms" }, { 2, 0.85f, "9.604 ms" }, { 2, 0.9f, "16.38 ms" },
        { 16, 0.0f, "-100%" }, { 20, 0.5f, "0%" }, { 31, 1.0f, "100%" }, { 16, 0.2525f, "-50%" },
        { 32, 0.5f, "50%" }, { 47, 1.0f, "100%" }, { 40, 0.0f, "0%" },
        { 48, 0.0f, "-inf" }, { 50, 0.25f, "-12.0 dB" }, { 63, 0.5f, "0.0 dB" }, { 48, 1.0f, "10.0 dB" },
        { 48, 0.001f, "-inf" },
        { 64, 0.5f, "NYI" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (ZTChangeView::textForValue (c.index, c.value), juce::String (c.text)) << "index " << c.index << " value " << c.value;
}

TEST (ZTChangeView, FadeStepsAndReversesFromWhereItIs)
{
    ZTChangeView view;
    EXPECT_FLOAT_EQ (view.getAlpha(), 0.0f);

    view.setGestureActive (true);
    for (int tick = 0; tick < 5; ++tick)
        view.advanceFade();
    EXPECT_NEAR (view.getOpacity(), 0.4f, 1.0e-6f);
    EXPECT_NEAR (view.getAlpha(), 0.4f, 0.5f / 255.0f);

    view.setGestureActive (false);   // ends before full opacity: fades out from 0.4
    view.advanceFade();
    EXPECT_NEAR (view.getOpacity(), 0.32f, 1.0e-6f);
    for (int tick = 0; tick < 10; ++tick)
        view.advanceFade();
    EXPECT_FLOAT_EQ (view.getOpacity(), 0.0f);
    EXPECT_FLOAT_EQ (view.getAlpha(), 0.0f);

    view.setGestureActive (true);
    int ticks = 0;
    while (view.getOpacity() < 1.0f && ticks < 100)
    {
        view.advanceFade();
        ++ticks;
    }
    EXPECT_EQ (ticks, 13);
    EXPECT_FLOAT_EQ (view.getAlpha(), 1.0f);
}
