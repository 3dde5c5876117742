// SPDX-License-Identifier: MIT
#include "support/wholefile.h"

#include "core/error.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

[[noreturn]] void cannotCreate(const QString &path, const QString &reason)
{
    throw kestrun::Error(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QFileInfo(path).absoluteFilePath(), reason)
                             .toStdString());
}

} // namespace

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        cannotCreate(path, reason);
    }
    if (!file.commit())
        cannotCreate(path, file.errorString());
}
