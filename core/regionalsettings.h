// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace kestrun {

// The user's regional settings as the program uses them. Always passed in as a value:
// nothing in the core reads the process locale, so any locale can be tested.
//
// Date and time formats use these pattern letters (as the system's locale data does):
//   d dd          day of month, without / with leading zero
//   M MM MMM      month number without / with leading zero, abbreviated month name
//                 (MMMM is written with the abbreviated name too)
//   yy yyyy       two-digit / four-digit year
//   h hh          hour 1-12 when the pattern has an AM/PM marker, else 0-23
//   H HH          hour 0-23
//   m mm  s ss    minute, second
//   z zzz         milliseconds as a fraction of the second: without trailing zeros / 3 digits
//   AP ap A a     AM/PM marker (amDesignator / pmDesignator), upper / lower case
//   t             time zone: a date-time here carries none, so nothing is written
//   ddd dddd      weekday name: no names are held, so nothing is written
//   '...'         literal text; '' is a single quote
// Any other character is copied. The time separator of a format is whatever literal
// text stands between its hour and minute fields. Text is UTF-8; month names and
// designators are compared without regard to ASCII letter case when reading.
struct RegionalSettings {
    std::string decimalSeparator = ".";
    std::string timeSeparator = ":";
    std::string dateSeparator = "/";
    std::string shortDateFormat = "M/d/yyyy";
    std::string longTimeFormat = "h:mm:ss AP";
    std::array<std::string, 12> shortMonthNames{
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";

    // English (United States), the settings of the documented examples.
    static RegionalSettings englishUnitedStates() { return {}; }
};

} // namespace kestrun
