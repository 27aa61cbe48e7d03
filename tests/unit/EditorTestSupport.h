#pragma once

// Helpers for tests that drive the editor's widgets the way a user does: synthesized mouse
// events, a callback that records what the widgets report, and throw-away folder roots.

#include "TestSupport.h"
#include "editor/EComponent.h"
#include "presets/PluginFolders.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <vector>

namespace editortest
{
inline juce::MouseEvent mouseAt (juce::Component& target, float x, float y,
                                 juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier, int clicks = 1)
{
    const auto now = juce::Time::getCurrentTime();
    return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), { x, y }, mods,
                             juce::MouseInputSource::defaultPressure, 0.0f, 0.0f, 0.0f, 0.0f,
                             &target, &target, now, { x, y }, now, clicks, false);
}

inline const juce::ModifierKeys kLeft { juce::ModifierKeys::leftButtonModifier };
inline const juce::ModifierKeys kShift { juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::shiftModifier };
inline const juce::ModifierKeys kAlt { juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier };

inline void click (juce::Component& c, float x, float y)
{
    c.mouseDown (mouseAt (c, x, y));
    c.mouseUp (mouseAt (c, x, y));
}

inline void wheel (juce::Component& c, float x, float y, float deltaY, juce::ModifierKeys mods = {})
{
    juce::MouseWheelDetails details {};
    details.deltaY = deltaY;
    c.mouseWheelMove (mouseAt (c, x, y, mods), details);
}

struct Event
{
    enum Kind { Begin, Change, End } kind;
    int index;
    float value;
};

// Records every report of a widget; getValue answers from a table of 65 parameter values.
class RecordingCallback : public ZTUICallback
{
public:
    RecordingCallback() { values.fill (0.5f); }

    void valueChanged (EComponent*, int index, float value) override
    {
        events.push_back ({ Event::Change, index, value });
        if (juce::isPositiveAndBelow (index, (int) values.size()))
            values[(size_t) index] = value;
    }
    void beginChangeGesture (EComponent*, int index) override { events.push_back ({ Event::Begin, index, 0.0f }); }
    void endChangeGesture (EComponent*, int index) override { events.push_back ({ Event::End, index, 0.0f }); }
    float getValue (int index) override { return juce::isPositiveAndBelow (index, (int) values.size()) ? values[(size_t) index] : 0.0f; }

    int count (Event::Kind kind) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e.kind == kind ? 1 : 0;
        return n;
    }

    std::vector<Event> events;
    std::array<float, 65> values {};
};

// Where the per-user settings of a processor built on these roots live.
inline juce::File settingsFileIn (const TemporaryRoots& folders)
{
    return folders.user().getChildFile ("Zuvotone/Brume 2/Brume.settings");
}
}
