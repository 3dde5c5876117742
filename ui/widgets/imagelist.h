// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// A fixed list of vector pictures addressed by index, as toolbars, menus and grid rows
// use them. Each picture is an SVG file (usually a Qt resource) drawn afresh for the
// size and device pixel ratio asked for, so it stays sharp at every scale. Beside the
// normal icon every picture has a greyed one for disabled items, derived from the same
// file when it is drawn, so the two sets can never drift apart.
class ImageList
{
public:
    ImageList() = default;
    // Index i of the list is paths[i]. A path that cannot be read gives a null icon.
    explicit ImageList(const QStringList &paths);

    int count() const { return int(m_normal.size()); }
    QString path(int index) const;

    // The icon at index; a null icon when index is outside 0..count()-1. Its disabled
    // mode draws the greyed picture.
    QIcon icon(int index) const;
    // The greyed picture in every mode, for the disabled items of a bar.
    QIcon disabledIcon(int index) const;

    // The picture drawn for a logical size at a device pixel ratio: size * dpr physical
    // pixels, tagged with dpr. A null pixmap for an index out of range.
    QPixmap pixmap(int index, QSize size, qreal dpr = 1.0) const;
    QPixmap disabledPixmap(int index, QSize size, qreal dpr = 1.0) const;

private:
    QStringList m_paths;
    std::vector<QIcon> m_normal;
    std::vector<QIcon> m_disabled;
};

