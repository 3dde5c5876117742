// SPDX-License-Identifier: MIT
#pragma once

#include <span>

class MainForm;

// One command of the main window: its action, the bar item that presents it, and the
// handlers named after the action.
struct CommandSpec {
    const char *action;   // PredictKPAction
    const char *item;     // FavouriteAdd: the name the toolbar layout uses
    const char *caption;  // "&" marks the access key
    const char *hint;
    int picture;          // index into Images; -1 for none
    const char *shortcut = "";
    const char *category = "";
    bool checkable = false;
    void (MainForm::*execute)() = nullptr;
    void (MainForm::*update)() = nullptr;
};

std::span<const CommandSpec> commands();
const CommandSpec *findCommand(const char *action);

// The prefix of every toolbar layout section in the settings file.
inline constexpr const char *kBarLayoutPrefix = "MainForm.BarManager.";
