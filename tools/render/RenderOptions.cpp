#include "RenderOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

const char* const kRenderUsage =
    "usage: brume2-render [options] INPUT OUTPUT\n"
    "       brume2-render --generate-demo OUTPUT.wav [--seconds S]\n"
    "       brume2-render --list-parameters [--plugin PATH]\n"
    "\n"
    "Renders a WAV, AIFF or FLAC file through the Brume 2 VST3 plug-in. The output's format\n"
    "follows its extension (.wav, .aif/.aiff, .flac); a mono input is rendered to stereo.\n"
    "\n"
    "  --plugin PATH       the Brume 2.vst3 bundle (default: ~/.vst3, else the build tree's)\n"
    "  --preset FILE       apply a .brumepreset file before any --set\n"
    "  --set \"NAME=VALUE\"  set a parameter by name, VALUE normalised 0 to 1 (repeatable)\n"
    "  --block N           block size in samples (default 512)\n"
    "  --bits 16|24        integer output bit depth (default 24)\n"
    "  --float             32-bit float output (WAV only)\n"
    "  --mono-out          ask for a mono output (refused: the plug-in always outputs stereo)\n"
    "  --no-progress       no progress bar even on a terminal\n"
    "  --list-parameters   print the plug-in's parameter names and values, then stop\n"
    "  --generate-demo F   write the project's demo signal (stereo WAV, 48 kHz) to F\n"
    "  --seconds S         length of the demo signal (default 6)\n";

namespace
{
bool parseNumber (const juce::String& text, double& result)
{
    const auto trimmed = text.trim();
    if (trimmed.isEmpty())
        return false;
    const auto utf8 = trimmed.toStdString();
    char* end = nullptr;
    errno = 0;
    result = std::strtod (utf8.c_str(), &end);
    return errno == 0 && end != nullptr && *end == '\0' && std::isfinite (result);
}
} // namespace

bool parseParameterSetting (const juce::String& text, ParameterSetting& setting, juce::String& error)
{
    const int equals = text.lastIndexOfChar ('=');
    if (equals <= 0)
    {
        error = "--set needs \"NAME=VALUE\", got \"" + text + "\"";
        return false;
    }
    setting.name = text.substring (0, equals).trim();
    const auto valueText = text.substring (equals + 1);
    double value = 0.0;
    if (! parseNumber (valueText, value))
    {
        error = "value of \"" + setting.name + "\" is not a number: \"" + valueText + "\"";
        return false;
    }
    if (value < 0.0 || value > 1.0)
    {
        error = "value of \"" + setting.name + "\" is outside 0 to 1: " + valueText.trim();
        return false;
    }
    setting.value = (float) value;
    return true;
}

bool parseRenderOptions (const juce::StringArray& arguments, RenderOptions& options, juce::String& error)
{
    juce::StringArray positional;

    for (int i = 0; i < arguments.size(); ++i)
    {
        const auto& argument = arguments[i];
        auto takeValue = [&] (juce::String& destination)
        {
            if (i + 1 >= arguments.size())
            {
                error = argument + " needs a value";
                return false;
            }
            destination = arguments[++i];
            return true;
        };
        juce::String value;

        if (argument == "--help" || argument == "-h")
            options.showHelp = true;
        else if (argument == "--plugin")
        {
            if (! takeValue (options.pluginPath)) return false;
        }
        else if (argument == "--preset")
        {
            if (! takeValue (options.presetPath)) return false;
        }
        else if (argument == "--set")
        {
            if (! takeValue (value)) return false;
            ParameterSetting setting;
            if (! parseParameterSetting (value, setting, error))
                return false;
            options.settings.add (setting);
        }
        else if (argument == "--block")
        {
            if (! takeValue (value)) return false;
            double number = 0.0;
            if (! parseNumber (value, number) || number != std::floor (number) || number < 1 || number > 65536)
            {
                error = "--block needs a whole number of samples from 1 to 65536, got \"" + value + "\"";
                return false;
            }
            options.blockSize = (int) number;
        }
        else if (argument == "--bits")
        {
            if (! takeValue (value)) return false;
            if (value.trim() != "16" && value.trim() != "24")
            {
                error = "--bits takes 16 or 24 (use --float for 32-bit float), got \"" + value + "\"";
                return false;
            }
            options.bitDepth = value.trim().getIntValue();
        }
        else if (argument == "--float")
            options.floatOutput = true;
        else if (argument == "--mono-out")
            options.monoOutput = true;
        else if (argument == "--no-progress")
            options.showProgress = false;
        else if (argument == "--list-parameters")
            options.listParameters = true;
        else if (argument == "--generate-demo")
        {
            if (! takeValue (options.demoPath)) return false;
        }
        else if (argument == "--seconds")
        {
            if (! takeValue (value)) return false;
            if (! parseNumber (value, options.demoSeconds) || options.demoSeconds <= 0.0 || options.demoSeconds > 600.0)
            {
                error = "--seconds needs a length from 0 to 600 seconds, got \"" + value + "\"";
                return false;
            }
        }
        else if (argument.startsWith ("--"))
        {
            error = "unknown option " + argument;
            return false;
        }
        else
            positional.add (argument);
    }

    if (options.showHelp || options.listParameters || options.demoPath.isNotEmpty())
    {
        if (! positional.isEmpty())
        {
            error = "unexpected argument \"" + positional[0] + "\"";
            return false;
        }
        return true;
    }

    if (positional.size() != 2)
    {
        error = positional.size() < 2 ? "needs an INPUT and an OUTPUT file" : "too many arguments";
        return false;
    }
    options.inputPath = positional[0];
    options.outputPath = positional[1];
    return true;
}
