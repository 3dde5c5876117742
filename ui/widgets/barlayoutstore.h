// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/barlink.h"

#include <QString>

#include <string>
#include <vector>

class Bar;
class BarItem;
class BarLinkList;
class BarManager;
class IniDocument;

// The layout of a BarManager as INI sections, all named prefix + ...:
//   "Main"                 the options and "BarCount"
//   "Bar<i>"               one per bar: caption, docking, rows, floating, visibility, links
//   "Bar<i>.ItemLink<j>"   one per link of that bar
//   "SubItem_<name>"       one per submenu or toolbar list item: "ItemLinkCount"
//   "SubItem_<name>.ItemLink<j>"
// Values are plain: integers in decimal, true and false as 1 and 0, texts without quotes.
class BarLayoutStore {
public:
    explicit BarLayoutStore(BarManager &manager) : m_manager(manager) {}

    // Each "Main" key present replaces its option. Without a "BarCount" of 0 or more the
    // bars stay as they are. Otherwise every bar is hidden first; then each bar section
    // below that count with a "Row" of -999 or more is applied (a bar added when the index
    // lies beyond the bars there are): its links rebuilt from its link sections, dropping
    // links to unknown items, its keys applied, a missing key keeping the bar's value
    // except "Visible", which hides it. A bar whose keys cannot be applied is shown. The
    // links of each container item whose section has an "ItemLinkCount" of 0 or more are
    // rebuilt the same way.
    void load(const IniDocument &document, const QString &prefix);
    // Removes the sections whose names begin with prefix (letter case counts), then
    // appends the layout's sections.
    void save(IniDocument &document, const QString &prefix) const;

private:
    void applyBar(const IniDocument &document, const std::string &sectionName, Bar *bar);
    std::vector<BarLink> readLinks(const IniDocument &document, const std::string &ownerName, int count,
                                   bool onBar) const;
    static void writeLinks(IniDocument &document, const std::string &ownerName, const BarLinkList &links);
    BarItem *findItem(const QString &name) const;

    BarManager &m_manager;
};
