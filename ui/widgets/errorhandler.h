// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <exception>
#include <functional>

// The application's single error handler. Widgets and windows receive it when they are
// built; the program passes the message box, tests pass a recorder.
using ErrorHandler = std::function<void(const QString &message)>;

// The text the error box shows: the message with a full stop appended when its last
// character sorts after "." (so one ending in a letter or digit gets one, one ending
// in ")" or "." does not).
inline QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

// Runs fn at the boundary of an event handler: an exception never crosses a Qt frame,
// it goes to the error handler. Returns false when fn raised.
template<typename Fn>
bool guarded(const ErrorHandler &handler, Fn &&fn) noexcept
{
    try {
        fn();
        return true;
    } catch (const std::exception &e) {
        if (handler)
            handler(QString::fromUtf8(e.what()));
    } catch (...) {
        if (handler)
            handler(QStringLiteral("Unknown error"));
    }
    return false;
}
