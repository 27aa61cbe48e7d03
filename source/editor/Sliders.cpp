#include "editor/Sliders.h"

#include <cmath>

Sliders::Sliders()
{
    setAlpha (0.3f);
    setInterceptsMouseClicks (false, false);
}

float Sliders::getNormalisedValue (int index)
{
    const int band = index - firstParameterIndex;
    if (! isBand (band))
        return 0.5f;
    return (float) ((double) values[(size_t) band] * 0.5 + 0.5);
}

void Sliders::setNormalisedValue (int index, float normalised)
{
    const int band = index - firstParameterIndex;
    if (isBand (band))
        values[(size_t) band] = 2.0f * normalised - 1.0f;
}

bool Sliders::refreshFromHost (bool notify)
{
    if (mouseIsDown || bandCallback == nullptr)
        return false;

    bool changed = false;
    for (int band = 0; band < kNumBands; ++band)
    {
        const int index = firstParameterIndex + band;
        const float p = bandCallback->getValue (index);
        if (2.0f * p - 1.0f != values[(size_t) band])   // see the editor's timer
        {
            values[(size_t) band] = 2.0f * p - 1.0f;
            changed = true;
            if (notify)
                bandCallback->valueChanged (this, index, p);
        }
    }
    if (changed)
        repaint();
    return changed;
}

int Sliders::bandAt (int x) const noexcept
{
    const int w = juce::jmax (1, getWidth());
    return (int) ((float) x / (float) w * 16.0f);
}

float Sliders::valueForHeight (int y) const noexcept
{
    const float h = (float) juce::jmax (1, getHeight());
    const float fy = (float) y;
    float t = 0.0f;
    switch (curveStyle)
    {
        case CurveStyle::Centred:  t = fy / h; break;
        case CurveStyle::Mirrored: t = fy < h * 0.5f ? 1.0f - fy / (h * 0.5f) : (fy - h * 0.5f) / (h * 0.5f); break;
        case CurveStyle::BottomUp: t = 1.0f - fy / h; break;
    }
    return 2.0f * t - 1.0f;
}

void Sliders::reportBand (int band)
{
    if (bandCallback != nullptr)
        bandCallback->valueChanged (this, firstParameterIndex + band, getNormalisedValue (firstParameterIndex + band));
}

void Sliders::mouseMove (const juce::MouseEvent& e)
{
    if (e.x >= 0 && e.x < getWidth() && e.y >= 0 && e.y < getHeight())
    {
        const int band = bandAt (e.x);
        if (band != hoveredBand)
        {
            hoveredBand = band;
            repaint();
        }
    }
    else if (hoveredBand != -1)
    {
        hoveredBand = -1;
        repaint();
    }
}

void Sliders::mouseExit (const juce::MouseEvent&)
{
    hoveredBand = -1;
    repaint();
}

void Sliders::mouseDown (const juce::MouseEvent& e)
{
    mouseIsDown = true;
    // A press always lands inside the page; the limit only keeps a stray event from addressing
    // a neighbouring page's parameter.
    activeBand = juce::jlimit (0, kNumBands - 1, bandAt (e.x));
    lastMousePosition = { (float) e.x, (float) e.y };

    if (bandCallback != nullptr)
        bandCallback->beginChangeGesture (this, firstParameterIndex + activeBand);

    if (! drawModeEnabled)
        return;

    values[(size_t) activeBand] = valueForHeight (e.y);
    reportBand (activeBand);
    repaint();
}

void Sliders::mouseDrag (const juce::MouseEvent& e)
{
    if (! isBand (activeBand))
        return;

    if (drawModeEnabled)
    {
        const int band = juce::jlimit (0, kNumBands - 1, bandAt (e.x));
        if (band != activeBand)
        {
            // Every band a stroke touches gets a gesture of its own.
            if (bandCallback != nullptr)
                bandCallback->endChangeGesture (this, firstParameterIndex + activeBand);
            activeBand = band;
            if (bandCallback != nullptr)
                bandCallback->beginChangeGesture (this, firstParameterIndex + activeBand);
        }

        float v = valueForHeight (e.y);
        v = e.mods.isShiftDown() ? resetValue() : juce::jlimit (-1.0f, 1.0f, v);
        values[(size_t) activeBand] = v;
        reportBand (activeBand);
        repaint();
        return;
    }

    double d = ((double) e.y - (double) lastMousePosition.y) / ((double) getHeight() * 0.5);
    if (e.mods.isAltDown())
        d *= 0.1;

    double v = values[(size_t) activeBand];
    v = curveStyle == CurveStyle::Centred ? v + d : v - d;
    // Shift in a relative drag means "centre", even on the Width page.
    values[(size_t) activeBand] = e.mods.isShiftDown() ? 0.0f : (float) juce::jlimit (-1.0, 1.0, v);
    reportBand (activeBand);
    lastMousePosition = { (float) e.x, (float) e.y };
    repaint();
}

void Sliders::mouseUp (const juce::MouseEvent&)
{
    mouseIsDown = false;
    if (isBand (activeBand) && bandCallback != nullptr)
        bandCallback->endChangeGesture (this, firstParameterIndex + activeBand);
}

void Sliders::mouseDoubleClick (const juce::MouseEvent& e)
{
    const int band = juce::jlimit (0, kNumBands - 1, bandAt (e.x));
    values[(size_t) band] = resetValue();
    repaint();
    reportBand (band);
}

void Sliders::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    const int band = juce::jlimit (0, kNumBands - 1, bandAt (e.x));
    const double step = e.mods.isAltDown() ? 0.02 : 0.2;
    const double dy = wheel.deltaY;
    double v = values[(size_t) band];
    v = curveStyle == CurveStyle::Centred ? v - dy * step : v + dy * step;
    values[(size_t) band] = (float) juce::jlimit (-1.0, 1.0, v);
    reportBand (band);
    repaint();
}

void Sliders::paint (juce::Graphics& g)
{
    drawBands (g, getWidth(), getHeight());
}

void Sliders::drawBands (juce::Graphics& g, int width, int height)
{
    const float W = (float) width;
    const float H = (float) height;
    const float bw = W * 0.0625f;
    const float mid = H * 0.5f;
    const float half = mid - 1.0f;

    juce::Path upper, lower;

    for (int i = 0; i < kNumBands; ++i)
    {
        const float v = values[(size_t) i];
        g.setColour (i == hoveredBand ? colour.withAlpha ((juce::uint8) 0xE6) : colour);

        if (isSelectedPage)
        {
            const float x = (float) i * bw + 5.0f;
            const float barWidth = bw - 10.0f;
            switch (curveStyle)
            {
                case CurveStyle::Centred:
                    if (v >= 0.0f)
                        g.fillRect (x, mid, barWidth, juce::jmax (1.0f, half * v));
                    else
                        g.fillRect (x, mid + half * v, barWidth, juce::jmax (1.0f, half * -v));
                    break;
                case CurveStyle::Mirrored:
                {
                    const float a = (0.5f + 0.5f * v) * half;
                    g.fillRect (x, mid - a, barWidth, juce::jmax (1.0f, 2.0f * a));
                    break;
                }
                case CurveStyle::BottomUp:
                {
                    const float a = (0.5f + 0.5f * v) * H;
                    float y = H - a;
                    if (a < 1.0f)
                        y -= 1.0f;
                    g.fillRect (x, y, barWidth, juce::jmax (1.0f, a));
                    break;
                }
            }
            continue;
        }

        auto addStep = [i, bw] (juce::Path& path, float y)
        {
            if (i == 0)
            {
                path.startNewSubPath (0.0f, y);
                path.lineTo (bw, y);
            }
            else
            {
                path.lineTo ((float) i * bw, y);
                path.lineTo ((float) (i + 1) * bw, y);
            }
        };

        switch (curveStyle)
        {
            case CurveStyle::Centred:  addStep (upper, mid + half * v); break;
            case CurveStyle::BottomUp: addStep (upper, mid - half * v); break;
            case CurveStyle::Mirrored:
            {
                const float a = (0.5f + 0.5f * v) * half;
                addStep (upper, mid - a);
                addStep (lower, mid + a);
                break;
            }
        }
    }

    if (isSelectedPage)
        return;

    g.setColour (colour);
    g.strokePath (upper, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
    if (curveStyle == CurveStyle::Mirrored)
        g.strokePath (lower, juce::PathStrokeType (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}
