#pragma once

// What both fuzz targets share: JUCE set up once, and a processor whose folder roots are a
// throw-away temporary tree (a factory "Init" and a second category), never the real folders.

#include "presets/PresetFileFormat.h"
#include "processor/PluginProcessor.h"

#include <cmath>
#include <cstdlib>

struct FuzzEnvironment
{
    FuzzEnvironment()
    {
        base = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("brume2-fuzz-", "", false);
        roots.user = base.getChildFile ("user");
        roots.shared = base.getChildFile ("shared");
        const auto factory = roots.shared.getChildFile ("Zuvotone/Brume 2/Factory Presets");
        writePreset (factory.getChildFile ("01_Stereo Width/01_Init.brumepreset"));
        writePreset (factory.getChildFile ("02_Drums/01_Room.brumepreset"));
        processor = std::make_unique<Brume2AudioProcessor> (roots);
        processor->prepareToPlay (48000.0, 64);
    }

    ~FuzzEnvironment()
    {
        processor.reset();
        base.deleteRecursively();
    }

    static void writePreset (const juce::File& file)
    {
        unsigned char bytes[PresetFileFormat::fileSize] {};
        unsigned char header[PresetFileFormat::headerSize];
        PresetFileFormat::writeHeader (header, PresetFileFormat::rawPresetSize);
        std::memcpy (bytes, header, sizeof (header));
        for (size_t i = 0; i < (size_t) kNumParameters; ++i)
        {
            const float value = kParameterSpecs[i].normalisedDefault();
            std::uint32_t bits;
            std::memcpy (&bits, &value, 4);
            PresetFileFormat::writeLE32 (bytes + PresetFileFormat::headerSize + 4 * i, bits);
        }
        file.getParentDirectory().createDirectory();
        file.replaceWithData (bytes, sizeof (bytes));
    }

    // Whatever was loaded, the processor must be in a state the engine and editor can use.
    void checkInvariants()
    {
        auto& p = *processor;
        for (int i = 0; i < kNumParameters; ++i)
        {
            const float v = p.getParameterByIndex (i).getValue();
            if (! (v >= 0.0f && v <= 1.0f))
                std::abort();
        }
        if (p.editorPage < 0 || p.editorPage > 3)
            std::abort();

        juce::MemoryBlock state;
        p.writeState (state, StateScope::Host);
        if (state.getSize() != 277 && state.getSize() != 285)
            std::abort();

        buffer.clear();
        for (int i = 0; i < buffer.getNumSamples(); ++i)
        {
            buffer.setSample (0, i, (i % 7) * 0.1f - 0.3f);
            buffer.setSample (1, i, (i % 5) * 0.1f - 0.2f);
        }
        p.processBlock (buffer, midi);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (ch, i)))
                    std::abort();
    }

    juce::ScopedJuceInitialiser_GUI juceInit;
    juce::File base;
    PluginFolders::Roots roots;
    std::unique_ptr<Brume2AudioProcessor> processor;
    juce::AudioBuffer<float> buffer { 2, 64 };
    juce::MidiBuffer midi;
};

inline FuzzEnvironment& fuzzEnvironment()
{
    static FuzzEnvironment environment;
    return environment;
}
