// Brume2AudioProcessor::processBlock at 64 and 512 frames: settled, and every parameter
// changed every block so all ramps keep running.

#include "BenchSignals.h"

#include "processor/PluginProcessor.h"

namespace
{
struct TemporaryRoots
{
    juce::TemporaryFile folder;
    PluginFolders::Roots roots;

    TemporaryRoots()
    {
        folder.getFile().createDirectory();
        roots.user = folder.getFile().getChildFile ("user");
        roots.shared = folder.getFile().getChildFile ("shared");
    }
    ~TemporaryRoots() { folder.getFile().deleteRecursively(); }
};

void processBlock (benchmark::State& state, bool moving)
{
    const int blockSize = (int) state.range (0);
    TemporaryRoots temporary;
    Brume2AudioProcessor processor (temporary.roots);
    processor.prepareToPlay (bench::kRate, blockSize);

    const auto left = bench::noise ((size_t) blockSize, 1), right = bench::noise ((size_t) blockSize, 2);
    juce::AudioBuffer<float> buffer (2, blockSize);
    juce::MidiBuffer midi;
    const auto settled = bench::defaultValues();
    const auto moved = bench::movedValues();
    bool flip = false;

    for (auto _ : state)
    {
        if (moving)
        {
            flip = ! flip;
            const auto& values = flip ? moved : settled;
            for (int i = 0; i < bench::kParameters; ++i)
                processor.getParameterByIndex (i).setValue (values[(size_t) i]);
        }
        buffer.copyFrom (0, 0, left.data(), blockSize);
        buffer.copyFrom (1, 0, right.data(), blockSize);
        processor.processBlock (buffer, midi);
        benchmark::DoNotOptimize (buffer.getReadPointer (0));
    }
    bench::reportFrames (state, blockSize);
}
} // namespace

BENCHMARK_CAPTURE (processBlock, settled, false)->Arg (64)->Arg (512);
BENCHMARK_CAPTURE (processBlock, moving, true)->Arg (64)->Arg (512);
