#include "processor/PluginProcessor.h"

#include "editor/PluginEditor.h"

#include <cmath>
#include <thread>

Brume2AudioProcessor::Brume2AudioProcessor (const PluginFolders::Roots& folderRoots)
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      globalSettings (folderRoots),
      presetStore ("Brume 2", "Factory Presets", "User Presets", "brumepreset", folderRoots)   // scans its folders
{
    // engine: constructed at 44100 Hz with cleared filters, delay lines and meters.

    editorPage = 0;
    drawModeEnabled = false;

    for (const auto& spec : kParameterSpecs)
    {
        auto parameter = std::make_unique<juce::AudioParameterFloat> (
            juce::ParameterID { juce::String (spec.index) + spec.name, 1 },
            spec.name,
            juce::NormalisableRange<float> (spec.minimum, spec.maximum, 0.0f, 1.0f, false),
            spec.defaultValue);
        parameters[(size_t) spec.index] = parameter.get();
        addParameter (parameter.release());
    }

    // Start settled on the parameter values: without this the first 0.1 s of audio would glide
    // every band's Haas delay down from 40 ms (the ramps' initial value).
    resetEngineToParameters (parameterSnapshot);

    // A new instance starts from the installed "Init"; without it the table defaults stay.
    if (presetStore.selectByName ("Stereo Width", "Init"))
        if (auto file = presetStore.readPresetFile (presetStore.current.categoryIndex, presetStore.current.index))
            if (auto body = presetStore.parsePresetData (file->getData(), file->getSize()))
                readState (body->getData(), (int) body->getSize(), StateScope::Preset);
}

Brume2AudioProcessor::~Brume2AudioProcessor() = default;

const juce::String Brume2AudioProcessor::getName() const { return "Brume 2"; }

void Brume2AudioProcessor::resetEngineToParameters (ParameterValues& scratch) noexcept
{
    for (size_t i = 0; i < parameters.size(); ++i)
        scratch[i] = parameters[i]->getValue();
    engine.updateSmoothingTargets (scratch.data());
    engine.snapSmoothing();
}

// A state load may come on a host thread while the audio thread is inside processBlock, and the
// engine has no lock of its own. So the engine has one owner at a time, claimed without waiting:
// processBlock claims it for the block; a load claims it only for the reset. When a block is
// running the load leaves the reset to the audio thread, which does it at the start of its next
// block, before any sample. The audio thread never waits: in the rare block that starts while a
// load is resetting (a fraction of a millisecond), it outputs silence. When nothing processes
// (a new instance, tests) the reset happens at once, inside readState.
bool Brume2AudioProcessor::tryToOwnEngine (int owner) noexcept
{
    int expected = engineFree;
    return engineOwner.compare_exchange_strong (expected, owner, std::memory_order_acquire, std::memory_order_relaxed);
}

void Brume2AudioProcessor::releaseEngine() noexcept
{
    engineOwner.store (engineFree, std::memory_order_release);
}

void Brume2AudioProcessor::requestEngineReset() noexcept
{
    engineResetPending.store (true, std::memory_order_release);

    // Loops only when another load requested a reset after this one took its snapshot.
    while (engineResetPending.load (std::memory_order_acquire) && tryToOwnEngine (engineInLoad))
    {
        if (engineResetPending.exchange (false, std::memory_order_acq_rel))
        {
            ParameterValues scratch;
            resetEngineToParameters (scratch);
        }
        releaseEngine();
    }
}

void Brume2AudioProcessor::prepareToPlay (double sampleRate, int)
{
    // No block runs during preparation; only a state load may hold the engine, and only briefly.
    while (! tryToOwnEngine (engineInLoad))
        std::this_thread::yield();

    const auto rate = static_cast<float> (std::max (44100.0, sampleRate));
    engine.setSampleRate (rate);
    engineResetPending.store (false, std::memory_order_relaxed);
    resetEngineToParameters (parameterSnapshot);
    engine.clearFilters();

    releaseEngine();
}

void Brume2AudioProcessor::releaseResources() {}

void Brume2AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();
    const int numInputs = getTotalNumInputChannels();
    for (int ch = numInputs; ch < getTotalNumOutputChannels(); ++ch)
        buffer.clear (ch, 0, numSamples);

    if (! tryToOwnEngine (engineInBlock))
    {
        buffer.clear();   // a state load is resetting the engine this very moment
        return;
    }

    if (engineResetPending.exchange (false, std::memory_order_acq_rel))
        resetEngineToParameters (parameterSnapshot);   // handed over by a load during the last block

    for (size_t i = 0; i < parameters.size(); ++i)
        parameterSnapshot[i] = parameters[i]->getValue();
    engine.updateSmoothingTargets (parameterSnapshot.data());

    if (buffer.getNumChannels() < 2 || numInputs < 1)
    {
        releaseEngine();
        return;
    }

    float* left = buffer.getWritePointer (0);
    float* right = buffer.getWritePointer (1);
    const bool stereoInput = numInputs >= 2;

    for (int i = 0; i < numSamples; ++i)
    {
        // A non-finite input would stay in the filters' state and silence the plug-in until the
        // next prepareToPlay, so it is taken as silence.
        float l = left[i];
        float r = stereoInput ? right[i] : l;
        if (! std::isfinite (l)) l = 0.0f;
        if (! std::isfinite (r)) r = 0.0f;
        engine.processSample (l, r);
        left[i] = l;
        right[i] = r;
    }

    engine.publishMeters();
    releaseEngine();
}

double Brume2AudioProcessor::getTailLengthSeconds() const { return 0.0; }
bool Brume2AudioProcessor::acceptsMidi() const { return false; }
bool Brume2AudioProcessor::producesMidi() const { return false; }
bool Brume2AudioProcessor::isMidiEffect() const { return false; }
juce::AudioProcessorParameter* Brume2AudioProcessor::getBypassParameter() const { return nullptr; }

juce::AudioProcessorEditor* Brume2AudioProcessor::createEditor() { return new Brume2AudioProcessorEditor (*this); }
bool Brume2AudioProcessor::hasEditor() const { return true; }

int Brume2AudioProcessor::getNumPrograms() { return 1; }
int Brume2AudioProcessor::getCurrentProgram() { return 0; }
void Brume2AudioProcessor::setCurrentProgram (int) {}
const juce::String Brume2AudioProcessor::getProgramName (int) { return {}; }
void Brume2AudioProcessor::changeProgramName (int, const juce::String&) {}

void Brume2AudioProcessor::getStateInformation (juce::MemoryBlock& destData) { writeState (destData, StateScope::Host); }
void Brume2AudioProcessor::setStateInformation (const void* data, int sizeInBytes) { readState (data, sizeInBytes, StateScope::Host); }

bool Brume2AudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const int in = layouts.inputBuses.isEmpty() ? 0 : layouts.getMainInputChannels();
    const int out = layouts.outputBuses.isEmpty() ? 0 : layouts.getMainOutputChannels();
    return out == 2 && (in == 2 || in == 1);
}

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new Brume2AudioProcessor();
}
