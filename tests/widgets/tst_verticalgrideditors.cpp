// SPDX-License-Identifier: MIT
// The grid's in-place editors as the user drives them: the calculator's key filter and
// drop-down calculator, the date editor's calendar and text, the time editor's steps.

#include "tst_verticalgridfixture.h"

#include "ui/widgets/calculatorpopup.h"

#include <QCalendarWidget>
#include <QToolButton>

#include <cmath>

class TestVerticalGridEditors : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void calculatorKeyFilter_data();
    void calculatorKeyFilter();
    void calculatorPopupResult_data();
    void calculatorPopupResult();
    void calculatorArithmetic_data();
    void calculatorArithmetic();
    void calculatorKeyboard();
    void calendarChoosesDate_data();
    void calendarChoosesDate();
    void typedDates_data();
    void typedDates();
    void spinSteps_data();
    void spinSteps();
    void timeKeyFilter_data();
    void timeKeyFilter();

private:
    bool start(bool decimalComma = false);
    CalculatorPopup *openCalculator(const char *row);
    void clickButtons(CalculatorPopup *popup, const QStringList &names);

    std::unique_ptr<GridFixture> f;
};

bool TestVerticalGridEditors::start(bool decimalComma)
{
    kestrun::RegionalSettings settings;
    if (decimalComma)
        settings.decimalSeparator = ",";
    f = std::make_unique<GridFixture>(settings);
    return f->activate();
}

void TestVerticalGridEditors::cleanup()
{
    QWidget *popup = QApplication::activePopupWidget();
    if (popup)
        popup->close(); // so that one failure does not spill into the next test
    QVERIFY(!popup);
    QVERIFY(!QApplication::activeModalWidget());
    f.reset();
}

CalculatorPopup *TestVerticalGridEditors::openCalculator(const char *row)
{
    f->focusRow(row);
    GridFixture::press(Qt::Key_F2);
    auto *dropDown = f->grid->activeEditor()->findChild<QToolButton *>(QStringLiteral("dropDownButton"));
    QTest::mouseClick(dropDown, Qt::LeftButton);
    return f->grid->activeEditor()->findChild<CalculatorPopup *>();
}

void TestVerticalGridEditors::clickButtons(CalculatorPopup *popup, const QStringList &names)
{
    for (const QString &name : names)
        QTest::mouseClick(popup->findChild<QToolButton *>(name), Qt::LeftButton);
}

void TestVerticalGridEditors::calculatorKeyFilter_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    QTest::newRow("letters dropped") << false << "1a2b" << "12";
    QTest::newRow("comma entered as the full stop") << false << "1,5" << "1.5";
    QTest::newRow("full stop entered as the decimal comma") << true << "1.5" << "1,5";
    QTest::newRow("second separator dropped") << false << "1.2.3" << "1.23";
    QTest::newRow("leading separator kept") << false << ".5" << ".5";
    QTest::newRow("exponent and its sign kept") << false << "1e-5" << "1e-5";
    QTest::newRow("exponent without digits before it dropped") << false << "e5" << "5";
    QTest::newRow("lone minus kept") << false << "-" << "-";
    QTest::newRow("minus inside the number dropped") << false << "5-2" << "52";
    QTest::newRow("blank dropped") << false << "1 2" << "12";
}

void TestVerticalGridEditors::calculatorKeyFilter()
{
    QFETCH(bool, decimalComma);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QVERIFY(start(decimalComma));

    f->retype("PipeLength", QString());
    f->log.clear();
    GridFixture::type(typed);
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(text));
    // Only the keystrokes that changed the text raised a change notification.
    QCOMPARE(f->log.size(), text.size());
    GridFixture::press(Qt::Key_Escape);
}

void TestVerticalGridEditors::calculatorPopupResult_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("logAtClose");
    QTest::addColumn<QString>("valueAtClose");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QStringList>("logAfterEnter");
    QTest::addColumn<QString>("valueAfterEnter");

    QTest::newRow("immediate posting commits as the calculator closes")
        << QByteArray("PipeLength") << QStringList{"digit2", "multiply", "digit3", "equals"} << "6"
        << QStringList{"change:12.5", "validate:6", "changed:6@12.5"} << "6" << QStringList{}
        << QStringList{} << "6";
    QTest::newRow("without immediate posting only the editor text changes")
        << QByteArray("TargetFj") << QStringList{"digit9", "digit0", "equals"} << "90" << QStringList{"change:80"}
        << "80" << QStringList{} << QStringList{"validate:90", "changed:90@80"} << "90";
    QTest::newRow("refused result stays in the editor")
        << QByteArray("PipeLength") << QStringList{"digit0", "equals"} << "0"
        << QStringList{"change:12.5", "validate:0"} << "12.5" << QStringList{"Value must be positive"}
        << QStringList{"validate:0"} << "12.5";
}

void TestVerticalGridEditors::calculatorPopupResult()
{
    QFETCH(QByteArray, row);
    QFETCH(QStringList, buttons);
    QFETCH(QString, text);
    QFETCH(QStringList, logAtClose);
    QFETCH(QString, valueAtClose);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, logAfterEnter);
    QFETCH(QString, valueAfterEnter);
    QVERIFY(start());

    CalculatorPopup *popup = openCalculator(row.constData());
    QVERIFY(popup && popup->isVisible());
    clickButtons(popup, buttons);

    QVERIFY(!popup->isVisible());
    QCOMPARE(f->grid->editingRow(), f->row(row.constData()));
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(text));
    QCOMPARE(QApplication::focusWidget(), f->editorLine());
    QCOMPARE(f->log, logAtClose);
    QCOMPARE(GridFixture::valueText(f->row(row.constData())->value()), valueAtClose);
    QCOMPARE(f->errors, errors);

    f->log.clear();
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(f->log, logAfterEnter);
    QCOMPARE(GridFixture::valueText(f->row(row.constData())->value()), valueAfterEnter);
    if (f->grid->isEditing())
        GridFixture::press(Qt::Key_Escape);
}

void TestVerticalGridEditors::calculatorArithmetic_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("result");

    QTest::newRow("operations run from left to right")
        << false << QStringList{"digit2", "add", "digit3", "multiply", "digit4", "equals"} << true << "20";
    QTest::newRow("decimal comma and sign change")
        << true << QStringList{"digit1", "decimal", "digit5", "negate", "multiply", "digit2", "equals"} << true
        << "-3";
    QTest::newRow("division with a fraction")
        << false << QStringList{"digit1", "divide", "digit8", "equals"} << true << "0.125";
    QTest::newRow("backspace removes the last digit")
        << false << QStringList{"digit1", "digit2", "backspace", "digit3", "equals"} << true << "13";
    QTest::newRow("a second operator replaces the first")
        << false << QStringList{"digit5", "add", "subtract", "digit2", "equals"} << true << "3";
    QTest::newRow("clear starts over") << false << QStringList{"digit7", "add", "clear", "digit4", "equals"} << true
                                       << "4";
    QTest::newRow("equals alone hands over the starting value") << false << QStringList{"equals"} << true << "12.5";
    QTest::newRow("division by zero shows an error and stays open")
        << false << QStringList{"digit1", "divide", "digit0", "equals"} << false << "Error";
}

void TestVerticalGridEditors::calculatorArithmetic()
{
    QFETCH(bool, decimalComma);
    QFETCH(QStringList, buttons);
    QFETCH(bool, closes);
    QFETCH(QString, result);
    QVERIFY(start(decimalComma));

    CalculatorPopup *popup = openCalculator("TargetFj");
    f->row("TargetFj")->setValue(12.5);
    popup->start(12.5);
    clickButtons(popup, buttons);

    QCOMPARE(popup->isVisible(), !closes);
    if (closes) {
        QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(result));
    } else {
        QCOMPARE(popup->displayText(), result);
        QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(QStringLiteral("80")));
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
    }
    GridFixture::press(Qt::Key_Escape);
}

void TestVerticalGridEditors::calculatorKeyboard()
{
    QVERIFY(start());
    f->focusRow("PipeLength");
    GridFixture::press(Qt::Key_F2);
    GridFixture::press(Qt::Key_Down, Qt::AltModifier);
    auto *popup = f->grid->activeEditor()->findChild<CalculatorPopup *>();
    QVERIFY(popup && popup->isVisible());

    QTest::keyClicks(popup, QStringLiteral("3*4,5"));
    QCOMPARE(popup->displayText(), QStringLiteral("4.5"));
    QTest::keyClick(popup, Qt::Key_Return);
    QVERIFY(!popup->isVisible());
    QCOMPARE(GridFixture::valueText(f->row("PipeLength")->value()), QStringLiteral("13.5"));
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(f->row("PipeLength")->displayText(), QStringLiteral("13.500 m"));
}

void TestVerticalGridEditors::calendarChoosesDate_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<double>("initial");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value");

    // 15 March 2006 is day 38791 (1 January 2006 is 38718).
    QTest::newRow("date-only row") << QByteArray("BaselineDate") << 38718.0 << "3/15/2006" << "38791";
    QTest::newRow("row keeping the time of day") << QByteArray("TargetDate") << 38719.875 << "3/15/2006 9:00:00 PM"
                                                 << "38791.875";
}

void TestVerticalGridEditors::calendarChoosesDate()
{
    QFETCH(QByteArray, row);
    QFETCH(double, initial);
    QFETCH(QString, text);
    QFETCH(QString, value);
    QVERIFY(start());
    GridEditorRow *dateRow = f->row(row.constData());
    dateRow->setValue(QVariant::fromValue(DateTimeValue{initial}));

    f->focusRow(row.constData());
    GridFixture::press(Qt::Key_F2);
    GridFixture::press(Qt::Key_F4);
    auto *calendar = f->grid->activeEditor()->findChild<QCalendarWidget *>();
    QVERIFY(calendar && calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), QDate(2006, 1, int(initial) - 38717));

    calendar->setSelectedDate(QDate(2006, 3, 15));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QVERIFY(!calendar->isVisible());
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(text));
    const QString before = GridFixture::valueText(QVariant::fromValue(DateTimeValue{initial}));
    QCOMPARE(f->log, (QStringList{"change:" + before, "changed:" + text + "@" + before}));
    QCOMPARE(GridFixture::valueText(dateRow->value()), value);
    GridFixture::press(Qt::Key_Return);
    QVERIFY(!f->grid->isEditing());
}

void TestVerticalGridEditors::typedDates_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("display");

    // 1 February 2006 is day 38749; 10:30 is 0.4375 of a day.
    QTest::newRow("date-only row drops a typed time")
        << QByteArray("BaselineDate") << "2/1/2006 10:30:00" << "38749" << "2/1/2006";
    QTest::newRow("row keeping the time keeps it")
        << QByteArray("TargetDate") << "2/1/2006 10:30:00" << "38749.4375" << "2/1/2006 10:30:00 AM";
    QTest::newRow("date alone") << QByteArray("TargetDate") << "2/1/2006" << "38749" << "2/1/2006";
}

void TestVerticalGridEditors::typedDates()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(QString, display);
    QVERIFY(start());

    f->retype(row.constData(), typed);
    GridFixture::press(Qt::Key_Return);
    QVERIFY(f->errors.isEmpty());
    QVERIFY(!f->grid->isEditing());
    QCOMPARE(GridFixture::valueText(f->row(row.constData())->value()), value);
    QCOMPARE(f->row(row.constData())->displayText(), display);
}

void TestVerticalGridEditors::spinSteps_data()
{
    QTest::addColumn<bool>("immediatePost");
    QTest::addColumn<int>("initialSeconds");
    QTest::addColumn<QList<int>>("cursorKeys");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");

    const int nine = 9 * 3600;
    const QList<int> minutes{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right};
    QTest::newRow("opened editor: up button steps the hours") << true << nine << QList<int>{} << "button up"
                                                              << "10:00:00" << 10 * 3600;
    QTest::newRow("Down key steps the hours down") << true << nine << QList<int>{} << "key down" << "08:00:00"
                                                   << 8 * 3600;
    QTest::newRow("cursor in the minutes") << true << nine << minutes << "key up" << "09:01:00" << nine + 60;
    QTest::newRow("cursor in the seconds, back over midnight")
        << true << 0 << QList<int>{Qt::Key_End} << "button down" << "23:59:59" << 86399;
    QTest::newRow("hours forward over midnight") << true << 23 * 3600 + 1800 << QList<int>{} << "key up"
                                                 << "00:30:00" << 1800;
    QTest::newRow("without immediate posting") << false << nine << QList<int>{} << "button up" << "10:00:00"
                                               << nine;
}

void TestVerticalGridEditors::spinSteps()
{
    QFETCH(bool, immediatePost);
    QFETCH(int, initialSeconds);
    QFETCH(QList<int>, cursorKeys);
    QFETCH(QString, step);
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QVERIFY(start());
    GridEditorRow *time = f->row("BaselineTime");
    time->setImmediatePost(immediatePost);
    time->setValue(QVariant::fromValue(DateTimeValue{initialSeconds / 86400.0}));
    const QString before = GridFixture::valueText(time->value());

    f->focusRow("BaselineTime");
    GridFixture::press(Qt::Key_F2);
    for (int key : cursorKeys)
        GridFixture::press(Qt::Key(key));
    if (step.startsWith(QLatin1String("button"))) {
        const QString name = step.endsWith(QLatin1String("up")) ? QStringLiteral("spinUpButton")
                                                                : QStringLiteral("spinDownButton");
        QTest::mouseClick(f->grid->activeEditor()->findChild<QToolButton *>(name), Qt::LeftButton);
    } else {
        GridFixture::press(step.endsWith(QLatin1String("up")) ? Qt::Key_Up : Qt::Key_Down);
    }

    // Every step is a change and a new editor value; immediate posting commits it.
    QCOMPARE(f->grid->editingRow(), time);
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(text));
    QCOMPARE(f->log, (QStringList{"change:" + before, "changed:" + text + "@" + before}));
    auto committedSeconds = [&] { return int(std::lround(time->value().value<DateTimeValue>().days * 86400)); };
    QCOMPARE(committedSeconds(), seconds);

    // Enter commits the stepped value; it is no new value any more.
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(f->log.size(), 2);
    QCOMPARE(time->displayText(), text);
}

void TestVerticalGridEditors::timeKeyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");

    QTest::newRow("hours and minutes") << "9:30" << "9:30";
    QTest::newRow("third digit without separator dropped") << "123" << "12";
    QTest::newRow("seconds limited to two digits") << "12:34:567" << "12:34:56";
    QTest::newRow("letters and other separators dropped") << "1a2.:3" << "12:3";
}

void TestVerticalGridEditors::timeKeyFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QVERIFY(start());

    f->retype("BaselineTime", typed);
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(text));
    GridFixture::press(Qt::Key_Escape);
}

QTEST_MAIN(TestVerticalGridEditors)
#include "tst_verticalgrideditors.moc"
