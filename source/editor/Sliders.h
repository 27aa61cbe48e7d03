#pragma once

#include "editor/EComponent.h"

#include <array>

// One band page: the sixteen values of a parameter group as columns, edited by a relative drag
// of one band or, with the pencil on, drawn free-hand across the bands.
class Sliders : public EComponent
{
public:
    // How a mouse height maps to a band value and how the values are drawn.
    enum class CurveStyle
    {
        Centred = 0,    // Haas, Pan: -1 at the top, +1 at the bottom
        Mirrored = 1,   // Width: +1 at both edges, -1 on the centre line
        BottomUp = 2    // Gain: +1 at the top, -1 at the bottom
    };

    static constexpr int kNumBands = 16;

    Sliders();
    ~Sliders() override = default;

    void setBandCallback (ZTUICallback* newCallback) noexcept { bandCallback = newCallback; }
    void setFirstParameterIndex (int index) noexcept { firstParameterIndex = index; }
    int getFirstParameterIndex() const noexcept { return firstParameterIndex; }
    void setColour (juce::Colour newColour) noexcept { colour = newColour; }
    juce::Colour getColour() const noexcept { return colour; }
    void setCurveStyle (CurveStyle style) noexcept { curveStyle = style; }
    CurveStyle getCurveStyle() const noexcept { return curveStyle; }
    void setDrawModeEnabled (bool enabled) noexcept { drawModeEnabled = enabled; }
    bool isDrawModeEnabled() const noexcept { return drawModeEnabled; }
    void setIsSelectedPage (bool selected) noexcept { isSelectedPage = selected; }
    bool getIsSelectedPage() const noexcept { return isSelectedPage; }
    bool isMouseButtonHeld() const noexcept { return mouseIsDown; }
    int getHoveredBand() const noexcept { return hoveredBand; }
    float getBandValue (int band) const noexcept { return values[(size_t) band]; }

    float getNormalisedValue (int index) override;
    void setNormalisedValue (int index, float normalised) override;
    bool refreshFromHost (bool notify) override;

    void mouseMove (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
    void paint (juce::Graphics&) override;
    void resized() override {}

    // Also used by the tab selector to draw an unselected page into its cached image.
    void drawBands (juce::Graphics& g, int width, int height);

private:
    int bandAt (int x) const noexcept;
    float valueForHeight (int y) const noexcept;   // v = 2t - 1 for the style
    float resetValue() const noexcept { return curveStyle == CurveStyle::Mirrored ? 1.0f : 0.0f; }
    void reportBand (int band);
    static bool isBand (int band) noexcept { return band >= 0 && band < kNumBands; }

    CurveStyle curveStyle = CurveStyle::Centred;
    ZTUICallback* bandCallback = nullptr;   // not owned: the editor
    int firstParameterIndex = 0;
    int hoveredBand = -1;
    int activeBand = -1;
    bool mouseIsDown = false;
    juce::Point<float> lastMousePosition;
    juce::Colour colour { 0xB2CCCCCC };
    bool isSelectedPage = false;
    bool drawModeEnabled = false;
    std::array<float, kNumBands> values {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Sliders)
};
