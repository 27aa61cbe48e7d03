#include "DemoSignal.h"

#include <cmath>
#include <random>

juce::AudioBuffer<float> makeDemoSignal (double sampleRate, double seconds)
{
    const int numSamples = (int) std::lround (sampleRate * seconds);
    juce::AudioBuffer<float> buffer (2, numSamples);
    buffer.clear();

    std::mt19937 generator (20261211);
    std::normal_distribution<float> gaussian (0.0f, 1.0f);
    const double twoPi = juce::MathConstants<double>::twoPi;
    float lowLeft = 0.0f, lowRight = 0.0f;

    for (int i = 0; i < numSamples; ++i)
    {
        const double t = i / sampleRate;
        const double fade = std::min ({ 1.0, t / 0.05, (seconds - t) / 0.05 });   // no clicks at the ends

        // Bass: 55 Hz with a little second harmonic, in the centre.
        const double bass = 0.25 * std::sin (twoPi * 55.0 * t) + 0.06 * std::sin (twoPi * 110.0 * t);

        // A-minor chord, mostly left.
        const double chord = 0.07 * (std::sin (twoPi * 220.0 * t) + std::sin (twoPi * 261.63 * t) + std::sin (twoPi * 329.63 * t));

        // Lead: 1760 Hz pulsing four times a second, mostly right.
        const double gate = 0.5 - 0.5 * std::cos (twoPi * 4.0 * t);
        const double lead = 0.08 * gate * std::sin (twoPi * 1760.0 * t);

        // Noise bed: independent in each channel, gently low-passed, quiet.
        lowLeft += 0.3f * (gaussian (generator) - lowLeft);
        lowRight += 0.3f * (gaussian (generator) - lowRight);

        const double left = bass + 0.8 * chord + 0.3 * lead + 0.03 * lowLeft;
        const double right = bass + 0.3 * chord + 0.8 * lead + 0.03 * lowRight;
        buffer.setSample (0, i, (float) (fade * left));
        buffer.setSample (1, i, (float) (fade * right));
    }
    return buffer;
}
