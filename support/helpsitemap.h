// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

// One entry of a help file's table of contents: the caption, the topic it opens (a
// reference inside the help file, possibly with a fragment; empty for a heading that
// only groups entries) and the entries nested below it.
struct HelpSitemapEntry {
    QString name;
    QString local;
    std::vector<HelpSitemapEntry> children;
};

// Reads a sitemap (.hhc): every <OBJECT type="text/sitemap"> with its <param name="Name">
// and <param name="Local"> becomes an entry, and a <UL> that follows an entry holds that
// entry's children. Tags and attribute names in any letter case; attribute values
// quoted, single-quoted or bare, character references decoded. Anything else (site
// properties, comments, unknown tags) is skipped, and a badly nested file still yields
// the entries it holds.
std::vector<HelpSitemapEntry> parseHelpSitemap(const QString &html);
