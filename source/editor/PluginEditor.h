#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class Brume2AudioProcessor;

class Brume2AudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    explicit Brume2AudioProcessorEditor (Brume2AudioProcessor&);
    ~Brume2AudioProcessorEditor() override;

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    Brume2AudioProcessor& processorRef;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Brume2AudioProcessorEditor)
};
