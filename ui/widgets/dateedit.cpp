// SPDX-License-Identifier: MIT
#include "ui/widgets/dateedit.h"

#include "core/regionaldates.h"
#include "ui/widgets/datetimevalue.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

DateEdit::DateEdit(const kestrun::RegionalSettings &settings, QWidget *parent)
    : InplaceEdit(settings, parent)
{
    QToolButton *dropDown = addButton(Qt::DownArrow);
    dropDown->setObjectName(QStringLiteral("dropDownButton"));
    setDropDownButton(dropDown);
    connect(dropDown, &QToolButton::clicked, this, &DateEdit::showPopup);
}

void DateEdit::showPopup()
{
    if (isPopupVisible())
        return;
    if (!m_popup) {
        m_popup = new QFrame(this, Qt::Popup);
        m_popup->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_popup->setAttribute(Qt::WA_WindowPropagation);
        auto *layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(1, 1, 1, 1);
        m_calendar = new QCalendarWidget(m_popup);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        m_calendar->setMinimumDate(QDate(1, 1, 1));
        m_calendar->setMaximumDate(QDate(9999, 12, 31));
        layout->addWidget(m_calendar);
        m_popup->setFocusProxy(m_calendar);
        setPopup(m_popup);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateEdit::takeDate);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateEdit::takeDate);
    }
    // The calendar starts on the editor's date, or today when the text is no date.
    QDate shown = QDate::currentDate();
    m_timeOfDay = 0;
    QVariant value = readText(text());
    if (value.isValid()) {
        double days = value.value<DateTimeValue>().days;
        try {
            kestrun::CivilDateTime civil = kestrun::decodeDateTime(days);
            shown = QDate(civil.year, int(civil.month), int(civil.day));
            m_timeOfDay = std::fabs(days - std::trunc(days));
        } catch (const std::exception &) {
        }
    }
    m_calendar->setSelectedDate(shown);
    openPopup();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateEdit::takeDate()
{
    if (!m_popup->isVisible())
        return;
    const QDate date = m_calendar->selectedDate();
    m_popup->hide();
    double days = 0;
    try {
        days = kestrun::encodeDate(date.year(), unsigned(date.month()), unsigned(date.day()));
    } catch (const std::exception &) {
        return; // the calendar's range keeps to valid dates
    }
    // Before day 0 the time of day counts away from zero, as the fraction of such a
    // date-time does.
    days += days < 0 ? -m_timeOfDay : m_timeOfDay;
    setText(writeValue(QVariant::fromValue(DateTimeValue{days})));
    emit valueChosen();
}
