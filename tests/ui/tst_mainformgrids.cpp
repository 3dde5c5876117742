// SPDX-License-Identifier: MIT
// The main window's grids as a user drives them: edits reaching the job parameters and the
// prediction, refusals and conversion errors, the target rows and the status bar.

#include "mainformfixture.h"

#include "ui/widgets/calculatorpopup.h"
#include "ui/widgets/hotzonesplitter.h"

#include <QDate>
#include <QLabel>
#include <QAbstractButton>
#include <QToolButton>

using kestrun::PredictTarget;

class TestMainFormGrids : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultPrediction();
    void typedValueRecomputesAtCommit();
    void refusedAndAcceptedEntries_data();
    void refusedAndAcceptedEntries();
    void refusalKeepsTheEditorUntilEscape();
    void negativeTargetDistanceAccepted();
    void emptiedRows_data();
    void emptiedRows();
    void lettersAreDropped();
    void calculatorDropDown_data();
    void calculatorDropDown();
    void spinStepOnBaselineTimeRecomputes();
    void reasonRowDoesNotRecalculate();
    void targetRowsAndStatusText_data();
    void targetRowsAndStatusText();
    void changingTheKindDoesNotRecalculate();
    void predictionGridTakesNoFocus();
    void captionHints_data();
    void captionHints();
    void twoDigitYearTakesTheNearestCentury();
    void splitter();

private:
    QString statusText() const
    {
        return f->form->findChild<QLabel *>(QStringLiteral("StatusPanel1"))->text();
    }

    std::unique_ptr<MainFormFixture> f;
};

void TestMainFormGrids::init()
{
    f = std::make_unique<MainFormFixture>();
    QVERIFY(f->start());
}

void TestMainFormGrids::cleanup()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    QVERIFY(!QApplication::activeModalWidget());
    f.reset();
}

void TestMainFormGrids::defaultPrediction()
{
    QCOMPARE(f->shown("EditorRowPredictDate"), QStringLiteral("1/2/2006"));
    QCOMPARE(f->shown("EditorRowPredictTime"), QStringLiteral("03:40:00"));
    QCOMPARE(f->shown("EditorRowPredictDays"), QStringLiteral("0.8 days"));
    QCOMPARE(f->shown("EditorRowPredictProductHrs"), QStringLiteral("6.7 hrs"));
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("1.000"));
    QCOMPARE(f->shown("EditorRowPredictDistance"), QStringLiteral("1.000 km"));
    QCOMPARE(f->shown("EditorRowPredictFJ"), QStringLiteral("80.0"));
    QCOMPARE(f->shown("EditorRowPredictNumFJ"), QStringLiteral("80.0"));
    QCOMPARE(f->shown("EditorRowPipeLength"), QStringLiteral("12.500 m"));
    QCOMPARE(f->shown("EditorRowBaselineDate"), QStringLiteral("1/1/2006"));
    QCOMPARE(f->shown("EditorRowBaselineTime"), QStringLiteral("09:00:00"));
    QCOMPARE(f->form->jobParameters().BaselineDateTime, 38718.375);
    QCOMPARE(statusText(), QStringLiteral("KP Number"));
    QCOMPARE(f->form->windowTitle(), QStringLiteral("Kestrun"));
    QVERIFY(f->errors.isEmpty());
}

void TestMainFormGrids::typedValueRecomputesAtCommit()
{
    f->focusRow("EditorRowBeadingTime");
    MainFormFixture::type(QStringLiteral("7"));
    QVERIFY(f->input()->isEditing());
    QCOMPARE(f->form->jobParameters().BeadingTime, 5.0);
    QCOMPARE(f->shown("EditorRowPredictTime"), QStringLiteral("03:40:00"));

    MainFormFixture::press(Qt::Key_Return);
    QVERIFY(!f->input()->isEditing());
    QCOMPARE(f->form->jobParameters().BeadingTime, 7.0);
    QCOMPARE(f->shown("EditorRowBeadingTime"), QStringLiteral("7.0 min"));
    // 80 joints of 7 minutes and the 12 delay hours after 09:00.
    QCOMPARE(f->shown("EditorRowPredictTime"), QStringLiteral("06:20:00"));
    QCOMPARE(f->shown("EditorRowPredictProductHrs"), QStringLiteral("9.3 hrs"));
    QVERIFY(f->errors.isEmpty());
}

void TestMainFormGrids::refusedAndAcceptedEntries_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");

    QTest::newRow("zero linepipe length") << QByteArray("EditorRowPipeLength") << "0" << "Value must be positive.";
    QTest::newRow("zero beading time") << QByteArray("EditorRowBeadingTime") << "0" << "Value must be positive.";
    QTest::newRow("zero baseline field joint") << QByteArray("EditorRowBaselineFj") << "0" << "Value must be positive.";
    QTest::newRow("negative delay hours")
        << QByteArray("EditorRowDelayHours") << "-1" << "Value must be positive or zero.";
    QTest::newRow("negative forward flop")
        << QByteArray("EditorRowForwardFlop") << "-0.5" << "Value must be positive or zero.";
    QTest::newRow("zero delay hours accepted") << QByteArray("EditorRowDelayHours") << "0" << QString();
    QTest::newRow("zero delay days accepted") << QByteArray("EditorRowDelayDays") << "0" << QString();
}

void TestMainFormGrids::refusedAndAcceptedEntries()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    const kestrun::JobParameters before = f->form->jobParameters();
    const QString predicted = f->shown("EditorRowPredictTime");

    f->retype(row.constData(), typed);
    MainFormFixture::press(Qt::Key_Return);

    if (error.isEmpty()) {
        QVERIFY(f->errors.isEmpty());
        QVERIFY(!f->input()->isEditing());
        QCOMPARE(f->row(row.constData())->value().toDouble(), typed.toDouble());
        return;
    }
    QCOMPARE(f->errors, QStringList{error});
    QVERIFY(f->input()->isEditing());
    QCOMPARE(f->input()->editingRow(), f->row(row.constData()));
    QCOMPARE(f->editorLine()->selectedText(), typed);
    QCOMPARE(f->form->jobParameters().PipeLength, before.PipeLength);
    QCOMPARE(f->form->jobParameters().BeadingTime, before.BeadingTime);
    QCOMPARE(f->form->jobParameters().DelayHours, before.DelayHours);
    QCOMPARE(f->shown("EditorRowPredictTime"), predicted);
}

void TestMainFormGrids::refusalKeepsTheEditorUntilEscape()
{
    f->retype("EditorRowPipeLength", QStringLiteral("0"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->errors, QStringList{QStringLiteral("Value must be positive.")});

    // Moving on does not leave the refused text behind.
    MainFormFixture::press(Qt::Key_Down);
    QCOMPARE(f->input()->editingRow(), f->row("EditorRowPipeLength"));
    QCOMPARE(f->form->jobParameters().PipeLength, 12.5);

    MainFormFixture::press(Qt::Key_Escape);
    QVERIFY(!f->input()->isEditing());
    QCOMPARE(f->shown("EditorRowPipeLength"), QStringLiteral("12.500 m"));
    QCOMPARE(f->form->jobParameters().PipeLength, 12.5);
}

void TestMainFormGrids::negativeTargetDistanceAccepted()
{
    f->setTarget(PredictTarget::ptDistance);
    f->retype("EditorRowTargetKpInterval", QStringLiteral("-2"));
    MainFormFixture::press(Qt::Key_Return);
    QVERIFY(f->errors.isEmpty());
    QCOMPARE(f->shown("EditorRowTargetKpInterval"), QStringLiteral("-2.000 km"));
    QCOMPARE(f->shown("EditorRowPredictDistance"), QStringLiteral("-2.000 km"));
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("-2.000"));
    QCOMPARE(f->shown("EditorRowPredictNumFJ"), QStringLiteral("160.0"));
}

void TestMainFormGrids::emptiedRows_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("error");

    QTest::newRow("row without a rule") << QByteArray("EditorRowBaselineKp")
                                        << "'' is not a valid floating point value.";
    QTest::newRow("row with a rule") << QByteArray("EditorRowPipeLength")
                                     << "Could not convert variant of type (String) into type (Double)";
}

void TestMainFormGrids::emptiedRows()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, error);
    const kestrun::JobParameters before = f->form->jobParameters();

    f->retype(row.constData(), QString());
    MainFormFixture::press(Qt::Key_Return);

    QCOMPARE(f->errors, QStringList{error});
    QVERIFY(f->input()->isEditing());
    QCOMPARE(f->form->jobParameters().BaselineKp, before.BaselineKp);
    QCOMPARE(f->form->jobParameters().PipeLength, before.PipeLength);
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("1.000"));
    MainFormFixture::press(Qt::Key_Escape);
    QVERIFY(!f->input()->isEditing());
}

void TestMainFormGrids::lettersAreDropped()
{
    f->retype("EditorRowPipeLength", QStringLiteral("1x3,5"));
    QCOMPARE(f->editorLine()->text(), QStringLiteral("13.5"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->form->jobParameters().PipeLength, 13.5);
}

void TestMainFormGrids::calculatorDropDown_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("recomputedAtClose");

    QTest::newRow("beading time posts at once") << QByteArray("EditorRowBeadingTime") << true;
    QTest::newRow("target field joint waits for the commit") << QByteArray("EditorRowTargetFj") << false;
}

void TestMainFormGrids::calculatorDropDown()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, recomputedAtClose);
    f->setTarget(PredictTarget::ptFJ);
    const QString before = f->shown("EditorRowPredictTime");

    f->focusRow(row.constData());
    MainFormFixture::press(Qt::Key_F2);
    auto *dropDown = f->input()->activeEditor()->findChild<QToolButton *>(QStringLiteral("dropDownButton"));
    QVERIFY(dropDown);
    QTest::mouseClick(dropDown, Qt::LeftButton);
    auto *popup = f->input()->activeEditor()->findChild<CalculatorPopup *>();
    QVERIFY(popup && popup->isVisible());
    for (const char *button : {"clear", "digit4", "multiply", "digit2", "equals"})
        QTest::mouseClick(popup->findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
    QCOMPARE(f->input()->activeEditorText(), std::optional<QString>(QStringLiteral("8")));

    QCOMPARE(f->shown("EditorRowPredictTime") != before, recomputedAtClose);
    MainFormFixture::press(Qt::Key_Return);
    QVERIFY(f->shown("EditorRowPredictTime") != before);
    QVERIFY(f->errors.isEmpty());
}

void TestMainFormGrids::spinStepOnBaselineTimeRecomputes()
{
    f->focusRow("EditorRowBaselineTime");
    MainFormFixture::press(Qt::Key_F2);
    const QString before = f->shown("EditorRowPredictTime");
    MainFormFixture::press(Qt::Key_Up);
    const QString afterOne = f->shown("EditorRowPredictTime");
    QVERIFY(afterOne != before);
    QVERIFY(f->form->jobParameters().BaselineTime != 0.375);
    MainFormFixture::press(Qt::Key_Up);
    QVERIFY(f->shown("EditorRowPredictTime") != afterOne);
    QVERIFY(f->errors.isEmpty());
}

void TestMainFormGrids::reasonRowDoesNotRecalculate()
{
    // A result no recalculation would leave standing shows whether one ran.
    f->form->jobParameters().PredictKp = 123;
    f->retype("EditorRowDelayReason", QStringLiteral("Rain"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->form->jobParameters().DelayReason, std::string("Rain"));
    QCOMPARE(f->form->jobParameters().PredictKp, 123.0);
    QCOMPARE(f->shown("EditorRowDelayReason"), QStringLiteral("Rain"));

    // Any other row recalculates.
    f->retype("EditorRowForwardFlop", QStringLiteral("2"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->form->jobParameters().ForwardFlop, 2.0);
    QCOMPARE(f->form->jobParameters().PredictKp, 1.0);
}

void TestMainFormGrids::targetRowsAndStatusText_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("status");

    QTest::newRow("KP") << 0 << QStringList{"EditorRowTargetKp"} << "KP Number";
    QTest::newRow("distance") << 1 << QStringList{"EditorRowTargetKpInterval"} << "Distance";
    QTest::newRow("field joint") << 2 << QStringList{"EditorRowTargetFj"} << "Field Joint Number";
    QTest::newRow("number of joints") << 3 << QStringList{"EditorRowTargetFjInterval"} << "Number of Field Joints";
    QTest::newRow("date and time") << 4 << QStringList{"EditorRowTargetDate", "EditorRowTargetTime"}
                                   << "Date and Time";
    QTest::newRow("days and hours") << 5 << QStringList{"EditorRowTargetDays", "EditorRowTargetHours"}
                                    << "Days and Hours";
    QTest::newRow("unknown kind") << 9 << QStringList{} << QString();
}

void TestMainFormGrids::targetRowsAndStatusText()
{
    QFETCH(int, target);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);

    f->setTarget(static_cast<PredictTarget>(target));

    // The rows between the Target heading and Forward Flop, in their places.
    QStringList visible;
    bool inTarget = false;
    for (const GridRow *row : f->input()->rows()) {
        if (row->objectName() == QLatin1String("CategoryTarget"))
            inTarget = true;
        else if (row->objectName() == QLatin1String("EditorRowForwardFlop"))
            break;
        else if (inTarget && row->isVisible())
            visible << row->objectName();
    }
    QCOMPARE(visible, rows);
    QVERIFY(f->row("EditorRowForwardFlop")->isVisible());
    QCOMPARE(statusText(), status);
    QCOMPARE(f->form->predictionMenuTag(), target);
}

void TestMainFormGrids::changingTheKindDoesNotRecalculate()
{
    f->setTarget(PredictTarget::ptDateTime);
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("1.000"));
    QCOMPARE(f->shown("EditorRowPredictTime"), QStringLiteral("03:40:00"));

    f->retype("EditorRowForwardFlop", QStringLiteral("1"));
    MainFormFixture::press(Qt::Key_Return);
    QCOMPARE(f->shown("EditorRowPredictKP"), QStringLiteral("3.600"));
    QCOMPARE(f->shown("EditorRowPredictNumFJ"), QStringLiteral("288.0"));
    QCOMPARE(f->shown("EditorRowPredictTime"), QStringLiteral("21:00:00"));
}

void TestMainFormGrids::predictionGridTakesNoFocus()
{
    VerticalGrid *out = f->output();
    QTest::mouseClick(out->viewport(), Qt::LeftButton, {},
                      out->valueRect(f->row("EditorRowPredictKP")).center());
    QVERIFY(!out->isEditing());
    QVERIFY(!out->hasFocus());
    QCOMPARE(out->focusedRow(), nullptr);
    QCOMPARE(out->focusPolicy(), Qt::NoFocus);
}

void TestMainFormGrids::splitter()
{
    auto *splitter = f->form->findChild<HotZoneSplitter *>(QStringLiteral("Splitter"));
    QVERIFY(splitter);
    QCOMPARE(splitter->control(), f->output());
    QCOMPARE(f->output()->height(), 177);
    QCOMPARE(splitter->minSize(), 30);
    QTest::mouseClick(splitter, Qt::LeftButton, {}, splitter->hotZoneRect().center());
    QCOMPARE(f->output()->height(), 0);
    QTest::mouseClick(splitter, Qt::LeftButton, {}, splitter->hotZoneRect().center());
    QCOMPARE(f->output()->height(), 177);
}

void TestMainFormGrids::captionHints_data()
{
    QTest::addColumn<bool>("prediction");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("hint");

    QTest::newRow("linepipe length") << false << QByteArray("EditorRowPipeLength")
                                     << "Length of a linepipe section in metres";
    QTest::newRow("baseline heading") << false << QByteArray("CategoryBaseline")
                                      << "Baseline parameters - use your current time and position";
    QTest::newRow("predicted time") << true << QByteArray("EditorRowPredictTime") << "the predicted time";
    // No hint, and the caption fits its column: nothing.
    QTest::newRow("production hours") << true << QByteArray("EditorRowPredictProductHrs") << QString();
}

void TestMainFormGrids::captionHints()
{
    QFETCH(bool, prediction);
    QFETCH(QByteArray, row);
    QFETCH(QString, hint);
    VerticalGrid *grid = prediction ? f->output() : f->input();
    const QRect caption = grid->captionRect(grid->row(QString::fromLatin1(row)));
    QVERIFY(caption.isValid());
    QCOMPARE(grid->toolTipAt(caption.center()), hint);
}

void TestMainFormGrids::twoDigitYearTakesTheNearestCentury()
{
    // Within 50 years of the current year, whichever century that is.
    const int year = QDate::currentDate().year();
    const int twoDigits = (year + 10) % 100;
    f->retype("EditorRowBaselineDate", QStringLiteral("3/4/%1").arg(twoDigits, 2, 10, QLatin1Char('0')));
    MainFormFixture::press(Qt::Key_Return);
    QVERIFY(f->errors.isEmpty());
    QCOMPARE(f->form->jobParameters().BaselineDate, kestrun::encodeDate(year + 10, 3, 4));
}

QTEST_MAIN(TestMainFormGrids)
#include "tst_mainformgrids.moc"
