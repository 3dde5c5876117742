// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/gridrow.h"

// A heading row: the icon of its image index and its caption on an explorer-bar band.
// It has no value and no expand button; whether it can take the focus is per row.
class GridCategoryRow : public GridRow {
    Q_OBJECT

public:
    GridCategoryRow(VerticalGrid *grid, const QString &name);

    bool isFocusable() const { return m_focusable; }
    void setFocusable(bool focusable) { m_focusable = focusable; }
    bool canFocus() const override { return m_focusable; }

private:
    bool m_focusable = false;
};
