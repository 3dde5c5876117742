// SPDX-License-Identifier: MIT
#pragma once

// Regional settings of a few real locales, shared by the tests of the text forms.

#include "core/regionalsettings.h"

namespace testsettings {

inline kestrun::RegionalSettings germanGermany()
{
    kestrun::RegionalSettings s;
    s.decimalSeparator = ",";
    s.timeSeparator = ":";
    s.dateSeparator = ".";
    s.shortDateFormat = "dd.MM.yy";
    s.longTimeFormat = "HH:mm:ss";
    s.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    return s;
}

} // namespace testsettings
