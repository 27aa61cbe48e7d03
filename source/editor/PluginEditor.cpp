#include "editor/PluginEditor.h"

#include "editor/ImageResources.h"
#include "editor/SharedFonts.h"
#include "processor/PluginProcessor.h"

#include <cmath>

namespace
{
struct PageStyle
{
    int firstParameterIndex;
    juce::uint32 colour;
    Sliders::CurveStyle curveStyle;
    const char* defaultImage;
    const char* hoverImage;
    const char* activeImage;
    const char* pencilImage;
};

const std::array<PageStyle, 4> kPageStyles { {
    { 0, 0xFFDA5B5B, Sliders::CurveStyle::Centred, "btn_haas_default", "btn_haas_hover", "btn_haas_active", "btn_drawmode_active_haas" },
    { 16, 0xFF8CB95B, Sliders::CurveStyle::Centred, "btn_pan_default", "btn_pan_hover", "btn_pan_active", "btn_drawmode_active_pan" },
    { 32, 0xFFF5A623, Sliders::CurveStyle::Mirrored, "btn_ms_default", "btn_ms_hover", "btn_ms_active", "btn_drawmode_active_ms" },
    { 48, 0xFF4A90E2, Sliders::CurveStyle::BottomUp, "btn_gain_default", "btn_gain_hover", "btn_gain_active", "btn_drawmode_active_gain" },
} };

const std::array<const char*, 5> kFrequencyCaptions { "lbl_80hz", "lbl_600hz", "lbl_2_8khz", "lbl_6_4khz", "lbl_11khz" };
const std::array<float, 5> kCaptionColumns { 1.5f, 4.5f, 7.5f, 10.5f, 13.5f };

// The preset bar: Roboto 14 on "preset_bg", white (dimmed when no preset is current), with the
// 16 x 16 arrows drawn at 8 x 8.
PresetBarStyle makePresetBarStyle()
{
    PresetBarStyle style;
    style.font = juce::Font (robotoTypeface());
    style.fontHeight = 14.0f;
    style.backgroundImage = loadImage ("preset_bg");
    style.validTextColour = juce::Colour (0xFFFFFFFF);
    style.invalidTextColour = juce::Colour (0x80FFFFFF);
    const auto leftWhite = loadResourceImage ("arrow_left_white_png");
    const auto rightWhite = loadResourceImage ("arrow_right_white_png");
    style.previousImages = { leftWhite, leftWhite, loadResourceImage ("arrow_left_grey_png") };
    style.nextImages = { rightWhite, rightWhite, loadResourceImage ("arrow_right_grey_png") };
    style.arrowImageWidth = 8.0f;
    style.arrowImageHeight = 8.0f;
    style.showArrows = true;
    return style;
}

void drawStretched (juce::Graphics& g, const juce::Image& image, float x, float y, float w, float h)
{
    if (image.isValid())
        g.drawImage (image, juce::Rectangle<float> (x, y, w, h));
}
}

Brume2AudioProcessorEditor::Brume2AudioProcessorEditor (Brume2AudioProcessor& p)
    : juce::AudioProcessorEditor (&p),
      processorRef (p),
      presetController (*this, p.presetStore, makePresetBarStyle())   // builds the preset view and bar
{
    // The zoom icons are loaded by windowZoom itself.
    for (size_t i = 0; i < drawModeActiveImageNames.size(); ++i)
        drawModeActiveImageNames[i] = kPageStyles[i].pencilImage;

    // changeView, tabSelector and the pages start hidden and click-through by their own defaults.
    versionLabel.setText ({}, juce::dontSendNotification);

    // Fonts are made once per process and shared by every open editor.
    SharedFonts::retain();

    processorRef.addChangeListener (this);

    // Static artwork: captions, background, top bar, logos and the L/R letters.
    for (size_t k = 0; k < kFrequencyCaptions.size(); ++k)
        frequencyLabelImages[k] = loadImage (kFrequencyCaptions[k]);
    backgroundImage = loadImage ("bg");
    topBarImage = loadImage ("topbar_bg");
    logoImage = loadImage ("brume_logo");
    makerLogoImage = loadImage ("zuvotone_logo");
    leftLabelImage = loadImage ("lbl_l");
    rightLabelImage = loadImage ("lbl_r");

    for (size_t i = 0; i < pages.size(); ++i)
    {
        auto& page = *pages[i];
        page.setDrawModeEnabled (processorRef.drawModeEnabled);
        page.setBandCallback (this);
        page.setFirstParameterIndex (kPageStyles[i].firstParameterIndex);
        page.setColour (juce::Colour (kPageStyles[i].colour));
        page.setCurveStyle (kPageStyles[i].curveStyle);
    }

    // Tabs and pages, with the meters lying over the selected page.
    for (int tab = 0; tab < 4; ++tab)
    {
        const auto& style = kPageStyles[(size_t) tab];
        tabSelector.setPage (tab, pages[(size_t) tab]);
        auto& button = tabSelector.getTabButton (tab);
        button.setup (tab, &tabSelector, loadImage (style.activeImage), loadImage (style.defaultImage), loadImage (style.hoverImage));
        tabSelector.addAndMakeVisible (button);
    }
    tabSelector.setTabCount (4);
    tabSelector.setDelegate (this);
    tabSelector.addAndMakeVisible (meters);
    tabSelector.setOverlay (&meters);

    tabSelector.setSelectedTab (currentPage());
    addAndMakeVisible (tabSelector);

    bypassSwitch.init (kBypassParameterIndex, "btn_bypass_default", "btn_bypass_active", this);
    addAndMakeVisible (bypassSwitch);
    bypassSwitch.setValue (getValue (kBypassParameterIndex), true);

    // The pencil shows the selected page's colour when on.
    drawSwitch.init (-1, "btn_drawmode_default", "btn_drawmode_active_haas", this);
    retintPencil (currentPage());
    addAndMakeVisible (drawSwitch);
    drawSwitch.setValue (processorRef.drawModeEnabled ? 1.0f : 0.0f, true);

    versionLabel.setText ("v2.1.2", juce::dontSendNotification);
    if (auto* fonts = SharedFonts::get())
        versionLabel.setFont (fonts->labelFont.withHeight (10.0f));
    versionLabel.setColour (juce::Label::textColourId, juce::Colour (0xFF4A4A4A));
    versionLabel.setJustificationType (juce::Justification::centredRight);
    addAndMakeVisible (versionLabel);

    // The preset bar; the browser itself opens on demand.
    presetController.showCurrentCategory();
    addAndMakeVisible (presetController.view.presetBar);

    // Applies the stored zoom level.
    windowZoom.init (this, &processorRef.globalSettings);

    setSize (kWidth, kHeight);

    addAndMakeVisible (changeView);

    // One tick now so nothing shows stale values before the first timer period.
    timerCallback();
    startTimer (16);
}

Brume2AudioProcessorEditor::~Brume2AudioProcessorEditor()
{
    stopTimer();
    processorRef.removeChangeListener (this);
    SharedFonts::release();
}

int Brume2AudioProcessorEditor::currentPage() const
{
    return juce::jlimit (0, 3, processorRef.editorPage);
}

void Brume2AudioProcessorEditor::retintPencil (int page)
{
    drawSwitch.setStateImage (1, loadImage (drawModeActiveImageNames[(size_t) juce::jlimit (0, 3, page)]));
    drawSwitch.repaint();
}

void Brume2AudioProcessorEditor::applyDrawMode (bool enabled)
{
    processorRef.drawModeEnabled = enabled;
    for (auto* page : pages)
        page->setDrawModeEnabled (enabled);
}

void Brume2AudioProcessorEditor::paint (juce::Graphics& g)
{
    const float w = (float) getWidth();
    const float h = (float) getHeight();

    g.fillAll (juce::Colour (0xFF999999));
    drawStretched (g, backgroundImage, 0.0f, 37.0f, w, h - 37.0f);
    drawStretched (g, topBarImage, 0.0f, 0.0f, w, 45.0f);
    drawStretched (g, logoImage, 553.0f, 9.0f, 90.0f, 18.0f);
    drawStretched (g, makerLogoImage, w - 46.0f, h - 14.0f, 40.0f, 8.0f);

    const float a = (h - 77.0f) * 0.5f;
    const float q = a * 0.5f;
    const float c = a + 57.0f;
    drawStretched (g, leftLabelImage, 5.0f, c - q - 4.0f, 6.0f, 9.0f);
    drawStretched (g, rightLabelImage, 5.0f, c + q - 4.0f, 6.0f, 9.0f);

    const float x0 = (float) tabSelector.getX() + 10.0f;
    const float b = ((float) tabSelector.getWidth() - 20.0f) * 0.0625f;
    for (size_t k = 0; k < frequencyLabelImages.size(); ++k)
        drawStretched (g, frequencyLabelImages[k], kCaptionColumns[k] * b + x0 - 20.5f, h - 15.0f, 41.0f, 10.0f);
}

void Brume2AudioProcessorEditor::resized()
{
    const int w = getWidth();
    const int h = getHeight();
    windowZoom.zoomButton.setBounds (3, 8, 18, 18);
    windowZoom.setBounds (3, 28, 80, 120);
    versionLabel.setBounds (w - 50, 39, 46, 18);
    tabSelector.setBounds (25, 0, w, h - 20);
    bypassSwitch.setBounds (w - 31, 6, 24, 24);
    drawSwitch.setBounds (218, 0, 45, 37);
    presetController.view.setBounds ((int) (w * 0.5 - 185), -2, 370, 284);
    presetController.view.presetBar.setBounds (270, 8, 246, 22);
}

void Brume2AudioProcessorEditor::valueChanged (EComponent* source, int index, float value)
{
    if (index < 0)
    {
        applyDrawMode (std::round (value) != 0.0f);
        return;
    }
    if (index >= kNumParameters)
        return;
    processorRef.getParameterByIndex (index).setValueNotifyingHost (value);
    showValueReadout (source != nullptr ? source->getY() : 0, index, value);
}

juce::String Brume2AudioProcessorEditor::getParameterName (int index)
{
    return juce::isPositiveAndBelow (index, kNumParameters) ? juce::String (kParameterSpecs[(size_t) index].name) : juce::String();
}

juce::String Brume2AudioProcessorEditor::getParameterID (int index)
{
    return getParameterName (index);
}

float Brume2AudioProcessorEditor::getDefaultValue (int index)
{
    return juce::isPositiveAndBelow (index, kNumParameters) ? kParameterSpecs[(size_t) index].normalisedDefault() : 0.0f;
}

float Brume2AudioProcessorEditor::getValue (int index)
{
    return juce::isPositiveAndBelow (index, kNumParameters) ? processorRef.getParameterByIndex (index).getValue() : 0.0f;
}

void Brume2AudioProcessorEditor::beginChangeGesture (EComponent* source, int index)
{
    if (! juce::isPositiveAndBelow (index, kNumParameters))
        return;
    processorRef.getParameterByIndex (index).beginChangeGesture();
    showValueReadout (source != nullptr ? source->getY() : 0, index, getValue (index));
    changeView.setGestureActive (true);
}

void Brume2AudioProcessorEditor::endChangeGesture (EComponent*, int index)
{
    if (! juce::isPositiveAndBelow (index, kNumParameters))
        return;
    processorRef.getParameterByIndex (index).endChangeGesture();
    changeView.setGestureActive (false);
}

void Brume2AudioProcessorEditor::showValueReadout (int sourceY, int index, float value)
{
    const int band = index % 16;
    const int x = (int) ((float) band * ((float) haasPage.getWidth() * 0.0625f) + (float) haasPage.getX() + (float) tabSelector.getX());
    if (index < 16)
        changeView.setBounds (x, sourceY - 21, 46, 16);
    else
        changeView.setBounds (x, sourceY - 19, 42, 16);
    changeView.setText (ZTChangeView::textForValue (index, value));
}

void Brume2AudioProcessorEditor::tabChanged (TabSelector*, int index)
{
    processorRef.editorPage = juce::jlimit (0, 3, index);
    retintPencil (processorRef.editorPage);
}

void Brume2AudioProcessorEditor::changeListenerCallback (juce::ChangeBroadcaster*)
{
    presetController.showCurrentCategory();
    drawSwitch.setValue (processorRef.drawModeEnabled ? 1.0f : 0.0f, true);
    for (auto* page : pages)
        page->setDrawModeEnabled (processorRef.drawModeEnabled);
    tabSelector.setSelectedTab (currentPage());
    retintPencil (currentPage());
}

void Brume2AudioProcessorEditor::timerCallback()
{
    meters.update (processorRef.engine);

    bool anyPageChanged = false;
    for (auto* page : pages)
    {
        if (page->isMouseButtonHeld())
            continue;
        bool changed = false;
        const int first = page->getFirstParameterIndex();
        for (int band = 0; band < Sliders::kNumBands; ++band)
        {
            // Compared as band values: p -> 2p - 1 -> p does not round-trip below 0.25, and a
            // comparison of normalised values would then repaint the page on every tick.
            const float p = getValue (first + band);
            if (2.0f * p - 1.0f != page->getBandValue (band))
            {
                page->setNormalisedValue (first + band, p);
                changed = true;
            }
        }
        if (changed)
        {
            page->repaint();
            anyPageChanged = true;
        }
    }
    if (anyPageChanged)
    {
        tabSelector.renderInactivePages();
        tabSelector.repaint();
    }

    const float bypass = getValue (kBypassParameterIndex);
    if (bypassSwitch.getValue() != bypass)
        bypassSwitch.setValue (bypass, true);

    changeView.advanceFade();
}

std::unique_ptr<juce::MemoryBlock> Brume2AudioProcessorEditor::getPresetData()
{
    auto block = std::make_unique<juce::MemoryBlock>();
    processorRef.writeState (*block, StateScope::Preset);
    return block;
}

void Brume2AudioProcessorEditor::setPresetData (const void* data, int size)
{
    processorRef.readState (data, size, StateScope::Preset);
}
