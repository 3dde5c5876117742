// SPDX-License-Identifier: MIT
#include "ui/main/images.h"

QStringList kestrunImagePaths()
{
    static const char *const names[] = {
        "00-exit",      "01-numfj",        "02-kp",        "03-datetime",     "04-help",
        "05-about",     "06-fj",           "07-dayshours", "08-save",         "09-clipboard",
        "10-report-add", "11-report-clear", "12-bug",       "13-feature",      "14-recommend",
        "15-distance",  "16-baseline",     "17-target",    "18-construction", "19-delay",
        "20-prediction",
    };
    QStringList paths;
    for (const char *name : names)
        paths << QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    return paths;
}
