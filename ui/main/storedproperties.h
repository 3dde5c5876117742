// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/propertiesstore.h"

#include <QSize>

#include <functional>
#include <vector>

class BarItem;
class GridEditorRow;
class QWidget;

// What the main window keeps in the settings file, in the file's section order.
struct StoredPropertyTargets {
    std::function<GridEditorRow *(const char *name)> row;
    QWidget *window = nullptr;        // outer bounds: Height, Left, Top, Width
    QPoint *storedTopLeft = nullptr;  // Left and Top are kept, not applied
    QSize *restoredOuterSize = nullptr;
    BarItem *predictionMenu = nullptr; // its Tag carries the target kind
    QWidget *statusBar = nullptr;
};

std::vector<PropertiesStore::Entry> storedProperties(const StoredPropertyTargets &targets);
