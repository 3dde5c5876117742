// SPDX-License-Identifier: MIT
// The settings file through the main window's life: written at close, read at start-up.

#include "mainformfixture.h"

#include "ui/widgets/barmanager.h"

#include <QDir>
#include <QScreen>

#include <cstdlib>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStatusBar>

using kestrun::PredictTarget;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray section(const char *component, const QByteArray &keys)
{
    return QByteArray("[") + component + ": TcxPropertiesStoreComponent]\r\n=\r\n" + keys + "\r\n";
}

} // namespace

class TestMainFormSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstCloseWritesTheDefaults();
    void secondStartRestoresEverything();
    void targetDateComesBackFromTheDesign();
    void kindStatusBarAndReasonSurviveARestart();
    void handEditedFiles_data();
    void handEditedFiles();
    void unknownKindFromTheFile();
    void zeroLinepipeLengthFromTheFileIsReported();
    void windowSizeIsRestored();
    void failedWriteIsReportedAndTheWindowCloses();
    void windowsCodePageFileIsRead();
    void handEditedBarLayout_data();
    void handEditedBarLayout();

private:
    void restart()
    {
        f->close();
        QVERIFY(f->start());
    }
    QString statusText() const
    {
        return f->form->findChild<QLabel *>(QStringLiteral("StatusPanel1"))->text();
    }

    std::unique_ptr<MainFormFixture> f;
};

void TestMainFormSettings::init()
{
    f = std::make_unique<MainFormFixture>();
}

void TestMainFormSettings::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    f.reset();
}

void TestMainFormSettings::firstCloseWritesTheDefaults()
{
    QVERIFY(!QFile::exists(f->settingsPath()));
    QVERIFY(f->start());
    QVERIFY(f->errors.isEmpty());
    f->form->move(40, 30);
    // The file keeps the outer size: the design client area plus the platform's frame.
    const QSize frame = f->form->frameGeometry().size() - f->form->size();
    f->close();

    const QByteArray written = readAll(f->settingsPath());
    QByteArray golden = readAll(QStringLiteral(KESTRUN_GOLDEN_DIR "/defaults-store.ini"));
    golden.replace("Height=406", "Height=" + QByteArray::number(406 + frame.height()));
    golden.replace("Width=531", "Width=" + QByteArray::number(531 + frame.width()));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(written.left(golden.size()), golden);
    QVERIFY(f->errors.isEmpty());

    // The toolbar layout follows the store sections. The docked pixel offsets are Qt's
    // layout of the bars and are masked; everything else is compared byte for byte.
    QByteArray layout = written.mid(golden.size());
    static const QRegularExpression offset(QStringLiteral("^(DockedLeft|DockedTop)=-?\\d+\r$"),
                                           QRegularExpression::MultilineOption);
    layout = QString::fromLatin1(layout).replace(offset, QStringLiteral("\\1=*\r")).toLatin1();
    QCOMPARE(layout, readAll(QStringLiteral(KESTRUN_GOLDEN_DIR "/defaults-bars.ini")));
}

void TestMainFormSettings::secondStartRestoresEverything()
{
    QVERIFY(f->start());
    f->retype("EditorRowPipeLength", QStringLiteral("11.75"));
    MainFormFixture::press(Qt::Key_Return);
    f->retype("EditorRowBeadingTime", QStringLiteral("6"));
    MainFormFixture::press(Qt::Key_Return);
    f->retype("EditorRowBaselineTime", QStringLiteral("07:15:30"));
    MainFormFixture::press(Qt::Key_Return);
    f->retype("EditorRowBaselineDate", QStringLiteral("3/4/2007"));
    MainFormFixture::press(Qt::Key_Return);
    f->retype("EditorRowForwardFlop", QStringLiteral("2.5"));
    MainFormFixture::press(Qt::Key_Return);
    QVERIFY(f->errors.isEmpty());
    const kestrun::JobParameters before = f->form->jobParameters();
    const QString predicted = f->shown("EditorRowPredictDate") + f->shown("EditorRowPredictTime");
    restart();

    const kestrun::JobParameters &after = f->form->jobParameters();
    QCOMPARE(after.PipeLength, 11.75);
    QCOMPARE(after.BeadingTime, 6.0);
    QCOMPARE(after.BaselineTime, before.BaselineTime);
    QCOMPARE(after.BaselineDate, kestrun::encodeDate(2007, 3, 4));
    // Restored before the first report block could be made.
    QCOMPARE(after.ForwardFlop, 2.5);
    QCOMPARE(f->shown("EditorRowPredictDate") + f->shown("EditorRowPredictTime"), predicted);
    QVERIFY(f->errors.isEmpty());
}

void TestMainFormSettings::targetDateComesBackFromTheDesign()
{
    QVERIFY(f->start());
    f->setTarget(PredictTarget::ptDateTime);
    f->retype("EditorRowTargetDate", QStringLiteral("5/6/2006"));
    MainFormFixture::press(Qt::Key_Return);
    f->retype("EditorRowTargetTime", QStringLiteral("10:30:00"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->form->jobParameters().TargetDate, kestrun::encodeDate(2006, 5, 6));
    restart();

    QCOMPARE(f->form->jobParameters().TargetDate, 38719.0);
    QCOMPARE(f->shown("EditorRowTargetDate"), QStringLiteral("1/2/2006"));
    QCOMPARE(f->form->jobParameters().TargetTime, kestrun::encodeTime(10, 30, 0));
}

void TestMainFormSettings::kindStatusBarAndReasonSurviveARestart()
{
    QVERIFY(f->start());
    f->setTarget(PredictTarget::ptDaysHours);
    f->form->findChild<QStatusBar *>(QStringLiteral("StatusBar"))->hide();
    f->retype("EditorRowDelayReason", QStringLiteral("Rain \"heavy\" at KP 3"));
    MainFormFixture::press(Qt::Key_Return);
    f->close();

    const QByteArray file = readAll(f->settingsPath());
    QVERIFY(file.contains(section("PredictionMenu", "Tag=5\r\n")));
    QVERIFY(file.contains(section("StatusBar", "Visible=\"False\"\r\n")));
    QVERIFY(file.contains(section("EditorRowDelayReason", "Properties.Value=\"Rain \"heavy\" at KP 3\"\r\n")));

    QVERIFY(f->start());
    QCOMPARE(f->form->jobParameters().Target, PredictTarget::ptDaysHours);
    QCOMPARE(statusText(), QStringLiteral("Days and Hours"));
    QVERIFY(f->row("EditorRowTargetDays")->isVisible());
    QVERIFY(!f->row("EditorRowTargetKp")->isVisible());
    QVERIFY(f->form->findChild<QStatusBar *>(QStringLiteral("StatusBar"))->isHidden());
    QCOMPARE(f->form->jobParameters().DelayReason, std::string("Rain \"heavy\" at KP 3"));
}

void TestMainFormSettings::handEditedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("pipeLength");
    QTest::addColumn<double>("beadingTime");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("statusBarVisible");

    QTest::newRow("only some sections") << section("EditorRowBeadingTime", "Properties.Value=7\r\n") << 12.5 << 7.0
                                        << 0 << true;
    QTest::newRow("section names in other letter case")
        << (QByteArray("[editorrowpipelength: tcxpropertiesstorecomponent]\r\n=\r\nProperties.Value=10\r\n")
            + "[PREDICTIONMENU: TcxPropertiesStoreComponent]\r\nTag=3\r\n")
        << 10.0 << 5.0 << 3 << true;
    QTest::newRow("store keys in other letter case ignored")
        << (section("EditorRowPipeLength", "properties.value=10\r\n") + section("PredictionMenu", "TAG=3\r\n"))
        << 12.5 << 5.0 << 0 << true;
    QTest::newRow("values the properties cannot take keep the design")
        << (section("EditorRowPipeLength", "Properties.Value=abc\r\n") + section("PredictionMenu", "Tag=abc\r\n")
            + section("StatusBar", "Visible=\"Maybe\"\r\n") + section("MainForm", "Height=tall\r\nWidth=\r\n")
            + section("EditorRowBeadingTime", "Properties.Value=8\r\n"))
        << 12.5 << 8.0 << 0 << true;
    QTest::newRow("comments, blanks and text before the first section")
        << (QByteArray("junk\r\n; a comment\r\n  [EditorRowBeadingTime: TcxPropertiesStoreComponent]  \r\n"
                       "  Properties.Value = 4.5 \r\n"))
        << 12.5 << 4.5 << 0 << true;
    QTest::newRow("a hidden status bar in other letter case")
        << section("StatusBar", "Visible=\"false\"\r\n") << 12.5 << 5.0 << 0 << false;
}

void TestMainFormSettings::handEditedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(double, pipeLength);
    QFETCH(double, beadingTime);
    QFETCH(int, target);
    QFETCH(bool, statusBarVisible);
    QVERIFY(writeAll(f->settingsPath(), file));

    QVERIFY(f->start());
    QVERIFY(f->errors.isEmpty());
    QCOMPARE(f->form->jobParameters().PipeLength, pipeLength);
    QCOMPARE(f->form->jobParameters().BeadingTime, beadingTime);
    QCOMPARE(int(f->form->jobParameters().Target), target);
    QCOMPARE(!f->form->findChild<QStatusBar *>(QStringLiteral("StatusBar"))->isHidden(), statusBarVisible);
    QCOMPARE(f->form->jobParameters().TargetKp, 1.0);
}

void TestMainFormSettings::unknownKindFromTheFile()
{
    QVERIFY(writeAll(f->settingsPath(), section("PredictionMenu", "Tag=9\r\n")));
    QVERIFY(f->start());
    QCOMPARE(int(f->form->jobParameters().Target), 9);
    QCOMPARE(statusText(), QString());
    for (const char *name : {"EditorRowTargetKp", "EditorRowTargetKpInterval", "EditorRowTargetFj",
                             "EditorRowTargetFjInterval", "EditorRowTargetDate", "EditorRowTargetTime",
                             "EditorRowTargetDays", "EditorRowTargetHours"})
        QVERIFY2(!f->row(name)->isVisible(), name);
    // Nothing was predicted: zero results, and the elapsed days run back from the baseline.
    QCOMPARE(f->shown("EditorRowPredictDate"), QStringLiteral("12/30/1899"));
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("0.000"));
    QCOMPARE(f->row("EditorRowPredictDays")->value().toDouble(), -38718.375);
    f->close();
    QVERIFY(readAll(f->settingsPath()).contains(section("PredictionMenu", "Tag=9\r\n")));
}

void TestMainFormSettings::zeroLinepipeLengthFromTheFileIsReported()
{
    QVERIFY(writeAll(f->settingsPath(), section("EditorRowPipeLength", "Properties.Value=0\r\n")));
    QVERIFY(f->start());
    QCOMPARE(f->errors, QStringList{QStringLiteral("Floating point division by zero.")});
    QCOMPARE(statusText(), QStringLiteral("KP Number"));
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("0.000"));
}

void TestMainFormSettings::windowSizeIsRestored()
{
    QVERIFY(writeAll(f->settingsPath(), section("MainForm", "Height=500\r\nLeft=-3000\r\nTop=5000\r\nWidth=700\r\n")));
    QVERIFY(f->start());
    QCOMPARE(f->form->frameGeometry().size(), QSize(700, 500));
    // Opened centred, whatever the stored left and top edges say.
    const QPoint offCentre = f->form->frameGeometry().center() - f->form->screen()->availableGeometry().center();
    QVERIFY2(std::abs(offCentre.x()) <= 1 && std::abs(offCentre.y()) <= 1, "centred on the screen");
}

void TestMainFormSettings::failedWriteIsReportedAndTheWindowCloses()
{
    const QString missingFolder = f->dir.filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkdir(missingFolder));
    const QString path = missingFolder + QStringLiteral("/kestrun.ini");
    QVERIFY(writeAll(path, section("EditorRowBeadingTime", "Properties.Value=7\r\n")));

    // The settings file stands where a folder is needed: it cannot be created.
    MainFormEnvironment environment{[this](const QString &m) { f->errors << errorBoxText(m); },
                                    f->settings, path + QStringLiteral("/sub/kestrun.ini"), [] { return 0.0; }};
    auto form = std::make_unique<MainForm>(std::move(environment));
    form->show();
    QVERIFY(form->close());
    QCOMPARE(f->errors.size(), 1);
    QVERIFY2(f->errors.first().startsWith(QStringLiteral("Cannot create file \"") + path + "/sub/kestrun.ini\". "),
             qPrintable(f->errors.first()));
    QVERIFY(!form->isVisible());
    QCOMPARE(readAll(path), section("EditorRowBeadingTime", "Properties.Value=7\r\n"));
}

void TestMainFormSettings::windowsCodePageFileIsRead()
{
    QVERIFY(writeAll(f->settingsPath(), section("EditorRowDelayReason", "Properties.Value=\"Caf\xE9 \x80 5\"\r\n")));
    QVERIFY(f->start());
    QCOMPARE(QString::fromStdString(f->form->jobParameters().DelayReason), QStringLiteral(u"Café € 5"));
}

void TestMainFormSettings::handEditedBarLayout_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("menuBarVisible");
    QTest::addColumn<bool>("reportVisible");

    QTest::newRow("BarCount removed: bars as designed") << "no bar count" << true << true;
    QTest::newRow("bar 0 section removed: main menu hidden") << "no bar 0" << false << false;
    QTest::newRow("other letter case still found") << "lower case" << true << false;
}

void TestMainFormSettings::handEditedBarLayout()
{
    QFETCH(QString, edit);
    QFETCH(bool, menuBarVisible);
    QFETCH(bool, reportVisible);
    QVERIFY(f->start());
    f->form->barManager()->setBarVisible(f->form->barManager()->bar(2), false);
    f->close();
    QString text = QString::fromUtf8(readAll(f->settingsPath()));
    if (edit == QLatin1String("no bar count"))
        text.remove(QStringLiteral("BarCount=3\r\n"));
    else if (edit == QLatin1String("no bar 0"))
        text.replace(QStringLiteral("[MainForm.BarManager.Bar0]"), QStringLiteral("[Removed]"));
    else
        text = text.replace(QStringLiteral("MainForm.BarManager."), QStringLiteral("mainform.barmanager."))
                   .replace(QStringLiteral("Visible=0"), QStringLiteral("VISIBLE=0"));
    QVERIFY(writeAll(f->settingsPath(), text.toUtf8()));

    QVERIFY(f->start());
    BarManager *bars = f->form->barManager();
    QCOMPARE(bars->bar(0)->isVisible(), menuBarVisible);
    QCOMPARE(bars->bar(2)->isVisible(), reportVisible);
    QVERIFY(bars->bar(1)->isVisible());
}

QTEST_MAIN(TestMainFormSettings)
#include "tst_mainformsettings.moc"
