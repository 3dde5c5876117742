// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"

#include <QMetaType>

// A date-time carried in a QVariant, so that rows and the properties store can tell it
// from a plain number (days since 30 December 1899, fraction = time of day).
struct DateTimeValue {
    kestrun::DateTime days = 0;
    friend bool operator==(DateTimeValue a, DateTimeValue b) { return a.days == b.days; }
};
Q_DECLARE_METATYPE(DateTimeValue)
