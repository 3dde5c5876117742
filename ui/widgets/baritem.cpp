// SPDX-License-Identifier: MIT
#include "ui/widgets/baritem.h"

#include "ui/widgets/barlinklist.h"

#include <QAction>

BarItem::BarItem(Kind kind, const QString &name, const QString &category, QObject *parent)
    : QObject(parent), m_kind(kind), m_category(category)
{
    setObjectName(name);
    if (isContainer())
        m_links = new BarLinkList(false, this);
}

void BarItem::setAction(QAction *action)
{
    m_action = action;
    // A checked-style button toggles its action, whose checked state the entries show.
    if (action && m_kind == Kind::CheckButton)
        action->setCheckable(true);
    emit changed();
}

QString BarItem::caption() const
{
    if (!isContainer() && m_action)
        return m_action->text();
    return m_caption;
}

void BarItem::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed();
}

QString BarItem::hint() const
{
    return !isContainer() && m_action ? m_action->toolTip() : QString();
}

QIcon BarItem::icon() const
{
    return m_action ? m_action->icon() : QIcon();
}

void BarItem::setTag(int tag)
{
    if (m_tag == tag)
        return;
    m_tag = tag;
    emit tagChanged(tag);
}
