// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class VerticalGrid;

// One row of a VerticalGrid: a category heading or an editor row. The grid creates and
// owns its rows; the row's name is its object name. All rows stand at one level, in the
// order they were added; a hidden row keeps its place in that order.
class GridRow : public QObject {
    Q_OBJECT

public:
    enum class Type { Category, Editor };

    Type type() const { return m_type; }
    VerticalGrid *grid() const { return m_grid; }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // Whether the row can become the grid's focused row (a read-only grid focuses none).
    virtual bool canFocus() const = 0;

protected:
    GridRow(Type type, VerticalGrid *grid, const QString &name);
    // Tells the grid to repaint the row.
    void changed();

private:
    Type m_type;
    VerticalGrid *m_grid;
    QString m_caption;
    QString m_hint;
    int m_imageIndex = -1;
    bool m_visible = true;
};
