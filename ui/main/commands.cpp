// SPDX-License-Identifier: MIT
#include "ui/main/commands.h"

#include "ui/main/mainform.h"

#include <cstring>

namespace {

using M = MainForm;
constexpr bool Checked = true;

// clang-format off
const CommandSpec kCommands[] = {
    {"FileExitAction", "FileExit", "E&xit", "Exit Kestrun", 0, "", "File", false, &M::FileExitActionExecute},
    {"PredictKPAction", "FavouriteAdd", "&KP Number", "Predict to KP", 2, "", "Predict To", Checked, &M::PredictKPActionExecute, &M::PredictKPActionUpdate},
    {"PredictDistanceAction", "PredictDistance", "&Distance", "Predict to distance", 15, "", "Predict To", Checked, &M::PredictDistanceActionExecute, &M::PredictDistanceActionUpdate},
    {"PredictFJAction", "PredictFJNumber", "&FJ Number", "Predict to field joint number", 6, "", "Predict To", Checked, &M::PredictFJActionExecute, &M::PredictFJActionUpdate},
    {"PredictNumFJAction", "PredictNumberFJs", "&Number of FJ's", "Predict to number of field joints", 1, "", "Predict To", Checked, &M::PredictNumFJActionExecute, &M::PredictNumFJActionUpdate},
    {"PredictDateTimeAction", "PredictDateTime", "&Date and Time", "Predict to date/time", 3, "", "Predict To", Checked, &M::PredictDateTimeActionExecute, &M::PredictDateTimeActionUpdate},
    {"PredictDaysHoursAction", "PredictDaysHours", "Days and &Hours", "Predict to days/hours", 7, "", "Predict To", Checked, &M::PredictDaysHoursActionExecute, &M::PredictDaysHoursActionUpdate},
    {"ReportAddAction", "ReportAdd", "&Add", "Add to report", 10, "", "Report", false, &M::ReportAddActionExecute},
    {"ReportSaveAction", "ReportSave", "&Save", "Save report to file", 8, "", "Report", false, &M::ReportSaveActionExecute},
    {"ReportClipboardAction", "ReportClipboard", "&Clipboard", "Copy report to clipboard", 9, "", "Report", false, &M::ReportClipboardActionExecute},
    {"ReportClearAction", "ReportClear", "Clea&r", "Clear report", 11, "", "Report", false, &M::ReportClearActionExecute},
    {"ViewStatusbarAction", "ViewStatusbar", "&Statusbar", "Hide/show statusbar", -1, "", "View", Checked, &M::ViewStatusbarActionExecute, &M::ViewStatusbarActionUpdate},
    {"HelpContentsAction", "HelpContents", "&Contents", "Show help", 4, "F1", "Help", false, &M::HelpContentsActionExecute},
    {"FeedbackFeatureRequestAction", "FeedbackFeatureRequest", "&Feature Request", "Email feature request", 13, "", "Help", false, &M::FeedbackFeatureRequestActionExecute},
    {"FeedbackBugReportAction", "FeedbackBugReport", "&Bug Report", "Email bug report", 12, "", "Help", false, &M::FeedbackBugReportActionExecute},
    {"HelpRecommendAction", "HelpRecommend", "&Recommend", "Recommend Kestrun", 14, "", "Help", false, &M::HelpRecommendActionExecute},
    {"HelpAboutAction", "HelpAbout", "&About", "About Kestrun", 5, "", "Help", false, &M::HelpAboutActionExecute},
};
// clang-format on

} // namespace

std::span<const CommandSpec> commands()
{
    return kCommands;
}

const CommandSpec *findCommand(const char *action)
{
    for (const CommandSpec &command : kCommands)
        if (std::strcmp(command.action, action) == 0)
            return &command;
    return nullptr;
}
