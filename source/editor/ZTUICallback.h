#pragma once

#include <juce_core/juce_core.h>

class EComponent;

// How the editor's value widgets read and write parameters by index: 0 to 63 the band
// parameters, 64 Bypass, -1 the pencil toggle (not a parameter). The bodies here are the
// defaults of a callback that is not bound to a processor.
class ZTUICallback
{
public:
    virtual ~ZTUICallback() = default;

    virtual void valueChanged (EComponent* source, int index, float value) { juce::ignoreUnused (source, index, value); }

    // Notification hooks nothing in this program calls; kept so a widget can report them.
    virtual void mouseEntered (EComponent*, int) {}
    virtual void mouseExited (EComponent*, int) {}
    virtual void widgetShown (EComponent*, int) {}
    virtual void widgetHidden (EComponent*, int) {}
    virtual void widgetResized (EComponent*, int) {}
    virtual void widgetRepainted (EComponent*, int) {}

    virtual juce::String getParameterName (int index) { juce::ignoreUnused (index); return "strVal"; }
    virtual juce::String getParameterID (int index) { return "PAR" + juce::String (index); }
    virtual float getDefaultValue (int index) { juce::ignoreUnused (index); return 0.0f; }
    virtual float getValue (int index) { juce::ignoreUnused (index); return 0.0f; }

    virtual void beginChangeGesture (EComponent* source, int index) { juce::ignoreUnused (source, index); }
    virtual void endChangeGesture (EComponent* source, int index) { juce::ignoreUnused (source, index); }
};
