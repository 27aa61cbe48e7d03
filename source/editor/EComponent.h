#pragma once

#include "editor/ZTUICallback.h"

#include <juce_gui_basics/juce_gui_basics.h>

// Common base of the editor's value widgets (band pages and switches).
class EComponent : public juce::Component
{
public:
    EComponent() = default;
    ~EComponent() override = default;

    virtual void setCallback (ZTUICallback* newCallback) { callback = newCallback; }
    virtual void setValue (float v) { setValue (v, true); }
    virtual void setValue (float v, bool shouldRepaint)
    {
        value = v;
        if (shouldRepaint)
            repaint();
    }
    virtual float getMinimumValue() const { return 0.0f; }
    virtual float getMaximumValue() const { return 0.0f; }
    virtual float getValue() const { return value; }
    virtual void setParameterIndex (int index) { parameterIndex = index; }
    virtual int getParameterIndex() const { return parameterIndex; }

    virtual float getNormalisedValue (int index) = 0;
    virtual void setNormalisedValue (int index, float normalised) = 0;
    virtual void valueWillChange() {}
    virtual bool refreshFromHost (bool notify) = 0;
    virtual void valueDidChange() {}

protected:
    ZTUICallback* callback = nullptr;   // not owned
    float value = 0.0f;
    int parameterIndex = -1;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EComponent)
};
