// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/barlink.h"

#include <QAction>
#include <QPointer>

// The entry one link shows in one menu or on one toolbar. It mirrors the item's action
// (text, picture, checked state) and runs that action when chosen, so every place where
// an item appears follows one command. The mirror holds no shortcut of its own: the
// command's action keeps it, and a menu entry only shows its text.
class BarLinkAction : public QAction {
    Q_OBJECT
public:
    enum class Place { Menu, ToolBar };

    // hintShortcut: add the shortcut text to the tool tip of a toolbar entry.
    BarLinkAction(const BarLink &link, Place place, bool hintShortcut, QObject *parent);

    BarItem *item() const { return m_item; }
    // The text of the entry: the link's own caption when the user gave one.
    static QString caption(const BarLink &link);

private:
    void follow();

    BarItem *m_item;
    QPointer<QAction> m_source;
    QString m_caption;
    Place m_place;
    bool m_hintShortcut;
};
