// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/bar.h"

#include <functional>
#include <vector>

class QMainWindow;
class QToolBar;

// Puts the toolbars of a BarManager into a main window's dock areas and reads their
// places back. Rows count from the window edge of their side, the top side's first row
// belonging to the menu bar; inside a row the bars follow their position.
class BarDockLayout {
public:
    using ToolBarOf = std::function<QToolBar *(const Bar *)>;

    BarDockLayout(QMainWindow *window, const std::vector<Bar *> &bars, ToolBarOf toolBarOf);

    // Docks or floats every toolbar as its placement says: per side in the order of row
    // and position, a toolbar break between rows. Visibility is left to the caller.
    void arrange() const;
    // Takes side, row, position and visibility of every toolbar from the shown window. A
    // hidden toolbar has no place of its own there and keeps the one it had.
    void readBack(bool menuOnTop) const;

private:
    QMainWindow *m_window;
    const std::vector<Bar *> &m_bars;
    ToolBarOf m_toolBarOf;
};
