// SPDX-License-Identifier: MIT
#include "ui/widgets/linklabel.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>

namespace {

void openWithDesktop(const QUrl &url)
{
    // The desktop reports nothing useful when it cannot open an address, and the
    // link has nothing to tell the user either, so the result is not looked at.
    QDesktopServices::openUrl(url);
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent), m_opener(openWithDesktop)
{
    setCursor(Qt::PointingHandCursor);
    applyLinkLook();
}

LinkLabel::LinkLabel(const QString &text, const QString &url, QWidget *parent) : LinkLabel(parent)
{
    setText(text);
    m_url = url;
}

void LinkLabel::setOpener(Opener opener)
{
    m_opener = opener ? std::move(opener) : Opener(openWithDesktop);
}

QString LinkLabel::completedAddress(const QString &address)
{
    if (address.isEmpty() || address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive))
        return address;
    return QLatin1String("http://") + address;
}

void LinkLabel::open()
{
    const QString address = completedAddress(m_url);
    if (address.isEmpty())
        return;
    const QUrl url(address);
    if (guarded(m_errorHandler, [&] { m_opener(url); }))
        emit opened(url);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

// A click is a press and a release over the link, as with a button: letting go
// elsewhere opens nothing.
void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint()))
            open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::changeEvent(QEvent *event)
{
    // A font set later (the dialog's own, say) must not lose the underline.
    if (event->type() == QEvent::FontChange && !font().underline())
        applyLinkLook();
    QLabel::changeEvent(event);
}

void LinkLabel::applyLinkLook()
{
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        linkPalette.setColor(group, QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
}

void LinkLabel::attachTo(QWidget *label, int dx, int dy)
{
    if (m_anchor)
        m_anchor->removeEventFilter(this);
    m_anchor = label;
    m_dx = dx;
    m_dy = dy;
    if (!label)
        return;
    label->installEventFilter(this);
    followAnchor();
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_anchor) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::ParentChange:
            followAnchor();
            break;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}

void LinkLabel::followAnchor()
{
    if (!m_anchor)
        return;
    const QRect anchor = m_anchor->geometry();
    QPoint target(anchor.x() + anchor.width() + m_dx, anchor.y() + m_dy);
    QWidget *anchorParent = m_anchor->parentWidget();
    QWidget *ownParent = parentWidget();
    if (anchorParent != ownParent && anchorParent && ownParent)
        target = ownParent->mapFromGlobal(anchorParent->mapToGlobal(target));
    move(target);
}
