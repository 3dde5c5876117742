// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/barlinklist.h"
#include "ui/widgets/barmanager.h"

#include <QAction>
#include <QMainWindow>
#include <QPainter>
#include <QPixmap>
#include <QStringList>

// A small window with the bars of a typical program: a main menu bar with three
// submenus (the first two customisable), a "Predict" and a "Report" toolbar on row 1,
// and a toolbar list in the "View" menu.
struct BarFixture {
    QMainWindow window;
    QStringList errors;
    BarManager *manager;
    QAction *exit, *kp, *distance, *fj, *add, *save, *contents;
    BarItem *toolbarList, *predictionMenu, *reportMenu, *viewMenu;
    Bar *mainMenu, *predictBar, *reportBar;

    static QIcon swatch(Qt::GlobalColor color)
    {
        QPixmap pixmap(16, 16);
        pixmap.fill(color);
        return QIcon(pixmap);
    }

    QAction *action(const char *name, const char *caption, const char *hint, Qt::GlobalColor color)
    {
        auto *action = new QAction(swatch(color), QString::fromUtf8(caption), &window);
        action->setObjectName(QString::fromUtf8(name));
        action->setToolTip(QString::fromUtf8(hint));
        action->setStatusTip(QString::fromUtf8(hint));
        return action;
    }

    static QStringList names(const BarLinkList *links)
    {
        QStringList result;
        for (const BarLink &link : links->links())
            result << (link.beginGroup ? QStringLiteral("|") : QString()) + link.item->name();
        return result;
    }

    BarFixture()
    {
        window.resize(640, 400);
        window.setCentralWidget(new QWidget(&window));
        exit = action("FileExitAction", "E&xit", "Exit the program", Qt::red);
        kp = action("PredictKPAction", "&KP Number", "Predict to KP", Qt::green);
        distance = action("PredictDistanceAction", "&Distance", "Predict to distance", Qt::blue);
        fj = action("PredictFJAction", "&FJ Number", "Predict to field joint number", Qt::cyan);
        add = action("ReportAddAction", "&Add", "Add to report", Qt::magenta);
        save = action("ReportSaveAction", "&Save", "Save report to file", Qt::yellow);
        contents = action("HelpContentsAction", "&Contents", "Show help", Qt::gray);
        contents->setShortcut(QKeySequence(Qt::Key_F1));

        manager = new BarManager(&window, [this](const QString &message) { errors << message; });
        manager->setObjectName(QStringLiteral("BarManager"));
        manager->setCategories({QStringLiteral("Default"), QStringLiteral("Help"), QStringLiteral("File"),
                                QStringLiteral("Predict To"), QStringLiteral("Report"), QStringLiteral("Menus"),
                                QStringLiteral("View")});
        const auto check = BarItem::Kind::CheckButton;
        BarItem *exitItem = manager->addButton(exit, QStringLiteral("FileExit"), QStringLiteral("File"));
        BarItem *kpItem = manager->addButton(kp, QStringLiteral("FavouriteAdd"), QStringLiteral("Predict To"), check);
        BarItem *distanceItem =
            manager->addButton(distance, QStringLiteral("PredictDistance"), QStringLiteral("Predict To"), check);
        BarItem *fjItem = manager->addButton(fj, QStringLiteral("PredictFJNumber"), QStringLiteral("Predict To"), check);
        BarItem *addItem = manager->addButton(add, QStringLiteral("ReportAdd"), QStringLiteral("Report"));
        BarItem *saveItem = manager->addButton(save, QStringLiteral("ReportSave"), QStringLiteral("Report"));
        BarItem *contentsItem = manager->addButton(contents, QStringLiteral("HelpContents"), QStringLiteral("Help"));
        toolbarList = manager->addToolbarList(QStringLiteral("ViewToolbars"), QStringLiteral("&Toolbars"),
                                              QStringLiteral("View"));
        predictionMenu = manager->addSubMenu(QStringLiteral("PredictionMenu"), QStringLiteral("&Predict"),
                                             QStringLiteral("Menus"));
        reportMenu = manager->addSubMenu(QStringLiteral("ReportMenu"), QStringLiteral("&Report"), QStringLiteral("Menus"));
        viewMenu = manager->addSubMenu(QStringLiteral("ViewMenu"), QStringLiteral("&View"), QStringLiteral("Menus"), false);
        (void)exitItem;

        BarLinkList *predict = predictionMenu->links();
        predict->append(kpItem);
        predict->append(distanceItem);
        predict->append(fjItem);
        predict->setRecentlyUsed(0, false);
        predict->setRecentlyUsed(2, false);
        reportMenu->links()->append(addItem);
        reportMenu->links()->append(saveItem, true);
        viewMenu->links()->append(toolbarList);
        viewMenu->links()->append(contentsItem, true);

        mainMenu = manager->addMainMenuBar(QStringLiteral("MainMenuBar"), QStringLiteral("Main Menu"));
        mainMenu->links()->append(predictionMenu);
        mainMenu->links()->append(reportMenu);
        mainMenu->links()->append(viewMenu);
        predictBar = manager->addToolBar(QStringLiteral("PredictBar"), QStringLiteral("Predict"), 1, 0);
        predictBar->links()->append(kpItem);
        predictBar->links()->append(distanceItem);
        predictBar->links()->append(fjItem);
        reportBar = manager->addToolBar(QStringLiteral("ReportBar"), QStringLiteral("Report"), 1, 161);
        reportBar->links()->append(addItem);
        reportBar->links()->append(saveItem, true);
    }

    // The captions of the bars that are shown, in bar order.
    QStringList visibleBars() const
    {
        QStringList result;
        for (const Bar *bar : manager->bars())
            if (bar->isVisible())
                result << bar->caption();
        return result;
    }
};
