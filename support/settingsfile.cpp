// SPDX-License-Identifier: MIT
#include "support/settingsfile.h"

#include "support/wholefile.h"

#include "core/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdint>

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes the code page leaves undefined map to
// the C1 controls of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

void appendUtf8(std::string &text, char32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(text, kWindows1252High[b - 0x80]);
        else
            appendUtf8(text, b);
    }
    return text;
}

QString absolutePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

[[noreturn]] void fail(const char *what, const QString &path, const QString &reason)
{
    const QString message = QStringLiteral("%1 \"%2\". %3").arg(QString::fromLatin1(what), absolutePath(path), reason);
    throw kestrun::Error(message.toStdString());
}

} // namespace

bool SettingsFile::isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, code = lead & 0x1F, minimum = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, code = lead & 0x0F, minimum = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, code = lead & 0x07, minimum = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF are not UTF-8.
        if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::string SettingsFile::textFromBytes(std::string_view bytes)
{
    if (!isValidUtf8(bytes))
        return fromWindows1252(bytes);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return std::string(bytes);
}

IniDocument SettingsFile::read() const
{
    if (!QFileInfo::exists(m_path))
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Cannot open file", m_path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail("Cannot open file", m_path, file.errorString());
    return IniDocument::parse(textFromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

void SettingsFile::write(const IniDocument &document) const
{
    const std::string text = document.serialize();
    // The user's configuration folder of an installed copy may not exist yet.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    writeWholeFile(m_path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}
