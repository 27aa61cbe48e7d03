#pragma once

// Told when the dimming plate behind the open browser is pressed.
class BackgroundPlateDelegate
{
public:
    virtual ~BackgroundPlateDelegate() = default;
    virtual void backgroundClicked() = 0;
};
