// SPDX-License-Identifier: MIT
#include "ui/widgets/barmanager.h"

#include "core/error.h"
#include "ui/widgets/barcustomizedialog.h"
#include "ui/widgets/bardocklayout.h"
#include "ui/widgets/barlayoutstore.h"
#include "ui/widgets/barlinkaction.h"
#include "ui/widgets/barlinklist.h"
#include "ui/widgets/bartoolbar.h"
#include "ui/widgets/personalisedmenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int idleInterval = 100;
constexpr int smallIcon = 16;
constexpr int largeIcon = 32;

} // namespace

BarManager::BarManager(QMainWindow *window, ErrorHandler errorHandler)
    : QObject(window), m_window(window), m_errorHandler(std::move(errorHandler))
{
    m_idleTimer.setInterval(idleInterval);
    connect(&m_idleTimer, &QTimer::timeout, this, &BarManager::onIdle);
    m_idleTimer.start();
    window->installEventFilter(this);
    applyMenuAnimations();
}

BarManager::~BarManager()
{
    m_window->removeEventFilter(this);
    for (auto &[bar, toolBar] : m_toolBars)
        delete toolBar.data();
    for (auto &[item, menu] : m_menus)
        delete menu.data();
    for (const QPointer<QAction> &action : m_menuBarActions)
        delete action.data();
}

// ----- items

BarItem *BarManager::addItem(BarItem *item)
{
    if (item->name().isEmpty() || this->item(item->name()) != nullptr) {
        const std::string name = item->name().toStdString();
        delete item;
        throw kestrun::Error("A bar item needs a name of its own: \"" + name + "\"");
    }
    m_items.push_back(item);
    return item;
}

BarItem *BarManager::addButton(QAction *action, const QString &name, const QString &category)
{
    if (action == nullptr)
        throw kestrun::Error("A bar button needs an action");
    return addButton(action, name, category, action->isCheckable() ? BarItem::Kind::CheckButton : BarItem::Kind::Button);
}

BarItem *BarManager::addButton(QAction *action, const QString &name, const QString &category, BarItem::Kind kind)
{
    if (action == nullptr)
        throw kestrun::Error("A bar button needs an action");
    BarItem *item = addItem(new BarItem(kind, name, category, this));
    item->setAction(action);
    if (!m_window->actions().contains(action))
        m_window->addAction(action);
    return item;
}

BarItem *BarManager::addSubMenu(const QString &name, const QString &caption, const QString &category, bool customizable)
{
    BarItem *item = addItem(new BarItem(BarItem::Kind::SubMenu, name, category, this));
    item->setCaption(caption);
    item->setCustomizable(customizable);
    m_menus[item] = new PersonalisedMenu(item, this, m_window);
    return item;
}

BarItem *BarManager::addToolbarList(const QString &name, const QString &caption, const QString &category)
{
    BarItem *item = addItem(new BarItem(BarItem::Kind::ToolbarList, name, category, this));
    item->setCaption(caption);
    item->setCustomizable(false);
    auto *menu = new QMenu(caption, m_window);
    menu->setObjectName(name + QStringLiteral("Menu"));
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        runUpdateHandler();
        fillToolbarList(menu);
    });
    connect(item, &BarItem::changed, menu, [menu, item] { menu->setTitle(item->caption()); });
    m_menus[item] = menu;
    return item;
}

BarItem *BarManager::item(const QString &name) const
{
    const auto it = std::ranges::find(m_items, name, &BarItem::name);
    return it == m_items.end() ? nullptr : *it;
}

QMenu *BarManager::menu(const BarItem *container) const
{
    const auto it = m_menus.find(container);
    return it == m_menus.end() ? nullptr : it->second.data();
}

QStringList BarManager::categories() const
{
    QStringList result = m_categories;
    for (const BarItem *item : m_items)
        if (!result.contains(item->category()))
            result.append(item->category());
    return result;
}

// ----- bars

Bar *BarManager::addBar(Bar *bar)
{
    bar->m_index = barCount();
    m_bars.push_back(bar);
    emit barAdded(bar);
    return bar;
}

Bar *BarManager::addMainMenuBar(const QString &name, const QString &caption)
{
    if (m_mainMenuBar)
        throw kestrun::Error("A window has one main menu bar");
    Bar *bar = addBar(new Bar(name, caption, Bar::MainMenu, this));
    m_mainMenuBar = bar;
    m_menuBar = m_window->menuBar();
    m_menuBar->setObjectName(name);
    connect(bar->links(), &BarLinkList::changed, this, &BarManager::rebuildMenuBar);
    rebuildMenuBar();
    return bar;
}

Bar *BarManager::addToolBar(const QString &name, const QString &caption, int row, int offset, Bar::Flags flags)
{
    beginUpdate();
    Bar *bar = addBar(new Bar(name, caption, flags & ~Bar::Flags(Bar::MainMenu), this));
    bar->m_placement.row = row;
    bar->m_placement.dockedLeft = offset;
    auto *toolBar = new BarToolBar(bar, this, m_window);
    const int size = m_options.largeIcons ? largeIcon : smallIcon;
    toolBar->setIconSize(QSize(size, size));
    m_toolBars[bar] = toolBar;
    m_window->addToolBar(Qt::TopToolBarArea, toolBar);
    m_arrangePending = true;
    endUpdate();
    return bar;
}

Bar *BarManager::bar(int index) const
{
    return index >= 0 && index < barCount() ? m_bars[std::size_t(index)] : nullptr;
}

Bar *BarManager::bar(const QString &name) const
{
    const auto it = std::ranges::find(m_bars, name, &Bar::name);
    return it == m_bars.end() ? nullptr : *it;
}

QToolBar *BarManager::toolBar(const Bar *bar) const
{
    const auto it = m_toolBars.find(bar);
    return it == m_toolBars.end() ? nullptr : it->second.data();
}

void BarManager::rebuildMenuBar()
{
    for (QAction *action : m_menuBar->actions())
        m_menuBar->removeAction(action);
    for (const QPointer<QAction> &action : m_menuBarActions)
        if (action)
            action->deleteLater();
    m_menuBarActions.clear();

    for (const BarLink &link : m_mainMenuBar->links()->links()) {
        if (!link.visible || link.item == nullptr)
            continue;
        if (link.beginGroup && !m_menuBar->actions().isEmpty())
            m_menuBarActions.emplace_back(m_menuBar->addSeparator());
        if (link.item->isContainer()) {
            m_menuBar->addAction(menu(link.item)->menuAction());
        } else {
            auto *entry = new BarLinkAction(link, BarLinkAction::Place::Menu, false, m_menuBar);
            m_menuBarActions.emplace_back(entry);
            m_menuBar->addAction(entry);
        }
    }
}

void BarManager::setBarVisible(Bar *bar, bool visible)
{
    // The user may have moved the bar since the last look: keep where it was shown.
    if (!visible && m_updateDepth == 0)
        syncFromWindow();
    bar->m_visible = visible;
    applyVisibility(bar);
    emit barVisibilityChanged(bar, visible);
}

void BarManager::applyVisibility(Bar *bar)
{
    if (bar->isMainMenu()) {
        if (m_menuBar)
            m_menuBar->setVisible(bar->m_visible);
        return;
    }
    QToolBar *widget = toolBar(bar);
    if (widget == nullptr)
        return;
    // A floating bar is a window of its own; it waits for the main window to be shown.
    if (bar->isFloating() && !m_window->isVisible())
        widget->hide();
    else
        widget->setVisible(bar->m_visible);
}

void BarManager::setBarPlacement(Bar *bar, const Bar::Placement &placement)
{
    if (bar->isMainMenu())
        return;
    beginUpdate();
    bar->m_placement = placement;
    m_arrangePending = true;
    endUpdate();
}

void BarManager::beginUpdate()
{
    if (m_updateDepth++ == 0)
        syncFromWindow();
}

void BarManager::endUpdate()
{
    if (--m_updateDepth > 0 || !m_arrangePending)
        return;
    m_arrangePending = false;
    arrange();
}

void BarManager::updatePlacements()
{
    syncFromWindow();
}

void BarManager::arrange()
{
    BarDockLayout(m_window, m_bars, [this](const Bar *bar) { return toolBar(bar); }).arrange();
    for (Bar *bar : m_bars)
        if (toolBar(bar))
            applyVisibility(bar);
}

void BarManager::syncFromWindow()
{
    if (!m_window->isVisible())
        return;
    if (m_mainMenuBar && m_menuBar)
        m_mainMenuBar->m_visible = !m_menuBar->isHidden();
    BarDockLayout(m_window, m_bars, [this](const Bar *bar) { return toolBar(bar); }).readBack(m_mainMenuBar != nullptr);
}

// ----- options and update rules

void BarManager::setOptions(const BarOptions &options)
{
    const BarOptions old = m_options;
    m_options = options;
    m_options.menuAnimations = std::clamp(options.menuAnimations, int(BarOptions::NoAnimation), int(BarOptions::FadeAnimation));
    if (m_options == old)
        return;
    applyIconSize();
    applyMenuAnimations();
    if (m_options.showShortCutInHint != old.showShortCutInHint)
        for (auto &[bar, toolBar] : m_toolBars)
            if (toolBar)
                toolBar->rebuild();
    emit optionsChanged();
}

void BarManager::applyIconSize()
{
    const int size = m_options.largeIcons ? largeIcon : smallIcon;
    for (auto &[bar, toolBar] : m_toolBars)
        if (toolBar)
            toolBar->setIconSize(QSize(size, size));
}

// Qt offers menu animation on or off and, when on, scrolling or fading.
void BarManager::applyMenuAnimations() const
{
    const int kind = m_options.menuAnimations;
    if (kind != BarOptions::NoAnimation)
        QApplication::setEffectEnabled(Qt::UI_General, true);
    QApplication::setEffectEnabled(Qt::UI_AnimateMenu, kind != BarOptions::NoAnimation);
    QApplication::setEffectEnabled(Qt::UI_FadeMenu, kind == BarOptions::FadeAnimation);
}

void BarManager::runUpdateHandler()
{
    if (m_updateHandler)
        guarded(m_errorHandler, m_updateHandler);
}

void BarManager::onIdle()
{
    if (m_window->isVisible() && std::ranges::any_of(m_bars, &Bar::isVisible))
        runUpdateHandler();
}

// ----- layout

void BarManager::loadLayout(const IniDocument &document, const QString &prefix)
{
    BarLayoutStore(*this).load(document, prefix);
}

void BarManager::saveLayout(IniDocument &document, const QString &prefix)
{
    updatePlacements();
    BarLayoutStore(*this).save(document, prefix);
}

// ----- customisation

QMenu *BarManager::createContextMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("barContextMenu"));
    fillToolbarList(menu);
    if (!menu->isEmpty())
        menu->addSeparator();
    connect(menu->addAction(QStringLiteral("Customize...")), &QAction::triggered, this, &BarManager::customizeLater);
    return menu;
}

void BarManager::fillToolbarList(QMenu *menu)
{
    menu->clear();
    for (Bar *bar : m_bars) {
        if (bar->isMainMenu() || !bar->hasFlag(Bar::Closable))
            continue;
        QAction *entry = menu->addAction(bar->caption());
        entry->setObjectName(bar->name());
        entry->setCheckable(true);
        entry->setChecked(bar->isVisible());
        connect(entry, &QAction::triggered, this, [this, bar](bool checked) { setBarVisible(bar, checked); });
    }
}

void BarManager::customize()
{
    BarCustomizeDialog dialog(this, m_window);
    dialog.exec();
}

void BarManager::customizeLater()
{
    QMetaObject::invokeMethod(this, &BarManager::customize, Qt::QueuedConnection);
}

bool BarManager::isDockArea(const QPoint &windowPos) const
{
    QWidget *child = m_window->childAt(windowPos);
    if (child == nullptr) {
        const QWidget *central = m_window->centralWidget();
        return central == nullptr || !central->geometry().contains(windowPos);
    }
    for (QWidget *w = child; w != nullptr && w != m_window; w = w->parentWidget())
        if (qobject_cast<QToolBar *>(w) || qobject_cast<QMenuBar *>(w))
            return true;
    return false;
}

bool BarManager::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ContextMenu) {
            auto *contextEvent = static_cast<QContextMenuEvent *>(event);
            if (isDockArea(contextEvent->pos())) {
                QMenu *menu = createContextMenu(m_window);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(contextEvent->globalPos());
                return true;
            }
        } else if (event->type() == QEvent::Show) {
            for (Bar *bar : m_bars)
                if (bar->isFloating())
                    applyVisibility(bar);
        }
    }
    return QObject::eventFilter(watched, event);
}
