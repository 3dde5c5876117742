// SPDX-License-Identifier: MIT
// The main window's commands as the user reaches them: target kinds, the report pane,
// the status bar and toolbars, help and feedback.

#include "mainformfixture.h"

#include "ui/widgets/barlinkaction.h"
#include "ui/widgets/barmanager.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QDir>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using kestrun::PredictTarget;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainFormCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kindChosenTwice();
    void kindThenAddWithoutAnEdit();
    void restoredKindIsCheckedInMenuAndToolbar();
    void addTwiceOnAnEmptyPane();
    void typedWordThenAddTwice();
    void clearThenAdd();
    void copy();
    void copyWithAnEmptyPaneLeavesTheClipboard();
    void save_data();
    void save();
    void saveIntoAnUnwritableFolder();
    void cancelledSaveWritesNothing();
    void hiddenToolbarAndStatusBarSurviveARestart();
    void statusbarCommandToggles();
    void exitClosesLikeTheCloseBox();
    void f1RunsContents();
    void f1InAGridEditorRunsContents();
    void feedbackMails();
    void recommendation_data();
    void recommendation();
    void aboutCommandShowsTheBox();

private:
    void trigger(const char *action) { f->form->action(action)->trigger(); }
    QPlainTextEdit *memo() const { return f->form->findChild<QPlainTextEdit *>(QStringLiteral("ReportMemo")); }
    QString paneText() const { return memo()->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")); }
    QString statusText() const { return f->form->findChild<QLabel *>(QStringLiteral("StatusPanel1"))->text(); }
    // The entries that present an item in a menu or on a toolbar.
    QList<QAction *> entriesOf(const QList<QAction *> &actions, const char *item) const
    {
        QList<QAction *> found;
        for (QAction *a : actions)
            if (auto *link = qobject_cast<BarLinkAction *>(a); link && link->item()->name() == QLatin1String(item))
                found << a;
        return found;
    }

    std::unique_ptr<MainFormFixture> f;
};

void TestMainFormCommands::init()
{
    f = std::make_unique<MainFormFixture>();
    QVERIFY(f->start());
}

void TestMainFormCommands::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    f.reset();
}

void TestMainFormCommands::kindChosenTwice()
{
    trigger("PredictDistanceAction");
    trigger("PredictDistanceAction");
    QVERIFY(f->form->action("PredictDistanceAction")->isChecked());
    QVERIFY(!f->form->action("PredictKPAction")->isChecked());
    QCOMPARE(statusText(), QStringLiteral("Distance"));
    QVERIFY(f->row("EditorRowTargetKpInterval")->isVisible());
    QCOMPARE(f->form->predictionMenuTag(), 1);
}

void TestMainFormCommands::kindThenAddWithoutAnEdit()
{
    trigger("PredictDateTimeAction");
    trigger("ReportAddAction");
    const QStringList lines = memo()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Target to       : Date and time")));
    QVERIFY(lines.contains(QStringLiteral("Date            : 02 Jan 2006")));
    // The prediction is still the KP kind's.
    QVERIFY(lines.contains(QStringLiteral("KP              : 1.000")));
    QVERIFY(lines.contains(QStringLiteral("Time            : 03:40:00")));
    QCOMPARE(lines.first(), QStringLiteral("Kestrun || 01 Jan 2006 08:30"));
}

void TestMainFormCommands::restoredKindIsCheckedInMenuAndToolbar()
{
    trigger("PredictNumFJAction");
    f->close();
    QVERIFY(f->start());
    QCOMPARE(f->form->jobParameters().Target, PredictTarget::ptNumFJ);

    BarManager *bars = f->form->barManager();
    QMenu *predict = bars->menu(bars->item(QStringLiteral("PredictionMenu")));
    predict->popup(f->form->mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(predict->isVisible());
    QToolBar *toolbar = bars->toolBar(bars->bar(1));
    for (const char *item : {"FavouriteAdd", "PredictDistance", "PredictFJNumber", "PredictNumberFJs",
                             "PredictDateTime", "PredictDaysHours"}) {
        const bool expected = QLatin1String(item) == QLatin1String("PredictNumberFJs");
        for (QAction *entry : entriesOf(predict->actions(), item))
            QCOMPARE(entry->isChecked(), expected);
        const QList<QAction *> buttons = entriesOf(toolbar->actions(), item);
        QCOMPARE(buttons.size(), 1);
        auto *button = qobject_cast<QToolButton *>(toolbar->widgetForAction(buttons.first()));
        QVERIFY(button);
        QCOMPARE(button->isChecked(), expected);
    }
    predict->close();
}

void TestMainFormCommands::addTwiceOnAnEmptyPane()
{
    trigger("ReportAddAction");
    trigger("ReportAddAction");
    const QString text = paneText();
    QVERIFY(text.endsWith(QLatin1String("No. of FJs      : 80\r\n\r\n")));
    QVERIFY(text.contains(QLatin1String("No. of FJs      : 80\r\n\r\nKestrun || 01 Jan 2006 08:30\r\n")));
    QCOMPARE(text.count(QLatin1String("Kestrun || ")), 2);
    QCOMPARE(text.count(QLatin1String("\r\n")), 2 * 25);
}

void TestMainFormCommands::typedWordThenAddTwice()
{
    memo()->setFocus();
    QTest::keyClicks(memo(), QStringLiteral("Notes"));
    trigger("ReportAddAction");
    trigger("ReportAddAction");
    const QString text = paneText();
    QVERIFY(text.startsWith(QLatin1String("Notes\r\nKestrun || 01 Jan 2006 08:30\r\n")));
    // The first block's empty line supplies only its closing break: no empty line between.
    QVERIFY(text.contains(QLatin1String("No. of FJs      : 80\r\nKestrun || ")));
    QVERIFY(text.endsWith(QLatin1String("No. of FJs      : 80\r\n\r\n")));
}

void TestMainFormCommands::clearThenAdd()
{
    trigger("ReportAddAction");
    trigger("ReportClearAction");
    QVERIFY(memo()->toPlainText().isEmpty());
    trigger("ReportAddAction");
    QCOMPARE(paneText().count(QLatin1String("Kestrun || ")), 1);
    QCOMPARE(paneText().count(QLatin1String("\r\n")), 25);
}

void TestMainFormCommands::copy()
{
    trigger("ReportAddAction");
    trigger("ReportClipboardAction");
    QCOMPARE(QGuiApplication::clipboard()->text(), memo()->toPlainText());
    QCOMPARE(memo()->textCursor().selectedText().size(), memo()->toPlainText().size());
}

void TestMainFormCommands::copyWithAnEmptyPaneLeavesTheClipboard()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    trigger("ReportClipboardAction");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void TestMainFormCommands::save_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");

    QTest::newRow("empty pane") << 0 << "empty.txt" << false;
    QTest::newRow("name without an extension") << 1 << "report" << false;
    QTest::newRow("onto an existing file") << 1 << "old.txt" << true;
}

void TestMainFormCommands::save()
{
    QFETCH(int, blocks);
    QFETCH(QString, name);
    QFETCH(bool, existing);
    const QString path = f->dir.filePath(name);
    if (existing) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100'000, 'x'));
    }
    for (int i = 0; i < blocks; ++i)
        trigger("ReportAddAction");

    f->saveAs = path;
    trigger("ReportSaveAction");
    QVERIFY(f->errors.isEmpty());
    QVERIFY(QFile::exists(path));
    QCOMPARE(readAll(path), paneText().toUtf8());
    QVERIFY(!QFile::exists(path + QStringLiteral(".txt")));

    // The next dialog proposes the name chosen last.
    trigger("ReportSaveAction");
    QCOMPARE(f->proposedNames, (QStringList{QString(), path}));
}

void TestMainFormCommands::saveIntoAnUnwritableFolder()
{
    trigger("ReportAddAction");
    const QString before = memo()->toPlainText();
    f->saveAs = f->dir.filePath(QStringLiteral("no such folder/report.txt"));
    trigger("ReportSaveAction");
    QCOMPARE(f->errors.size(), 1);
    QVERIFY2(f->errors.first().startsWith(QStringLiteral("Cannot create file \"") + f->saveAs + "\". "),
             qPrintable(f->errors.first()));
    QCOMPARE(memo()->toPlainText(), before);
}

void TestMainFormCommands::cancelledSaveWritesNothing()
{
    trigger("ReportAddAction");
    f->saveAs.clear();
    trigger("ReportSaveAction");
    QVERIFY(f->errors.isEmpty());
    QCOMPARE(QDir(f->dir.path()).entryList(QDir::Files), QStringList{});
}

void TestMainFormCommands::hiddenToolbarAndStatusBarSurviveARestart()
{
    BarManager *bars = f->form->barManager();
    QMenu toolbarList;
    bars->fillToolbarList(&toolbarList);
    QAction *reportEntry = nullptr;
    for (QAction *entry : toolbarList.actions())
        if (entry->text().remove(QLatin1Char('&')) == QLatin1String("Report"))
            reportEntry = entry;
    QVERIFY(reportEntry && reportEntry->isChecked());
    reportEntry->trigger();
    QVERIFY(!bars->bar(2)->isVisible());
    trigger("ViewStatusbarAction");
    f->close();

    QVERIFY(f->start());
    bars = f->form->barManager();
    QVERIFY(!bars->bar(2)->isVisible());
    QVERIFY(bars->bar(1)->isVisible());
    QVERIFY(f->form->findChild<QStatusBar *>(QStringLiteral("StatusBar"))->isHidden());
    QMenu *view = bars->menu(bars->item(QStringLiteral("ViewMenu")));
    emit view->aboutToShow(); // the update rules run as the menu opens
    for (QAction *entry : entriesOf(view->actions(), "ViewStatusbar"))
        QVERIFY(!entry->isChecked());
    QVERIFY(!f->form->action("ViewStatusbarAction")->isChecked());
}

void TestMainFormCommands::statusbarCommandToggles()
{
    auto *statusBar = f->form->findChild<QStatusBar *>(QStringLiteral("StatusBar"));
    QVERIFY(f->form->action("ViewStatusbarAction")->isChecked());
    trigger("ViewStatusbarAction");
    QVERIFY(statusBar->isHidden());
    QVERIFY(!f->form->action("ViewStatusbarAction")->isChecked());
    trigger("ViewStatusbarAction");
    QVERIFY(!statusBar->isHidden());
    QVERIFY(f->form->action("ViewStatusbarAction")->isChecked());
}

void TestMainFormCommands::exitClosesLikeTheCloseBox()
{
    trigger("PredictFJAction");
    f->form->move(40, 30);
    f->form->close();
    const QByteArray byCloseBox = readAll(f->settingsPath());
    QFile::remove(f->settingsPath());
    f->form.reset();

    QVERIFY(f->start());
    trigger("PredictFJAction");
    f->form->move(40, 30);
    trigger("FileExitAction");
    QVERIFY(!f->form->isVisible());
    QVERIFY(!byCloseBox.isEmpty());
    QCOMPARE(readAll(f->settingsPath()), byCloseBox);
}

void TestMainFormCommands::f1RunsContents()
{
    QTest::keyClick(f->form.get(), Qt::Key_F1);
    QCOMPARE(f->help.calls, QStringList{QStringLiteral("contents")});
    QCOMPARE(f->form->action("HelpContentsAction")->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestMainFormCommands::f1InAGridEditorRunsContents()
{
    f->retype("EditorRowBeadingTime", QStringLiteral("7"));
    QVERIFY(f->input()->isEditing());
    MainFormFixture::press(Qt::Key_F1);
    QCOMPARE(f->help.calls, QStringList{QStringLiteral("contents")});
    QVERIFY(f->input()->isEditing());
}

void TestMainFormCommands::feedbackMails()
{
    trigger("FeedbackBugReportAction");
    trigger("FeedbackFeatureRequestAction");
    QCOMPARE(f->mails,
             (QStringList{QStringLiteral("mailto:bugs@kestrun.example?subject=Kestrun v 2007.7.15.1"
                                         "&body=Ahoy there matey, I would like to report a dastardly bug..."),
                          QStringLiteral("mailto:features@kestrun.example?subject=Kestrun v 2007.7.15.1"
                                         "&body=Ahoy there! I would like to suggest...")}));
}

void TestMainFormCommands::recommendation_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("mailed");
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("cancel") << "cancel" << false;
    QTest::newRow("escape") << "escape" << false;
    QTest::newRow("close box") << "close" << false;
}

void TestMainFormCommands::recommendation()
{
    QFETCH(QString, answer);
    QFETCH(bool, mailed);
    QString caption, text;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption = box->windowTitle();
        text = box->text();
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->buttons().size(), 2);
        QCOMPARE(box->defaultButton()->text(), QStringLiteral("&Yes"));
        if (answer == QLatin1String("yes"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (answer == QLatin1String("cancel"))
            box->escapeButton()->click();
        else if (answer == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    trigger("HelpRecommendAction");
    QCOMPARE(caption, QStringLiteral("Confirm"));
    QCOMPARE(text, QStringLiteral("Would you like to recommend 'Kestrun 2007' to a friend or colleague?"));
    if (!mailed) {
        QVERIFY(f->mails.isEmpty());
        return;
    }
    QCOMPARE(f->mails, QStringList{QStringLiteral("mailto:?subject=Check this out!&body=Ahoy there matey! You should "
                                                  "check out \r\nhttp://www.kestrun.example/")});
}

void TestMainFormCommands::aboutCommandShowsTheBox()
{
    QString caption;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        caption = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    trigger("HelpAboutAction");
    QCOMPARE(caption, QStringLiteral("About Kestrun"));
    QVERIFY(f->form->findChildren<QDialog *>(QStringLiteral("HelpAboutForm")).isEmpty());
}

QTEST_MAIN(TestMainFormCommands)
#include "tst_mainformcommands.moc"
