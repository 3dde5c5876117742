// SPDX-License-Identifier: MIT
#include "ui/widgets/gridcategoryrow.h"

GridCategoryRow::GridCategoryRow(VerticalGrid *grid, const QString &name)
    : GridRow(Type::Category, grid, name)
{
}
