// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/errorhandler.h"

#include <QList>
#include <QString>

class BarManager;
class QAction;
class QMainWindow;

// The main window's menus and toolbars as designed: the items of every command, the five
// submenus and the toolbar list, the main menu bar and the "Predict" and "Report" toolbars.
struct BarCommand {
    QString item;     // the bar item's name
    QAction *action;
    QString category; // customisation category
};
BarManager *buildMainBars(QMainWindow *window, const QList<BarCommand> &commands, ErrorHandler errorHandler);
