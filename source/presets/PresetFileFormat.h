#pragma once

// The preset file: a 16-byte header (magic 'Zuvo', plug-in code 'Byhd', format version, total
// size; all little-endian uint32) followed by the 260-byte preset body. A header-less file of
// exactly 260 bytes is accepted too. Plain C++ so tools and fuzzers use the same rules.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace PresetFileFormat
{
constexpr std::uint32_t magic = 0x5A75766F;          // 'Zuvo'
constexpr std::uint32_t pluginCode = 0x42796864;     // 'Byhd'
constexpr std::uint32_t formatVersion = 0x01000000;
constexpr std::size_t headerSize = 16;
constexpr std::size_t rawPresetSize = 260;           // 65 float32 values
constexpr std::size_t fileSize = headerSize + rawPresetSize;

inline std::uint32_t readLE32 (const unsigned char* p) noexcept
{
    return (std::uint32_t) p[0] | ((std::uint32_t) p[1] << 8) | ((std::uint32_t) p[2] << 16) | ((std::uint32_t) p[3] << 24);
}

inline void writeLE32 (unsigned char* p, std::uint32_t v) noexcept
{
    for (int i = 0; i < 4; ++i)
        p[i] = (unsigned char) (v >> (8 * i));
}

// Header rules. On success `body`/`bodySize` point into `data` (no copy).
inline bool findBody (const void* data, std::size_t size, const unsigned char*& body, std::size_t& bodySize) noexcept
{
    const auto* bytes = static_cast<const unsigned char*> (data);
    if (bytes == nullptr || size < 4)
        return false;

    if (readLE32 (bytes) == magic)
    {
        if (size < headerSize + 1 || readLE32 (bytes + 12) != size)
            return false;
        body = bytes + headerSize;
        bodySize = size - headerSize;
        return true;
    }

    if (size != rawPresetSize)
        return false;
    body = bytes;
    bodySize = size;
    return true;
}

// The header for a body of `bodySize` bytes.
inline void writeHeader (unsigned char (&header)[headerSize], std::size_t bodySize) noexcept
{
    writeLE32 (header, magic);
    writeLE32 (header + 4, pluginCode);
    writeLE32 (header + 8, formatVersion);
    writeLE32 (header + 12, (std::uint32_t) (bodySize + headerSize));
}
} // namespace PresetFileFormat
