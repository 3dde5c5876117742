// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/inplaceedit.h"

class QCalendarWidget;
class QFrame;

// The in-place editor of a date row: the date as text in the user's short date format,
// with a drop-down calendar. Choosing a day in the calendar closes it and puts the date
// into the editor, keeping the time of day the editor text had.
class DateEdit : public InplaceEdit {
    Q_OBJECT

public:
    DateEdit(const kestrun::RegionalSettings &settings, QWidget *parent);

    void showPopup() override;
    QCalendarWidget *calendar() const { return m_calendar; }

private:
    void takeDate();

    QFrame *m_popup = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    double m_timeOfDay = 0;
};
