// brume2-render as a user runs it: a child process on files made here, its exit code, its
// message and the files it leaves behind.

#include <gtest/gtest.h>

#include <juce_audio_formats/juce_audio_formats.h>

#include "presets/PresetFileFormat.h"

#include <random>

namespace
{
struct RunResult
{
    int exitCode = -1;
    juce::String output;   // standard output and error together
};

RunResult runRender (const juce::StringArray& arguments)
{
    juce::StringArray command { BRUME2_RENDER_TOOL };
    command.addArray (arguments);
    juce::ChildProcess child;
    RunResult result;
    if (! child.start (command))
        return result;
    result.output = child.readAllProcessOutput();
    child.waitForProcessToFinish (60000);
    result.exitCode = (int) child.getExitCode();
    return result;
}

void writeWav (const juce::File& file, const juce::AudioBuffer<float>& buffer, double rate = 48000.0)
{
    juce::WavAudioFormat wav;
    file.deleteFile();
    auto stream = std::make_unique<juce::FileOutputStream> (file);
    ASSERT_TRUE (stream->openedOk());
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), rate, (unsigned int) buffer.getNumChannels(), 24, {}, 0));
    ASSERT_NE (writer, nullptr);
    stream.release();
    ASSERT_TRUE (writer->writeFromAudioSampleBuffer (buffer, 0, buffer.getNumSamples()));
}

struct AudioFile
{
    double sampleRate = 0.0;
    juce::String formatName;
    unsigned int bitsPerSample = 0;
    bool usesFloat = false;
    juce::AudioBuffer<float> samples;
};

bool readAudio (const juce::File& file, AudioFile& result)
{
    juce::AudioFormatManager formats;
    formats.registerBasicFormats();
    std::unique_ptr<juce::AudioFormatReader> reader (formats.createReaderFor (file));
    if (reader == nullptr)
        return false;
    result.sampleRate = reader->sampleRate;
    result.formatName = reader->getFormatName();
    result.bitsPerSample = reader->bitsPerSample;
    result.usesFloat = reader->usesFloatingPointData;
    result.samples.setSize ((int) reader->numChannels, (int) reader->lengthInSamples);
    return reader->read (&result.samples, 0, (int) reader->lengthInSamples, 0, true, true);
}

juce::AudioBuffer<float> noise (int channels, int numSamples)
{
    juce::AudioBuffer<float> buffer (channels, numSamples);
    std::mt19937 generator (99);
    std::uniform_real_distribution<float> uniform (-0.25f, 0.25f);
    for (int ch = 0; ch < channels; ++ch)
        for (int i = 0; i < numSamples; ++i)
            buffer.setSample (ch, i, uniform (generator));
    return buffer;
}

// A preset file: header and 65 values, table defaults with every band gain at `gain`.
juce::MemoryBlock presetWithGains (float gain, bool withHeader = true)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    if (withHeader)
    {
        unsigned char header[PresetFileFormat::headerSize];
        PresetFileFormat::writeHeader (header, PresetFileFormat::rawPresetSize);
        out.write (header, sizeof (header));
    }
    for (int i = 0; i < 65; ++i)
        out.writeFloat (i >= 48 && i < 64 ? gain : (i >= 32 && i < 48 ? 1.0f : (i == 64 ? 0.0f : 0.5f)));
    out.flush();
    return block;
}

double energy (const juce::AudioBuffer<float>& buffer, int channel, int from = 0)
{
    double sum = 0.0;
    for (int i = from; i < buffer.getNumSamples(); ++i)
        sum += juce::square ((double) buffer.getSample (channel, i));
    return sum;
}

class RenderCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = juce::File::createTempFile ("brume2-render-test");
        ASSERT_TRUE (folder.createDirectory());
        demo = folder.getChildFile ("demo.wav");
        const auto made = runRender ({ "--generate-demo", demo.getFullPathName(), "--seconds", "1" });
        ASSERT_EQ (made.exitCode, 0) << made.output;
    }

    void TearDown() override { folder.deleteRecursively(); }

    juce::String path (const char* name) const { return folder.getChildFile (name).getFullPathName(); }

    juce::File folder, demo;
};
} // namespace

TEST_F (RenderCli, DemoSignalIsAStereoMixAt48k)
{
    AudioFile file;
    ASSERT_TRUE (readAudio (demo, file));
    EXPECT_EQ (file.sampleRate, 48000.0);
    EXPECT_EQ (file.samples.getNumChannels(), 2);
    EXPECT_EQ (file.samples.getNumSamples(), 48000);
    EXPECT_GT (file.samples.getMagnitude (0, file.samples.getNumSamples()), 0.1f);
    EXPECT_LT (file.samples.getMagnitude (0, file.samples.getNumSamples()), 1.0f);
    // The channels differ, so width and balance have something to work on.
    double difference = 0.0;
    for (int i = 0; i < file.samples.getNumSamples(); ++i)
        difference += juce::square ((double) file.samples.getSample (0, i) - file.samples.getSample (1, i));
    EXPECT_GT (difference, 0.01 * energy (file.samples, 0));
}

TEST_F (RenderCli, BadRequestsFailClearlyAndLeaveNoOutput)
{
    folder.getChildFile ("not-audio.wav").replaceWithText ("this is not a wave file");
    writeWav (folder.getChildFile ("mono.wav"), noise (1, 4800));
    writeWav (folder.getChildFile ("three.wav"), noise (3, 4800));
    folder.getChildFile ("short.brumepreset").replaceWithData (presetWithGains (0.0f).getData(), 100);
    auto wrongSize = presetWithGains (0.0f);
    PresetFileFormat::writeLE32 (static_cast<unsigned char*> (wrongSize.getData()) + 12, 300);
    folder.getChildFile ("wrong-size.brumepreset").replaceWithData (wrongSize.getData(), wrongSize.getSize());
    folder.getChildFile ("a-file").replaceWithText ("x");

    struct Case { const char* what; juce::StringArray arguments; const char* message; const char* target; };
    const juce::String d = demo.getFullPathName();
    const Case cases[] = {
        { "missing input", { path ("nothing.wav"), path ("out.wav") }, "no input file", "out.wav" },
        { "unreadable input", { path ("not-audio.wav"), path ("out.wav") }, "cannot read", "out.wav" },
        { "unknown parameter", { "--set", "Pan Band 17=0.5", d, path ("out.wav") }, "unknown parameter \"Pan Band 17\"", "out.wav" },
        { "value above 1", { "--set", "Pan Band 3=1.5", d, path ("out.wav") }, "outside 0 to 1", "out.wav" },
        { "value below 0", { "--set", "Pan Band 3=-0.1", d, path ("out.wav") }, "outside 0 to 1", "out.wav" },
        { "value not a number", { "--set", "Pan Band 3=wide", d, path ("out.wav") }, "not a number", "out.wav" },
        { "value missing", { "--set", "Pan Band 3", d, path ("out.wav") }, "NAME=VALUE", "out.wav" },
        { "mono to mono", { "--mono-out", path ("mono.wav"), path ("out.wav") }, "refuses mono in, mono out", "out.wav" },
        { "stereo to mono", { "--mono-out", d, path ("out.wav") }, "refuses stereo in, mono out", "out.wav" },
        { "three input channels", { path ("three.wav"), path ("out.wav") }, "has 3 channels", "out.wav" },
        { "output folder missing", { d, path ("no-such-folder/out.wav") }, "does not exist", "no-such-folder/out.wav" },
        { "output under a file", { d, path ("a-file/out.wav") }, "does not exist", "a-file/out.wav" },
        { "unknown output format", { d, path ("out.mp3") }, "cannot tell the output format", "out.mp3" },
        { "float FLAC", { "--float", d, path ("out.flac") }, "--float needs a WAV output", "out.flac" },
        { "preset missing", { "--preset", path ("none.brumepreset"), d, path ("out.wav") }, "cannot read the preset", "out.wav" },
        { "preset too short", { "--preset", path ("short.brumepreset"), d, path ("out.wav") }, "is not a Brume 2 preset", "out.wav" },
        { "preset size field wrong", { "--preset", path ("wrong-size.brumepreset"), d, path ("out.wav") }, "is not a Brume 2 preset", "out.wav" },
        { "missing plug-in", { "--plugin", path ("none.vst3"), d, path ("out.wav") }, "no plug-in at", "out.wav" },
        { "bad block size", { "--block", "0", d, path ("out.wav") }, "--block", "out.wav" },
        { "one file only", { d }, "needs an INPUT and an OUTPUT", "out.wav" },
    };

    const auto before = folder.findChildFiles (juce::File::findFilesAndDirectories, true);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const auto result = runRender (c.arguments);
        EXPECT_NE (result.exitCode, 0) << result.output;
        EXPECT_TRUE (result.output.contains ("error: ")) << result.output;
        EXPECT_TRUE (result.output.contains (c.message)) << result.output;
        EXPECT_FALSE (folder.getChildFile (c.target).exists());
        // Nothing else appeared either: no temporary file beside the target.
        EXPECT_EQ (folder.findChildFiles (juce::File::findFilesAndDirectories, true).size(), before.size());
    }
}

TEST_F (RenderCli, FailedRenderKeepsAnExistingOutputFile)
{
    const auto target = folder.getChildFile ("out.wav");
    target.replaceWithText ("previous render");
    const auto result = runRender ({ "--set", "Gain Band 99=0", demo.getFullPathName(), target.getFullPathName() });
    EXPECT_NE (result.exitCode, 0);
    EXPECT_EQ (target.loadFileAsString(), "previous render");
}

TEST_F (RenderCli, BypassedRoundTripsKeepEverySample)
{
    // With "Bypass" on, once the 256-sample crossfade is done the plug-in passes its input, so
    // the file formats' own round trip shows sample for sample.
    const auto flacInput = folder.getChildFile ("demo.flac");
    ASSERT_EQ (runRender ({ "--generate-demo", flacInput.getFullPathName(), "--seconds", "1" }).exitCode, 0);

    struct Case { juce::File input; const char* output; const char* format; unsigned int bits; bool isFloat; juce::StringArray extra; };
    const Case cases[] = {
        { demo, "out.wav", "WAV", 24, false, {} },
        { demo, "out-float.wav", "WAV", 32, true, { "--float" } },
        { flacInput, "out.flac", "FLAC", 24, false, {} },
        { demo, "out.aiff", "AIFF", 24, false, {} },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.output);
        juce::StringArray arguments { "--set", "Bypass=1", "--block", "300" };
        arguments.addArray (c.extra);
        arguments.add (c.input.getFullPathName());
        arguments.add (path (c.output));
        const auto result = runRender (arguments);
        ASSERT_EQ (result.exitCode, 0) << result.output;
        EXPECT_TRUE (result.output.contains ("| in: L peak") && result.output.contains ("| out: L peak")) << result.output;

        AudioFile in, out;
        ASSERT_TRUE (readAudio (c.input, in));
        ASSERT_TRUE (readAudio (folder.getChildFile (c.output), out));
        EXPECT_TRUE (out.formatName.containsIgnoreCase (c.format)) << out.formatName;
        EXPECT_EQ (out.bitsPerSample, c.bits);
        EXPECT_EQ (out.usesFloat, c.isFloat);
        EXPECT_EQ (out.sampleRate, in.sampleRate);
        ASSERT_EQ (out.samples.getNumChannels(), 2);
        ASSERT_EQ (out.samples.getNumSamples(), in.samples.getNumSamples());
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 256; i < in.samples.getNumSamples(); ++i)
                ASSERT_EQ (out.samples.getSample (ch, i), in.samples.getSample (ch, i)) << "channel " << ch << " sample " << i;
    }
}

TEST_F (RenderCli, ProcessedRenderChangesTheSignalButNotItsLength)
{
    const auto result = runRender ({ demo.getFullPathName(), path ("out.wav") });
    ASSERT_EQ (result.exitCode, 0) << result.output;
    AudioFile in, out;
    ASSERT_TRUE (readAudio (demo, in));
    ASSERT_TRUE (readAudio (folder.getChildFile ("out.wav"), out));
    ASSERT_EQ (out.samples.getNumSamples(), in.samples.getNumSamples());
    double difference = 0.0;
    for (int i = 0; i < in.samples.getNumSamples(); ++i)
        difference += juce::square ((double) out.samples.getSample (0, i) - in.samples.getSample (0, i));
    EXPECT_GT (difference, 0.0);
    EXPECT_NEAR (energy (out.samples, 0) / energy (in.samples, 0), 1.0, 0.2);
}

TEST_F (RenderCli, MonoInputIsRenderedToStereo)
{
    writeWav (folder.getChildFile ("mono.wav"), noise (1, 9600));
    const auto result = runRender ({ path ("mono.wav"), path ("out.wav") });
    ASSERT_EQ (result.exitCode, 0) << result.output;
    EXPECT_TRUE (result.output.contains ("1 -> 2 ch")) << result.output;
    AudioFile out;
    ASSERT_TRUE (readAudio (folder.getChildFile ("out.wav"), out));
    ASSERT_EQ (out.samples.getNumChannels(), 2);
    EXPECT_GT (energy (out.samples, 0), 1.0);
    EXPECT_NEAR (energy (out.samples, 1) / energy (out.samples, 0), 1.0, 1e-6);
}

TEST_F (RenderCli, PresetAndSetDecideTheParameters)
{
    for (int raw = 0; raw < 2; ++raw)
    {
        const auto preset = presetWithGains (0.0f, raw == 0);
        folder.getChildFile (raw == 0 ? "silent.brumepreset" : "silent-raw.brumepreset").replaceWithData (preset.getData(), preset.getSize());
    }

    juce::StringArray allGainsZero;
    for (int band = 1; band <= 16; ++band)
        allGainsZero.addArray ({ "--set", "Gain Band " + juce::String (band) + "=0" });

    struct Case { const char* what; juce::StringArray arguments; bool silent; };
    juce::StringArray presetThenOneBandBack { "--preset", path ("silent.brumepreset"), "--set", "gain band 5=0.5" };
    const Case cases[] = {
        { "every Gain set to 0", allGainsZero, true },
        { "preset with every Gain 0", { "--preset", path ("silent.brumepreset") }, true },
        { "header-less preset with every Gain 0", { "--preset", path ("silent-raw.brumepreset") }, true },
        { "--set overrides the preset", presetThenOneBandBack, false },
    };

    AudioFile in;
    ASSERT_TRUE (readAudio (demo, in));
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto arguments = c.arguments;
        arguments.addArray ({ demo.getFullPathName(), path ("out.wav") });
        const auto result = runRender (arguments);
        ASSERT_EQ (result.exitCode, 0) << result.output;

        AudioFile out;
        ASSERT_TRUE (readAudio (folder.getChildFile ("out.wav"), out));
        const double outEnergy = energy (out.samples, 0) + energy (out.samples, 1);
        if (c.silent)
        {
            // The values are in place before the first sample: no glide from the old gains.
            EXPECT_EQ (out.samples.getMagnitude (0, out.samples.getNumSamples()), 0.0f);
            EXPECT_TRUE (result.output.contains ("| out: L peak -inf dBFS rms -inf dBFS")) << result.output;
        }
        else
        {
            // One band (1000-1927 Hz) back at unity: some signal, far less than the whole mix.
            EXPECT_GT (outEnergy, 0.0);
            EXPECT_LT (outEnergy, 0.5 * (energy (in.samples, 0) + energy (in.samples, 1)));
        }
    }
}
