#pragma once

// brume2-render's command line, parsed without touching files or the plug-in.

#include <juce_core/juce_core.h>

struct ParameterSetting
{
    juce::String name;   // the parameter's name as the host lists it, e.g. "Pan Band 3"
    float value = 0.0f;  // normalised, 0 to 1
};

struct RenderOptions
{
    juce::String inputPath, outputPath;
    juce::String pluginPath;              // empty: the installed bundle, else the build tree's
    juce::String presetPath;              // empty: no preset file
    juce::Array<ParameterSetting> settings;
    int blockSize = 512;
    int bitDepth = 24;
    bool floatOutput = false;
    bool monoOutput = false;
    bool showProgress = true;
    bool listParameters = false;
    bool showHelp = false;
    juce::String demoPath;                // --generate-demo: write the demo signal there and stop
    double demoSeconds = 6.0;
};

// Fills `options` from the arguments (without the program name). On failure returns false and
// says why in `error`.
bool parseRenderOptions (const juce::StringArray& arguments, RenderOptions& options, juce::String& error);

// Parses "NAME=VALUE" with VALUE a finite number from 0 to 1.
bool parseParameterSetting (const juce::String& text, ParameterSetting& setting, juce::String& error);

extern const char* const kRenderUsage;
