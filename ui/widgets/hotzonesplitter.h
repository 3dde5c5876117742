// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointer>
#include <QWidget>

// A horizontal splitter bar that sits below its control in a vertical layout and sets
// the control's height: dragging the bar resizes the control (never below minSize),
// and a click on the hot zone in the middle of the bar collapses the control to height
// 0, a second click brings back the height it had. The splitter holds the control's
// height as a fixed height, so the widget below the bar takes whatever is left.
//
// The bar is painted in its own colour rather than the style's, with the hot zone as a
// small raised grip band carrying dots and an arrow that points where a click moves it.
class HotZoneSplitter : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QWidget *control READ control WRITE setControl)
    // Named minSize because QWidget already has a minimumSize property of its own.
    Q_PROPERTY(int minSize READ minSize WRITE setMinSize)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(bool collapsed READ isCollapsed WRITE setCollapsed NOTIFY collapsedChanged)
    Q_PROPERTY(int position READ position WRITE setPosition NOTIFY positionChanged)

public:
    static constexpr int DefaultBarHeight = 8;
    static constexpr int DefaultMinSize = 30;

    explicit HotZoneSplitter(QWidget *parent = nullptr);

    QWidget *control() const { return m_control; }
    // Takes charge of the control's height; the control keeps the height it asks for
    // (its fixed height if it has one, else its size hint), at least minSize.
    void setControl(QWidget *control);

    int minSize() const { return m_minSize; }
    void setMinSize(int size);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    bool isCollapsed() const { return m_collapsed; }
    void setCollapsed(bool collapsed);
    void toggle() { setCollapsed(!m_collapsed); }

    // The control's current height: 0 while collapsed.
    int position() const { return m_collapsed ? 0 : m_openHeight; }
    // Opens the control at height (at least minSize).
    void setPosition(int height);
    // The height the control takes when open, kept while collapsed.
    int openHeight() const { return m_openHeight; }

    // The grip band in the middle of the bar, in the splitter's coordinates.
    QRect hotZoneRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void collapsedChanged(bool collapsed);
    void positionChanged(int height);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void applyHeight();
    void dragTo(int globalY);
    int heightLimit() const;
    void updateCursor(const QPoint &pos);
    void paintHotZone(QPainter &painter) const;

    QPointer<QWidget> m_control;
    QColor m_color{0x87, 0xCE, 0xEB};
    int m_minSize = DefaultMinSize;
    int m_openHeight = DefaultMinSize;
    bool m_collapsed = false;
    bool m_hotZoneHover = false;

    // One press-move-release gesture. A press on the hot zone stays a click until the
    // pointer travels the drag distance; a press anywhere else drags at once.
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_pressOnHotZone = false;
    int m_pressGlobalY = 0;
    int m_pressHeight = 0;
    bool m_pressCollapsed = false;
};
