#pragma once

// Writes an audio file to a temporary file beside the target and renames it over the target
// only when everything was written, so a failed render never leaves a half-written file under
// the target's name. The format follows the target's extension (.wav, .aif/.aiff, .flac).

#include <juce_audio_formats/juce_audio_formats.h>

#include <memory>

class AtomicAudioFileWriter
{
public:
    AtomicAudioFileWriter();
    ~AtomicAudioFileWriter();   // an uncommitted temporary file is deleted

    // bitDepth 16 or 24 for integers; floatSamples writes 32-bit float (WAV only).
    bool open (const juce::File& target, double sampleRate, int numChannels, int bitDepth, bool floatSamples, juce::String& error);
    bool write (const juce::AudioBuffer<float>& buffer, int numSamples);
    bool commit (juce::String& error);

    // The format chosen for a file name, or nullptr when the extension is none of ours.
    juce::AudioFormat* formatFor (const juce::File& file);

private:
    juce::AudioFormatManager formats;
    juce::File target;
    std::unique_ptr<juce::TemporaryFile> temporary;
    std::unique_ptr<juce::AudioFormatWriter> writer;
};
