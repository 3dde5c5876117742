// SPDX-License-Identifier: MIT
#include "support/appversion.h"

#include <charconv>

#ifndef KESTRUN_VERSION
#error "KESTRUN_VERSION must be defined by the build (the CMake project version)"
#endif

namespace {

constexpr auto kProgramVersion = parseFileVersion(KESTRUN_VERSION);
static_assert(kProgramVersion.has_value(),
              "The project version must have four parts of 0 to 65535 each");

void appendDecimal(QString &text, quint16 value)
{
    char digits[8];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(QLatin1String(digits, result.ptr - digits));
}

} // namespace

QString formatFileVersion(quint16 major, quint16 minor, quint16 release, quint16 build)
{
    QString text;
    appendDecimal(text, major);
    for (const quint16 part : {minor, release, build}) {
        text.append(QLatin1Char('.'));
        appendDecimal(text, part);
    }
    return text;
}

QString formatFileVersion(quint64 fileVersion)
{
    const auto mostSignificant = static_cast<quint32>(fileVersion >> 32);
    const auto leastSignificant = static_cast<quint32>(fileVersion & 0xFFFFFFFFu);
    return formatFileVersion(static_cast<quint16>(mostSignificant >> 16),
                             static_cast<quint16>(mostSignificant & 0xFFFFu),
                             static_cast<quint16>(leastSignificant >> 16),
                             static_cast<quint16>(leastSignificant & 0xFFFFu));
}

QString GetAppVersion()
{
    const FileVersion &v = *kProgramVersion;
    return formatFileVersion(v[0], v[1], v[2], v[3]);
}
