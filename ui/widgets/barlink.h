// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class BarItem;

// One place where an item appears: an entry of a bar or of a submenu. The same item may
// be linked from several places; each link keeps its own look and usage record.
struct BarLink {
    // Bits of userDefine: what the user changed on this link.
    enum UserDefineBit { UserCaptionBit = 1, UserGlyphBit = 2, UserPaintStyleBit = 4, UserWidthBit = 8 };
    // userPaintStyle values.
    enum PaintStyle { PaintStandard = 0, PaintCaption = 1, PaintCaptionInMenu = 2, PaintCaptionGlyph = 3 };

    BarItem *item = nullptr;
    bool beginGroup = false; // a separator before the entry
    int userDefine = 0;
    QString userCaption;
    int userPaintStyle = PaintStandard;
    int userWidth = 0;
    bool visible = true; // only links on bars can be hidden

    // Usage record. recentIndex is the entry's place in the order of last use among the
    // recently used entries of its list (0 = used last); -1 marks an entry that is not
    // recently used, which a short menu hides.
    int useCount = 0;
    int recentIndex = 0;

    bool isRecentlyUsed() const { return recentIndex >= 0; }
    bool hasUserCaption() const { return (userDefine & UserCaptionBit) != 0; }
    bool hasUserPaintStyle() const { return (userDefine & UserPaintStyleBit) != 0; }
    bool hasUserWidth() const { return (userDefine & UserWidthBit) != 0; }
};
