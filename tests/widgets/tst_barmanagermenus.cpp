// SPDX-License-Identifier: MIT
// Menus and toolbars as the user meets them: short menus, the toolbar list, the update
// rules, tool tips, the drop-down mark and the dock areas' context menu.
#include "tst_barmanagerfixture.h"

#include "core/error.h"
#include "ui/widgets/bartoolbar.h"
#include "ui/widgets/personalisedmenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

// The names of the entries a menu shows, separators left out.
QStringList entryNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator() && action->isVisible())
            names << (action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
}

QAction *entry(const QWidget *container, const QString &name)
{
    for (QAction *action : container->actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void clickEntry(QMenu *menu, QAction *action)
{
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

} // namespace

class BarMenusTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void shortMenu_data();
    void shortMenu();
    void expandEntryShowsAllAndChosenEntryBecomesRecent();
    void restingOnTheMenuExpandsIt_data();
    void restingOnTheMenuExpandsIt();
    void expandEntryByKeyboard();
    void toolbarListFollowsAndTogglesVisibility();
    void updateHandlerRunsWhenAMenuOpens_data();
    void updateHandlerRunsWhenAMenuOpens();
    void updateHandlerRunsWhenIdle();
    void failingUpdateHandlerReportsTheError();
    void toolbarButtonsShowPictureAndHint_data();
    void toolbarButtonsShowPictureAndHint();
    void menuEntriesShowCaptionAndShortcut();
    void largeIcons();
    void dropDownMarkAddsAndRemovesButtons();
    void contextMenuOnTheDockArea_data();
    void contextMenuOnTheDockArea();
    void customizeOpensTheDialog();
};

void BarMenusTest::cleanup()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void BarMenusTest::shortMenu_data()
{
    QTest::addColumn<bool>("recentFirst");
    QTest::addColumn<QList<int>>("notRecent");
    QTest::addColumn<QStringList>("entries");

    const QString kp = QStringLiteral("FavouriteAdd"), distance = QStringLiteral("PredictDistance"),
                  fj = QStringLiteral("PredictFJNumber"), expand = QStringLiteral("expandMenu");
    QTest::newRow("entries not recently used hidden") << true << QList<int>{0, 2} << QStringList{distance, expand};
    QTest::newRow("option off shows all") << false << QList<int>{0, 2} << QStringList{kp, distance, fj};
    QTest::newRow("all recently used: no expand entry") << true << QList<int>{} << QStringList{kp, distance, fj};
    QTest::newRow("none recently used: the expand entry alone") << true << QList<int>{0, 1, 2} << QStringList{expand};
}

void BarMenusTest::shortMenu()
{
    QFETCH(bool, recentFirst);
    QFETCH(QList<int>, notRecent);
    QFETCH(QStringList, entries);

    BarFixture f;
    BarOptions options;
    options.menusShowRecentItemsFirst = recentFirst;
    f.manager->setOptions(options);
    BarLinkList *links = f.predictionMenu->links();
    for (int i = 0; i < links->count(); ++i)
        links->setRecentlyUsed(i, !notRecent.contains(i));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    QMenu *menu = f.manager->menu(f.predictionMenu);
    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(entryNames(menu), entries);
}

void BarMenusTest::expandEntryShowsAllAndChosenEntryBecomesRecent()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy chosen(f.fj, &QAction::triggered);

    // Alt+P opens "&Predict" from the menu bar.
    QTest::keyClick(&f.window, Qt::Key_P, Qt::AltModifier);
    auto *menu = qobject_cast<PersonalisedMenu *>(f.manager->menu(f.predictionMenu));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->isShort());

    clickEntry(menu, menu->expandAction());
    QVERIFY(menu->isVisible());
    QCOMPARE(entryNames(menu), QStringList({QStringLiteral("FavouriteAdd"), QStringLiteral("PredictDistance"),
                                            QStringLiteral("PredictFJNumber")}));

    clickEntry(menu, entry(menu, QStringLiteral("PredictFJNumber")));
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(chosen.count(), 1);
    QVERIFY(f.fj->isChecked());
    const BarLink &link = f.predictionMenu->links()->at(2);
    QCOMPARE(link.useCount, 1);
    QCOMPARE(link.recentIndex, 0);
    QCOMPARE(f.predictionMenu->links()->at(1).recentIndex, 1);

    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(entryNames(menu), QStringList({QStringLiteral("PredictDistance"), QStringLiteral("PredictFJNumber"),
                                            QStringLiteral("expandMenu")}));
}

void BarMenusTest::restingOnTheMenuExpandsIt_data()
{
    QTest::addColumn<bool>("afterDelay");
    QTest::newRow("ShowFullMenusAfterDelay on") << true;
    QTest::newRow("ShowFullMenusAfterDelay off") << false;
}

void BarMenusTest::restingOnTheMenuExpandsIt()
{
    QFETCH(bool, afterDelay);

    BarFixture f;
    BarOptions options;
    options.showFullMenusAfterDelay = afterDelay;
    f.manager->setOptions(options);
    f.manager->setFullMenuDelay(50);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    auto *menu = qobject_cast<PersonalisedMenu *>(f.manager->menu(f.predictionMenu));
    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->isShort());
    if (afterDelay) {
        QTRY_VERIFY(!menu->isShort());
        QCOMPARE(entryNames(menu).size(), 3);
    } else {
        QTest::qWait(200);
        QVERIFY(menu->isShort());
    }
    QVERIFY(menu->isVisible());
}

void BarMenusTest::expandEntryByKeyboard()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto *menu = qobject_cast<PersonalisedMenu *>(f.manager->menu(f.predictionMenu));
    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());

    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->activeAction(), menu->expandAction());
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(menu->isVisible());
    QVERIFY(!menu->isShort());
    QCOMPARE(entryNames(menu).size(), 3);
}

void BarMenusTest::toolbarListFollowsAndTogglesVisibility()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QMenu *list = f.manager->menu(f.toolbarList);
    const auto open = [&] {
        list->popup(f.window.mapToGlobal(QPoint(20, 20)));
        QTRY_VERIFY(list->isVisible());
    };

    open();
    // The main menu bar may not be closed, so it is not listed.
    QCOMPARE(entryNames(list), QStringList({QStringLiteral("PredictBar"), QStringLiteral("ReportBar")}));
    QCOMPARE(entry(list, QStringLiteral("ReportBar"))->text(), QStringLiteral("Report"));
    QVERIFY(entry(list, QStringLiteral("PredictBar"))->isChecked());
    QVERIFY(entry(list, QStringLiteral("ReportBar"))->isChecked());

    clickEntry(list, entry(list, QStringLiteral("ReportBar")));
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(!f.reportBar->isVisible());
    QVERIFY(f.manager->toolBar(f.reportBar)->isHidden());

    f.manager->setBarVisible(f.predictBar, false);
    open();
    QVERIFY(!entry(list, QStringLiteral("PredictBar"))->isChecked());
    QVERIFY(!entry(list, QStringLiteral("ReportBar"))->isChecked());
    clickEntry(list, entry(list, QStringLiteral("ReportBar")));
    QTRY_VERIFY(!list->isVisible());
    QVERIFY(f.reportBar->isVisible());
    QVERIFY(!f.manager->toolBar(f.reportBar)->isHidden());
}

void BarMenusTest::updateHandlerRunsWhenAMenuOpens_data()
{
    QTest::addColumn<QString>("menu");
    QTest::newRow("submenu") << QStringLiteral("PredictionMenu");
    QTest::newRow("toolbar list") << QStringLiteral("ViewToolbars");
}

void BarMenusTest::updateHandlerRunsWhenAMenuOpens()
{
    QFETCH(QString, menu);

    BarFixture f;
    f.manager->idleTimer()->stop();
    int runs = 0;
    f.manager->setUpdateHandler([&] {
        ++runs;
        f.distance->setChecked(true);
    });
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(runs, 0);

    QMenu *opened = f.manager->menu(f.manager->item(menu));
    opened->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(opened->isVisible());
    QCOMPARE(runs, 1);
    // The entries show the state the rules set before the menu appeared.
    if (QAction *distance = entry(opened, QStringLiteral("PredictDistance")))
        QVERIFY(distance->isChecked());
    QVERIFY(entry(f.manager->toolBar(f.predictBar), QStringLiteral("PredictDistance"))->isChecked());
}

void BarMenusTest::updateHandlerRunsWhenIdle()
{
    BarFixture f;
    int runs = 0;
    f.manager->setUpdateHandler([&] { ++runs; });
    QTest::qWait(300);
    QCOMPARE(runs, 0); // no bar is on screen yet

    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QTRY_VERIFY(runs > 0);
    f.manager->setBarVisible(f.mainMenu, false);
    f.manager->setBarVisible(f.predictBar, false);
    f.manager->setBarVisible(f.reportBar, false);
    QApplication::processEvents();
    const int before = runs;
    QTest::qWait(300);
    QCOMPARE(runs, before);
}

void BarMenusTest::failingUpdateHandlerReportsTheError()
{
    BarFixture f;
    f.manager->setUpdateHandler([] { throw kestrun::Error("Update failed"); });
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QMenu *menu = f.manager->menu(f.reportMenu);
    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(!f.errors.isEmpty());
    QCOMPARE(f.errors.front(), QStringLiteral("Update failed"));
    // The menu still shows its entries.
    QCOMPARE(entryNames(menu), QStringList({QStringLiteral("ReportAdd"), QStringLiteral("ReportSave")}));
}

void BarMenusTest::toolbarButtonsShowPictureAndHint_data()
{
    QTest::addColumn<bool>("showHint");
    QTest::addColumn<bool>("shortCutInHint");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("tipShown");

    QTest::newRow("hint") << true << false << QStringLiteral("Show help") << true;
    QTest::newRow("hint with shortcut") << true << true << QStringLiteral("Show help (F1)") << true;
    QTest::newRow("no hints") << false << false << QStringLiteral("Show help") << false;
}

void BarMenusTest::toolbarButtonsShowPictureAndHint()
{
    QFETCH(bool, showHint);
    QFETCH(bool, shortCutInHint);
    QFETCH(QString, tip);
    QFETCH(bool, tipShown);

    BarFixture f;
    f.reportBar->links()->append(f.manager->item(QStringLiteral("HelpContents")), true);
    BarOptions options;
    options.showHint = showHint;
    options.showShortCutInHint = shortCutInHint;
    f.manager->setOptions(options);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));

    QToolBar *toolBar = f.manager->toolBar(f.reportBar);
    QAction *help = entry(toolBar, QStringLiteral("HelpContents"));
    QVERIFY(help != nullptr);
    auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(help));
    QVERIFY(button != nullptr);
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(help->toolTip(), tip);

    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(button, &event);
    QCOMPARE(QToolTip::isVisible(), tipShown);
    if (tipShown)
        QCOMPARE(QToolTip::text(), tip);
    QToolTip::hideText();

    // Choosing the button runs the command.
    QSignalSpy ran(f.contents, &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(ran.count(), 1);
}

void BarMenusTest::menuEntriesShowCaptionAndShortcut()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QMenu *menu = f.manager->menu(f.viewMenu);
    menu->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu->isVisible());
    QAction *help = entry(menu, QStringLiteral("HelpContents"));
    QCOMPARE(help->text(), QStringLiteral("&Contents\tF1"));
    QVERIFY(!help->icon().isNull());
    QVERIFY(help->isIconVisibleInMenu());
    // The toolbar list opens from the "&Toolbars" entry, after a separator before "&Contents".
    QCOMPARE(menu->actions().front()->menu(), f.manager->menu(f.toolbarList));
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("&Toolbars"));
    QVERIFY(menu->actions().at(1)->isSeparator());
    // The shortcut works through the command itself.
    menu->close();
    QSignalSpy ran(f.contents, &QAction::triggered);
    QTest::keyClick(&f.window, Qt::Key_F1);
    QCOMPARE(ran.count(), 1);
}

void BarMenusTest::largeIcons()
{
    BarFixture f;
    QCOMPARE(f.manager->toolBar(f.predictBar)->iconSize(), QSize(16, 16));
    BarOptions options;
    options.largeIcons = true;
    f.manager->setOptions(options);
    QCOMPARE(f.manager->toolBar(f.predictBar)->iconSize(), QSize(32, 32));
    QCOMPARE(f.manager->toolBar(f.reportBar)->iconSize(), QSize(32, 32));
}

void BarMenusTest::dropDownMarkAddsAndRemovesButtons()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto *toolBar = qobject_cast<BarToolBar *>(f.manager->toolBar(f.predictBar));
    QVERIFY(toolBar->dropDownMark()->isVisible());
    QCOMPARE(toolBar->widgetForAction(toolBar->actions().back()), toolBar->dropDownMark());

    toolBar->markMenu()->popup(f.window.mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(toolBar->markMenu()->isVisible());
    QStringList texts;
    for (const QAction *action : toolBar->markMenu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, QStringList({QStringLiteral("Add or Remove Buttons"), QStringLiteral("-"),
                                 QStringLiteral("Customize...")}));
    const QList<QAction *> buttons = toolBar->buttonsMenu()->actions();
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons.at(1)->text(), QStringLiteral("&Distance"));
    QVERIFY(buttons.at(1)->isChecked());
    buttons.at(1)->trigger();
    toolBar->markMenu()->close();

    QVERIFY(!f.predictBar->links()->at(1).visible);
    QCOMPARE(entry(toolBar, QStringLiteral("PredictDistance")), nullptr);
    QVERIFY(entry(toolBar, QStringLiteral("FavouriteAdd")) != nullptr);
    QTRY_VERIFY(toolBar->dropDownMark()->isVisible());

    // A bar the user may not customise has no mark.
    Bar *fixed = f.manager->addToolBar(QStringLiteral("FixedBar"), QStringLiteral("Fixed"), 2, 0, Bar::Closable | Bar::Movable);
    fixed->links()->append(f.manager->item(QStringLiteral("ReportAdd")));
    auto *fixedBar = qobject_cast<BarToolBar *>(f.manager->toolBar(fixed));
    QCOMPARE(fixedBar->actions().size(), 1);
}

void BarMenusTest::contextMenuOnTheDockArea_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("offered");
    QTest::newRow("toolbar") << QStringLiteral("toolbar") << true;
    QTest::newRow("menu bar") << QStringLiteral("menubar") << true;
    QTest::newRow("central widget") << QStringLiteral("central") << false;
}

void BarMenusTest::contextMenuOnTheDockArea()
{
    QFETCH(QString, target);
    QFETCH(bool, offered);

    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QWidget *widget = target == QStringLiteral("toolbar") ? f.manager->toolBar(f.reportBar)
                      : target == QStringLiteral("menubar") ? static_cast<QWidget *>(f.manager->menuBar())
                                                            : f.window.centralWidget();
    const QPoint at(widget->width() - 3, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);

    auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QCOMPARE(popup != nullptr, offered);
    if (!offered)
        return;
    QStringList texts;
    for (const QAction *action : popup->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(texts, QStringList({QStringLiteral("Predict"), QStringLiteral("Report"), QStringLiteral("-"),
                                 QStringLiteral("Customize...")}));
    QVERIFY(popup->actions().at(0)->isChecked());
}

void BarMenusTest::customizeOpensTheDialog()
{
    BarFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QString title;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    closer.start(20);

    QMenu *menu = f.manager->createContextMenu(&f.window);
    QCOMPARE(menu->actions().back()->text(), QStringLiteral("Customize..."));
    menu->actions().back()->trigger();
    QTRY_COMPARE(title, QStringLiteral("Customize"));
    delete menu;
}

QTEST_MAIN(BarMenusTest)
#include "tst_barmanagermenus.moc"
