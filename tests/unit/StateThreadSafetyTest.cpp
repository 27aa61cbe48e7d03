// A host may restore state on its own thread while the audio thread is inside processBlock.
// Run under ThreadSanitizer (tests/ci/30-tsan.sh), any unsynchronised access to the engine is a
// reported race; in any build the audio must stay finite and the last load must be what sounds.

#include "PresetTestFiles.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace
{
juce::MemoryBlock presetWithWidth (Brume2AudioProcessor& p, float width, float haas)
{
    for (int b = 0; b < 16; ++b)
    {
        p.getParameterByIndex (b).setValueNotifyingHost (haas);
        p.getParameterByIndex (32 + b).setValueNotifyingHost (width);
    }
    juce::MemoryBlock block;
    p.writeState (block, StateScope::Host);
    return block;
}

TEST (StateThreadSafety, RestoringWhileTheAudioThreadProcesses)
{
    PresetTestFolders temp;
    Brume2AudioProcessor processor (temp.roots);

    // Two states that differ in every band; made on a scratch instance so only loads touch `processor`.
    Brume2AudioProcessor scratch (temp.roots);
    const auto stateA = presetWithWidth (scratch, 0.2f, 0.9f);
    const auto stateB = presetWithWidth (scratch, 0.8f, 0.1f);

    processor.prepareToPlay (48000.0, 128);

    std::atomic<bool> stop { false };
    std::atomic<int> blocks { 0 };
    std::atomic<bool> finite { true };

    std::thread audio ([&] {
        juce::AudioBuffer<float> buffer (2, 128);
        juce::MidiBuffer midi;
        float phase = 0.0f;
        while (! stop.load())
        {
            for (int i = 0; i < 128; ++i, phase += 0.05f)
            {
                buffer.setSample (0, i, std::sin (phase));
                buffer.setSample (1, i, std::sin (phase * 1.3f));
            }
            processor.processBlock (buffer, midi);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 128; ++i)
                    if (! std::isfinite (buffer.getSample (ch, i)))
                        finite = false;
            ++blocks;
        }
    });

    // Wait for the audio thread to run (no timing assumed: just until it has done some blocks).
    while (blocks.load() < 4)
        std::this_thread::yield();

    for (int load = 0; load < 200; ++load)
    {
        const auto& state = (load % 2 == 0) ? stateA : stateB;
        processor.setStateInformation (state.getData(), (int) state.getSize());
        juce::MemoryBlock saved;
        processor.getStateInformation (saved);
        if (load % 16 == 0)
        {
            const int seen = blocks.load();
            while (blocks.load() < seen + 2)   // let loads land at block starts too
                std::this_thread::yield();
        }
    }
    processor.setStateInformation (stateB.getData(), (int) stateB.getSize());   // the last load

    const int seen = blocks.load();
    while (blocks.load() < seen + 3)
        std::this_thread::yield();
    stop = true;
    audio.join();

    EXPECT_TRUE (finite.load());

    // Whether the last reset ran on this thread or was handed to a block, the engine now sits
    // exactly at stateB's targets: width 0.8 in every band, no ramp left.
    for (int v = 0; v < 4; ++v)
    {
        const auto& width = processor.engine.getRamp (BandEngine::widthRamp, v);
        for (int lane = 0; lane < 4; ++lane)
            EXPECT_EQ (width.current.lane (lane), 0.8f);
    }
}
} // namespace
