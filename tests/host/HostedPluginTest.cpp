// What a DAW sees of the built bundle: description, parameters, layouts, audio and state.

#include <gtest/gtest.h>

#include <juce_audio_processors/juce_audio_processors.h>

#include <cmath>
#include <memory>
#include <random>

namespace
{
constexpr int kOurParameters = 65;
constexpr int kBypassIndex = 64;
constexpr double kRate = 48000.0;
constexpr int kBlock = 512;

juce::String expectedParameterName (int index)
{
    if (index == kBypassIndex)
        return "Bypass";
    static const char* const groups[] = { "Haas", "Pan", "Width", "Gain" };
    return juce::String (groups[index / 16]) + " Band " + juce::String (index % 16 + 1);
}

class HostedPlugin : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        formats = std::make_unique<juce::AudioPluginFormatManager>();
        formats->addFormat (new juce::VST3PluginFormat());
        juce::OwnedArray<juce::PluginDescription> found;
        formats->getFormat (0)->findAllTypesForFile (found, BRUME2_TEST_BUNDLE);
        if (found.size() == 1)
            description = std::make_unique<juce::PluginDescription> (*found[0]);
    }

    static void TearDownTestSuite()
    {
        description.reset();
        formats.reset();
    }

    void SetUp() override
    {
        ASSERT_NE (description, nullptr) << "no single VST3 class found in " << BRUME2_TEST_BUNDLE;
    }

    static std::unique_ptr<juce::AudioPluginInstance> createInstance()
    {
        juce::String error;
        auto instance = formats->createPluginInstance (*description, kRate, kBlock, error);
        EXPECT_NE (instance, nullptr) << error;
        return instance;
    }

    static bool setLayout (juce::AudioPluginInstance& instance, juce::AudioChannelSet in, juce::AudioChannelSet out)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (in);
        layout.outputBuses.add (out);
        return instance.setBusesLayout (layout);
    }

    // Stereo white noise, independent channels, fixed seed.
    static juce::AudioBuffer<float> whiteNoise (int numSamples)
    {
        juce::AudioBuffer<float> buffer (2, numSamples);
        std::mt19937 generator (1234);
        std::uniform_real_distribution<float> uniform (-0.5f, 0.5f);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < numSamples; ++i)
                buffer.setSample (ch, i, uniform (generator));
        return buffer;
    }

    // Runs `signal` through the instance block by block, in place.
    static void render (juce::AudioPluginInstance& instance, juce::AudioBuffer<float>& signal)
    {
        juce::MidiBuffer midi;
        for (int start = 0; start < signal.getNumSamples(); start += kBlock)
        {
            const int n = std::min (kBlock, signal.getNumSamples() - start);
            juce::AudioBuffer<float> block (signal.getArrayOfWritePointers(), 2, start, n);
            instance.processBlock (block, midi);
        }
    }

    static std::unique_ptr<juce::AudioPluginFormatManager> formats;
    static std::unique_ptr<juce::PluginDescription> description;
};

std::unique_ptr<juce::AudioPluginFormatManager> HostedPlugin::formats;
std::unique_ptr<juce::PluginDescription> HostedPlugin::description;
} // namespace

TEST_F (HostedPlugin, DescribesItselfAsZuvotoneBrume2Effect)
{
    EXPECT_EQ (description->pluginFormatName, "VST3");
    EXPECT_EQ (description->name, "Brume 2");
    EXPECT_EQ (description->manufacturerName, "Zuvotone");
    EXPECT_EQ (description->version, "2.1.2");
    EXPECT_TRUE (description->category.contains ("Fx")) << description->category;
    EXPECT_FALSE (description->isInstrument);
    EXPECT_EQ (description->numInputChannels, 2);
    EXPECT_EQ (description->numOutputChannels, 2);

    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    EXPECT_EQ (instance->getName(), "Brume 2");
    EXPECT_FALSE (instance->acceptsMidi());
    EXPECT_FALSE (instance->producesMidi());
    EXPECT_EQ (instance->getLatencySamples(), 0);
    EXPECT_EQ (instance->getTailLengthSeconds(), 0.0);
}

TEST_F (HostedPlugin, ListsOurParametersFirstInTableOrder)
{
    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    const auto& parameters = instance->getParameters();
    // JUCE's wrapper appends its own host-bypass parameter because ours is not announced as one.
    ASSERT_GE (parameters.size(), kOurParameters);
    EXPECT_LE (parameters.size(), kOurParameters + 1);

    for (int i = 0; i < kOurParameters; ++i)
    {
        SCOPED_TRACE (i);
        EXPECT_EQ (parameters[i]->getName (100), expectedParameterName (i));
        const float expectedDefault = (i >= 32 && i < 48) ? 1.0f : (i == kBypassIndex ? 0.0f : 0.5f);
        EXPECT_FLOAT_EQ (parameters[i]->getValue(), expectedDefault);
        EXPECT_TRUE (parameters[i]->isAutomatable());
    }
}

TEST_F (HostedPlugin, AcceptsStereoAndMonoIntoStereoOnly)
{
    using Set = juce::AudioChannelSet;
    struct Case { Set in, out; bool supported; const char* what; };
    const Case cases[] = {
        { Set::stereo(), Set::stereo(), true, "stereo -> stereo" },
        { Set::mono(), Set::stereo(), true, "mono -> stereo" },
        { Set::mono(), Set::mono(), false, "mono -> mono" },
        { Set::stereo(), Set::mono(), false, "stereo -> mono" },
        { Set::quadraphonic(), Set::stereo(), false, "quad -> stereo" },
        { Set::stereo(), Set::create5point1(), false, "stereo -> 5.1" },
        { Set::createLCR(), Set::createLCR(), false, "3 -> 3" },
    };

    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        EXPECT_EQ (setLayout (*instance, c.in, c.out), c.supported);
        if (c.supported)
        {
            EXPECT_EQ (instance->getMainBusNumInputChannels(), c.in.size());
            EXPECT_EQ (instance->getMainBusNumOutputChannels(), c.out.size());
        }
    }
}

TEST_F (HostedPlugin, BypassedOutputEqualsInputOnceCrossfadeIsDone)
{
    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    ASSERT_TRUE (setLayout (*instance, juce::AudioChannelSet::stereo(), juce::AudioChannelSet::stereo()));
    instance->getParameters()[kBypassIndex]->setValue (1.0f);
    instance->prepareToPlay (kRate, kBlock);

    const auto input = whiteNoise (4 * kBlock);
    auto output = input;
    render (*instance, output);
    instance->releaseResources();

    // The parameter reaches the plug-in with the first block; the 256-sample crossfade ends within it.
    for (int ch = 0; ch < 2; ++ch)
        for (int i = 256; i < input.getNumSamples(); ++i)
            ASSERT_EQ (output.getSample (ch, i), input.getSample (ch, i)) << "channel " << ch << " sample " << i;

    // ...and while it runs, the output is not simply the input.
    bool differs = false;
    for (int i = 0; i < 256 && ! differs; ++i)
        differs = output.getSample (0, i) != input.getSample (0, i);
    EXPECT_TRUE (differs);
}

TEST_F (HostedPlugin, DefaultsKeepWhiteNoiseEnergyUpToTheCrossoverRipple)
{
    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    ASSERT_TRUE (setLayout (*instance, juce::AudioChannelSet::stereo(), juce::AudioChannelSet::stereo()));
    instance->prepareToPlay (kRate, kBlock);

    const auto input = whiteNoise ((int) kRate * 2);
    auto output = input;
    render (*instance, output);
    instance->releaseResources();

    // Unity width costs 0.999698 in level. Each four-way split sums to an allpass, but the tier-2
    // groups carry different phases where they meet at the tier-1 crossovers, so the sum dips
    // there (deepest about -1.9 dB near 3.1 kHz): over a flat spectrum the bank passes 0.9304 of
    // the energy, computed from its transfer functions at 48 kHz. The waveform changes a lot.
    for (int ch = 0; ch < 2; ++ch)
    {
        SCOPED_TRACE (ch);
        double inEnergy = 0.0, outEnergy = 0.0, difference = 0.0;
        for (int i = 0; i < input.getNumSamples(); ++i)
        {
            inEnergy += juce::square ((double) input.getSample (ch, i));
            outEnergy += juce::square ((double) output.getSample (ch, i));
            difference += juce::square ((double) output.getSample (ch, i) - input.getSample (ch, i));
        }
        EXPECT_NEAR (outEnergy / inEnergy, 0.9304 * 0.999698 * 0.999698, 0.005);
        EXPECT_GT (difference / inEnergy, 0.01);
    }
}

TEST_F (HostedPlugin, MonoInputReachesBothOutputs)
{
    auto instance = createInstance();
    ASSERT_NE (instance, nullptr);
    ASSERT_TRUE (setLayout (*instance, juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo()));
    instance->prepareToPlay (kRate, kBlock);

    auto signal = whiteNoise (4 * kBlock);
    signal.clear (1, 0, signal.getNumSamples());   // only channel 0 is an input
    render (*instance, signal);
    instance->releaseResources();

    double left = 0.0, right = 0.0;
    for (int i = 0; i < signal.getNumSamples(); ++i)
    {
        left += juce::square ((double) signal.getSample (0, i));
        right += juce::square ((double) signal.getSample (1, i));
        ASSERT_FLOAT_EQ (signal.getSample (0, i), signal.getSample (1, i)) << i;
    }
    EXPECT_GT (left, 1.0);
    EXPECT_NEAR (right / left, 1.0, 1e-6);
}

TEST_F (HostedPlugin, StateRestoresEveryParameterIntoASecondInstance)
{
    auto first = createInstance();
    ASSERT_NE (first, nullptr);
    const auto& firstParameters = first->getParameters();
    std::array<float, kOurParameters> values {};
    for (int i = 0; i < kOurParameters; ++i)
    {
        values[(size_t) i] = (float) ((i * 37) % 101) / 100.0f;   // every parameter away from its default
        firstParameters[i]->setValue (values[(size_t) i]);
    }
    first->prepareToPlay (kRate, kBlock);
    juce::AudioBuffer<float> block (2, kBlock);
    block.clear();
    juce::MidiBuffer midi;
    first->processBlock (block, midi);   // as in a host, the values reach the plug-in with a block

    juce::MemoryBlock state;
    first->getStateInformation (state);
    first->releaseResources();
    ASSERT_GT (state.getSize(), 0u);

    auto second = createInstance();
    ASSERT_NE (second, nullptr);
    second->setStateInformation (state.getData(), (int) state.getSize());
    const auto& secondParameters = second->getParameters();
    for (int i = 0; i < kOurParameters; ++i)
        EXPECT_FLOAT_EQ (secondParameters[i]->getValue(), values[(size_t) i]) << expectedParameterName (i);
}
