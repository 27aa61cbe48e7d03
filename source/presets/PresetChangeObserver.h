#pragma once

// Receives preset-change messages: "p" (the preset folders changed), "r" (the user presets
// changed) or a whole preset file in Base64.
class PresetChangeObserver
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void presetMessage (const char* message) = 0;
    };
};
