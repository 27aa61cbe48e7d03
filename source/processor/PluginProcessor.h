#pragma once

#include "dsp/BandEngine.h"
#include "editor/ZTGlobalSettings.h"
#include "presets/PluginFolders.h"
#include "presets/PresetStore.h"
#include "presets/StateScope.h"
#include "processor/ParameterSpecs.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_events/juce_events.h>

#include <atomic>

class Brume2AudioProcessor : public juce::AudioProcessor,
                             public juce::ChangeBroadcaster
{
public:
    // The folder roots are the system's in a host; tests point them at a temporary directory.
    explicit Brume2AudioProcessor (const PluginFolders::Roots& folderRoots = PluginFolders::Roots::system());
    ~Brume2AudioProcessor() override;

    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;
    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;
    bool isMidiEffect() const override;
    juce::AudioProcessorParameter* getBypassParameter() const override;
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;
    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int) override;
    const juce::String getProgramName (int) override;
    void changeProgramName (int, const juce::String&) override;
    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    // State block (see PluginState.cpp for the byte layout).
    void writeState (juce::MemoryBlock& destination, StateScope scope);
    void readState (const void* data, int size, StateScope scope);

    juce::RangedAudioParameter& getParameterByIndex (int index) const noexcept { return *parameters[(size_t) index]; }

    // The per-user settings ("Brume.settings"); first member, built from the folder roots.
    ZTGlobalSettings globalSettings;

    // Editor view state, kept here so a reopened editor shows the same page and pencil.
    int editorPage = 0;
    bool drawModeEnabled = false;

    BandEngine engine;

    // Factory and user presets and the current preset, built from the folder roots.
    PresetStore presetStore;

private:
    using ParameterValues = std::array<float, kNumParameters>;

    // Re-aims the engine at the parameter values and snaps it there. Only by the engine's owner.
    void resetEngineToParameters (ParameterValues& scratch) noexcept;
    // The reset that ends a state load: done here when no block is running, else by the next block.
    void requestEngineReset() noexcept;
    bool tryToOwnEngine (int owner) noexcept;
    void releaseEngine() noexcept;

    // Who touches the engine right now (see requestEngineReset).
    enum EngineOwner : int { engineFree, engineInBlock, engineInLoad };
    std::atomic<int> engineOwner { engineFree };
    std::atomic<bool> engineResetPending { false };

    std::array<juce::RangedAudioParameter*, kNumParameters> parameters {};   // owned by the AudioProcessor base
    std::array<float, kNumParameters> parameterSnapshot {};                 // audio thread scratch

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brume2AudioProcessor)
};
