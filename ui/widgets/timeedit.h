// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/inplaceedit.h"

class QToolButton;

// The in-place editor of a time row: hh:mm:ss on a 24-hour clock with the user's time
// separator, and spin buttons. A step (a spin button, or the Up and Down keys) moves the
// section under the cursor: hours before the first separator, minutes up to the second,
// seconds after it. While the whole text is selected (as when the editor has just opened)
// a step moves the hours. The time wraps around midnight.
class TimeEdit : public InplaceEdit {
    Q_OBJECT

public:
    TimeEdit(const kestrun::RegionalSettings &settings, QWidget *parent);

    bool usesUpDownKeys() const override { return true; }
    // Steps the time by one unit of the current section, up (+1) or down (-1).
    void step(int direction);

    // Whether text could still become a time by typing more: up to two digits for each
    // of hours, minutes and seconds, parted by the time separator.
    static bool isTimePrefix(const QString &text, const QString &timeSeparator);

protected:
    bool filterKeyPress(QKeyEvent *event) override;

private:
    int sectionSeconds() const;
};
