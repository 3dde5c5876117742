// SPDX-License-Identifier: MIT
#include "ui/widgets/grideditorrow.h"

#include "core/regionaldates.h"
#include "core/valueforms.h"
#include "ui/widgets/datetimevalue.h"
#include "ui/widgets/verticalgrid.h"

#include <QDate>

#include <cmath>
#include <exception>

namespace {

constexpr auto kTimePattern = "hh:mm:ss";

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

int currentYear()
{
    return QDate::currentDate().year();
}

bool isPlainNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isDateTimeValue(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<DateTimeValue>();
}

} // namespace

GridEditorRow::GridEditorRow(VerticalGrid *grid, const QString &name, EditorKind kind)
    : GridRow(Type::Editor, grid, name), m_kind(kind)
{
    m_alignment = isNumberKind() ? Qt::AlignRight : Qt::AlignLeft;
}

bool GridEditorRow::isEditable() const
{
    switch (m_kind) {
    case EditorKind::Calculator:
    case EditorKind::Date:
    case EditorKind::Time:
    case EditorKind::Text:
        return true;
    default:
        return false;
    }
}

bool GridEditorRow::isNumberKind() const
{
    return m_kind == EditorKind::Calculator || m_kind == EditorKind::NumberDisplay;
}

bool GridEditorRow::isDateTimeKind() const
{
    return m_kind == EditorKind::Date || m_kind == EditorKind::Time || m_kind == EditorKind::DateDisplay
           || m_kind == EditorKind::TimeDisplay;
}

void GridEditorRow::setValue(const QVariant &value)
{
    bool ok = false;
    QVariant taken = value.isValid() ? converted(value, ok) : QVariant();
    m_value = ok ? taken : QVariant();
    changed();
}

bool GridEditorRow::assignValue(const QVariant &value)
{
    bool ok = false;
    QVariant taken = converted(value, ok);
    if (!ok)
        return false;
    m_value = taken;
    changed();
    return true;
}

QVariant GridEditorRow::converted(const QVariant &value, bool &ok) const
{
    ok = false;
    if (value.typeId() == QMetaType::QString) {
        if (m_kind == EditorKind::Text) {
            ok = true;
            return value;
        }
        QVariant read = valueFromText(value.toString());
        ok = read.isValid();
        return read;
    }
    double number = 0;
    if (isPlainNumber(value))
        number = value.toDouble();
    else if (isDateTimeValue(value) && m_kind != EditorKind::Text)
        number = value.value<DateTimeValue>().days;
    else
        return {};
    ok = true;
    if (isNumberKind())
        return number;
    if (isDateTimeKind())
        return QVariant::fromValue(DateTimeValue{number});
    return fromStd(kestrun::formatGeneral(number, grid()->regionalSettings()));
}

void GridEditorRow::setDisplayFormat(const QString &format)
{
    m_displayFormat = format;
    changed();
}

void GridEditorRow::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHorizontal_Mask;
    changed();
}

void GridEditorRow::setKeepsTimeOfDay(bool on)
{
    m_keepsTimeOfDay = on;
    changed();
}

void GridEditorRow::setCaptionStyle(const GridTextStyle &style)
{
    m_captionStyle = style;
    changed();
}

void GridEditorRow::setContentStyle(const GridTextStyle &style)
{
    m_contentStyle = style;
    changed();
}

QString GridEditorRow::dateText(double days, bool withTime) const
{
    const kestrun::RegionalSettings &settings = grid()->regionalSettings();
    QString text = fromStd(kestrun::formatShortDate(days, settings));
    if (withTime) {
        kestrun::CivilDateTime civil = kestrun::decodeDateTime(days);
        if (civil.hour != 0 || civil.minute != 0 || civil.second != 0 || civil.millisecond != 0)
            text += QLatin1Char(' ') + fromStd(kestrun::formatLongTime(days, settings));
    }
    return text;
}

QString GridEditorRow::displayText() const
{
    return textFor(m_value, false);
}

QString GridEditorRow::editTextFor(const QVariant &value) const
{
    return textFor(value, true);
}

QString GridEditorRow::textFor(const QVariant &value, bool editForm) const
{
    if (!value.isValid())
        return {};
    const kestrun::RegionalSettings &settings = grid()->regionalSettings();
    // A value outside the calendar's range cannot be shown; painting must not fail
    // over it, so such a cell stays empty.
    try {
        switch (m_kind) {
        case EditorKind::Calculator:
        case EditorKind::NumberDisplay: {
            double number = value.toDouble();
            if (editForm || m_displayFormat.isEmpty())
                return fromStd(kestrun::formatGeneral(number, settings));
            return fromStd(kestrun::formatNumberPattern(number, m_displayFormat.toStdString(), settings));
        }
        case EditorKind::Date:
            return dateText(value.value<DateTimeValue>().days, m_keepsTimeOfDay);
        case EditorKind::DateDisplay:
            return dateText(value.value<DateTimeValue>().days, false);
        case EditorKind::Time:
        case EditorKind::TimeDisplay:
            return fromStd(kestrun::formatDateTime(value.value<DateTimeValue>().days, kTimePattern, settings));
        case EditorKind::Text:
            return value.toString();
        }
    } catch (const std::exception &) {
    }
    return {};
}

QVariant GridEditorRow::valueFromText(const QString &text) const
{
    const kestrun::RegionalSettings &settings = grid()->regionalSettings();
    const std::string utf8 = text.toStdString();
    switch (m_kind) {
    case EditorKind::Calculator:
    case EditorKind::NumberDisplay:
        if (auto number = kestrun::parseFloat(utf8, settings))
            return *number;
        return {};
    case EditorKind::Date:
    case EditorKind::DateDisplay:
        if (auto days = kestrun::parseDateTime(utf8, settings, currentYear())) {
            // A date-only row drops a time typed with the date.
            double kept = m_keepsTimeOfDay && m_kind == EditorKind::Date ? *days : std::trunc(*days);
            return QVariant::fromValue(DateTimeValue{kept});
        }
        return {};
    case EditorKind::Time:
    case EditorKind::TimeDisplay:
        if (auto time = kestrun::parseTime(utf8, settings))
            return QVariant::fromValue(DateTimeValue{*time});
        return {};
    case EditorKind::Text:
        return text;
    }
    return {};
}

bool GridEditorRow::sameValue(const QVariant &a, const QVariant &b) const
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() == b.isValid();
    if (isNumberKind())
        return a.toDouble() == b.toDouble();
    if (isDateTimeKind()) {
        // A date-time read back from its text is exact to the millisecond only.
        auto milliseconds = [](const QVariant &v) {
            return std::llround(v.value<DateTimeValue>().days * kestrun::kMillisecondsPerDay);
        };
        return milliseconds(a) == milliseconds(b);
    }
    return a.toString() == b.toString();
}
