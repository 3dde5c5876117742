// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The main window's image list: the resource paths of its pictures in index order. The
// commands and the grids' category rows refer to pictures by these indices.
QStringList kestrunImagePaths();
