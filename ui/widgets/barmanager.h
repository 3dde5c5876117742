// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/bar.h"
#include "ui/widgets/baritem.h"
#include "ui/widgets/baroptions.h"
#include "ui/widgets/bartoolbar.h"
#include "ui/widgets/errorhandler.h"

#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

class IniDocument;
class QMainWindow;

// The menus and toolbars of a main window. It holds one item per command (made from the
// command's action) and the containers that link to them: the main menu bar, the
// toolbars and the submenus. It builds the Qt menu bar, toolbars and menus from them,
// shows personalised (short) menus, offers the drop-down marks, the dock area's context
// menu and the customisation dialog, and keeps the whole layout in an INI document.
//
// Items, bars and submenus are children of the manager; the Qt widgets belong to the
// window and are freed with the manager.
class BarManager : public QObject {
    Q_OBJECT
public:
    // The window is also the parent; errors raised by the update handler go to errorHandler.
    explicit BarManager(QMainWindow *window, ErrorHandler errorHandler = {});
    ~BarManager() override;

    QMainWindow *window() const { return m_window; }

    // Items. Names are unique (they identify the items in the layout); a second item of a
    // name that is taken raises kestrun::Error. A button's action is added to the window,
    // so its shortcut works wherever the button is shown.
    BarItem *addButton(QAction *action, const QString &name, const QString &category);
    BarItem *addButton(QAction *action, const QString &name, const QString &category, BarItem::Kind kind);
    BarItem *addSubMenu(const QString &name, const QString &caption, const QString &category, bool customizable = true);
    BarItem *addToolbarList(const QString &name, const QString &caption, const QString &category);
    BarItem *item(const QString &name) const;
    const std::vector<BarItem *> &items() const { return m_items; }
    // The menu a submenu or toolbar list opens.
    QMenu *menu(const BarItem *container) const;

    // The customisation categories in the order the dialog lists them; categories of items
    // that are not named here follow in the order the items were added.
    void setCategories(const QStringList &categories) { m_categories = categories; }
    QStringList categories() const;

    // Bars. The main menu bar becomes the window's menu bar; a toolbar is docked at the top
    // edge in the given row, ordered inside its row by offset.
    Bar *addMainMenuBar(const QString &name, const QString &caption);
    Bar *addToolBar(const QString &name, const QString &caption, int row, int offset = 0,
                    Bar::Flags flags = Bar::toolBarFlags());
    int barCount() const { return int(m_bars.size()); }
    Bar *bar(int index) const;
    Bar *bar(const QString &name) const;
    const std::vector<Bar *> &bars() const { return m_bars; }
    QToolBar *toolBar(const Bar *bar) const; // null for the main menu bar
    QMenuBar *menuBar() const { return m_menuBar; }

    void setBarVisible(Bar *bar, bool visible);
    // Docks or floats the bar as the placement says (the main menu bar keeps its place).
    void setBarPlacement(Bar *bar, const Bar::Placement &placement);
    // Takes the bars' sides, rows, positions and visibility from the window, where the
    // user may have dragged them; placement() holds what was taken last. Only a shown
    // window has positions to take.
    void updatePlacements();
    // Placement changes between these two calls are shown at once at the end.
    void beginUpdate();
    void endUpdate();

    const BarOptions &options() const { return m_options; }
    void setOptions(const BarOptions &options);
    // How long the user rests on a short menu before it shows all entries.
    int fullMenuDelay() const { return m_fullMenuDelay; }
    void setFullMenuDelay(int milliseconds) { m_fullMenuDelay = milliseconds; }

    // The owner's update rules: run whenever the application is idle while a bar is shown,
    // and each time one of the manager's menus opens.
    void setUpdateHandler(std::function<void()> handler) { m_updateHandler = std::move(handler); }
    void runUpdateHandler();
    // The timer that finds the application idle (every 100 ms while the event loop runs).
    QTimer *idleTimer() { return &m_idleTimer; }

    // The layout's sections, all named prefix + ...; see BarLayoutStore.
    void loadLayout(const IniDocument &document, const QString &prefix);
    void saveLayout(IniDocument &document, const QString &prefix);

    // The toolbar list entries followed by "Customize...", as the dock areas offer them.
    QMenu *createContextMenu(QWidget *parent);
    // One checkable entry per toolbar the user may close, checked while it is shown.
    void fillToolbarList(QMenu *menu);
    // The modal customisation dialog; customizeLater opens it once the running event ends.
    void customize();
    void customizeLater();

signals:
    void optionsChanged();
    void barVisibilityChanged(Bar *bar, bool visible);
    void barAdded(Bar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BarItem *addItem(BarItem *item);
    Bar *addBar(Bar *bar);
    void rebuildMenuBar();
    void applyVisibility(Bar *bar);
    void applyIconSize();
    void applyMenuAnimations() const;
    void arrange();
    void syncFromWindow();
    bool isDockArea(const QPoint &windowPos) const;
    void onIdle();

    QMainWindow *m_window;
    ErrorHandler m_errorHandler;
    std::vector<BarItem *> m_items;
    std::vector<Bar *> m_bars;
    QStringList m_categories;
    std::map<const BarItem *, QPointer<QMenu>> m_menus;
    std::map<const Bar *, QPointer<BarToolBar>> m_toolBars;
    Bar *m_mainMenuBar = nullptr;
    QPointer<QMenuBar> m_menuBar;
    std::vector<QPointer<QAction>> m_menuBarActions;
    BarOptions m_options;
    int m_fullMenuDelay = 2500;
    std::function<void()> m_updateHandler;
    QTimer m_idleTimer;
    int m_updateDepth = 0;
    bool m_arrangePending = false;
};
