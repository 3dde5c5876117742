// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through a temporary file in the same folder that replaces the
// target only once it is complete: a failed write leaves the previous content as it was.
// Throws kestrun::Error "Cannot create file "<full path>". <system's reason>".
void writeWholeFile(const QString &path, const QByteArray &bytes);
