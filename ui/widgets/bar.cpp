// SPDX-License-Identifier: MIT
#include "ui/widgets/bar.h"

#include "ui/widgets/barlinklist.h"

Bar::Bar(const QString &name, const QString &caption, Flags flags, QObject *parent)
    : QObject(parent), m_links(new BarLinkList(true, this)), m_caption(caption), m_flags(flags)
{
    setObjectName(name);
    if (isMainMenu())
        m_placement.oneOnRow = true;
}

void Bar::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit captionChanged(caption);
}
