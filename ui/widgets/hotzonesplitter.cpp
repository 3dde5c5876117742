// SPDX-License-Identifier: MIT
#include "ui/widgets/hotzonesplitter.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr int HotZoneWidth = 72;
constexpr int ArrowInset = 5;

} // namespace

HotZoneSplitter::HotZoneSplitter(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(DefaultBarHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    setCursor(Qt::SplitVCursor);
}

void HotZoneSplitter::setControl(QWidget *control)
{
    m_control = control;
    if (!control)
        return;
    const int asked = control->minimumHeight() == control->maximumHeight() ? control->minimumHeight()
                                                                            : control->sizeHint().height();
    m_openHeight = std::max(asked, m_minSize);
    m_collapsed = false;
    applyHeight();
}

void HotZoneSplitter::setMinSize(int size)
{
    m_minSize = std::max(size, 0);
    if (m_openHeight < m_minSize) {
        m_openHeight = m_minSize;
        applyHeight();
        if (!m_collapsed)
            emit positionChanged(m_openHeight);
    }
}

void HotZoneSplitter::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void HotZoneSplitter::setCollapsed(bool collapsed)
{
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    applyHeight();
    update();
    emit collapsedChanged(m_collapsed);
    emit positionChanged(position());
}

void HotZoneSplitter::setPosition(int height)
{
    height = std::max(height, m_minSize);
    const bool wasCollapsed = m_collapsed;
    const int before = position();
    m_openHeight = height;
    m_collapsed = false;
    applyHeight();
    if (wasCollapsed) {
        update();
        emit collapsedChanged(false);
    }
    if (position() != before)
        emit positionChanged(position());
}

QRect HotZoneSplitter::hotZoneRect() const
{
    const int w = std::min(HotZoneWidth, width() - 2);
    if (w <= 0)
        return {};
    return QRect((width() - w) / 2, 0, w, height());
}

QSize HotZoneSplitter::sizeHint() const
{
    return {HotZoneWidth + 2, DefaultBarHeight};
}

QSize HotZoneSplitter::minimumSizeHint() const
{
    return {0, DefaultBarHeight};
}

void HotZoneSplitter::applyHeight()
{
    if (!m_control)
        return;
    m_control->setFixedHeight(position());
    // Lay the column out now rather than at the next event-loop turn, so the bar sits
    // under the pointer while it is dragged and the geometry reads true straight away.
    if (QWidget *parent = parentWidget(); parent && parent->layout())
        parent->layout()->activate();
}

// The tallest the control may grow: the other items of the column keep their minimum
// heights, so dragging down never forces the window to grow.
int HotZoneSplitter::heightLimit() const
{
    const QWidget *parent = parentWidget();
    if (!parent || !m_control)
        return INT_MAX;
    int limit = 0;
    if (const QLayout *layout = parent->layout())
        limit = position() + parent->height() - layout->totalMinimumSize().height();
    else
        limit = parent->height() - m_control->y() - height();
    return std::max(limit, m_minSize);
}

void HotZoneSplitter::dragTo(int globalY)
{
    const int wanted = m_pressHeight + (globalY - m_pressGlobalY);
    // Dragging a collapsed control opens it only once the pointer has gone at least
    // the minimum height down, so a small twitch does not pop it open.
    if (m_collapsed && wanted < m_minSize)
        return;
    const int height = std::clamp(wanted, m_minSize, std::max(heightLimit(), m_minSize));
    if (!m_collapsed && height == m_openHeight)
        return;
    setPosition(height);
}

void HotZoneSplitter::updateCursor(const QPoint &pos)
{
    const bool overHotZone = hotZoneRect().contains(pos);
    if (overHotZone != m_hotZoneHover) {
        m_hotZoneHover = overHotZone;
        update(hotZoneRect());
    }
    setCursor(overHotZone && !m_dragging ? Qt::PointingHandCursor : Qt::SplitVCursor);
}

void HotZoneSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_pressOnHotZone = hotZoneRect().contains(event->position().toPoint());
    m_dragging = !m_pressOnHotZone;
    m_pressGlobalY = int(std::lround(event->globalPosition().y()));
    m_pressHeight = position();
    m_pressCollapsed = m_collapsed;
    event->accept();
}

void HotZoneSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed) {
        updateCursor(event->position().toPoint());
        return;
    }
    const int globalY = int(std::lround(event->globalPosition().y()));
    if (!m_dragging && std::abs(globalY - m_pressGlobalY) >= QApplication::startDragDistance()) {
        m_dragging = true;
        setCursor(Qt::SplitVCursor);
    }
    if (m_dragging)
        dragTo(globalY);
    event->accept();
}

void HotZoneSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool click = !m_dragging && m_pressOnHotZone && hotZoneRect().contains(event->position().toPoint());
    m_pressed = false;
    m_dragging = false;
    if (click)
        toggle();
    updateCursor(event->position().toPoint());
    event->accept();
}

void HotZoneSplitter::leaveEvent(QEvent *event)
{
    if (m_hotZoneHover) {
        m_hotZoneHover = false;
        update(hotZoneRect());
    }
    QWidget::leaveEvent(event);
}

void HotZoneSplitter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    // A hairline of the bar's own darker shade along the bottom edge keeps the bar
    // apart from a white pane below it.
    painter.fillRect(QRect(0, height() - 1, width(), 1), m_color.darker(115));
    paintHotZone(painter);
}

// The grip band in the manner of the old task bar grip: a raised strip with a lit top
// and left edge and a shaded bottom and right edge, a row of embossed dots in the
// middle and an arrow at each end pointing the way a click moves the control.
void HotZoneSplitter::paintHotZone(QPainter &painter) const
{
    const QRect zone = hotZoneRect();
    if (zone.width() < 2 * ArrowInset + 8 || zone.height() < 4)
        return;
    const QColor face = m_hotZoneHover ? m_color.lighter(118) : m_color.lighter(106);
    const QColor light = m_color.lighter(160);
    const QColor shade = m_color.darker(150);
    const QColor ink = m_color.darker(230);

    painter.fillRect(zone, face);
    painter.fillRect(QRect(zone.left(), zone.top(), zone.width(), 1), light);
    painter.fillRect(QRect(zone.left(), zone.top(), 1, zone.height()), light);
    painter.fillRect(QRect(zone.left(), zone.bottom(), zone.width(), 1), shade);
    painter.fillRect(QRect(zone.right(), zone.top(), 1, zone.height()), shade);

    const int midY = zone.top() + zone.height() / 2 - 1;
    const int dotsLeft = zone.left() + 2 * ArrowInset + 4;
    const int dotsRight = zone.right() - 2 * ArrowInset - 4;
    for (int x = dotsLeft; x + 1 <= dotsRight; x += 3) {
        painter.fillRect(QRect(x + 1, midY + 1, 1, 1), light);
        painter.fillRect(QRect(x, midY, 1, 1), ink);
    }

    // Three rows of 5, 3 and 1 pixels: a sharp triangle at 100 % with no smoothing.
    const bool up = !m_collapsed;
    const int arrowTop = zone.top() + (zone.height() - 3) / 2;
    for (const int left : {zone.left() + ArrowInset, zone.right() - ArrowInset - 4}) {
        for (int row = 0; row < 3; ++row) {
            const int width = up ? 1 + 2 * row : 5 - 2 * row;
            painter.fillRect(QRect(left + (5 - width) / 2, arrowTop + row, width, 1), ink);
        }
    }
}
