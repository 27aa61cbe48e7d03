#pragma once

// The Brume 2 bundle loaded through JUCE's VST3 hosting, as a DAW loads it. Owns the format
// manager and the plug-in instance; the caller's thread must be JUCE's message thread.

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <memory>

class HostedPlugin
{
public:
    static constexpr int kNumOwnParameters = 65;   // ours come first; JUCE's host bypass may follow

    HostedPlugin();
    ~HostedPlugin();

    // ~/.vst3/Brume 2.vst3 when installed there, else the bundle of the build tree.
    static juce::File defaultBundle();

    bool load (const juce::File& bundle, double sampleRate, int blockSize, juce::String& error);

    // Main-bus channel counts; false when the plug-in refuses the layout.
    bool setLayout (int inputChannels, int outputChannels);

    // Index among our 65 parameters: exact name first, then ignoring case; -1 when unknown.
    int findParameter (const juce::String& name) const;

    std::array<float, kNumOwnParameters> getValues() const;

    // Hands `body` to the plug-in as its component state, inside JUCE's hosting wrapper, exactly
    // where a saved project keeps the plug-in's own block.
    bool setComponentState (const void* body, size_t size, juce::String& error);

    // Sets all 65 values at once through the state path, so rendering starts settled on them
    // instead of gliding there from the previous values.
    bool setValues (const std::array<float, kNumOwnParameters>& values, juce::String& error);

    juce::AudioPluginInstance& instance() { return *pluginInstance; }

private:
    juce::AudioPluginFormatManager formats;
    std::unique_ptr<juce::AudioPluginInstance> pluginInstance;
};
