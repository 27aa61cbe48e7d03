#include "editor/PluginEditor.h"

#include "processor/PluginProcessor.h"

Brume2AudioProcessorEditor::Brume2AudioProcessorEditor (Brume2AudioProcessor& p)
    : juce::AudioProcessorEditor (&p), processorRef (p)
{
    setSize (700, 280);
}

Brume2AudioProcessorEditor::~Brume2AudioProcessorEditor() = default;

void Brume2AudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xFF999999));
}

void Brume2AudioProcessorEditor::resized() {}
