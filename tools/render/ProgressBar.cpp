#include "ProgressBar.h"

#include <cstdio>
#include <unistd.h>

ProgressBar::ProgressBar (bool wanted) : enabled (wanted && isatty (fileno (stderr)) != 0) {}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::update (juce::int64 done, juce::int64 total)
{
    if (! enabled || total <= 0)
        return;
    const int percent = (int) juce::jlimit<juce::int64> (0, 100, done * 100 / total);
    if (percent == lastPercent)
        return;
    lastPercent = percent;

    constexpr int width = 40;
    const int filled = percent * width / 100;
    std::fprintf (stderr, "\r[%.*s%*s] %3d%%", filled, "########################################", width - filled, "", percent);
    std::fflush (stderr);
}

void ProgressBar::finish()
{
    if (enabled && lastPercent >= 0)
    {
        std::fputs ("\r\033[K", stderr);   // clear the bar; the summary follows on stdout
        std::fflush (stderr);
    }
    lastPercent = -1;
}
