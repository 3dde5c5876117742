// SPDX-License-Identifier: MIT
#include "ui/widgets/gridrow.h"

#include "ui/widgets/verticalgrid.h"

GridRow::GridRow(Type type, VerticalGrid *grid, const QString &name)
    : QObject(grid), m_type(type), m_grid(grid)
{
    setObjectName(name);
}

void GridRow::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    changed();
}

void GridRow::setHint(const QString &hint)
{
    m_hint = hint;
}

void GridRow::setImageIndex(int index)
{
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    changed();
}

void GridRow::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    m_grid->rowVisibilityChanged(this);
}

void GridRow::changed()
{
    m_grid->rowChanged(this);
}
