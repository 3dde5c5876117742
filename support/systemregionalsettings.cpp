// SPDX-License-Identifier: MIT
#include "support/systemregionalsettings.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// Locale data often appends a time-zone field ("t", "tt", "ttt") to the long time format;
// a time of day stored or shown by the program has no zone, so it is dropped with the
// blanks before it.
QString withoutTimeZone(QString format)
{
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

// The literal text between the hour and the minute field of a time format.
QString timeSeparatorOf(const QString &format)
{
    static const QRegularExpression between(QStringLiteral("[hH]+([^hHms]*)m"));
    const auto match = between.match(format);
    QString separator = match.hasMatch() ? match.captured(1) : QStringLiteral(":");
    separator.remove(QLatin1Char('\''));
    return separator;
}

QString dateSeparatorOf(const QString &format)
{
    static const QRegularExpression between(QStringLiteral("[dMy]+([^dMy]+)[dMy]"));
    const auto match = between.match(format);
    QString separator = match.hasMatch() ? match.captured(1) : QStringLiteral("/");
    separator.remove(QLatin1Char('\''));
    return separator;
}

} // namespace

kestrun::RegionalSettings regionalSettingsFromLocale(const QLocale &locale)
{
    kestrun::RegionalSettings settings;
    settings.decimalSeparator = utf8(locale.decimalPoint());
    settings.shortDateFormat = utf8(locale.dateFormat(QLocale::ShortFormat));
    settings.longTimeFormat = utf8(withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
    settings.timeSeparator = utf8(timeSeparatorOf(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))));
    settings.dateSeparator = utf8(dateSeparatorOf(locale.dateFormat(QLocale::ShortFormat)));
    for (int month = 1; month <= 12; ++month)
        settings.shortMonthNames[month - 1] = utf8(locale.monthName(month, QLocale::ShortFormat));
    settings.amDesignator = utf8(locale.amText());
    settings.pmDesignator = utf8(locale.pmText());
    return settings;
}

kestrun::RegionalSettings systemRegionalSettings()
{
    return regionalSettingsFromLocale(QLocale::system());
}
