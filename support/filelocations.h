// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the program's two files live.
//
// Both sit beside the executable and are named like it, with the extension replaced by
// ".ini" or ".chm" (the part after the last dot of the file name; a name without a dot
// gets the extension appended). An installed copy lives in a folder the user cannot
// write, so there the settings file moves to the user's configuration folder and the
// help file is looked up in the installation's data folder.
namespace FileLocations {

QString withExtension(const QString &path, const QString &extension);

// The file beside the executable when it exists or its folder is writable; otherwise
// <configHome>/kestrun/kestrun.ini (configHome: $XDG_CONFIG_HOME or ~/.config).
QString settingsFile(const QString &executablePath, const QString &configHome);
QString settingsFile(); // for the running program

// The file beside the executable when it exists; otherwise <prefix>/share/kestrun/<name>.chm
// for an executable in <prefix>/bin; failing both, the path beside the executable.
QString helpFile(const QString &executablePath);
QString helpFile(); // for the running program

} // namespace FileLocations
