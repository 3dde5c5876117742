// SPDX-License-Identifier: MIT
#include "ui/widgets/timeedit.h"

#include "ui/widgets/datetimevalue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr long long kSecondsPerDay = 86'400;

QToolButton *spinButton(QWidget *parent, Qt::ArrowType arrow, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

} // namespace

TimeEdit::TimeEdit(const kestrun::RegionalSettings &settings, QWidget *parent)
    : InplaceEdit(settings, parent)
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton *up = spinButton(column, Qt::UpArrow, QStringLiteral("spinUpButton"));
    QToolButton *down = spinButton(column, Qt::DownArrow, QStringLiteral("spinDownButton"));
    layout->addWidget(up);
    layout->addWidget(down);
    addButtonColumn(column);
    connect(up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

bool TimeEdit::isTimePrefix(const QString &text, const QString &timeSeparator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    for (int section = 0; section < 3; ++section) {
        int digits = 0;
        while (i < n && digits < 2 && text[i] >= u'0' && text[i] <= u'9') {
            ++i;
            ++digits;
        }
        if (i == n)
            return true;
        if (timeSeparator.isEmpty()) {
            if (digits < 2)
                return false;
            continue;
        }
        if (section == 2 || !QStringView(text).mid(i).startsWith(timeSeparator))
            return false;
        i += timeSeparator.size();
    }
    return i == n;
}

int TimeEdit::sectionSeconds() const
{
    const QLineEdit *edit = lineEdit();
    const QString text = edit->text();
    if (edit->hasSelectedText() && edit->selectedText().size() == text.size())
        return 3600;
    const qsizetype cursor = edit->cursorPosition();
    const QString separator = QString::fromStdString(settings().timeSeparator);
    qsizetype first = 2, second = 4;
    if (!separator.isEmpty()) {
        first = text.indexOf(separator);
        second = first < 0 ? -1 : text.indexOf(separator, first + separator.size());
    }
    if (first < 0 || cursor <= first)
        return 3600;
    if (second < 0 || cursor <= second)
        return 60;
    return 1;
}

void TimeEdit::step(int direction)
{
    QVariant value = readText(text());
    if (!value.isValid()) {
        QApplication::beep();
        return;
    }
    double days = value.value<DateTimeValue>().days;
    long long seconds = std::llround(std::fabs(days - std::trunc(days)) * double(kSecondsPerDay));
    seconds = ((seconds + direction * sectionSeconds()) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;

    QLineEdit *edit = lineEdit();
    const bool allSelected = edit->hasSelectedText() && edit->selectedText().size() == edit->text().size();
    const int cursor = edit->cursorPosition();
    setText(writeValue(QVariant::fromValue(DateTimeValue{double(seconds) / double(kSecondsPerDay)})));
    if (allSelected)
        edit->selectAll();
    else
        edit->setCursorPosition(cursor);
    emit stepped();
}

bool TimeEdit::filterKeyPress(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        step(event->key() == Qt::Key_Up ? +1 : -1);
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed.front().isPrint())
        return false;
    if (isTimePrefix(textAfterTyping(typed), QString::fromStdString(settings().timeSeparator)))
        lineEdit()->insert(typed);
    else
        QApplication::beep();
    return true;
}
