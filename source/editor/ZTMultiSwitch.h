#pragma once

#include "editor/EComponent.h"

// A picture switch bound to one callback index. State s is the value s / numStates; a click
// steps to the next state inside one change gesture.
class ZTMultiSwitch : public EComponent
{
public:
    ZTMultiSwitch() = default;
    ~ZTMultiSwitch() override = default;

    void init (int index, const char* offImageName, const char* onImageName, ZTUICallback* newCallback);
    void setStateImage (int state, const juce::Image& image);
    const juce::Image& getStateImage (int state) const { return images.getReference (state); }
    int getShownState() const noexcept;

    float getNormalisedValue (int index) override;
    void setNormalisedValue (int index, float normalised) override;
    bool refreshFromHost (bool notify) override;

    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override {}

private:
    int numStates = 2;
    juce::Array<juce::Image> images;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ZTMultiSwitch)
};
