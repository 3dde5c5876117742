// SPDX-License-Identifier: MIT
// The customisation dialog: its three pages driven as the user does.
#include "tst_barmanagerfixture.h"

#include "ui/widgets/barcustomizedialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

QStringList texts(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QStringList toolbarEntries(const QToolBar *toolBar)
{
    QStringList result;
    for (const QAction *action : toolBar->actions())
        if (!action->objectName().isEmpty())
            result << action->objectName();
    return result;
}

// The dialog on the window of a fixture, shown without blocking.
struct DialogFixture : BarFixture {
    BarCustomizeDialog dialog{manager, &window};

    template<typename T>
    T *child(const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromUtf8(name));
        if (found == nullptr)
            qFatal("no %s in the dialog", name);
        return found;
    }

    void select(const QString &target, const QString &category, const QString &command, int linkRow)
    {
        auto *targets = child<QComboBox>("targetCombo");
        if (!target.isEmpty())
            targets->setCurrentIndex(targets->findText(target));
        auto *categories = child<QListWidget>("categoryList");
        if (!category.isEmpty())
            categories->setCurrentItem(categories->findItems(category, Qt::MatchExactly).value(0));
        auto *commands = child<QListWidget>("commandList");
        if (!command.isEmpty())
            commands->setCurrentItem(commands->findItems(command, Qt::MatchExactly).value(0));
        child<QListWidget>("linkList")->setCurrentRow(linkRow);
    }
};

} // namespace

class BarDialogTest : public QObject {
    Q_OBJECT

private slots:
    void listsCategoriesCommandsAndTargets();
    void editLinks_data();
    void editLinks();
    void buttonsOnlyWhereTheyApply_data();
    void buttonsOnlyWhereTheyApply();
    void toolbarsPageShowsAndHidesBars();
    void optionsPageSetsTheOptions();
};

void BarDialogTest::listsCategoriesCommandsAndTargets()
{
    DialogFixture f;
    QCOMPARE(texts(f.child<QListWidget>("categoryList")),
             QStringList({QStringLiteral("Default"), QStringLiteral("Help"), QStringLiteral("File"),
                          QStringLiteral("Predict To"), QStringLiteral("Report"), QStringLiteral("Menus"),
                          QStringLiteral("View")}));
    // "Default" holds no item.
    QCOMPARE(texts(f.child<QListWidget>("commandList")), QStringList());
    f.select(QString(), QStringLiteral("Predict To"), QString(), -1);
    QCOMPARE(texts(f.child<QListWidget>("commandList")),
             QStringList({QStringLiteral("KP Number"), QStringLiteral("Distance"), QStringLiteral("FJ Number")}));
    f.select(QString(), QStringLiteral("Menus"), QString(), -1);
    QCOMPARE(texts(f.child<QListWidget>("commandList")),
             QStringList({QStringLiteral("Predict"), QStringLiteral("Report"), QStringLiteral("View")}));

    // Neither the main menu bar nor the "View" menu may be customised.
    QStringList targets;
    for (const auto &target : f.dialog.targets())
        targets << target.text;
    QCOMPARE(targets, QStringList({QStringLiteral("Predict toolbar"), QStringLiteral("Report toolbar"),
                                   QStringLiteral("Predict menu"), QStringLiteral("Report menu")}));
    QCOMPARE(f.child<QComboBox>("targetCombo")->count(), 4);
    QCOMPARE(texts(f.child<QListWidget>("linkList")),
             QStringList({QStringLiteral("KP Number"), QStringLiteral("Distance"), QStringLiteral("FJ Number")}));
}

void BarDialogTest::editLinks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("command"); // in category "Help"
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("links");

    const QString toolbar = QStringLiteral("Report toolbar"), menu = QStringLiteral("Report menu");
    const QString add = QStringLiteral("ReportAdd"), save = QStringLiteral("ReportSave");
    QTest::newRow("remove") << toolbar << 0 << QString() << "removeButton" << QStringList{"|" + save};
    QTest::newRow("move down") << toolbar << 0 << QString() << "moveDownButton" << QStringList{"|" + save, add};
    QTest::newRow("move up") << toolbar << 1 << QString() << "moveUpButton" << QStringList{"|" + save, add};
    QTest::newRow("begin group on") << toolbar << 0 << QString() << "beginGroupCheck" << QStringList{"|" + add, "|" + save};
    QTest::newRow("begin group off") << toolbar << 1 << QString() << "beginGroupCheck" << QStringList{add, save};
    QTest::newRow("add after the selected link") << toolbar << 0 << "Contents" << "addButton"
                                                 << QStringList{add, "HelpContents", "|" + save};
    QTest::newRow("add at the end of a menu") << menu << -1 << "Contents" << "addButton"
                                              << QStringList{add, "|" + save, "HelpContents"};
}

void BarDialogTest::editLinks()
{
    QFETCH(QString, target);
    QFETCH(int, row);
    QFETCH(QString, command);
    QFETCH(QString, button);
    QFETCH(QStringList, links);

    DialogFixture f;
    f.dialog.show();
    f.select(target, QStringLiteral("Help"), command, row);
    auto *pressed = f.dialog.findChild<QAbstractButton *>(button);
    QVERIFY(pressed && pressed->isEnabled());
    QTest::mouseClick(pressed, Qt::LeftButton, {}, QPoint(4, pressed->height() / 2));

    const bool onToolbar = target.endsWith(QStringLiteral("toolbar"));
    const BarLinkList *changed = onToolbar ? f.reportBar->links() : f.reportMenu->links();
    QCOMPARE(BarFixture::names(changed), links);
    QCOMPARE(f.child<QListWidget>("linkList")->count(), links.size());
    if (onToolbar) {
        QStringList shown = links;
        shown.replaceInStrings(QStringLiteral("|"), QString());
        QCOMPARE(toolbarEntries(f.manager->toolBar(f.reportBar)), shown);
    }
    f.dialog.close();
}

void BarDialogTest::buttonsOnlyWhereTheyApply_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("enabled"); // add, remove, up, down, group: 1 or 0

    QTest::newRow("nothing chosen") << "Report toolbar" << "Default" << "" << -1 << "00000";
    QTest::newRow("first link") << "Report toolbar" << "Report" << "Add" << 0 << "11011";
    QTest::newRow("last link") << "Report toolbar" << "Report" << "Add" << 1 << "11101";
    QTest::newRow("a menu into itself") << "Predict menu" << "Menus" << "Predict" << 1 << "01111";
    QTest::newRow("a menu into another") << "Predict menu" << "Menus" << "Report" << 1 << "11111";
    QTest::newRow("a menu onto a toolbar") << "Predict toolbar" << "Menus" << "Predict" << 2 << "11101";
}

void BarDialogTest::buttonsOnlyWhereTheyApply()
{
    QFETCH(QString, target);
    QFETCH(QString, category);
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(QString, enabled);

    DialogFixture f;
    f.select(target, category, command, row);
    QString actual;
    for (const char *name : {"addButton", "removeButton", "moveUpButton", "moveDownButton", "beginGroupCheck"})
        actual += f.child<QAbstractButton>(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(actual, enabled);
}

void BarDialogTest::toolbarsPageShowsAndHidesBars()
{
    DialogFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    auto *list = f.child<QListWidget>("toolbarList");
    QCOMPARE(texts(list), QStringList({QStringLiteral("Predict"), QStringLiteral("Report")}));
    QCOMPARE(list->item(1)->checkState(), Qt::Checked);

    list->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(!f.reportBar->isVisible());
    QVERIFY(f.manager->toolBar(f.reportBar)->isHidden());

    // A change made elsewhere shows on the page.
    f.manager->setBarVisible(f.predictBar, false);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
    list->item(0)->setCheckState(Qt::Checked);
    QVERIFY(!f.manager->toolBar(f.predictBar)->isHidden());
}

void BarDialogTest::optionsPageSetsTheOptions()
{
    DialogFixture f;
    f.dialog.show();
    auto *large = f.child<QCheckBox>("largeIcons");
    auto *hint = f.child<QCheckBox>("showHint");
    auto *shortCut = f.child<QCheckBox>("showShortCutInHint");
    auto *recent = f.child<QCheckBox>("menusShowRecentItemsFirst");
    auto *delay = f.child<QCheckBox>("showFullMenusAfterDelay");
    QVERIFY(!large->isChecked());
    QVERIFY(hint->isChecked());
    QVERIFY(recent->isChecked() && delay->isChecked() && delay->isEnabled());

    QTest::mouseClick(large, Qt::LeftButton, {}, QPoint(4, large->height() / 2));
    QVERIFY(f.manager->options().largeIcons);
    QCOMPARE(f.manager->toolBar(f.predictBar)->iconSize(), QSize(32, 32));

    QTest::mouseClick(hint, Qt::LeftButton, {}, QPoint(4, hint->height() / 2));
    QVERIFY(!f.manager->options().showHint);
    QVERIFY(!shortCut->isEnabled());

    QTest::mouseClick(recent, Qt::LeftButton, {}, QPoint(4, recent->height() / 2));
    QVERIFY(!f.manager->options().menusShowRecentItemsFirst);
    QVERIFY(!delay->isEnabled());

    f.child<QComboBox>("menuAnimations")->setCurrentIndex(BarOptions::FadeAnimation);
    QCOMPARE(f.manager->options().menuAnimations, int(BarOptions::FadeAnimation));
    QVERIFY(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    QVERIFY(QApplication::isEffectEnabled(Qt::UI_FadeMenu));
    f.child<QComboBox>("menuAnimations")->setCurrentIndex(BarOptions::NoAnimation);
    QVERIFY(!QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    f.dialog.close();
}

QTEST_MAIN(BarDialogTest)
#include "tst_barmanagerdialog.moc"
