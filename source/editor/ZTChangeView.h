#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The small box over a band that shows the edited value in its unit while a change gesture
// lasts, fading in and out on the editor's timer.
class ZTChangeView : public juce::Component
{
public:
    ZTChangeView();
    ~ZTChangeView() override = default;

    // The readout text for a parameter index and normalised value.
    static juce::String textForValue (int index, float value);

    void setText (const juce::String& newText);
    const juce::String& getText() const noexcept { return text; }
    void setGestureActive (bool active) noexcept { gestureActive = active; }
    bool isGestureActive() const noexcept { return gestureActive; }
    float getOpacity() const noexcept { return opacity; }

    // One step of the fade, every timer tick: 0.08 towards 1 while a gesture lasts, else towards 0.
    void advanceFade();

    void paint (juce::Graphics&) override;
    void resized() override {}

private:
    bool gestureActive = false;
    juce::String text;
    float opacity = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZTChangeView)
};
