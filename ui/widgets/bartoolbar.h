// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QPointer>
#include <QToolBar>

#include <vector>

class Bar;
class BarManager;
class QMenu;
class QToolButton;
class QWidgetAction;

// The QToolBar that shows one toolbar of a BarManager: a button per visible link with
// its picture and the hint as tool tip, and, on a customisable bar, the drop-down mark
// at its end ("Add or Remove Buttons", "Customize...").
class BarToolBar : public QToolBar {
    Q_OBJECT
public:
    BarToolBar(Bar *bar, BarManager *manager, QWidget *parent);

    Bar *bar() const { return m_bar; }
    // Rebuilds the buttons from the links; done whenever the links change.
    void rebuild();
    // The link an entry of this toolbar shows, or -1.
    int linkIndex(const QAction *entry) const { return m_linkOf.value(entry, -1); }
    QToolButton *dropDownMark() const { return m_mark; }
    QMenu *markMenu() const { return m_markMenu; }
    QMenu *buttonsMenu() const { return m_buttonsMenu; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillButtonsMenu();

    Bar *m_bar;
    BarManager *m_manager;
    QHash<const QAction *, int> m_linkOf;
    std::vector<QPointer<QAction>> m_owned;
    // The mark survives rebuilds: a rebuild may run while its menu is open.
    QToolButton *m_mark;
    QMenu *m_markMenu;
    QMenu *m_buttonsMenu; // "Add or Remove Buttons": one checkable entry per link
    QWidgetAction *m_markAction;
};
