// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>

class GridCategoryRow;
class GridEditorRow;
class QPainter;

// Draws the rows of a VerticalGrid in a light, flat look: captions on a tinted column
// with thin grid lines, values on the base colour, and category headings as
// explorer-bar bands (a soft gradient, the icon on the left, the caption on the right).
class GridRowPainter {
public:
    GridRowPainter(QPainter &painter, const QPalette &palette, const QFont &font, bool active);

    void paintCategory(const GridCategoryRow &row, const QRect &rect, const QIcon &icon, bool focused) const;
    void paintEditorRow(const GridEditorRow &row, const QRect &caption, const QRect &value, bool focused) const;

    // Where a caption's text goes inside its cell; the tooltip rule measures against it.
    static QRect captionTextRect(const QRect &captionCell);
    static QRect categoryTextRect(const QRect &rowRect);
    static QFont categoryFont(const QFont &font);
    static constexpr int kIconSize = 16;

private:
    QColor lineColor() const;

    QPainter &m_painter;
    const QPalette &m_palette;
    QFont m_font;
    bool m_active;
};
