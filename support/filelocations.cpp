// SPDX-License-Identifier: MIT
#include "support/filelocations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace FileLocations {

QString withExtension(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString folder = path.left(path.size() - name.size());
    return folder + stem + extension;
}

QString settingsFile(const QString &executablePath, const QString &configHome)
{
    const QString beside = withExtension(executablePath, QStringLiteral(".ini"));
    const QFileInfo besideInfo(beside);
    if (besideInfo.exists() || QFileInfo(besideInfo.absolutePath()).isWritable())
        return beside;
    return QDir(configHome).filePath(QStringLiteral("kestrun/kestrun.ini"));
}

QString settingsFile()
{
    return settingsFile(QCoreApplication::applicationFilePath(),
                        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

QString helpFile(const QString &executablePath)
{
    const QString beside = withExtension(executablePath, QStringLiteral(".chm"));
    if (QFileInfo::exists(beside))
        return beside;
    const QFileInfo executable(executablePath);
    const QString installed = QDir(executable.absolutePath())
                                  .filePath(QStringLiteral("../share/kestrun/")
                                            + QFileInfo(beside).fileName());
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return beside;
}

QString helpFile()
{
    return helpFile(QCoreApplication::applicationFilePath());
}

} // namespace FileLocations
