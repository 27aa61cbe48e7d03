#include "TestSupport.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
struct ProcessorFixture : ::testing::Test
{
    TemporaryRoots roots;
    Brume2AudioProcessor processor { roots.roots() };

    void fillNoise (juce::AudioBuffer<float>& buffer, unsigned seed = 5)
    {
        std::mt19937 rng (seed);
        std::uniform_real_distribution<float> d (-0.5f, 0.5f);
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int n = 0; n < buffer.getNumSamples(); ++n)
                buffer.setSample (ch, n, d (rng));
    }

    void process (juce::AudioBuffer<float>& buffer)
    {
        juce::MidiBuffer midi;
        processor.processBlock (buffer, midi);
    }
};

using Processor = ProcessorFixture;
} // namespace

TEST_F (Processor, ParametersInTableOrderWithExactIdentifiers)
{
    const auto& params = processor.getParameters();
    ASSERT_EQ (params.size(), 65);

    struct Case { int index; const char* id; const char* name; float defaultValue; };
    for (const auto& c : { Case { 0, "0Haas Band 1", "Haas Band 1", 0.5f },
                           Case { 15, "15Haas Band 16", "Haas Band 16", 0.5f },
                           Case { 16, "16Pan Band 1", "Pan Band 1", 0.5f },
                           Case { 32, "32Width Band 1", "Width Band 1", 1.0f },
                           Case { 47, "47Width Band 16", "Width Band 16", 1.0f },
                           Case { 63, "63Gain Band 16", "Gain Band 16", 0.5f },
                           Case { 64, "64Bypass", "Bypass", 0.0f } })
    {
        auto* p = dynamic_cast<juce::AudioParameterFloat*> (params[c.index]);
        ASSERT_NE (p, nullptr);
        EXPECT_EQ (p->getParameterID(), c.id);
        EXPECT_EQ (p->getName (100), c.name);
        EXPECT_EQ (params[c.index]->getDefaultValue(), c.defaultValue);
        EXPECT_EQ (p->getVersionHint(), 1);
        EXPECT_TRUE (p->isAutomatable());
        EXPECT_EQ (p->getLabel(), "");
    }

    for (int i = 0; i < 65; ++i)
    {
        auto* p = dynamic_cast<juce::AudioParameterFloat*> (params[i]);
        EXPECT_EQ (p->getParameterID(), juce::String (i) + kParameterSpecs[(size_t) i].name);
        EXPECT_EQ (params[i]->getValue(), kParameterSpecs[(size_t) i].normalisedDefault());
    }
    EXPECT_EQ (processor.getBypassParameter(), nullptr);
}

TEST_F (Processor, ParameterTextRoundTrip)
{
    auto& p = processor.getParameterByIndex (20);
    struct Case { const char* text; float value; };
    for (const auto c : { Case { "0.25", 0.25f }, Case { "2", 1.0f }, Case { "-1", 0.0f }, Case { "0.5", 0.5f } })
        EXPECT_EQ (p.getValueForText (c.text), c.value) << c.text;

    EXPECT_EQ (p.getText (0.5f, 1024), "0.5000000");
    EXPECT_EQ (p.getText (0.5f, 3), "0.5");
}

TEST_F (Processor, BusLayouts)
{
    using Set = juce::AudioChannelSet;
    struct Case { Set in, out; bool supported; };
    const Case cases[] = {
        { Set::stereo(), Set::stereo(), true },
        { Set::mono(), Set::stereo(), true },
        { Set::mono(), Set::mono(), false },
        { Set::stereo(), Set::mono(), false },
        { Set::create5point1(), Set::stereo(), false },
        { Set::stereo(), Set::createLCR(), false },
        { Set::disabled(), Set::stereo(), false },
    };
    for (const auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (c.in);
        layout.outputBuses.add (c.out);
        EXPECT_EQ (processor.checkBusesLayoutSupported (layout), c.supported)
            << c.in.getDescription() << " -> " << c.out.getDescription();
    }
}

TEST_F (Processor, AnswersTheHostsQuestions)
{
    EXPECT_EQ (processor.getName(), "Brume 2");
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (0), "");
    processor.setCurrentProgram (3);
    processor.changeProgramName (0, "x");
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (0), "");
    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_FALSE (processor.isMidiEffect());
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_EQ (processor.getLatencySamples(), 0);
    EXPECT_TRUE (processor.hasEditor());
}

TEST_F (Processor, WorkingRateIsAtLeast44100)
{
    struct Case { double hostRate; float working; int haasSteps; };
    for (const auto c : { Case { 22050.0, 44100.0f, 4410 }, Case { 48000.0, 48000.0f, 4800 }, Case { 48000.0, 48000.0f, 4800 },
                          Case { 192000.0, 192000.0f, 19200 } })
    {
        processor.prepareToPlay (c.hostRate, 512);
        EXPECT_EQ (processor.engine.getWorkingSampleRate(), c.working);
        EXPECT_EQ (processor.engine.getHaasRampLength(), c.haasSteps);
    }
}

TEST_F (Processor, MonoInputFeedsBothChannels)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::mono());
    layout.outputBuses.add (juce::AudioChannelSet::stereo());
    ASSERT_TRUE (processor.setBusesLayout (layout));
    processor.prepareToPlay (44100.0, 512);

    juce::AudioBuffer<float> buffer (2, 512);
    fillNoise (buffer);
    buffer.applyGain (1, 0, 512, 1000.0f);   // junk in the output-only channel must not leak
    process (buffer);

    float energy = 0.0f;
    for (int n = 0; n < 512; ++n)
    {
        EXPECT_EQ (buffer.getSample (0, n), buffer.getSample (1, n));
        energy += buffer.getSample (1, n) * buffer.getSample (1, n);
    }
    EXPECT_GT (energy, 1.0f);
}

TEST_F (Processor, SilenceInGivesExactSilenceOut)
{
    juce::AudioBuffer<float> buffer (2, 1024);
    fillNoise (buffer);
    process (buffer);   // leave something in the filters and delay lines

    processor.prepareToPlay (48000.0, 1024);
    for (int block = 0; block < 8; ++block)
    {
        buffer.clear();
        process (buffer);
        for (int ch = 0; ch < 2; ++ch)
            for (int n = 0; n < buffer.getNumSamples(); ++n)
                ASSERT_EQ (buffer.getSample (ch, n), 0.0f);
    }
}

// A host sending NaN or infinity once must not silence the plug-in for good.
TEST_F (Processor, NonFiniteInputDoesNotPoisonTheFilters)
{
    processor.prepareToPlay (44100.0, 256);
    juce::AudioBuffer<float> buffer (2, 256);
    fillNoise (buffer);
    buffer.setSample (0, 10, std::numeric_limits<float>::quiet_NaN());
    buffer.setSample (1, 20, std::numeric_limits<float>::infinity());
    process (buffer);

    for (int block = 0; block < 4; ++block)
    {
        fillNoise (buffer, (unsigned) block + 9);
        process (buffer);
        for (int ch = 0; ch < 2; ++ch)
            for (int n = 0; n < 256; ++n)
                ASSERT_TRUE (std::isfinite (buffer.getSample (ch, n)));
    }
    EXPECT_GT (buffer.getRMSLevel (0, 0, 256), 0.05f);
}

TEST_F (Processor, EmptyBlockReaimsTheRamps)
{
    processor.prepareToPlay (44100.0, 256);
    processor.getParameterByIndex (16).setValueNotifyingHost (0.0f);   // pan band 1

    juce::AudioBuffer<float> empty (2, 0);
    process (empty);
    EXPECT_EQ (processor.engine.getRamp (BandEngine::panRightRamp, 0).remaining, 256);
    EXPECT_EQ (processor.engine.getRamp (BandEngine::panRightRamp, 0).target.lane (0), 0.0f);
    EXPECT_EQ (processor.engine.getRamp (BandEngine::haasLeftRamp, 0).remaining, 4410);
}

TEST_F (Processor, BypassedOutputEqualsInputAndMetersStillMove)
{
    processor.prepareToPlay (44100.0, 512);
    processor.getParameterByIndex (kBypassParameterIndex).setValueNotifyingHost (1.0f);

    juce::AudioBuffer<float> buffer (2, 512);
    fillNoise (buffer);
    process (buffer);   // the 256-sample crossfade

    processor.engine.getMeters().clear();
    fillNoise (buffer, 77);
    const juce::AudioBuffer<float> input (buffer);
    process (buffer);
    for (int ch = 0; ch < 2; ++ch)
        for (int n = 0; n < 512; ++n)
            ASSERT_EQ (buffer.getSample (ch, n), input.getSample (ch, n));

    EXPECT_GT (processor.engine.getMeters().peakLeft[0].load(), 0.0f);
}

// A fresh instance starts settled: no glide of the Haas delays in the first block.
TEST_F (Processor, FreshInstanceStartsSettled)
{
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ (processor.engine.getDelay (0, k).lane (0), 1.0f);

    juce::AudioBuffer<float> buffer (2, 64);
    fillNoise (buffer);
    process (buffer);
    EXPECT_EQ (processor.engine.getDelay (0, 0).lane (0), 1.0f);
    EXPECT_EQ (processor.engine.getDelay (1, 3).lane (3), 1.0f);
}
