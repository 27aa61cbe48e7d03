// brume2-snapshot: renders the plug-in window off-screen to PNG, at 1x and 2x, after running a
// few seconds of a test signal through the engine so that the meters show something.
//
//   brume2-snapshot [--page 0..3] [--pencil on|off] [--zoom PERCENT] [--seconds S]
//                   [--set "Haas Band 3=0.8"]... [--state FILE] [--out PREFIX]
//                   [--factory DIR] [--preset "Category/Preset"]
//                   [--browser] [--save-as NAME] [--delete]
//
// Writes PREFIX.png (1x) and PREFIX@2x.png (double-resolution artwork). --state reads a host
// state block written by the plug-in. Settings and folders go to a temporary directory.
//
// The preset manager: --factory installs a factory library (default: the one generated in this
// build tree) into the temporary folder, beside two demonstration user presets; --preset makes
// one current; --browser shows the open browser, --save-as the save-as entry with NAME typed in,
// --delete the confirmation for deleting the first user preset.

#include "editor/ImageResources.h"
#include "editor/PluginEditor.h"
#include "presets/PresetFileFormat.h"
#include "processor/PluginProcessor.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <cmath>
#include <iostream>
#include <memory>

namespace
{
struct Options
{
    int page = 0;
    bool pencil = false;
    int zoom = 100;
    double seconds = 3.0;
    juce::StringArray assignments;
    juce::File stateFile;
    juce::String outPrefix = "editor";
#ifdef BRUME2_FACTORY_PRESETS_DIR
    juce::File factoryLibrary { BRUME2_FACTORY_PRESETS_DIR };
#else
    juce::File factoryLibrary;
#endif
    juce::String preset;
    bool browser = false;
    bool deleteDialogue = false;
    juce::String saveAsName;
    bool saveAs = false;
};

bool parse (int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i)
    {
        const juce::String arg (argv[i]);
        const bool hasValue = i + 1 < argc;
        const juce::String next = hasValue ? juce::String (argv[i + 1]) : juce::String();
        if (arg == "--page" && hasValue) { o.page = next.getIntValue(); ++i; }
        else if (arg == "--pencil" && hasValue) { o.pencil = next == "on"; ++i; }
        else if (arg == "--zoom" && hasValue) { o.zoom = next.getIntValue(); ++i; }
        else if (arg == "--seconds" && hasValue) { o.seconds = next.getDoubleValue(); ++i; }
        else if (arg == "--set" && hasValue) { o.assignments.add (next); ++i; }
        else if (arg == "--state" && hasValue) { o.stateFile = juce::File::getCurrentWorkingDirectory().getChildFile (next); ++i; }
        else if (arg == "--out" && hasValue) { o.outPrefix = next; ++i; }
        else if (arg == "--factory" && hasValue) { o.factoryLibrary = juce::File::getCurrentWorkingDirectory().getChildFile (next); ++i; }
        else if (arg == "--preset" && hasValue) { o.preset = next; ++i; }
        else if (arg == "--browser") { o.browser = true; }
        else if (arg == "--save-as" && hasValue) { o.saveAs = o.browser = true; o.saveAsName = next; ++i; }
        else if (arg == "--delete") { o.deleteDialogue = o.browser = true; }
        else
        {
            std::cerr << "unknown or incomplete option: " << arg << "\n";
            return false;
        }
    }
    if (o.zoom < 20 || o.zoom > 300)
    {
        std::cerr << "--zoom must lie between 20 and 300\n";
        return false;
    }
    return true;
}

bool applyAssignments (Brume2AudioProcessor& processor, const juce::StringArray& assignments)
{
    for (const auto& a : assignments)
    {
        const auto name = a.upToFirstOccurrenceOf ("=", false, false).trim();
        const auto value = a.fromFirstOccurrenceOf ("=", false, false).trim();
        bool found = false;
        for (const auto& spec : kParameterSpecs)
            if (name == spec.name)
            {
                processor.getParameterByIndex (spec.index).setValueNotifyingHost (juce::jlimit (0.0f, 1.0f, value.getFloatValue()));
                found = true;
            }
        if (! found)
        {
            std::cerr << "no parameter named \"" << name << "\"\n";
            return false;
        }
    }
    return true;
}

// A test programme that lights every meter differently: a low tone leaning left, a mid tone
// leaning right, a wide noise bed and a high tone in the centre.
void fillTestSignal (juce::AudioBuffer<float>& buffer, double sampleRate, juce::int64 start, juce::Random& random)
{
    for (int i = 0; i < buffer.getNumSamples(); ++i)
    {
        const double t = (double) (start + i) / sampleRate;
        const float low = (float) std::sin (2.0 * juce::MathConstants<double>::pi * 90.0 * t);
        const float mid = (float) std::sin (2.0 * juce::MathConstants<double>::pi * 1100.0 * t);
        const float high = (float) std::sin (2.0 * juce::MathConstants<double>::pi * 7000.0 * t);
        const float noiseL = random.nextFloat() * 2.0f - 1.0f;
        const float noiseR = random.nextFloat() * 2.0f - 1.0f;
        buffer.setSample (0, i, 0.35f * low + 0.08f * mid + 0.12f * noiseL + 0.1f * high);
        buffer.setSample (1, i, 0.10f * low + 0.30f * mid + 0.12f * noiseR + 0.1f * high);
    }
}

// The factory library and two user presets in the temporary data folders.
bool installPresets (const Options& o, const juce::File& roots)
{
    const auto product = juce::String ("Zuvotone/Brume 2");
    const auto factory = roots.getChildFile ("shared").getChildFile (product).getChildFile ("Factory Presets");
    if (o.factoryLibrary.isDirectory() && ! factory.isDirectory())
    {
        factory.getParentDirectory().createDirectory();
        if (! o.factoryLibrary.copyDirectoryTo (factory))
        {
            std::cerr << "cannot copy " << o.factoryLibrary.getFullPathName() << "\n";
            return false;
        }
    }

    const auto user = roots.getChildFile ("user").getChildFile (product).getChildFile ("User Presets");
    user.createDirectory();
    for (const auto* name : { "My Mix", "Wide Vocals" })
    {
        const auto file = user.getChildFile (juce::String (name) + ".brumepreset");
        if (file.existsAsFile())
            continue;
        juce::MemoryBlock body;
        {
            juce::MemoryOutputStream out (body, false);
            for (int i = 0; i < 65; ++i)
                out.writeFloat (i < 64 ? 0.5f + 0.004f * (float) (i % 16) : 0.0f);
        }
        unsigned char header[PresetFileFormat::headerSize];
        PresetFileFormat::writeHeader (header, body.getSize());
        juce::MemoryBlock bytes (header, sizeof (header));
        bytes.append (body.getData(), body.getSize());
        file.replaceWithData (bytes.getData(), bytes.getSize());
    }
    return true;
}

// Makes "Category/Preset" current the way a click in the browser does.
bool selectPreset (Brume2AudioProcessorEditor& editor, Brume2AudioProcessor& processor, const juce::String& path)
{
    auto& store = processor.presetStore;
    const auto category = path.upToLastOccurrenceOf ("/", false, false);
    const auto name = path.fromLastOccurrenceOf ("/", false, false);
    for (int c = 0; c < store.categories.size(); ++c)
        for (int i = 0; i < store.categories[c].presets.size(); ++i)
            if (store.categories[c].name == category && store.categories[c].presets[i].name == name)
            {
                auto& view = editor.getPresetController().view;
                view.selectCategory (c);
                view.listItemClicked (1, i);
                view.presetList.setSelectedIndex (i);
                return true;
            }
    std::cerr << "no preset \"" << path << "\"\n";
    return false;
}

// Opens the browser and, if asked, one of its overlays.
void showBrowser (const Options& o, Brume2AudioProcessorEditor& editor)
{
    auto& view = editor.getPresetController().view;
    view.presetBarClicked();
    if (o.saveAs)
    {
        view.saveAsClicked();
        view.saveAs.nameInput.setText (o.saveAsName, false);
        view.saveAs.updateButtons();
    }
    else if (o.deleteDialogue)
    {
        const int user = view.store.categories.size() - 1;
        view.selectCategory (user);
        view.listItemDeleteClicked (1, 0);
    }
}

bool writePng (const juce::Image& image, const juce::File& file)
{
    file.deleteFile();
    juce::FileOutputStream stream (file);
    juce::PNGImageFormat png;
    return stream.openedOk() && png.writeImageToStream (image, stream);
}

int renderAt (const Options& o, double resolution, const juce::File& roots, const juce::File& output)
{
    setAssumedDisplayScale (resolution);
    if (! installPresets (o, roots))
        return 1;
    Brume2AudioProcessor processor (PluginFolders::Roots { roots.getChildFile ("user"), roots.getChildFile ("shared") });

    if (o.stateFile != juce::File())
    {
        juce::MemoryBlock block;
        if (! o.stateFile.loadFileAsData (block))
        {
            std::cerr << "cannot read " << o.stateFile.getFullPathName() << "\n";
            return 1;
        }
        processor.setStateInformation (block.getData(), (int) block.getSize());
    }
    processor.editorPage = o.page;
    processor.drawModeEnabled = o.pencil;
    if (! applyAssignments (processor, o.assignments))
        return 1;

    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 768;   // 16 ms: one editor tick per block
    processor.setPlayConfigDetails (2, 2, sampleRate, blockSize);
    processor.prepareToPlay (sampleRate, blockSize);

    auto editor = std::unique_ptr<Brume2AudioProcessorEditor> (
        dynamic_cast<Brume2AudioProcessorEditor*> (processor.createEditorIfNeeded()));
    if (editor == nullptr)
        return 1;
    if (o.preset.isNotEmpty() && ! selectPreset (*editor, processor, o.preset))
        return 1;
    if (o.browser)
        showBrowser (o, *editor);

    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    juce::Random random (1234);
    const auto blocks = (juce::int64) std::ceil (o.seconds * sampleRate / blockSize);
    for (juce::int64 b = 0; b < blocks; ++b)
    {
        fillTestSignal (buffer, sampleRate, b * blockSize, random);
        processor.processBlock (buffer, midi);
        editor->timerCallback();
    }

    const float scale = (float) (resolution * o.zoom * 0.01);
    const auto image = editor->createComponentSnapshot (editor->getLocalBounds(), true, scale);
    editor.reset();
    if (! writePng (image, output))
    {
        std::cerr << "cannot write " << output.getFullPathName() << "\n";
        return 1;
    }
    std::cout << output.getFullPathName() << " " << image.getWidth() << "x" << image.getHeight() << "\n";
    return 0;
}
}

int main (int argc, char** argv)
{
    Options options;
    if (! parse (argc, argv, options))
        return 2;

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    juce::TemporaryFile roots;
    roots.getFile().createDirectory();

    const auto base = juce::File::getCurrentWorkingDirectory().getChildFile (options.outPrefix);
    int status = renderAt (options, 1.0, roots.getFile(), base.withFileExtension ("png"));
    if (status == 0)
        status = renderAt (options, 2.0, roots.getFile(), base.getSiblingFile (base.getFileName() + "@2x.png"));
    roots.getFile().deleteRecursively();
    return status;
}
