// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <string_view>

// The program's fixed file version: four unsigned 16-bit numbers, major, minor, release
// and build. The build gives it once, as the CMake project version (KESTRUN_VERSION);
// the executable carries it compiled in, and on Windows also in its version resource
// made from the same numbers.
using FileVersion = std::array<quint16, 4>;

// Reads "major.minor.release.build" (decimal digits only, each part at most 65535).
// Usable at compile time, so a project version that does not fit stops the build.
constexpr std::optional<FileVersion> parseFileVersion(std::string_view text)
{
    FileVersion parts{};
    std::size_t part = 0;
    unsigned long value = 0;
    bool digitSeen = false;
    for (const char c : text) {
        if (c == '.') {
            if (!digitSeen || part == parts.size() - 1)
                return std::nullopt;
            parts[part++] = static_cast<quint16>(value);
            value = 0;
            digitSeen = false;
        } else if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<unsigned long>(c - '0');
            if (value > 0xFFFF)
                return std::nullopt;
            digitSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen || part != parts.size() - 1)
        return std::nullopt;
    parts[part] = static_cast<quint16>(value);
    return parts;
}

// The four numbers as unsigned decimals without leading zeros, joined by ".".
QString formatFileVersion(quint16 major, quint16 minor, quint16 release, quint16 build);

// The same from the 64-bit file version of a version record: major is the high 16 bits
// of the most significant half, minor its low 16 bits, release and build the high and
// low 16 bits of the least significant half.
QString formatFileVersion(quint64 fileVersion);

// The version of the running program, for the About box and the feedback subjects.
QString GetAppVersion();
