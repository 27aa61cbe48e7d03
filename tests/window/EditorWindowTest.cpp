// Opens the plug-in's editor the way a host does: the VST3 bundle loaded through JUCE's VST3
// hosting, the editor in a desktop window, audio running on a thread of its own. Needs an X
// display.
//
//   brume2-window-test BUNDLE SCREENSHOT.png [SECONDS]
//
// Exit status 0 when the bundle loaded, the window showed the editor at 700 x 280, audio ran
// and the plug-in unloaded; the screenshot is taken of the X root window with ImageMagick's
// `import`.

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>
#include <iostream>

namespace
{
// Plays a test programme into the plug-in at roughly real time.
class AudioThread : public juce::Thread
{
public:
    AudioThread (juce::AudioPluginInstance& p, int size) : juce::Thread ("audio"), plugin (p), blockSize (size) {}

    void run() override
    {
        juce::AudioBuffer<float> buffer (2, blockSize);
        juce::MidiBuffer midi;
        juce::Random random (7);
        juce::int64 position = 0;
        while (! threadShouldExit())
        {
            for (int i = 0; i < blockSize; ++i, ++position)
            {
                const double t = (double) position / 48000.0;
                const float low = (float) std::sin (2.0 * juce::MathConstants<double>::pi * 90.0 * t);
                const float mid = (float) std::sin (2.0 * juce::MathConstants<double>::pi * 1500.0 * t);
                buffer.setSample (0, i, 0.4f * low + 0.1f * (random.nextFloat() - 0.5f));
                buffer.setSample (1, i, 0.3f * mid + 0.1f * (random.nextFloat() - 0.5f));
            }
            plugin.processBlock (buffer, midi);
            ++blocks;
            wait (10);
        }
    }

    std::atomic<int> blocks { 0 };

private:
    juce::AudioPluginInstance& plugin;
    const int blockSize;
};

class HostWindow : public juce::DocumentWindow
{
public:
    HostWindow() : juce::DocumentWindow ("Brume 2", juce::Colours::black, 0, true) {}
};

void runFor (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

int fail (const juce::String& message)
{
    std::cerr << "brume2-window-test: " << message << "\n";
    return 1;
}

int runTest (const juce::File& bundle, const juce::File& screenshot, double seconds)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, bundle.getFullPathName());
    if (types.isEmpty())
        return fail ("no plug-in found in " + bundle.getFullPathName());

    juce::String error;
    auto plugin = format.createInstanceFromDescription (*types[0], 48000.0, 512, error);
    if (plugin == nullptr)
        return fail ("cannot load the plug-in: " + error);

    plugin->setPlayConfigDetails (2, 2, 48000.0, 512);
    plugin->prepareToPlay (48000.0, 512);

    int status = 0;
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        if (editor == nullptr)
            return fail ("the plug-in made no editor");

        HostWindow window;
        window.setContentNonOwned (editor.get(), true);
        window.setTopLeftPosition (40, 40);
        window.setVisible (true);
        window.toFront (false);

        AudioThread audio (*plugin, 512);
        audio.startThread();
        runFor ((int) (seconds * 1000.0));

        std::cout << "editor " << editor->getWidth() << " x " << editor->getHeight() << ", "
                  << audio.blocks.load() << " blocks processed, window on screen: " << (window.isOnDesktop() ? "yes" : "no") << "\n";
        if (editor->getWidth() != 700 || editor->getHeight() != 280)
            status = fail ("unexpected editor size");
        if (audio.blocks.load() == 0)
            status = fail ("no audio was processed");
        if (! window.isOnDesktop() || window.getPeer() == nullptr)
            status = fail ("the window did not reach the desktop");

        // The X server holds what the window shows; grab it while the editor keeps running.
        screenshot.getParentDirectory().createDirectory();
        screenshot.deleteFile();
        juce::ChildProcess grab;
        if (grab.start (juce::StringArray { "import", "-window", "root", screenshot.getFullPathName() }))
        {
            for (int i = 0; i < 200 && grab.isRunning(); ++i)
                runFor (50);
            if (! grab.waitForProcessToFinish (1000) || grab.getExitCode() != 0 || ! screenshot.existsAsFile())
                status = fail ("the screenshot failed");
        }
        else
        {
            status = fail ("cannot run ImageMagick's import");
        }

        audio.stopThread (2000);
        window.clearContentComponent();
        editor.reset();
        runFor (200);
    }

    plugin->releaseResources();
    plugin.reset();
    runFor (200);
    return status;
}
}

int main (int argc, char** argv)
{
    if (argc < 3)
    {
        std::cerr << "usage: brume2-window-test BUNDLE SCREENSHOT.png [SECONDS]\n";
        return 2;
    }
    int status = 0;
    {
        juce::ScopedJuceInitialiser_GUI juceInitialiser;
        const auto cwd = juce::File::getCurrentWorkingDirectory();
        status = runTest (cwd.getChildFile (argv[1]), cwd.getChildFile (argv[2]), argc > 3 ? juce::String (argv[3]).getDoubleValue() : 1.0);
    }
    if (status == 0)
        std::cout << "brume2-window-test: passed\n";
    return status;
}
