#include "HaasDelayLine.h"

#include <algorithm>
#include <cstring>

HaasDelayLine::HaasDelayLine() : buffer (new Slot[capacity]())
{
}

void HaasDelayLine::updateTaps() noexcept
{
    alignas (16) float d[4], prev[4];
    delay.store (d);
    for (int lane = 0; lane < 4; ++lane)
    {
        const int whole = static_cast<int> (d[lane]);
        int read = writeIndex - whole;
        if (read < 0)
            read += capacity;
        readPosition[lane] = read;
        const int before = read == 0 ? capacity - 1 : read - 1;
        prev[lane] = buffer[before].lane[lane];
    }
    previousTap = Vec4::load (prev);
    fraction = delay - truncate (delay);
    oneMinusFraction = Vec4 (1.0f) - fraction;
}

void HaasDelayLine::setDelay (Vec4 delaySamples) noexcept
{
    delay = delaySamples;
    updateTaps();
}

Vec4 HaasDelayLine::process (Vec4 input) noexcept
{
    const Slot* b = buffer.get();
    const Vec4 tap (b[readPosition[0]].lane[0], b[readPosition[1]].lane[1],
                    b[readPosition[2]].lane[2], b[readPosition[3]].lane[3]);
    const Vec4 out = fraction * previousTap + oneMinusFraction * tap;

    input.store (buffer[writeIndex].lane);
    for (auto& r : readPosition)
        if (++r == capacity)
            r = 0;
    if (++writeIndex == capacity)
        writeIndex = 0;
    return out;
}

void HaasDelayLine::clear() noexcept
{
    std::memset (buffer.get(), 0, sizeof (Slot) * capacity);
    writeIndex = 0;
    delay = max (delay, Vec4 (1.0f));
    updateTaps();
}
