#pragma once

// The 16-band stereo engine: crossover split of both channels, per-band Haas delay, balance,
// width and gain with meter accumulation, sum and bypass crossfade. Knows nothing but plain
// normalised parameter values; the processor feeds it one sample pair at a time.

#include "BandMeters.h"
#include "Crossover.h"
#include "HaasDelayLine.h"
#include "LinearRamp.h"

#include <array>

class BandEngine
{
public:
    static constexpr int kNumParameters = 65;   // 16 Haas, 16 Pan, 16 Width, 16 Gain, Bypass
    static constexpr int kBypassIndex = 64;
    static constexpr int kBandRampLength = 256;

    enum RampKind { haasLeftRamp, haasRightRamp, panLeftRamp, panRightRamp, widthRamp, gainRamp, numRampKinds };

    BandEngine();

    void setSampleRate (float rate) noexcept;

    // Reads all 65 normalised values (in parameter-table order) and re-aims every ramp.
    void updateSmoothingTargets (const float* parameterValues) noexcept;

    // Ends all band ramps at once and clears meters and delay lines (the bypass ramp is left alone).
    void snapSmoothing() noexcept;

    // Clears the crossover filters' states.
    void clearFilters() noexcept;

    // Processes one stereo sample pair in place.
    void processSample (float& left, float& right) noexcept;

    // Raises the shared meters by what processSample has accumulated since the last call.
    // The processor calls it once at the end of every block.
    void publishMeters() noexcept;

    BandMeters& getMeters() noexcept { return meters; }

    // Display values computed from the meters by the editor; the engine never reads them.
    std::array<float, kNumBands> upperSpread {}, lowerSpread {}, bandPeak {};

    float getWorkingSampleRate() const noexcept { return workingSampleRate; }
    int getHaasRampLength() const noexcept { return haasRampLength; }
    const LinearRamp& getRamp (RampKind kind, int vector) const noexcept { return ramps[kind][vector]; }
    const ScalarRamp& getBypassRamp() const noexcept { return bypass; }
    Vec4 getDelay (int channel, int vector) const noexcept { return delayLines[channel][vector].getDelay(); }

private:
    float workingSampleRate = 44100.0f;
    int haasRampLength = 4410;
    float maxDelayScale = 0.04f * 44100.0f;

    StereoCrossover crossover;   // both channels' filter banks
    LinearRamp ramps[numRampKinds][4];
    ScalarRamp bypass;
    HaasDelayLine delayLines[2][4];   // [channel][vector]

    // Audio-thread accumulators, merged into `meters` by publishMeters.
    Vec4 sideMinimum[4], sideMaximum[4], peakLeft[4], peakRight[4];
    BandMeters meters;
};
