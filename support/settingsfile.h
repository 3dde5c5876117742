// SPDX-License-Identifier: MIT
#pragma once

#include "support/inidocument.h"

#include <QString>

#include <string>
#include <string_view>
#include <utility>

// The settings file on disk, read and written whole as an IniDocument.
//
// The file is 8-bit text: written as UTF-8 with CR LF lines and no byte-order mark; read
// as UTF-8 when its bytes are valid UTF-8, otherwise byte for byte as Windows-1252 (the
// code page of files written by the Windows program). Writing goes through a temporary
// file in the same folder that replaces the file only when complete, so a failed write
// leaves the previous content as it was.
class SettingsFile {
public:
    explicit SettingsFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }

    // A missing file reads as an empty document. Throws kestrun::Error
    // "Cannot open file "<path>". <reason>" when the file exists but cannot be read.
    IniDocument read() const;
    // Throws kestrun::Error "Cannot create file "<path>". <reason>" when the file cannot
    // be written; the file keeps its previous content then.
    void write(const IniDocument &document) const;

    // The file's bytes as UTF-8 text (a leading UTF-8 byte-order mark is dropped).
    static std::string textFromBytes(std::string_view bytes);
    static bool isValidUtf8(std::string_view bytes);

private:
    QString m_path;
};
