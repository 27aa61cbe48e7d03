#include "processor/PluginProcessor.h"

#include "editor/PluginEditor.h"

#include <cmath>

Brume2AudioProcessor::Brume2AudioProcessor (const PluginFolders::Roots& folderRoots)
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      globalSettings (folderRoots)
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
    resetEngineToParameters();
}

Brume2AudioProcessor::~Brume2AudioProcessor() = default;

const juce::String Brume2AudioProcessor::getName() const { return "Brume 2"; }

void Brume2AudioProcessor::resetEngineToParameters() noexcept
{
    for (size_t i = 0; i < parameters.size(); ++i)
        parameterSnapshot[i] = parameters[i]->getValue();
    engine.updateSmoothingTargets (parameterSnapshot.data());
    engine.snapSmoothing();
}

void Brume2AudioProcessor::prepareToPlay (double sampleRate, int)
{
    const auto rate = static_cast<float> (std::max (44100.0, sampleRate));
    engine.setSampleRate (rate);
    resetEngineToParameters();
    engine.clearFilters();
}

void Brume2AudioProcessor::releaseResources() {}

void Brume2AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;

    const int numSamples = buffer.getNumSamples();
    const int numInputs = getTotalNumInputChannels();
    for (int ch = numInputs; ch < getTotalNumOutputChannels(); ++ch)
        buffer.clear (ch, 0, numSamples);

    for (size_t i = 0; i < parameters.size(); ++i)
        parameterSnapshot[i] = parameters[i]->getValue();
    engine.updateSmoothingTargets (parameterSnapshot.data());

    if (buffer.getNumChannels() < 2 || numInputs < 1)
        return;

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
