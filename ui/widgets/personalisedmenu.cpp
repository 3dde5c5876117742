// SPDX-License-Identifier: MIT
#include "ui/widgets/personalisedmenu.h"

#include "ui/widgets/baritem.h"
#include "ui/widgets/barlinkaction.h"
#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Resting on the expand entry itself expands sooner than resting elsewhere.
constexpr int expandEntryDelay = 400;

// Two small chevrons pointing down.
QIcon chevronIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    for (int top : {4, 8}) {
        QPainterPath path;
        path.moveTo(4, top);
        path.lineTo(8, top + 3);
        path.lineTo(12, top);
        painter.drawPath(path);
    }
    return QIcon(pixmap);
}

} // namespace

PersonalisedMenu::PersonalisedMenu(BarItem *item, BarManager *manager, QWidget *parent)
    : QMenu(item->caption(), parent), m_item(item), m_manager(manager), m_expandAction(new QAction(item))
{
    setObjectName(item->name() + QStringLiteral("Menu"));
    m_expandAction->setObjectName(QStringLiteral("expandMenu"));
    m_expandAction->setIcon(chevronIcon());
    m_expandAction->setToolTip(QStringLiteral("Expand"));
    m_restTimer.setSingleShot(true);
    connect(&m_restTimer, &QTimer::timeout, this, &PersonalisedMenu::expand);
    connect(this, &QMenu::aboutToShow, this, &PersonalisedMenu::opening);
    connect(this, &QMenu::aboutToHide, &m_restTimer, &QTimer::stop);
    connect(this, &QMenu::hovered, this, &PersonalisedMenu::onHovered);
    connect(this, &QMenu::triggered, this, &PersonalisedMenu::onTriggered);
    connect(item, &BarItem::changed, this, [this] { setTitle(m_item->caption()); });
}

void PersonalisedMenu::opening()
{
    m_manager->runUpdateHandler();
    m_expanded = false;
    m_lastHoveredSubMenu = nullptr;
    rebuild();
    if (m_short && m_manager->options().showFullMenusAfterDelay)
        m_restTimer.start(m_manager->fullMenuDelay());
}

void PersonalisedMenu::expand()
{
    m_restTimer.stop();
    if (!m_short)
        return;
    m_expanded = true;
    rebuild();
}

void PersonalisedMenu::rebuild()
{
    // Not QMenu::clear(): it would free the expand entry, which lives as long as the item.
    for (QAction *action : actions())
        removeAction(action);
    for (const QPointer<QAction> &action : m_owned)
        if (action)
            action->deleteLater();
    m_owned.clear();
    m_linkOf.clear();

    const BarLinkList *links = m_item->links();
    const auto &all = links->links();
    m_short = m_manager->options().menusShowRecentItemsFirst && !m_expanded &&
              std::ranges::any_of(all, [](const BarLink &link) { return !link.isRecentlyUsed(); });

    bool separatorDue = false;
    for (int i = 0; i < links->count(); ++i) {
        const BarLink &link = links->at(i);
        // A hidden entry's separator moves to the next entry shown.
        separatorDue = separatorDue || link.beginGroup;
        if (link.item == nullptr || (m_short && !link.isRecentlyUsed()))
            continue;
        if (separatorDue && !actions().isEmpty())
            m_owned.emplace_back(addSeparator());
        separatorDue = false;
        QAction *entry = nullptr;
        if (link.item->isContainer()) {
            entry = m_manager->menu(link.item)->menuAction();
        } else {
            entry = new BarLinkAction(link, BarLinkAction::Place::Menu, false, this);
            m_owned.emplace_back(entry);
        }
        addAction(entry);
        m_linkOf.insert(entry, i);
    }
    if (m_short)
        addAction(m_expandAction);
}

void PersonalisedMenu::onHovered(QAction *action)
{
    if (action && action->menu())
        m_lastHoveredSubMenu = action;
    if (!m_short || !m_manager->options().showFullMenusAfterDelay)
        return;
    // Moving on the menu is not resting on it: the wait starts again.
    m_restTimer.start(action == m_expandAction ? std::min(expandEntryDelay, m_manager->fullMenuDelay())
                                               : m_manager->fullMenuDelay());
}

void PersonalisedMenu::onTriggered(QAction *action)
{
    if (action == m_expandAction)
        return;
    // An entry of a nested menu comes here too; it counts as a use of the submenu's link.
    int index = linkIndex(action);
    if (index < 0 && m_lastHoveredSubMenu)
        index = linkIndex(m_lastHoveredSubMenu);
    if (index >= 0 && index < m_item->links()->count())
        m_item->links()->markUsed(index);
}

void PersonalisedMenu::mouseReleaseEvent(QMouseEvent *event)
{
    // The expand entry keeps the menu open instead of closing it like an entry does.
    if (m_short && actionAt(event->position().toPoint()) == m_expandAction) {
        event->accept();
        expand();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}

void PersonalisedMenu::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_short && activeAction() == m_expandAction &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        expand();
        return;
    }
    QMenu::keyPressEvent(event);
}
