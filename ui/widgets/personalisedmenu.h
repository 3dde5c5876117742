// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <vector>

class BarItem;
class BarManager;

// The menu of a submenu item. While the manager's MenusShowRecentItemsFirst option is on
// it opens short: only the recently used entries, with an expand entry (a chevron) at its
// foot that stands for the others. Choosing the expand entry, or resting on the open
// menu for the manager's delay, shows all entries; choosing an entry records the use in
// its link, so an entry chosen from the full menu is recently used from then on.
class PersonalisedMenu : public QMenu {
    Q_OBJECT
public:
    PersonalisedMenu(BarItem *item, BarManager *manager, QWidget *parent);

    BarItem *item() const { return m_item; }
    // Whether the menu hides entries right now.
    bool isShort() const { return m_short; }
    QAction *expandAction() const { return m_expandAction; }
    // Shows all entries of an open short menu.
    void expand();
    // The link an entry of this menu shows, or -1.
    int linkIndex(const QAction *entry) const { return m_linkOf.value(entry, -1); }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void opening();
    void rebuild();
    void onHovered(QAction *action);
    void onTriggered(QAction *action);

    BarItem *m_item;
    BarManager *m_manager;
    QHash<const QAction *, int> m_linkOf;
    std::vector<QPointer<QAction>> m_owned;
    QAction *m_expandAction;
    QAction *m_lastHoveredSubMenu = nullptr;
    QTimer m_restTimer;
    bool m_expanded = false;
    bool m_short = false;
};
