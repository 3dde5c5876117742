// SPDX-License-Identifier: MIT
#pragma once

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

class BarLinkList;

// A bar of a BarManager: the main menu bar or a toolbar. It holds what the layout keeps
// (caption, placement, visibility, links); the manager shows it and changes its
// placement and visibility, so that what is shown and what is kept stay the same.
class Bar : public QObject {
    Q_OBJECT
public:
    // Sides as the layout stores them.
    enum DockingStyle { Floating = 0, DockLeft = 1, DockTop = 2, DockRight = 3, DockBottom = 4 };

    enum Flag {
        Closable = 0x01,     // listed in the toolbar lists, the user may hide it
        Movable = 0x02,      // the user may drag it
        Floatable = 0x04,    // the user may drag it off the dock areas
        Customizable = 0x08, // the customisation dialog may change its links
        ShowsMark = 0x10,    // the drop-down mark at its end
        MainMenu = 0x20,     // the window's menu bar, alone on the first top row
    };
    Q_DECLARE_FLAGS(Flags, Flag)
    static constexpr Flags toolBarFlags() { return {Closable | Movable | Floatable | Customizable | ShowsMark}; }

    struct Placement {
        int dockingStyle = DockTop;       // the current side, Floating while it floats
        int dockedDockingStyle = DockTop; // the side it docks at when it does not float
        int row = 0;                      // rows count from the window edge of its side
        int dockedLeft = 0;               // position inside its dock area
        int dockedTop = 0;
        bool oneOnRow = false;
        QPoint floatPos;                  // screen position while floating
        QSize floatClientSize{0, 0};      // empty: its natural size
        friend bool operator==(const Placement &, const Placement &) = default;
    };

    Bar(const QString &name, const QString &caption, Flags flags, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    Flags flags() const { return m_flags; }
    bool hasFlag(Flag flag) const { return m_flags.testFlag(flag); }
    bool isMainMenu() const { return hasFlag(MainMenu); }

    int index() const { return m_index; }
    const Placement &placement() const { return m_placement; }
    bool isVisible() const { return m_visible; }
    bool isFloating() const { return m_placement.dockingStyle == Floating; }

    BarLinkList *links() const { return m_links; }

signals:
    void captionChanged(const QString &caption);

private:
    friend class BarManager;
    friend class BarDockLayout;

    BarLinkList *m_links;
    QString m_caption;
    Flags m_flags;
    int m_index = -1;
    Placement m_placement;
    bool m_visible = true;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Bar::Flags)
