// SPDX-License-Identifier: MIT
#include "ui/main/mainbars.h"

#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <QAction>

#include <QMainWindow>

#include <initializer_list>

namespace {

struct LinkSpec {
    const char *item;
    bool beginGroup = false;
    bool recentlyUsed = true;
};

struct ContainerSpec {
    const char *name;
    const char *caption;
    bool customizable;
    std::initializer_list<LinkSpec> links;
};

constexpr bool Group = true;
constexpr bool NotRecent = false;

// In the order their sections follow in the settings file.
const ContainerSpec kSubMenus[] = {
    {"FileMenu", "&File", false, {{"FileExit"}}},
    {"HelpMenu", "&Help", false,
     {{"HelpContents"}, {"FeedbackFeatureRequest", Group}, {"FeedbackBugReport"}, {"HelpRecommend", Group},
      {"HelpAbout", Group}}},
    {"ViewMenu", "&View", false, {{"ViewToolbars"}, {"ViewStatusbar", Group}}},
    {"PredictionMenu", "&Predict", true,
     {{"FavouriteAdd", false, NotRecent}, {"PredictDistance"}, {"PredictFJNumber", false, NotRecent},
      {"PredictNumberFJs"}, {"PredictDateTime"}, {"PredictDaysHours"}}},
    {"ReportMenu", "&Report", true, {{"ReportAdd"}, {"ReportSave", Group}, {"ReportClipboard"}, {"ReportClear", Group}}},
};

void addLinks(BarLinkList *list, BarManager *bars, std::initializer_list<LinkSpec> links)
{
    for (const LinkSpec &link : links) {
        const int index = list->append(bars->item(QLatin1String(link.item)), link.beginGroup);
        if (!link.recentlyUsed)
            list->setRecentlyUsed(index, false);
    }
}

} // namespace

BarManager *buildMainBars(QMainWindow *window, const QList<BarCommand> &commands, ErrorHandler errorHandler)
{
    auto *bars = new BarManager(window, std::move(errorHandler));
    bars->setObjectName(QStringLiteral("BarManager"));
    bars->setCategories({QStringLiteral("Default"), QStringLiteral("Help"), QStringLiteral("File"),
                         QStringLiteral("Predict To"), QStringLiteral("Report"), QStringLiteral("Menus"),
                         QStringLiteral("View")});

    for (const BarCommand &command : commands)
        bars->addButton(command.action, command.item, command.category,
                        command.action->isCheckable() ? BarItem::Kind::CheckButton : BarItem::Kind::Button);

    for (const ContainerSpec &menu : kSubMenus)
        bars->addSubMenu(QLatin1String(menu.name), QLatin1String(menu.caption), QStringLiteral("Menus"),
                         menu.customizable);
    bars->addToolbarList(QStringLiteral("ViewToolbars"), QStringLiteral("&Toolbars"), QStringLiteral("View"));
    for (const ContainerSpec &menu : kSubMenus)
        addLinks(bars->item(QLatin1String(menu.name))->links(), bars, menu.links);

    Bar *mainMenu = bars->addMainMenuBar(QStringLiteral("MainMenuBar"), QStringLiteral("Main Menu"));
    addLinks(mainMenu->links(), bars,
             {{"FileMenu"}, {"PredictionMenu"}, {"ReportMenu"}, {"ViewMenu"}, {"HelpMenu"}});
    Bar *predict = bars->addToolBar(QStringLiteral("PredictToolBar"), QStringLiteral("Predict"), 1, 0);
    addLinks(predict->links(), bars,
             {{"FavouriteAdd"}, {"PredictDistance"}, {"PredictFJNumber"}, {"PredictNumberFJs"},
              {"PredictDateTime"}, {"PredictDaysHours"}});
    Bar *report = bars->addToolBar(QStringLiteral("ReportToolBar"), QStringLiteral("Report"), 1, 161);
    addLinks(report->links(), bars,
             {{"ReportAdd"}, {"ReportSave", Group}, {"ReportClipboard"}, {"ReportClear", Group}});
    return bars;
}
