#pragma once

// The project's own demo signal: a few seconds of a stereo mix (a centred bass note, a chord
// panned left, a pulsing lead on the right and a wide noise bed) so a render shows every band.

#include <juce_audio_basics/juce_audio_basics.h>

juce::AudioBuffer<float> makeDemoSignal (double sampleRate, double seconds);
