// brume2-render: renders an audio file through the Brume 2 VST3 bundle, loaded with JUCE's VST3
// hosting exactly as a DAW loads it.

#include "AtomicAudioFileWriter.h"
#include "ChannelStats.h"
#include "DemoSignal.h"
#include "HostedPlugin.h"
#include "ProgressBar.h"
#include "RenderOptions.h"

#include "presets/PresetFileFormat.h"

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_events/juce_events.h>

#include <cstdio>
#include <iostream>

namespace
{
int fail (const juce::String& message, int code = 1)
{
    std::cerr << "brume2-render: error: " << message << std::endl;
    return code;
}

juce::File fileFromArgument (const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile (path);
}

int generateDemo (const RenderOptions& options)
{
    constexpr double rate = 48000.0;
    const auto target = fileFromArgument (options.demoPath);
    const auto signal = makeDemoSignal (rate, options.demoSeconds);

    AtomicAudioFileWriter writer;
    juce::String error;
    if (! writer.open (target, rate, 2, options.bitDepth, options.floatOutput, error)
        || ! writer.write (signal, signal.getNumSamples())
        || ! writer.commit (error))
        return fail (error.isEmpty() ? "cannot write " + target.getFullPathName() : error);

    ChannelStats stats (2);
    stats.add (signal, signal.getNumSamples());
    std::cout << "demo signal " << target.getFullPathName() << ": " << rate << " Hz, "
              << options.demoSeconds << " s, " << stats.describe() << std::endl;
    return 0;
}

juce::File chosenBundle (const RenderOptions& options)
{
    return options.pluginPath.isNotEmpty() ? fileFromArgument (options.pluginPath) : HostedPlugin::defaultBundle();
}

int listParameters (const RenderOptions& options)
{
    HostedPlugin plugin;
    juce::String error;
    if (! plugin.load (chosenBundle (options), 48000.0, options.blockSize, error))
        return fail (error);
    const auto& parameters = plugin.instance().getParameters();
    for (int i = 0; i < parameters.size(); ++i)
        std::cout << i << '\t' << parameters[i]->getName (100) << '\t' << parameters[i]->getValue()
                  << (i >= HostedPlugin::kNumOwnParameters ? "\t(the host wrapper's own bypass)" : "") << '\n';
    return 0;
}

// Preset file, then --set overrides, applied as one set of 65 values through the state path.
bool applyParameters (HostedPlugin& plugin, const RenderOptions& options, juce::String& error)
{
    if (options.presetPath.isNotEmpty())
    {
        const auto file = fileFromArgument (options.presetPath);
        juce::MemoryBlock data;
        if (! file.existsAsFile() || ! file.loadFileAsData (data))
        {
            error = "cannot read the preset " + file.getFullPathName();
            return false;
        }
        const unsigned char* body = nullptr;
        size_t bodySize = 0;
        if (! PresetFileFormat::findBody (data.getData(), data.getSize(), body, bodySize))
        {
            error = file.getFullPathName() + " is not a Brume 2 preset: it is neither a "
                  + juce::String ((int) PresetFileFormat::rawPresetSize) + "-byte preset body nor a preset header "
                  + "whose size field matches the file's " + juce::String ((int) data.getSize()) + " bytes";
            return false;
        }
        if (! plugin.setComponentState (body, bodySize, error))
            return false;
    }

    if (options.settings.isEmpty() && options.presetPath.isEmpty())
        return true;

    auto values = plugin.getValues();
    for (const auto& setting : options.settings)
    {
        const int index = plugin.findParameter (setting.name);
        if (index < 0)
        {
            error = "unknown parameter \"" + setting.name + "\" (names look like \"Pan Band 3\"; --list-parameters lists them)";
            return false;
        }
        values[(size_t) index] = setting.value;
    }
    return plugin.setValues (values, error);
}

int render (const RenderOptions& options)
{
    const auto input = fileFromArgument (options.inputPath);
    const auto output = fileFromArgument (options.outputPath);
    if (! input.existsAsFile())
        return fail ("no input file " + input.getFullPathName());

    juce::AudioFormatManager readers;
    readers.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (readers.createReaderFor (input));
    if (reader == nullptr)
        return fail ("cannot read " + input.getFullPathName() + ": not a readable WAV, AIFF or FLAC file");

    const int inputChannels = (int) reader->numChannels;
    const int outputChannels = options.monoOutput ? 1 : 2;
    const double rate = reader->sampleRate;
    if (inputChannels < 1 || inputChannels > 2)
        return fail (input.getFileName() + " has " + juce::String (inputChannels)
                     + " channels; Brume 2 takes mono or stereo input");
    if (rate <= 0.0)
        return fail (input.getFileName() + " has no valid sample rate");

    AtomicAudioFileWriter writer;
    juce::String error;
    if (writer.formatFor (output) == nullptr)
        return fail ("cannot tell the output format from \"" + output.getFileName() + "\": use .wav, .aif, .aiff or .flac");

    HostedPlugin plugin;
    if (! plugin.load (chosenBundle (options), rate, options.blockSize, error))
        return fail (error);

    if (! plugin.setLayout (inputChannels, outputChannels))
        return fail (juce::String ("the plug-in refuses ") + (inputChannels == 1 ? "mono" : "stereo") + " in, "
                     + (outputChannels == 1 ? "mono" : "stereo") + " out"
                     + (options.monoOutput ? ": it renders stereo only (mono input is rendered to stereo)" : ""));

    if (! applyParameters (plugin, options, error))
        return fail (error);

    if (! writer.open (output, rate, outputChannels, options.bitDepth, options.floatOutput, error))
        return fail (error);

    auto& instance = plugin.instance();
    instance.setNonRealtime (true);
    instance.prepareToPlay (rate, options.blockSize);

    const int processChannels = juce::jmax (inputChannels, outputChannels);
    juce::AudioBuffer<float> inputBlock (inputChannels, options.blockSize);
    juce::AudioBuffer<float> processBlock (processChannels, options.blockSize);
    juce::MidiBuffer midi;
    ChannelStats inputStats (inputChannels), outputStats (outputChannels);
    ProgressBar progress (options.showProgress);

    const auto total = reader->lengthInSamples;
    for (juce::int64 position = 0; position < total;)
    {
        const int n = (int) juce::jmin<juce::int64> (options.blockSize, total - position);
        if (! reader->read (&inputBlock, 0, n, position, true, inputChannels > 1))
            return fail ("reading " + input.getFileName() + " failed at sample " + juce::String (position));
        inputStats.add (inputBlock, n);

        juce::AudioBuffer<float> block (processBlock.getArrayOfWritePointers(), processChannels, 0, n);
        block.clear();
        for (int ch = 0; ch < inputChannels; ++ch)
            block.copyFrom (ch, 0, inputBlock, ch, 0, n);
        instance.processBlock (block, midi);

        outputStats.add (block, n);
        if (! writer.write (block, n))
            return fail ("writing " + output.getFullPathName() + " failed");
        position += n;
        progress.update (position, total);
    }
    progress.finish();
    instance.releaseResources();

    if (! writer.commit (error))
        return fail (error);

    std::cout << input.getFileName() << " -> " << output.getFileName() << ": "
              << juce::String (rate, 0) << " Hz, " << juce::String ((double) total / rate, 2) << " s, "
              << inputChannels << " -> " << outputChannels << " ch, "
              << (options.floatOutput ? juce::String ("32-bit float") : juce::String (options.bitDepth) + "-bit")
              << " | in: " << inputStats.describe() << " | out: " << outputStats.describe() << std::endl;
    return 0;
}
} // namespace

int main (int argc, char** argv)
{
    juce::StringArray arguments;
    for (int i = 1; i < argc; ++i)
        arguments.add (juce::CharPointer_UTF8 (argv[i]));

    RenderOptions options;
    juce::String error;
    if (! parseRenderOptions (arguments, options, error))
    {
        std::cerr << "brume2-render: error: " << error << "\n\n" << kRenderUsage;
        return 2;
    }
    if (options.showHelp)
    {
        std::cout << kRenderUsage;
        return 0;
    }
    if (options.demoPath.isNotEmpty())
        return generateDemo (options);

    // VST3 hosting needs JUCE's message manager on this thread.
    juce::ScopedJuceInitialiser_GUI juce;
    return options.listParameters ? listParameters (options) : render (options);
}
