// SPDX-License-Identifier: MIT
#pragma once

#include "core/regionalsettings.h"

class QLocale;

// The user's regional settings, read from the system's locale and mapped into the
// core's value. Only here does the program look at the system.
kestrun::RegionalSettings systemRegionalSettings();
kestrun::RegionalSettings regionalSettingsFromLocale(const QLocale &locale);
