// SPDX-License-Identifier: MIT
#include "ui/widgets/bardocklayout.h"

#include <QLayout>
#include <QMainWindow>
#include <QToolBar>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

Qt::ToolBarArea toArea(int dockingStyle)
{
    switch (dockingStyle) {
    case Bar::DockLeft: return Qt::LeftToolBarArea;
    case Bar::DockRight: return Qt::RightToolBarArea;
    case Bar::DockBottom: return Qt::BottomToolBarArea;
    default: return Qt::TopToolBarArea;
    }
}

int toDockingStyle(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::LeftToolBarArea: return Bar::DockLeft;
    case Qt::RightToolBarArea: return Bar::DockRight;
    case Qt::BottomToolBarArea: return Bar::DockBottom;
    default: return Bar::DockTop;
    }
}

bool isHorizontalSide(int dockingStyle)
{
    return dockingStyle == Bar::DockTop || dockingStyle == Bar::DockBottom;
}

} // namespace

BarDockLayout::BarDockLayout(QMainWindow *window, const std::vector<Bar *> &bars, ToolBarOf toolBarOf)
    : m_window(window), m_bars(bars), m_toolBarOf(std::move(toolBarOf))
{
}

void BarDockLayout::arrange() const
{
    std::vector<Bar *> toolBars;
    for (Bar *bar : m_bars) {
        if (!m_toolBarOf(bar))
            continue;
        Bar::Placement &p = bar->m_placement;
        if (p.dockingStyle < Bar::Floating || p.dockingStyle > Bar::DockBottom)
            p.dockingStyle = Bar::DockTop;
        if (p.dockingStyle == Bar::Floating && !bar->hasFlag(Bar::Floatable))
            p.dockingStyle = p.dockedDockingStyle;
        if (p.dockingStyle != Bar::Floating)
            p.dockedDockingStyle = p.dockingStyle;
        if (p.dockedDockingStyle < Bar::DockLeft || p.dockedDockingStyle > Bar::DockBottom)
            p.dockedDockingStyle = Bar::DockTop;
        toolBars.push_back(bar);
        m_window->removeToolBar(m_toolBarOf(bar));
    }
    const auto orderKey = [](const Bar *bar) {
        const Bar::Placement &p = bar->placement();
        const int position = isHorizontalSide(p.dockedDockingStyle) ? p.dockedLeft : p.dockedTop;
        return std::tuple(p.dockedDockingStyle, p.row, position, bar->index());
    };
    std::ranges::stable_sort(toolBars, {}, orderKey);

    const Bar *previous = nullptr;
    for (Bar *bar : toolBars) {
        const Bar::Placement &p = bar->placement();
        const Qt::ToolBarArea area = toArea(p.dockedDockingStyle);
        if (previous && previous->placement().dockedDockingStyle == p.dockedDockingStyle &&
            (previous->placement().row != p.row || previous->placement().oneOnRow || p.oneOnRow))
            m_window->addToolBarBreak(area);
        m_window->addToolBar(area, m_toolBarOf(bar));
        previous = bar;
    }
    for (Bar *bar : toolBars) {
        const Bar::Placement &p = bar->placement();
        QToolBar *widget = m_toolBarOf(bar);
        if (p.dockingStyle == Bar::Floating) {
            // What QToolBar itself sets when the user drags it off the dock areas.
            widget->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            widget->move(p.floatPos);
            if (p.floatClientSize.isValid() && !p.floatClientSize.isEmpty())
                widget->resize(p.floatClientSize);
            else
                widget->adjustSize();
        }
    }
}

void BarDockLayout::readBack(bool menuOnTop) const
{
    // Toolbars moved since the last layout pass are not yet where they will be.
    if (QLayout *layout = m_window->layout())
        layout->activate();
    for (Bar *bar : m_bars) {
        QToolBar *widget = m_toolBarOf(bar);
        if (widget == nullptr)
            continue;
        Bar::Placement &p = bar->m_placement;
        p.dockedDockingStyle = toDockingStyle(m_window->toolBarArea(widget));
        bar->m_visible = !widget->isHidden();
        if (widget->isFloating()) {
            p.dockingStyle = Bar::Floating;
            p.floatPos = widget->pos();
            p.floatClientSize = widget->size();
        } else {
            p.dockingStyle = p.dockedDockingStyle;
        }
    }
    for (int side = Bar::DockLeft; side <= Bar::DockBottom; ++side) {
        const bool horizontal = isHorizontalSide(side);
        std::vector<Bar *> shown;
        for (Bar *bar : m_bars)
            if (m_toolBarOf(bar) && bar->isVisible() && bar->placement().dockingStyle == side)
                shown.push_back(bar);
        if (shown.empty())
            continue;
        // The origin of the dock area: the window's top left for the top side (its first
        // row is the menu bar), else the corner of the toolbars it holds.
        int originX = 0;
        int originY = 0;
        if (side != Bar::DockTop) {
            originX = side == Bar::DockRight ? m_toolBarOf(shown.front())->x() : 0;
            originY = m_toolBarOf(shown.front())->y();
            for (const Bar *bar : shown) {
                if (side == Bar::DockRight)
                    originX = std::min(originX, m_toolBarOf(bar)->x());
                originY = std::min(originY, m_toolBarOf(bar)->y());
            }
        }
        std::vector<int> lines;
        for (const Bar *bar : shown) {
            const QRect g = m_toolBarOf(bar)->geometry();
            lines.push_back(horizontal ? g.y() : g.x());
        }
        // Rows count from the window edge, as Qt's lines of a dock area do.
        if (side == Bar::DockBottom || side == Bar::DockRight)
            std::ranges::sort(lines, std::greater<>());
        else
            std::ranges::sort(lines);
        const auto end = std::ranges::unique(lines).begin();
        lines.erase(end, lines.end());
        // A line keeps the lowest row its bars had, as long as the rows still rise from
        // line to line; a line the user made by dragging gets the next free row.
        int previousRow = (side == Bar::DockTop && menuOnTop ? 1 : 0) - 1;
        for (const int line : lines) {
            std::vector<Bar *> inLine;
            for (Bar *bar : shown) {
                const QRect g = m_toolBarOf(bar)->geometry();
                if ((horizontal ? g.y() : g.x()) == line)
                    inLine.push_back(bar);
            }
            int row = inLine.front()->placement().row;
            for (const Bar *bar : inLine)
                row = std::min(row, bar->placement().row);
            row = std::max(row, previousRow + 1);
            for (Bar *bar : inLine) {
                const QRect g = m_toolBarOf(bar)->geometry();
                Bar::Placement &p = bar->m_placement;
                p.row = row;
                p.dockedLeft = g.x() - originX;
                p.dockedTop = g.y() - originY;
            }
            previousRow = row;
        }
    }
}

