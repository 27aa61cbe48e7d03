#pragma once

// Helpers for the preset manager tests: preset files built by hand, a preset library in a
// temporary folder, synthesized mouse and key input, and stand-ins for the file chooser and the
// plug-in side of the controller.

#include "TestSupport.h"

#include "presets/PresetFileChooser.h"
#include "presets/PresetFileFormat.h"
#include "presets/PresetManagerController.h"
#include "processor/PluginProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <utility>
#include <vector>

namespace juce
{
// JUCE's own message-queue step (declared in its sources, not in a header); the tests use it to
// deliver the text editor's asynchronous listener calls without a modal loop.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace PresetUi
{
inline void pumpMessages()
{
    for (int i = 0; i < 1000 && juce::dispatchNextMessageOnSystemQueue (true); ++i) {}
}

// 65 little-endian floats, value i = base + i * step (all distinct for step != 0).
inline juce::MemoryBlock body (float base, float step = 0.0f)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    for (int i = 0; i < 65; ++i)
        out.writeFloat (base + step * (float) i);
    out.flush();
    return block;
}

inline juce::MemoryBlock withHeader (const juce::MemoryBlock& content)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.writeInt ((int) PresetFileFormat::magic);
    out.writeInt ((int) PresetFileFormat::pluginCode);
    out.writeInt ((int) PresetFileFormat::formatVersion);
    out.writeInt ((int) content.getSize() + 16);
    out.write (content.getData(), content.getSize());
    out.flush();
    return block;
}

inline void writeBytes (const juce::File& file, const juce::MemoryBlock& bytes)
{
    file.getParentDirectory().createDirectory();
    file.replaceWithData (bytes.getData(), bytes.getSize());
}

// A temporary preset library: factory categories under the shared root, user presets under the
// user root, in the folders the plug-in reads.
struct Library
{
    TemporaryRoots roots;

    juce::File factoryRoot() const { return roots.shared().getChildFile ("Zuvotone/Brume 2/Factory Presets"); }
    juce::File userRoot() const { return roots.user().getChildFile ("Zuvotone/Brume 2/User Presets"); }

    juce::File factory (const juce::String& folder, const juce::String& fileName, float value)
    {
        auto file = factoryRoot().getChildFile (folder).getChildFile (fileName + ".brumepreset");
        writeBytes (file, withHeader (body (value)));
        return file;
    }

    juce::File user (const juce::String& relativeName, float value)
    {
        auto file = userRoot().getChildFile (relativeName + ".brumepreset");
        writeBytes (file, withHeader (body (value)));
        return file;
    }

    void emptyFactoryCategory (const juce::String& folder) { factoryRoot().getChildFile (folder).createDirectory(); }
};

inline std::vector<float> parameterValues (Brume2AudioProcessor& processor)
{
    std::vector<float> values;
    for (int i = 0; i < 65; ++i)
        values.push_back (processor.getParameterByIndex (i).getValue());
    return values;
}

// Mouse input the way the window delivers it: the component under the point (honouring every
// hitTest) receives the press, and the release goes to the same component.
class Mouse
{
public:
    explicit Mouse (juce::Component& rootComponent) : root (rootComponent) {}

    juce::Component* press (juce::Point<int> p)
    {
        target = root.getComponentAt (p);
        if (target != nullptr)
        {
            downPosition = target->getLocalPoint (&root, p).toFloat();
            target->mouseDown (event (*target, downPosition, false));
        }
        return target.getComponent();
    }

    void release (juce::Point<int> p)
    {
        if (target == nullptr)
            return;
        const auto local = target->getLocalPoint (&root, p).toFloat();
        auto* component = target.getComponent();
        component->mouseUp (event (*component, local, local != downPosition));
        target = nullptr;
        pumpMessages();   // what the event loop delivers before the next input
    }

    juce::Component* click (juce::Point<int> p)
    {
        auto* hit = press (p);
        release (p);
        return hit;
    }

    // A click in the middle of a component that lies somewhere inside the root.
    juce::Component* click (juce::Component& c) { return click (centreOf (c)); }
    juce::Component* press (juce::Component& c) { return press (centreOf (c)); }

    juce::Point<int> centreOf (juce::Component& c) const
    {
        return root.getLocalPoint (&c, c.getLocalBounds().getCentre());
    }

    // Turns the wheel over a component (it travels up to the scroller).
    void wheel (juce::Component& c, float deltaY)
    {
        juce::MouseWheelDetails details { 0.0f, deltaY, false, false, false };
        c.mouseWheelMove (event (c, c.getLocalBounds().getCentre().toFloat(), false), details);
    }

private:
    juce::MouseEvent event (juce::Component& c, juce::Point<float> position, bool dragged) const
    {
        const auto now = juce::Time::getCurrentTime();
        return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position,
                                 juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier), 1.0f,
                                 0.0f, 0.0f, 0.0f, 0.0f, &c, &c, now, downPosition, now, 1, dragged);
    }

    juce::Component& root;
    juce::Component::SafePointer<juce::Component> target;
    juce::Point<float> downPosition;
};

// Typing into a text editor, then delivering its listener calls.
inline void type (juce::TextEditor& editor, const juce::String& text)
{
    for (auto c : text)
        editor.keyPressed (juce::KeyPress (0, juce::ModifierKeys(), c));
    pumpMessages();
}

inline void pressKey (juce::TextEditor& editor, int keyCode)
{
    editor.keyPressed (juce::KeyPress (keyCode));
    pumpMessages();
}

// Deletes the whole text from its end, one character at a time.
inline void clearText (juce::TextEditor& editor)
{
    editor.keyPressed (juce::KeyPress (juce::KeyPress::endKey));
    for (int i = 0; i < 200 && editor.getTotalNumChars() > 0; ++i)
        editor.keyPressed (juce::KeyPress (juce::KeyPress::backspaceKey));
    pumpMessages();
}

// Answers the file chooser without a dialog; juce::File() answers as a cancel.
struct AnsweringChooser : PresetFileChooser
{
    juce::File answer;
    juce::StringArray requests;   // "import *.brumepreset" / "export *.brumepreset"

    explicit AnsweringChooser (juce::File f = {}) : answer (std::move (f)) {}

    void chooseFileToImport (const juce::String& wildcard, Callback done) override
    {
        requests.add ("import " + wildcard);
        done (answer);
    }

    void chooseFileToExport (const juce::String& wildcard, Callback done) override
    {
        requests.add ("export " + wildcard);
        done (answer);
    }
};

// The plug-in side of the controller, as the editor provides it, plus a record of presetLoaded.
struct Provider : PresetManagerController::PresetDataProvider
{
    explicit Provider (Brume2AudioProcessor& p) : processor (p)
    {
        host.setSize (700, 280);
        host.setVisible (true);
    }

    std::unique_ptr<juce::MemoryBlock> getPresetData() override
    {
        auto block = std::make_unique<juce::MemoryBlock>();
        processor.writeState (*block, StateScope::Preset);
        return block;
    }

    void setPresetData (const void* data, int size) override { processor.readState (data, size, StateScope::Preset); }
    juce::Component* getHostComponent() override { return &host; }
    void presetLoaded (int categoryHash, int presetHash) override { loaded.emplace_back (categoryHash, presetHash); }

    Brume2AudioProcessor& processor;
    juce::Component host;
    std::vector<std::pair<int, int>> loaded;
};
} // namespace PresetUi
