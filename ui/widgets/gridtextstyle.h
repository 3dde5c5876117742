// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

// The text colour of a row's caption or value: the grid's default text colour, the grey
// of the system's 3-D dark shadow, or a fixed colour. The grey is looked up in the
// palette at paint time so that it follows the system theme.
class GridTextStyle {
public:
    GridTextStyle() = default;
    static GridTextStyle grey()
    {
        GridTextStyle style;
        style.m_grey = true;
        return style;
    }
    static GridTextStyle colored(const QColor &color)
    {
        GridTextStyle style;
        style.m_color = color;
        return style;
    }

    bool isDefault() const { return !m_grey && !m_color.isValid(); }
    bool isGrey() const { return m_grey; }
    QColor color() const { return m_color; }

    QColor resolve(const QPalette &palette, const QColor &defaultColor) const
    {
        if (m_grey)
            return palette.color(QPalette::Shadow);
        return m_color.isValid() ? m_color : defaultColor;
    }

    friend bool operator==(const GridTextStyle &a, const GridTextStyle &b)
    {
        return a.m_grey == b.m_grey && a.m_color == b.m_color;
    }

private:
    bool m_grey = false;
    QColor m_color;
};
