// SPDX-License-Identifier: MIT
#include "ui/widgets/bartoolbar.h"

#include "ui/widgets/bar.h"
#include "ui/widgets/barlinkaction.h"
#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QToolButton>
#include <QWidgetAction>

namespace {

Qt::ToolButtonStyle buttonStyle(const BarLink &link, bool hasIcon)
{
    if (!hasIcon)
        return Qt::ToolButtonTextOnly;
    if (!link.hasUserPaintStyle())
        return Qt::ToolButtonIconOnly;
    switch (link.userPaintStyle) {
    case BarLink::PaintCaption: return Qt::ToolButtonTextOnly;
    case BarLink::PaintCaptionGlyph: return Qt::ToolButtonTextBesideIcon;
    default: return Qt::ToolButtonIconOnly;
    }
}

} // namespace

BarToolBar::BarToolBar(Bar *bar, BarManager *manager, QWidget *parent)
    : QToolBar(bar->caption(), parent), m_bar(bar), m_manager(manager), m_mark(new QToolButton(this)),
      m_markMenu(new QMenu(this)), m_buttonsMenu(new QMenu(QStringLiteral("Add or Remove Buttons"), m_markMenu)),
      m_markAction(new QWidgetAction(this))
{
    setObjectName(bar->name());
    setMovable(bar->hasFlag(Bar::Movable));
    setFloatable(bar->hasFlag(Bar::Floatable));

    m_mark->setObjectName(QStringLiteral("dropDownMark"));
    m_mark->setArrowType(Qt::DownArrow);
    m_mark->setAutoRaise(true);
    m_mark->setPopupMode(QToolButton::InstantPopup);
    m_mark->setMenu(m_markMenu);
    m_mark->setToolTip(QStringLiteral("Toolbar Options"));
    m_markAction->setDefaultWidget(m_mark);
    m_buttonsMenu->setObjectName(QStringLiteral("addOrRemoveButtons"));
    m_markMenu->addMenu(m_buttonsMenu);
    m_markMenu->addSeparator();
    connect(m_markMenu->addAction(QStringLiteral("Customize...")), &QAction::triggered, manager,
            &BarManager::customizeLater);
    connect(m_markMenu, &QMenu::aboutToShow, this, &BarToolBar::fillButtonsMenu);

    connect(bar, &Bar::captionChanged, this, &QWidget::setWindowTitle);
    connect(bar->links(), &BarLinkList::changed, this, &BarToolBar::rebuild);
    connect(this, &QToolBar::actionTriggered, this, [this](QAction *entry) {
        const int index = linkIndex(entry);
        if (index >= 0 && index < m_bar->links()->count())
            m_bar->links()->markUsed(index);
    });
    rebuild();
}

void BarToolBar::rebuild()
{
    // The old buttons may still be on the stack (a click that changed the links), so the
    // entries they show go later; the toolbar frees its own buttons the same way.
    clear();
    for (const QPointer<QAction> &action : m_owned)
        if (action)
            action->deleteLater();
    m_owned.clear();
    m_linkOf.clear();

    const BarOptions &options = m_manager->options();
    const BarLinkList *links = m_bar->links();
    bool separatorDue = false;
    for (int i = 0; i < links->count(); ++i) {
        const BarLink &link = links->at(i);
        separatorDue = separatorDue || link.beginGroup;
        if (!link.visible || link.item == nullptr)
            continue;
        if (separatorDue && !actions().isEmpty())
            m_owned.emplace_back(addSeparator());
        separatorDue = false;

        QAction *entry = nullptr;
        if (link.item->isContainer()) {
            entry = m_manager->menu(link.item)->menuAction();
            addAction(entry);
        } else {
            entry = new BarLinkAction(link, BarLinkAction::Place::ToolBar, options.showShortCutInHint, this);
            m_owned.emplace_back(entry);
            addAction(entry);
        }
        m_linkOf.insert(entry, i);
        if (auto *button = qobject_cast<QToolButton *>(widgetForAction(entry))) {
            button->setToolButtonStyle(buttonStyle(link, !entry->icon().isNull()));
            if (link.item->isContainer())
                button->setPopupMode(QToolButton::InstantPopup);
            if (link.hasUserWidth() && link.userWidth > 0)
                button->setMinimumWidth(link.userWidth);
            button->installEventFilter(this);
        }
    }
    if (m_bar->hasFlag(Bar::ShowsMark) && m_bar->hasFlag(Bar::Customizable))
        addAction(m_markAction);
}

void BarToolBar::fillButtonsMenu()
{
    m_buttonsMenu->clear();
    const BarLinkList *links = m_bar->links();
    for (int i = 0; i < links->count(); ++i) {
        const BarLink &link = links->at(i);
        QAction *entry = m_buttonsMenu->addAction(link.item->icon(), BarLinkAction::caption(link));
        entry->setCheckable(true);
        entry->setChecked(link.visible);
        connect(entry, &QAction::toggled, this, [this, i](bool checked) {
            if (i < m_bar->links()->count())
                m_bar->links()->setVisible(i, checked);
        });
    }
}

void BarToolBar::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = m_manager->createContextMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

bool BarToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_manager->options().showHint)
        return true;
    return QToolBar::eventFilter(watched, event);
}
