#pragma once

// Linear parameter ramps: one lane per band (LinearRamp) or a single value (ScalarRamp).
// Advanced exactly once per sample; once the steps are used up the ramp holds its target.

#include "Vec4.h"

struct LinearRamp
{
    Vec4 current { 1.0f };
    Vec4 target { 1.0f };
    Vec4 step;
    int remaining = 0;

    Vec4 next() noexcept
    {
        if (remaining > 0)
        {
            --remaining;
            current += step;
            return current;
        }
        return target;
    }

    void aim (int steps, Vec4 stepSize) noexcept
    {
        remaining = steps;
        step = stepSize;
    }

    void snap() noexcept
    {
        current = target;
        step = Vec4();
        remaining = 0;
    }
};

struct ScalarRamp
{
    float current = 0.0f;
    float target = 0.0f;
    float step = 0.0f;
    int remaining = 0;

    float next() noexcept
    {
        if (remaining > 0)
        {
            --remaining;
            current += step;
            return current;
        }
        return target;
    }
};
