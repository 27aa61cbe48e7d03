#pragma once

// Peak and RMS of each channel of a stream of blocks, for the one-line summary.

#include <juce_audio_basics/juce_audio_basics.h>

#include <cmath>
#include <vector>

class ChannelStats
{
public:
    explicit ChannelStats (int numChannels) : peaks ((size_t) numChannels), sumsOfSquares ((size_t) numChannels) {}

    void add (const juce::AudioBuffer<float>& buffer, int numSamples)
    {
        for (size_t ch = 0; ch < peaks.size(); ++ch)
        {
            const float* samples = buffer.getReadPointer ((int) ch);
            for (int i = 0; i < numSamples; ++i)
            {
                peaks[ch] = std::max (peaks[ch], std::abs (samples[i]));
                sumsOfSquares[ch] += (double) samples[i] * samples[i];
            }
        }
        frames += numSamples;
    }

    float peak (int channel) const { return peaks[(size_t) channel]; }
    double rms (int channel) const { return frames > 0 ? std::sqrt (sumsOfSquares[(size_t) channel] / (double) frames) : 0.0; }

    // "L peak -6.0 dBFS rms -18.2 dBFS, R peak ..." (one channel: "M ...").
    juce::String describe() const
    {
        auto decibels = [] (double gain)
        {
            return gain > 0.0 ? juce::String (20.0 * std::log10 (gain), 1) : juce::String ("-inf");
        };
        juce::StringArray parts;
        for (int ch = 0; ch < (int) peaks.size(); ++ch)
        {
            const char* label = peaks.size() == 1 ? "M" : (ch == 0 ? "L" : (ch == 1 ? "R" : "?"));
            parts.add (juce::String (label) + " peak " + decibels (peak (ch)) + " dBFS rms " + decibels (rms (ch)) + " dBFS");
        }
        return parts.joinIntoString (", ");
    }

private:
    std::vector<float> peaks;
    std::vector<double> sumsOfSquares;
    juce::int64 frames = 0;
};
