// SPDX-License-Identifier: MIT
// The bar layout in the settings file: what a save writes, what a load accepts.
#include "tst_barmanagerfixture.h"

#include "support/inidocument.h"

#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <memory>

namespace {

const QString prefix = QStringLiteral("MainForm.BarManager.");

std::string crlf(std::string_view text)
{
    std::string result;
    for (char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

IniDocument::Section *section(IniDocument &document, const std::string &name)
{
    IniDocument::Section *found = document.findSection("MainForm.BarManager." + name);
    if (found == nullptr)
        qFatal("no section %s", name.c_str());
    return found;
}

void setValue(IniDocument &document, const std::string &sectionName, const std::string &key, const std::string &value)
{
    IniDocument::Section *s = section(document, sectionName);
    auto it = std::ranges::find_if(s->keys, [&](const IniDocument::Key &k) { return IniDocument::sameName(k.name, key); });
    if (it != s->keys.end())
        it->value = value;
    else
        s->add(key, value);
}

void removeKey(IniDocument &document, const std::string &sectionName, const std::string &key)
{
    std::erase_if(section(document, sectionName)->keys,
                  [&](const IniDocument::Key &k) { return IniDocument::sameName(k.name, key); });
}

// A document without the named section: the others copied in order.
IniDocument withoutSection(const IniDocument &document, const std::string &name)
{
    IniDocument result;
    for (const IniDocument::Section &s : document.sections())
        if (s.name != "MainForm.BarManager." + name)
            result.addSection(s.name).keys = s.keys;
    return result;
}

// Where a bar sits, as far as a layout promises to bring it back: side, row, place among
// the bars docked in its row, shown.
QString placeOf(BarManager *manager, const Bar *bar)
{
    const Bar::Placement &p = bar->placement();
    int before = 0;
    for (const Bar *other : manager->bars()) {
        const Bar::Placement &q = other->placement();
        if (other != bar && q.dockingStyle != Bar::Floating && q.dockedDockingStyle == p.dockedDockingStyle &&
            q.row == p.row &&
            (p.dockedDockingStyle == Bar::DockTop || p.dockedDockingStyle == Bar::DockBottom ? q.dockedLeft < p.dockedLeft
                                                                                            : q.dockedTop < p.dockedTop))
            ++before;
    }
    return QStringLiteral("side %1 docked %2 row %3 place %4 %5")
        .arg(p.dockingStyle)
        .arg(p.dockedDockingStyle)
        .arg(p.row)
        .arg(before)
        .arg(bar->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

QString usageOf(const BarLinkList *links)
{
    QStringList result;
    for (const BarLink &link : links->links())
        result << QStringLiteral("%1:%2/%3/%4").arg(link.item->name()).arg(link.useCount).arg(link.recentIndex).arg(link.visible);
    return result.join(QLatin1Char(' '));
}

} // namespace

class BarLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheLayoutSections();
    void roundTripKeepsPlaces_data();
    void roundTripKeepsPlaces();
    void roundTripKeepsLinksUsageAndOptions();
    void loadingRules_data();
    void loadingRules();
    void namesInOtherLetterCaseAreFound();
    void barBeyondTheDesignedOnesIsAdded();
    void submenuLinks_data();
    void submenuLinks();
};

void BarLayoutTest::saveWritesTheLayoutSections()
{
    BarFixture f;
    BarOptions options;
    options.menuAnimations = BarOptions::FadeAnimation;
    options.showShortCutInHint = true;
    f.manager->setOptions(options);
    f.predictionMenu->links()->markUsed(1);
    f.predictionMenu->links()->markUsed(1);
    f.reportMenu->links()->markUsed(1);
    f.predictBar->links()->setVisible(2, false);
    auto links = f.reportBar->links()->links();
    links[0].userDefine = BarLink::UserCaptionBit | BarLink::UserWidthBit;
    links[0].userCaption = QStringLiteral("Add It");
    links[0].userWidth = 40;
    f.reportBar->links()->setLinks(links);

    // Sections of the prefix go, however many there were; a name that differs in letter
    // case belongs to someone else and stays.
    IniDocument document = IniDocument::parse(crlf("[Other]\nKey=1\n"
                                                   "[MainForm.BarManager.Bar7]\nRow=1\n"
                                                   "[mainform.barmanager.Main]\nX=1\n"));
    f.manager->saveLayout(document, prefix);

    const std::string link = "BeginGroup=0\nUserDefine=0\n";
    const std::string expected = crlf(
        "[Other]\nKey=1\n\n"
        "[mainform.barmanager.Main]\nX=1\n\n"
        "[MainForm.BarManager.Main]\nMenusShowRecentItemsFirst=1\nShowFullMenusAfterDelay=1\nLargeIcons=0\n"
        "MenuAnimations=4\nShowHint=1\nShowShortCutInHint=1\nBarCount=3\n\n"
        "[MainForm.BarManager.Bar0]\nCaption=Main Menu\nDockedDockingStyle=2\nDockedLeft=0\nDockedTop=0\n"
        "OneOnRow=1\nRow=0\nFloatLeft=0\nFloatTop=0\nFloatClientWidth=0\nFloatClientHeight=0\nDockingStyle=2\n"
        "Visible=1\nItemLinkCount=3\n\n"
        "[MainForm.BarManager.Bar0.ItemLink0]\nItemName=PredictionMenu\n" + link + "Visible=1\nUseCount=0\nRecentIndex=0\n\n"
        "[MainForm.BarManager.Bar0.ItemLink1]\nItemName=ReportMenu\n" + link + "Visible=1\nUseCount=0\nRecentIndex=1\n\n"
        "[MainForm.BarManager.Bar0.ItemLink2]\nItemName=ViewMenu\n" + link + "Visible=1\nUseCount=0\nRecentIndex=2\n\n"
        "[MainForm.BarManager.Bar1]\nCaption=Predict\nDockedDockingStyle=2\nDockedLeft=0\nDockedTop=0\n"
        "OneOnRow=0\nRow=1\nFloatLeft=0\nFloatTop=0\nFloatClientWidth=0\nFloatClientHeight=0\nDockingStyle=2\n"
        "Visible=1\nItemLinkCount=3\n\n"
        "[MainForm.BarManager.Bar1.ItemLink0]\nItemName=FavouriteAdd\n" + link + "Visible=1\nUseCount=0\nRecentIndex=0\n\n"
        "[MainForm.BarManager.Bar1.ItemLink1]\nItemName=PredictDistance\n" + link + "Visible=1\nUseCount=0\nRecentIndex=1\n\n"
        "[MainForm.BarManager.Bar1.ItemLink2]\nItemName=PredictFJNumber\n" + link + "Visible=0\nUseCount=0\nRecentIndex=2\n\n"
        "[MainForm.BarManager.Bar2]\nCaption=Report\nDockedDockingStyle=2\nDockedLeft=161\nDockedTop=0\n"
        "OneOnRow=0\nRow=1\nFloatLeft=0\nFloatTop=0\nFloatClientWidth=0\nFloatClientHeight=0\nDockingStyle=2\n"
        "Visible=1\nItemLinkCount=2\n\n"
        "[MainForm.BarManager.Bar2.ItemLink0]\nItemName=ReportAdd\nBeginGroup=0\nUserDefine=9\nUserCaption=Add It\n"
        "UserWidth=40\nVisible=1\nUseCount=0\nRecentIndex=0\n\n"
        "[MainForm.BarManager.Bar2.ItemLink1]\nItemName=ReportSave\nBeginGroup=1\nUserDefine=0\nVisible=1\n"
        "UseCount=0\nRecentIndex=1\n\n"
        "[MainForm.BarManager.SubItem_ViewToolbars]\nItemLinkCount=0\n\n"
        "[MainForm.BarManager.SubItem_PredictionMenu]\nItemLinkCount=3\n\n"
        "[MainForm.BarManager.SubItem_PredictionMenu.ItemLink0]\nItemName=FavouriteAdd\n" + link + "UseCount=0\nRecentIndex=-1\n\n"
        "[MainForm.BarManager.SubItem_PredictionMenu.ItemLink1]\nItemName=PredictDistance\n" + link + "UseCount=2\nRecentIndex=0\n\n"
        "[MainForm.BarManager.SubItem_PredictionMenu.ItemLink2]\nItemName=PredictFJNumber\n" + link + "UseCount=0\nRecentIndex=-1\n\n"
        "[MainForm.BarManager.SubItem_ReportMenu]\nItemLinkCount=2\n\n"
        "[MainForm.BarManager.SubItem_ReportMenu.ItemLink0]\nItemName=ReportAdd\n" + link + "UseCount=0\nRecentIndex=1\n\n"
        "[MainForm.BarManager.SubItem_ReportMenu.ItemLink1]\nItemName=ReportSave\nBeginGroup=1\nUserDefine=0\n"
        "UseCount=1\nRecentIndex=0\n\n"
        "[MainForm.BarManager.SubItem_ViewMenu]\nItemLinkCount=2\n\n"
        "[MainForm.BarManager.SubItem_ViewMenu.ItemLink0]\nItemName=ViewToolbars\n" + link + "UseCount=0\nRecentIndex=0\n\n"
        "[MainForm.BarManager.SubItem_ViewMenu.ItemLink1]\nItemName=HelpContents\nBeginGroup=1\nUserDefine=0\n"
        "UseCount=0\nRecentIndex=1\n\n");
    QCOMPARE(QString::fromStdString(document.serialize()), QString::fromStdString(expected));
}

void BarLayoutTest::roundTripKeepsPlaces_data()
{
    QTest::addColumn<int>("predictSide"); // Bar::Floating: floats
    QTest::addColumn<int>("predictRow");
    QTest::addColumn<int>("reportSide");
    QTest::addColumn<int>("reportRow");
    QTest::addColumn<int>("reportOffset");
    QTest::addColumn<bool>("reportShown");

    QTest::addColumn<QString>("predictPlace");
    QTest::addColumn<QString>("reportPlace");

    const int top = Bar::DockTop, bottom = Bar::DockBottom, left = Bar::DockLeft, right = Bar::DockRight;
    QTest::newRow("as designed") << top << 1 << top << 1 << 161 << true << "side 2 docked 2 row 1 place 0 shown"
                                 << "side 2 docked 2 row 1 place 1 shown";
    QTest::newRow("report on a row of its own") << top << 1 << top << 2 << 0 << true
                                                << "side 2 docked 2 row 1 place 0 shown"
                                                << "side 2 docked 2 row 2 place 0 shown";
    QTest::newRow("report first in the row") << top << 1 << top << 1 << -1 << true
                                             << "side 2 docked 2 row 1 place 1 shown"
                                             << "side 2 docked 2 row 1 place 0 shown";
    QTest::newRow("report at the bottom") << top << 1 << bottom << 0 << 0 << true << "side 2 docked 2 row 1 place 0 shown"
                                          << "side 4 docked 4 row 0 place 0 shown";
    QTest::newRow("report at the left") << top << 1 << left << 0 << 0 << true << "side 2 docked 2 row 1 place 0 shown"
                                        << "side 1 docked 1 row 0 place 0 shown";
    QTest::newRow("report at the right") << top << 1 << right << 0 << 0 << true << "side 2 docked 2 row 1 place 0 shown"
                                         << "side 3 docked 3 row 0 place 0 shown";
    QTest::newRow("two rows at the bottom") << bottom << 0 << bottom << 1 << 0 << true
                                            << "side 4 docked 4 row 0 place 0 shown"
                                            << "side 4 docked 4 row 1 place 0 shown";
    QTest::newRow("two rows at the right") << right << 0 << right << 1 << 0 << true
                                           << "side 3 docked 3 row 0 place 0 shown"
                                           << "side 3 docked 3 row 1 place 0 shown";
    QTest::newRow("report hidden") << top << 1 << top << 1 << 161 << false << "side 2 docked 2 row 1 place 0 shown"
                                   << "side 2 docked 2 row 1 place 1 hidden";
    QTest::newRow("predict floating") << int(Bar::Floating) << 1 << top << 1 << 161 << true
                                      << "side 0 docked 2 row 1 place 0 shown" << "side 2 docked 2 row 1 place 0 shown";
}

void BarLayoutTest::roundTripKeepsPlaces()
{
    QFETCH(int, predictSide);
    QFETCH(int, predictRow);
    QFETCH(int, reportSide);
    QFETCH(int, reportRow);
    QFETCH(int, reportOffset);
    QFETCH(bool, reportShown);
    QFETCH(QString, predictPlace);
    QFETCH(QString, reportPlace);
    const bool predictFloats = predictSide == Bar::Floating;

    auto first = std::make_unique<BarFixture>();
    first->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first->window));
    Bar::Placement predict = first->predictBar->placement();
    predict.dockingStyle = predictSide;
    predict.dockedDockingStyle = predictFloats ? int(Bar::DockTop) : predictSide;
    predict.row = predictRow;
    predict.floatPos = first->window.geometry().topLeft() + QPoint(40, 200);
    first->manager->setBarPlacement(first->predictBar, predict);
    Bar::Placement report;
    report.dockingStyle = report.dockedDockingStyle = reportSide;
    report.row = reportRow;
    report.dockedLeft = report.dockedTop = reportOffset;
    first->manager->setBarPlacement(first->reportBar, report);
    first->manager->setBarVisible(first->reportBar, reportShown);
    QApplication::processEvents();

    IniDocument document;
    first->manager->saveLayout(document, prefix);
    // What the window shows, read back after the layout pass.
    QCOMPARE(placeOf(first->manager, first->reportBar), reportPlace);
    QCOMPARE(placeOf(first->manager, first->predictBar), predictPlace);
    const Bar::Placement predictPlacement = first->predictBar->placement();
    first.reset();

    BarFixture second;
    second.manager->loadLayout(document, prefix);
    second.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second.window));
    QApplication::processEvents();
    second.manager->updatePlacements();
    QCOMPARE(placeOf(second.manager, second.reportBar), reportPlace);
    QCOMPARE(placeOf(second.manager, second.predictBar), predictPlace);
    QCOMPARE(second.manager->toolBar(second.predictBar)->isFloating(), predictFloats);
    if (predictFloats)
        QCOMPARE(second.predictBar->placement().floatPos, predictPlacement.floatPos);
    QCOMPARE(second.manager->toolBar(second.reportBar)->isHidden(), !reportShown);
}

void BarLayoutTest::roundTripKeepsLinksUsageAndOptions()
{
    IniDocument document;
    BarOptions options;
    options.menusShowRecentItemsFirst = false;
    options.showFullMenusAfterDelay = false;
    options.largeIcons = true;
    options.menuAnimations = BarOptions::SlideAnimation;
    options.showHint = false;
    options.showShortCutInHint = true;
    QString predictBarLinks, reportMenuUsage, predictMenuUsage;
    {
        BarFixture f;
        f.manager->setOptions(options);
        f.predictBar->links()->remove(1);
        f.predictBar->links()->setVisible(0, false);
        f.predictBar->links()->setBeginGroup(1, true);
        f.reportMenu->links()->markUsed(1);
        f.predictionMenu->links()->markUsed(2);
        f.manager->setBarVisible(f.mainMenu, false);
        f.manager->saveLayout(document, prefix);
        predictBarLinks = usageOf(f.predictBar->links()) + BarFixture::names(f.predictBar->links()).join(QLatin1Char(','));
        reportMenuUsage = usageOf(f.reportMenu->links());
        predictMenuUsage = usageOf(f.predictionMenu->links());
    }
    BarFixture f;
    f.manager->loadLayout(document, prefix);
    QCOMPARE(f.manager->options(), options);
    QCOMPARE(usageOf(f.predictBar->links()) + BarFixture::names(f.predictBar->links()).join(QLatin1Char(',')),
             predictBarLinks);
    QCOMPARE(usageOf(f.reportMenu->links()), reportMenuUsage);
    QCOMPARE(usageOf(f.predictionMenu->links()), predictMenuUsage);
    QCOMPARE(f.visibleBars(), QStringList({QStringLiteral("Predict"), QStringLiteral("Report")}));
    QVERIFY(f.manager->menuBar()->isHidden());
    QCOMPARE(f.manager->toolBar(f.predictBar)->iconSize(), QSize(32, 32));
}

void BarLayoutTest::loadingRules_data()
{
    // Each row edits a saved layout (the "Report" toolbar hidden, large icons on) and
    // loads it into a window as designed (every bar shown, small icons).
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("predictLinks");

    const QStringList designedLinks{QStringLiteral("FavouriteAdd"), QStringLiteral("PredictDistance"),
                                    QStringLiteral("PredictFJNumber")};
    const QString menu = QStringLiteral("Main Menu"), predict = QStringLiteral("Predict"), report = QStringLiteral("Report");
    QTest::newRow("unchanged") << QString() << QStringList{menu, predict} << designedLinks;
    QTest::newRow("BarCount removed: bars as designed") << "remove Main BarCount" << QStringList{menu, predict, report}
                                                        << designedLinks;
    QTest::newRow("BarCount negative: bars as designed") << "set Main BarCount -1" << QStringList{menu, predict, report}
                                                         << designedLinks;
    QTest::newRow("BarCount 2: the last bar stays hidden") << "set Bar2 Visible 1; set Main BarCount 2"
                                                           << QStringList{menu, predict} << designedLinks;
    QTest::newRow("section of bar 0 removed: main menu hidden") << "drop Bar0" << QStringList{predict} << designedLinks;
    QTest::newRow("Row below -999 skips the bar") << "set Bar1 Row -1000" << QStringList{menu} << designedLinks;
    QTest::newRow("Row of -999 is applied") << "set Bar1 Row -999" << QStringList{menu, predict} << designedLinks;
    QTest::newRow("missing Visible hides the bar") << "remove Bar1 Visible" << QStringList{menu} << designedLinks;
    QTest::newRow("bar that cannot be applied is shown") << "set Bar2 DockingStyle 7" << QStringList{menu, predict, report}
                                                         << designedLinks;
    QTest::newRow("unreadable number: bar shown") << "set Bar2 DockedLeft abc" << QStringList{menu, predict, report}
                                                  << designedLinks;
    QTest::newRow("link naming no item dropped")
        << "set Bar1.ItemLink0 ItemName NoSuchItem" << QStringList{menu, predict}
        << QStringList{QStringLiteral("PredictDistance"), QStringLiteral("PredictFJNumber")};
    QTest::newRow("link section missing") << "drop Bar1.ItemLink1" << QStringList{menu, predict}
                                          << QStringList{QStringLiteral("FavouriteAdd"), QStringLiteral("PredictFJNumber")};
    QTest::newRow("fewer links counted") << "set Bar1 ItemLinkCount 1" << QStringList{menu, predict}
                                         << QStringList{QStringLiteral("FavouriteAdd")};
    QTest::newRow("begin group read") << "set Bar1.ItemLink2 BeginGroup 1" << QStringList{menu, predict}
                                      << QStringList{QStringLiteral("FavouriteAdd"), QStringLiteral("PredictDistance"),
                                                     QStringLiteral("|PredictFJNumber")};
}

void BarLayoutTest::loadingRules()
{
    QFETCH(QString, edit);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, predictLinks);

    IniDocument document;
    {
        BarFixture f;
        BarOptions options;
        options.largeIcons = true;
        f.manager->setOptions(options);
        f.manager->setBarVisible(f.reportBar, false);
        f.manager->saveLayout(document, prefix);
    }
    for (const QString &step : edit.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QStringLiteral("set"))
            setValue(document, words[1].toStdString(), words[2].toStdString(), words[3].toStdString());
        else if (words[0] == QStringLiteral("remove"))
            removeKey(document, words[1].toStdString(), words[2].toStdString());
        else
            document = withoutSection(document, words[1].toStdString());
    }

    BarFixture f;
    f.manager->loadLayout(document, prefix);
    QCOMPARE(f.visibleBars(), shown);
    QCOMPARE(BarFixture::names(f.predictBar->links()), predictLinks);
    QCOMPARE(f.manager->menuBar()->isHidden(), !shown.contains(QStringLiteral("Main Menu")));
    // "Main" keys apply whatever happens to the bars.
    QVERIFY(f.manager->options().largeIcons);
    QCOMPARE(f.manager->barCount(), 3);
    QVERIFY(f.errors.isEmpty());
}

void BarLayoutTest::namesInOtherLetterCaseAreFound()
{
    IniDocument saved;
    {
        BarFixture f;
        f.manager->setBarVisible(f.reportBar, false);
        f.predictBar->links()->remove(0);
        BarOptions options;
        options.showHint = false;
        f.manager->setOptions(options);
        f.manager->saveLayout(saved, prefix);
    }
    // Section names in lower case, keys and item names in upper case.
    IniDocument changed;
    for (const IniDocument::Section &s : saved.sections()) {
        IniDocument::Section &copy = changed.addSection(QString::fromStdString(s.name).toLower().toStdString());
        for (const IniDocument::Key &key : s.keys) {
            const bool isName = IniDocument::sameName(key.name, "ItemName");
            copy.add(QString::fromStdString(key.name).toUpper().toStdString(),
                     isName ? QString::fromStdString(key.value).toUpper().toStdString() : key.value);
        }
    }
    BarFixture f;
    f.manager->loadLayout(changed, prefix);
    QCOMPARE(f.visibleBars(), QStringList({QStringLiteral("Main Menu"), QStringLiteral("Predict")}));
    QCOMPARE(BarFixture::names(f.predictBar->links()),
             QStringList({QStringLiteral("PredictDistance"), QStringLiteral("PredictFJNumber")}));
    QVERIFY(!f.manager->options().showHint);
}

void BarLayoutTest::barBeyondTheDesignedOnesIsAdded()
{
    IniDocument document;
    {
        BarFixture f;
        f.manager->saveLayout(document, prefix);
    }
    setValue(document, "Main", "BarCount", "4");
    IniDocument::Section &extra = document.addSection("MainForm.BarManager.Bar3");
    extra.add("Caption", "Extra");
    extra.add("Row", "2");
    extra.add("Visible", "1");
    extra.add("ItemLinkCount", "2");
    IniDocument::Section &link0 = document.addSection("MainForm.BarManager.Bar3.ItemLink0");
    link0.add("ItemName", "ReportSave");
    IniDocument::Section &link1 = document.addSection("MainForm.BarManager.Bar3.ItemLink1");
    link1.add("ItemName", "HelpContents");
    link1.add("BeginGroup", "1");

    BarFixture f;
    f.manager->loadLayout(document, prefix);
    QCOMPARE(f.manager->barCount(), 4);
    Bar *added = f.manager->bar(3);
    QCOMPARE(added->caption(), QStringLiteral("Extra"));
    QVERIFY(added->isVisible());
    QCOMPARE(added->placement().row, 2);
    QCOMPARE(BarFixture::names(added->links()), QStringList({QStringLiteral("ReportSave"), QStringLiteral("|HelpContents")}));
    QToolBar *toolBar = f.manager->toolBar(added);
    QVERIFY(toolBar != nullptr);
    QCOMPARE(f.window.toolBarArea(toolBar), Qt::TopToolBarArea);
    QVERIFY(f.window.toolBarBreak(toolBar));
    QCOMPARE(f.visibleBars().size(), 4);
}

void BarLayoutTest::submenuLinks_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("reportMenu");

    QTest::newRow("count kept") << QStringLiteral("2")
                                << QStringList{QStringLiteral("ReportSave"), QStringLiteral("|ReportAdd")};
    QTest::newRow("fewer links") << QStringLiteral("1") << QStringList{QStringLiteral("ReportSave")};
    QTest::newRow("no links") << QStringLiteral("0") << QStringList{};
    QTest::newRow("negative count keeps the design")
        << QStringLiteral("-1") << QStringList{QStringLiteral("ReportAdd"), QStringLiteral("|ReportSave")};
}

void BarLayoutTest::submenuLinks()
{
    QFETCH(QString, count);
    QFETCH(QStringList, reportMenu);

    IniDocument document;
    {
        BarFixture f;
        f.reportMenu->links()->move(1, 0);
        f.reportMenu->links()->setBeginGroup(0, false);
        f.reportMenu->links()->setBeginGroup(1, true);
        f.manager->saveLayout(document, prefix);
    }
    setValue(document, "SubItem_ReportMenu", "ItemLinkCount", count.toStdString());
    // Without "BarCount" the bars stay as designed; the submenus are read all the same.
    removeKey(document, "Main", "BarCount");

    BarFixture f;
    f.manager->loadLayout(document, prefix);
    QCOMPARE(BarFixture::names(f.reportMenu->links()), reportMenu);
    QCOMPARE(f.visibleBars().size(), 3);
}

QTEST_MAIN(BarLayoutTest)
#include "tst_barmanagerlayout.moc"
