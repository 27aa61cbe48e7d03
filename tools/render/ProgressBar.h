#pragma once

// A one-line progress bar on the terminal (standard error), drawn only when it is a terminal.

#include <juce_core/juce_core.h>

class ProgressBar
{
public:
    explicit ProgressBar (bool wanted);
    ~ProgressBar();

    void update (juce::int64 done, juce::int64 total);
    void finish();

private:
    bool enabled;
    int lastPercent = -1;
};
