// SPDX-License-Identifier: MIT
#include "ui/widgets/barlinkaction.h"

#include "ui/widgets/baritem.h"

BarLinkAction::BarLinkAction(const BarLink &link, Place place, bool hintShortcut, QObject *parent)
    : QAction(parent), m_item(link.item), m_source(link.item->action()), m_caption(caption(link)), m_place(place),
      m_hintShortcut(hintShortcut)
{
    setObjectName(link.item->name());
    if (place == Place::Menu && link.hasUserPaintStyle() && link.userPaintStyle == BarLink::PaintCaption)
        setIconVisibleInMenu(false);
    setCheckable(link.item->kind() == BarItem::Kind::CheckButton);
    follow();
    if (m_source) {
        connect(m_source, &QAction::changed, this, &BarLinkAction::follow);
        connect(this, &QAction::triggered, this, [this] {
            if (m_source)
                m_source->trigger();
            follow(); // a source that is not checkable leaves this entry's check as it was
        });
    }
}

QString BarLinkAction::caption(const BarLink &link)
{
    return link.hasUserCaption() ? link.userCaption : link.item->caption();
}

void BarLinkAction::follow()
{
    if (!m_source)
        return;
    const QString shortcut = m_source->shortcut().toString(QKeySequence::NativeText);
    if (m_place == Place::Menu) {
        // QMenu shows the part after a tab in its shortcut column.
        setText(shortcut.isEmpty() ? m_caption : m_caption + QLatin1Char('\t') + shortcut);
        setToolTip(m_source->toolTip());
    } else {
        setText(m_caption);
        QString tip = m_source->toolTip();
        if (m_hintShortcut && !shortcut.isEmpty())
            tip += QStringLiteral(" (") + shortcut + QLatin1Char(')');
        setToolTip(tip);
    }
    setIcon(m_source->icon());
    setStatusTip(m_source->statusTip());
    setWhatsThis(m_source->whatsThis());
    setEnabled(m_source->isEnabled());
    setVisible(m_source->isVisible());
    if (m_source->isCheckable())
        setCheckable(true);
    setChecked(isCheckable() && m_source->isChecked());
}
