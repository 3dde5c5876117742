// SPDX-License-Identifier: MIT
#include "app/splashform.h"

#include <algorithm>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSvgRenderer>

SplashForm::SplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(256, 253);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        QPoint topLeft = area.center() - QPoint(width() / 2, height() / 2);
        move(std::max(topLeft.x(), area.left()), std::max(topLeft.y(), area.top()));
    }
    // The timer runs from creation; its tick is handled only once the event loop runs.
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashForm::TimerTimer);
    m_timer.start(kDisplayMilliseconds);
}

void SplashForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QSvgRenderer picture(QStringLiteral(":/pictures/splash.svg"));
    if (picture.isValid())
        picture.render(&painter, QRectF(rect())); // the square picture stretched over the client area
    else
        painter.fillRect(rect(), palette().window());

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

void SplashForm::closeEvent(QCloseEvent *event)
{
    m_timer.stop();
    event->accept(); // WA_DeleteOnClose frees the window once closing has finished
}

void SplashForm::TimerTimer()
{
    close();
}
