// brume2-make-presets TABLE OUTPUT-FOLDER
//
// Turns the readable factory-preset table into preset files:
//   OUTPUT-FOLDER/01_<category>/01_<preset>.brumepreset ...
// numbered in table order, which is the order the plug-in lists them in. Table syntax:
//
//   # comment
//   category Stereo Width
//   preset Mono Bass
//   width 1-3 = 0%
//
// A setting line is `<kind> <bands> = <values>`: kind haas, pan, width or gain; bands "all", "7",
// "1-4" or "1,3,5"; values one value for all the bands, one value per band, or "a .. b" for a
// straight line from the first band to the last. A value is normalised (0 to 1) or in a unit:
// haas in ms (+ delays the left channel, - the right), gain in dB, width in % (0 mono, 100
// unchanged). `bypass = <0 or 1>` needs no bands. Anything not set keeps its table default.
//
// Plain C++: it shares the parameter table and the file header with the plug-in.

#include "presets/PresetFileFormat.h"
#include "processor/ParameterSpecs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
constexpr int kBands = 16;
constexpr double kMaxHaasMs = 40.0;
constexpr double kGainAboveUnity = 2.16227766;   // the engine's slope above gain 0.5

struct Preset
{
    std::string name;
    float values[kNumParameters];
};

struct Category
{
    std::string name;
    std::vector<Preset> presets;
};

struct Table
{
    std::vector<Category> categories;
};

std::string trim (const std::string& s)
{
    const auto first = s.find_first_not_of (" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of (" \t\r");
    return s.substr (first, last - first + 1);
}

bool fail (int line, const std::string& message)
{
    std::cerr << "factory preset table, line " << line << ": " << message << "\n";
    return false;
}

// Inverse of the engine's mappings, so the table can speak in ms, dB and %.
bool haasFromMs (double ms, double& normalised)
{
    if (std::fabs (ms) > kMaxHaasMs)
        return false;
    const double a = std::pow (std::fabs (ms) / kMaxHaasMs, 0.25);   // delay = 40 ms * a^4
    normalised = ms >= 0 ? 0.5 + a / 2 : 0.5 - a / 2;
    return true;
}

bool gainFromDb (double db, double& normalised)
{
    const double g = std::pow (10.0, db / 20.0);
    normalised = g <= 1.0 ? std::sqrt (g) / 2 : ((g - 1.0) / kGainAboveUnity + 1.0) / 2;
    return normalised <= 1.0 + 1e-9;
}

bool splitNumber (const std::string& text, double& number, std::string& unit)
{
    char* end = nullptr;
    number = std::strtod (text.c_str(), &end);
    if (end == text.c_str())
        return false;
    unit = trim (end);
    return true;
}

// A number in the table's unit (none = normalised) to the normalised value.
bool toNormalised (const std::string& kind, double number, const std::string& unit, double& value)
{
    if (unit.empty())
        value = number;
    else if (unit == "ms" && kind == "haas")
        return haasFromMs (number, value);
    else if (unit == "dB" && kind == "gain")
        return gainFromDb (number, value);
    else if (unit == "%" && kind == "width")
        value = number / 100.0;
    else
        return false;
    return true;
}

bool parseValue (const std::string& kind, const std::string& text, double& value)
{
    double number = 0;
    std::string unit;
    return splitNumber (text, number, unit) && toNormalised (kind, number, unit, value);
}

bool parseBands (const std::string& text, std::vector<int>& bands)
{
    if (text == "all")
    {
        for (int b = 1; b <= kBands; ++b)
            bands.push_back (b);
        return true;
    }

    std::stringstream list (text);
    std::string item;
    while (std::getline (list, item, ','))
    {
        int first = 0, last = 0;
        char dash = 0;
        std::stringstream range (item);
        if (! (range >> first))
            return false;
        last = first;
        if (range >> dash && (dash != '-' || ! (range >> last)))
            return false;
        if (first < 1 || last > kBands || first > last)
            return false;
        for (int b = first; b <= last; ++b)
            bands.push_back (b);
    }
    return ! bands.empty();
}

bool applySetting (const std::string& line, int lineNumber, Preset& preset)
{
    const auto equals = line.find ('=');
    if (equals == std::string::npos)
        return fail (lineNumber, "expected `<kind> <bands> = <values>`");

    std::stringstream left (line.substr (0, equals));
    std::string kind, bandText;
    left >> kind >> bandText;
    const std::string rhs = trim (line.substr (equals + 1));

    if (kind == "bypass")
    {
        double v = 0;
        if (! bandText.empty() || ! parseValue (kind, rhs, v) || (v != 0.0 && v != 1.0))
            return fail (lineNumber, "bypass takes no bands and the value 0 or 1");
        preset.values[kBypassParameterIndex] = (float) v;
        return true;
    }

    const int page = kind == "haas" ? 0 : kind == "pan" ? 1 : kind == "width" ? 2 : kind == "gain" ? 3 : -1;
    if (page < 0)
        return fail (lineNumber, "unknown kind `" + kind + "` (haas, pan, width, gain, bypass)");

    std::vector<int> bands;
    if (! parseBands (bandText, bands))
        return fail (lineNumber, "bad bands `" + bandText + "` (all, 7, 1-4 or 1,3,5 within 1 to 16)");

    std::vector<double> values;
    const auto ramp = rhs.find ("..");
    if (ramp != std::string::npos)
    {
        // The line is drawn in the table's unit (a dB tilt is straight in dB), then mapped.
        double from = 0, to = 0;
        std::string fromUnit, toUnit;
        if (! splitNumber (trim (rhs.substr (0, ramp)), from, fromUnit) || ! splitNumber (trim (rhs.substr (ramp + 2)), to, toUnit)
            || fromUnit != toUnit)
            return fail (lineNumber, "bad ramp `" + rhs + "` (both ends in the same unit)");
        const size_t n = bands.size();
        for (size_t i = 0; i < n; ++i)
        {
            const double t = n > 1 ? (double) i / (double) (n - 1) : 0.0;
            double v = 0;
            if (! toNormalised (kind, from + (to - from) * t, fromUnit, v))
                return fail (lineNumber, "bad ramp `" + rhs + "` for " + kind);
            values.push_back (v);
        }
    }
    else
    {
        std::stringstream items (rhs);
        std::string item;
        while (items >> item)
        {
            double v = 0;
            if (! parseValue (kind, item, v))
                return fail (lineNumber, "bad value `" + item + "` for " + kind);
            values.push_back (v);
        }
        if (values.size() == 1)
            values.resize (bands.size(), values.front());
        if (values.size() != bands.size())
            return fail (lineNumber, "give one value, one per band, or a ramp `a .. b`");
    }

    for (size_t i = 0; i < bands.size(); ++i)
    {
        if (! (values[i] >= 0.0 && values[i] <= 1.0 + 1e-9))
            return fail (lineNumber, "value outside 0 to 1 after conversion");
        preset.values[page * kBands + bands[i] - 1] = (float) std::min (values[i], 1.0);
    }
    return true;
}

bool isSafeName (const std::string& name)
{
    if (name.empty() || name.find_first_of ("/\\") != std::string::npos || name.find ("..") != std::string::npos)
        return false;
    return std::none_of (name.begin(), name.end(), [] (unsigned char c) { return c < 0x20 || c == 0x7f; });
}

bool readTable (const char* path, Table& table)
{
    std::ifstream in (path);
    if (! in)
    {
        std::cerr << "cannot read " << path << "\n";
        return false;
    }

    std::string raw;
    int lineNumber = 0;
    while (std::getline (in, raw))
    {
        ++lineNumber;
        const std::string line = trim (raw.substr (0, raw.find ('#')));
        if (line.empty())
            continue;

        const auto space = line.find (' ');
        const std::string keyword = line.substr (0, space);
        const std::string rest = space == std::string::npos ? std::string() : trim (line.substr (space));

        if (keyword == "category")
        {
            if (! isSafeName (rest))
                return fail (lineNumber, "bad category name");
            table.categories.push_back ({ rest, {} });
        }
        else if (keyword == "preset")
        {
            if (table.categories.empty())
                return fail (lineNumber, "preset before any category");
            if (! isSafeName (rest) || rest.find ('.') != std::string::npos)
                return fail (lineNumber, "bad preset name (no path characters or dots)");
            Preset preset { rest, {} };
            for (const auto& spec : kParameterSpecs)
                preset.values[spec.index] = spec.normalisedDefault();
            table.categories.back().presets.push_back (preset);
        }
        else
        {
            if (table.categories.empty() || table.categories.back().presets.empty())
                return fail (lineNumber, "setting before any preset");
            if (! applySetting (line, lineNumber, table.categories.back().presets.back()))
                return false;
        }
    }

    for (const auto& category : table.categories)
        if (category.presets.empty() || category.presets.size() > 99)
        {
            std::cerr << "category " << category.name << " must hold 1 to 99 presets\n";
            return false;
        }
    return ! table.categories.empty() && table.categories.size() <= 99;
}

std::string numbered (size_t index, const std::string& name)
{
    char prefix[8];
    std::snprintf (prefix, sizeof (prefix), "%02zu_", index + 1);
    return prefix + name;
}

bool writePreset (const fs::path& file, const Preset& preset)
{
    unsigned char bytes[PresetFileFormat::fileSize];
    unsigned char header[PresetFileFormat::headerSize];
    PresetFileFormat::writeHeader (header, PresetFileFormat::rawPresetSize);
    std::memcpy (bytes, header, sizeof (header));
    for (int i = 0; i < kNumParameters; ++i)
    {
        std::uint32_t bits = 0;
        std::memcpy (&bits, &preset.values[i], 4);
        PresetFileFormat::writeLE32 (bytes + PresetFileFormat::headerSize + 4 * i, bits);
    }

    std::ofstream out (file, std::ios::binary | std::ios::trunc);
    out.write (reinterpret_cast<const char*> (bytes), sizeof (bytes));
    return (bool) out;
}
} // namespace

int main (int argc, char** argv)
{
    if (argc != 3)
    {
        std::cerr << "usage: brume2-make-presets TABLE OUTPUT-FOLDER\n";
        return 2;
    }

    Table table;
    if (! readTable (argv[1], table))
        return 1;

    const fs::path root (argv[2]);
    std::error_code error;
    fs::remove_all (root, error);   // no stale presets from an earlier table

    size_t count = 0;
    for (size_t c = 0; c < table.categories.size(); ++c)
    {
        const auto& category = table.categories[c];
        const auto folder = root / numbered (c, category.name);
        fs::create_directories (folder, error);
        if (error)
        {
            std::cerr << "cannot create " << folder << ": " << error.message() << "\n";
            return 1;
        }
        for (size_t p = 0; p < category.presets.size(); ++p)
        {
            const auto file = folder / (numbered (p, category.presets[p].name) + "." + "brumepreset");
            if (! writePreset (file, category.presets[p]))
            {
                std::cerr << "cannot write " << file << "\n";
                return 1;
            }
            ++count;
        }
    }

    std::cout << "brume2-make-presets: " << count << " presets in " << table.categories.size() << " categories\n";
    return 0;
}
