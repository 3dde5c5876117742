// SPDX-License-Identifier: MIT
#pragma once

// The behaviour settings of a BarManager that the user can change and the layout keeps.
struct BarOptions {
    // Menu animation kinds, as stored in the layout.
    enum Animation { NoAnimation = 0, RandomAnimation = 1, UnfoldAnimation = 2, SlideAnimation = 3, FadeAnimation = 4 };

    bool menusShowRecentItemsFirst = true; // short menus that hide entries not recently used
    bool showFullMenusAfterDelay = true;   // a short menu expands when the user rests on it
    bool largeIcons = false;               // 32 instead of 16 pixel toolbar pictures
    int menuAnimations = NoAnimation;      // 0..4
    bool showHint = true;                  // tool tips on toolbar buttons
    bool showShortCutInHint = false;       // " (F1)" after the tool tip text

    friend bool operator==(const BarOptions &, const BarOptions &) = default;
};
