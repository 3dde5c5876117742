// SPDX-License-Identifier: MIT
// The grid's editing cycle as the user drives it: notifications and their order,
// commits, refusals, navigation, read-only mode, hints and display forms.

#include "tst_verticalgridfixture.h"

#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

namespace {

enum class Leave { Enter, Tab, DownKey, ClickOtherRow, ClickOtherWidget };

void leave(GridFixture &f, Leave how)
{
    switch (how) {
    case Leave::Enter: GridFixture::press(Qt::Key_Return); break;
    case Leave::Tab: GridFixture::press(Qt::Key_Tab); break;
    case Leave::DownKey: GridFixture::press(Qt::Key_Down); break;
    case Leave::ClickOtherRow: f.clickValue("BaselineKp"); break;
    case Leave::ClickOtherWidget: QTest::mouseClick(f.other, Qt::LeftButton); break;
    }
}

QStringList repeated(const QString &entry, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << entry;
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Leave)

class TestVerticalGrid : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedEditNotifications_data();
    void typedEditNotifications();
    void openingTheEditor_data();
    void openingTheEditor();
    void leavingTheRowCommits_data();
    void leavingTheRowCommits();
    void refusalKeepsTheEditor_data();
    void refusalKeepsTheEditor();
    void failedCommitStaysOpen_data();
    void failedCommitStaysOpen();
    void throwingChangeHandlerIsReported();
    void upDownSkipHiddenAndHeadingRows_data();
    void upDownSkipHiddenAndHeadingRows();
    void hidingTheEditedRowAbandonsTheEdit();
    void focusedRowScrolledIntoView();
    void readOnlyGridTakesNoFocus();
    void toolTips_data();
    void toolTips();
    void displayAndEditForms_data();
    void displayAndEditForms();
    void assignValue_data();
    void assignValue();

private:
    std::unique_ptr<GridFixture> f;
};

void TestVerticalGrid::init()
{
    f = std::make_unique<GridFixture>();
    QVERIFY(f->activate());
}

void TestVerticalGrid::cleanup()
{
    // No test may leave a drop-down or a dialog behind.
    QWidget *popup = QApplication::activePopupWidget();
    if (popup)
        popup->close();
    QVERIFY(!popup);
    QVERIFY(!QApplication::activeModalWidget());
    f.reset();
}

void TestVerticalGrid::typedEditNotifications_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expectedLog");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("display");

    // The change handler sees the committed value at every keystroke; the value reaches
    // the row only after the value-changed handler, at Enter.
    QTest::newRow("new value committed at Enter")
        << QByteArray("PipeLength") << "7" << QStringList{"change:12.5", "validate:7", "changed:7@12.5"} << "7"
        << "7.000 m";
    QTest::newRow("text giving the value already held raises no value-changed")
        << QByteArray("PipeLength") << "12.50" << (repeated("change:12.5", 5) << "validate:12.50") << "12.5"
        << "12.500 m";
    QTest::newRow("row without a rule")
        << QByteArray("BaselineKp") << "-2" << QStringList{"change:0", "change:0", "changed:-2@0"} << "-2"
        << "-2.000";
    QTest::newRow("row without a display format shows the general form")
        << QByteArray("TargetFj") << "80.25" << (repeated("change:80", 5) << "validate:80.25" << "changed:80.25@80")
        << "80.25" << "80.25";
    QTest::newRow("text row")
        << QByteArray("DelayReason") << "Rain" << (repeated("change:Contingency", 4) << "changed:Rain@Contingency")
        << "Rain" << "Rain";
}

void TestVerticalGrid::typedEditNotifications()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, typed);
    QFETCH(QStringList, expectedLog);
    QFETCH(QString, committed);
    QFETCH(QString, display);

    f->focusRow(row.constData());
    GridFixture::type(typed);
    QVERIFY(f->grid->isEditing());
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(typed));
    GridFixture::press(Qt::Key_Return);

    QCOMPARE(f->log, expectedLog);
    QVERIFY(f->errors.isEmpty());
    QVERIFY(!f->grid->isEditing());
    QCOMPARE(f->grid->activeEditorText(), std::nullopt);
    QCOMPARE(GridFixture::valueText(f->row(row.constData())->value()), committed);
    QCOMPARE(f->row(row.constData())->displayText(), display);
    QVERIFY(f->grid->hasFocus());
    QCOMPARE(f->grid->focusedRow(), f->row(row.constData()));
}

void TestVerticalGrid::openingTheEditor_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("changes");

    // Filling the editor with the row's value is no change; a typed first key is one.
    QTest::newRow("typed character replaces the value") << "type" << true << "5" << "" << 1;
    QTest::newRow("F2 opens with the value selected") << "F2" << true << "12.5" << "12.5" << 0;
    QTest::newRow("Enter opens with the value selected") << "Enter" << true << "12.5" << "12.5" << 0;
    QTest::newRow("click into the value opens it") << "click value" << true << "12.5" << "12.5" << 0;
    QTest::newRow("click on the caption only focuses") << "click caption" << false << "" << "" << 0;
}

void TestVerticalGrid::openingTheEditor()
{
    QFETCH(QString, how);
    QFETCH(bool, editing);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(int, changes);

    if (how.startsWith(QLatin1String("click"))) {
        f->other->setFocus();
        if (how == QLatin1String("click value"))
            f->clickValue("PipeLength");
        else
            f->clickCaption("PipeLength");
    } else {
        f->focusRow("PipeLength");
        if (how == QLatin1String("type"))
            GridFixture::type(QStringLiteral("5"));
        else
            GridFixture::press(how == QLatin1String("F2") ? Qt::Key_F2 : Qt::Key_Return);
    }

    QCOMPARE(f->grid->focusedRow(), f->row("PipeLength"));
    QCOMPARE(f->grid->isEditing(), editing);
    QCOMPARE(f->log.size(), changes);
    if (!editing) {
        QVERIFY(f->grid->hasFocus());
        return;
    }
    QCOMPARE(f->grid->editingRow(), f->row("PipeLength"));
    QCOMPARE(QApplication::focusWidget(), f->editorLine());
    QCOMPARE(f->editorLine()->text(), text);
    QCOMPARE(f->editorLine()->selectedText(), selected);

    // An untouched editor commits without a notification.
    if (changes == 0) {
        GridFixture::press(Qt::Key_Return);
        QVERIFY(!f->grid->isEditing());
        QVERIFY(f->log.isEmpty());
    }
}

void TestVerticalGrid::leavingTheRowCommits_data()
{
    QTest::addColumn<Leave>("how");
    QTest::addColumn<QString>("focusOwner");
    QTest::addColumn<QString>("focusedRow");
    QTest::addColumn<bool>("editingAfter");

    QTest::newRow("Enter") << Leave::Enter << "grid" << "PipeLength" << false;
    QTest::newRow("Tab leaves the grid") << Leave::Tab << "otherWidget" << "PipeLength" << false;
    QTest::newRow("Down moves to the next row") << Leave::DownKey << "grid" << "BaselineKp" << false;
    QTest::newRow("click into another row edits it") << Leave::ClickOtherRow << "editor" << "BaselineKp" << true;
    QTest::newRow("click on another widget") << Leave::ClickOtherWidget << "otherWidget" << "PipeLength" << false;
}

void TestVerticalGrid::leavingTheRowCommits()
{
    QFETCH(Leave, how);
    QFETCH(QString, focusOwner);
    QFETCH(QString, focusedRow);
    QFETCH(bool, editingAfter);

    f->focusRow("PipeLength");
    GridFixture::type(QStringLiteral("7"));
    leave(*f, how);

    QCOMPARE(f->log, (QStringList{"change:12.5", "validate:7", "changed:7@12.5"}));
    QCOMPARE(GridFixture::valueText(f->row("PipeLength")->value()), QStringLiteral("7"));
    QCOMPARE(f->grid->focusedRow()->objectName(), focusedRow);
    QCOMPARE(f->grid->isEditing(), editingAfter);
    QWidget *expectedFocus = focusOwner == QLatin1String("grid")        ? static_cast<QWidget *>(f->grid)
                             : focusOwner == QLatin1String("editor")    ? f->editorLine()
                                                                        : f->other;
    QCOMPARE(QApplication::focusWidget(), expectedFocus);
    QVERIFY(f->errors.isEmpty());
}

void TestVerticalGrid::refusalKeepsTheEditor_data()
{
    leavingTheRowCommits_data();
}

void TestVerticalGrid::refusalKeepsTheEditor()
{
    QFETCH(Leave, how);

    f->focusRow("PipeLength");
    GridFixture::type(QStringLiteral("0"));
    leave(*f, how);

    // Refused: the error is reported once, the editor keeps the row, the focus and the
    // refused text, all selected; nothing reaches the row.
    QCOMPARE(f->errors, QStringList{"Value must be positive"});
    QCOMPARE(f->log, (QStringList{"change:12.5", "validate:0"}));
    QCOMPARE(f->grid->editingRow(), f->row("PipeLength"));
    QCOMPARE(f->grid->focusedRow(), f->row("PipeLength"));
    QCOMPARE(QApplication::focusWidget(), f->editorLine());
    QCOMPARE(f->editorLine()->text(), QStringLiteral("0"));
    QCOMPARE(f->editorLine()->selectedText(), QStringLiteral("0"));
    QCOMPARE(GridFixture::valueText(f->row("PipeLength")->value()), QStringLiteral("12.5"));

    GridFixture::press(Qt::Key_Escape);
    QVERIFY(!f->grid->isEditing());
    QCOMPARE(f->row("PipeLength")->displayText(), QStringLiteral("12.500 m"));
    QVERIFY(f->grid->hasFocus());
    QCOMPARE(f->errors.size(), 1);
}

void TestVerticalGrid::failedCommitStaysOpen_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("display");

    QTest::newRow("rule refuses zero") << QByteArray("PipeLength") << "0" << "Value must be positive" << "12.500 m";
    QTest::newRow("rule cannot read an emptied row")
        << QByteArray("PipeLength") << "" << "Could not convert variant of type (String) into type (Double)"
        << "12.500 m";
    QTest::newRow("rule of a row without immediate posting")
        << QByteArray("TargetFj") << "-1" << "Value must be positive" << "80";
    QTest::newRow("value-changed cannot read an emptied row")
        << QByteArray("BaselineKp") << "" << "'' is not a valid floating point value" << "0.000";
    QTest::newRow("value-changed cannot read a lone minus")
        << QByteArray("BaselineKp") << "-" << "'-' is not a valid floating point value" << "0.000";
}

void TestVerticalGrid::failedCommitStaysOpen()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    QFETCH(QString, display);
    GridEditorRow *edited = f->row(row.constData());
    const QVariant before = edited->value();

    f->retype(row.constData(), typed);
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(f->errors, QStringList{error});
    QCOMPARE(f->grid->editingRow(), edited);
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(typed));
    QCOMPARE(QApplication::focusWidget(), f->editorLine());
    QCOMPARE(edited->value(), before);

    // The same text fails the same way again: nothing of the first attempt stuck.
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(f->errors, (QStringList{error, error}));
    QCOMPARE(edited->value(), before);

    GridFixture::press(Qt::Key_Escape);
    QVERIFY(!f->grid->isEditing());
    QCOMPARE(edited->displayText(), display);
}

void TestVerticalGrid::throwingChangeHandlerIsReported()
{
    GridEditorRow *row = f->row("PipeLength");
    row->onChange = [] { throw kestrun::Error("Invalid floating point operation"); };
    f->focusRow("PipeLength");
    GridFixture::type(QStringLiteral("75"));

    QCOMPARE(f->errors, (QStringList{"Invalid floating point operation", "Invalid floating point operation"}));
    QCOMPARE(f->grid->activeEditorText(), std::optional<QString>(QStringLiteral("75")));
    GridFixture::press(Qt::Key_Return);
    QCOMPARE(GridFixture::valueText(row->value()), QStringLiteral("75"));
}

void TestVerticalGrid::upDownSkipHiddenAndHeadingRows_data()
{
    QTest::addColumn<bool>("showHiddenRow");
    QTest::addColumn<QStringList>("order");

    const QStringList before{"PipeLength", "BaselineKp", "TargetFj"};
    const QStringList after{"CategoryDelay", "BaselineDate", "TargetDate", "BaselineTime", "DelayReason"};
    QTest::newRow("hidden row skipped") << false << before + after;
    QTest::newRow("shown row back in its place") << true << before + QStringList{"TargetKp"} + after;
}

void TestVerticalGrid::upDownSkipHiddenAndHeadingRows()
{
    QFETCH(bool, showHiddenRow);
    QFETCH(QStringList, order);

    f->row("TargetKp")->setVisible(showHiddenRow);
    f->focusRow("DelayReason");
    GridFixture::press(Qt::Key_Home);
    QStringList down{f->grid->focusedRow()->objectName()};
    for (int i = 0; i < order.size(); ++i) {
        GridFixture::press(Qt::Key_Down);
        if (f->grid->focusedRow()->objectName() != down.back())
            down << f->grid->focusedRow()->objectName();
    }
    QCOMPARE(down, order);

    QStringList up{f->grid->focusedRow()->objectName()};
    for (int i = 0; i < order.size(); ++i) {
        GridFixture::press(Qt::Key_Up);
        if (f->grid->focusedRow()->objectName() != up.back())
            up << f->grid->focusedRow()->objectName();
    }
    std::reverse(up.begin(), up.end());
    QCOMPARE(up, order);

    // A shown row stands between its neighbours; a hidden one takes no space.
    const QRect fj = f->grid->rowRect(f->row("TargetFj"));
    const QRect delay = f->grid->rowRect(f->grid->row(QStringLiteral("CategoryDelay")));
    if (showHiddenRow) {
        const QRect kp = f->grid->rowRect(f->row("TargetKp"));
        QCOMPARE(kp.top(), fj.bottom() + 1);
        QCOMPARE(delay.top(), kp.bottom() + 1);
    } else {
        QVERIFY(f->grid->rowRect(f->row("TargetKp")).isNull());
        QCOMPARE(delay.top(), fj.bottom() + 1);
    }
}

void TestVerticalGrid::hidingTheEditedRowAbandonsTheEdit()
{
    f->focusRow("TargetFj");
    GridFixture::type(QStringLiteral("5"));
    f->row("TargetFj")->setVisible(false);

    QVERIFY(!f->grid->isEditing());
    QCOMPARE(GridFixture::valueText(f->row("TargetFj")->value()), QStringLiteral("80"));
    QCOMPARE(f->grid->focusedRow(), f->grid->row(QStringLiteral("CategoryDelay")));
    QCOMPARE(f->log, QStringList{"change:80"});
}

void TestVerticalGrid::focusedRowScrolledIntoView()
{
    f->window->resize(320, 5 * f->grid->rowHeight() + 60);
    // Wait for the layout to settle on the new size: a viewport of a row or two would leave
    // no room for a heading above the focused row.
    QTRY_VERIFY(f->grid->viewport()->height() < 6 * f->grid->rowHeight()
                && f->grid->viewport()->height() > 3 * f->grid->rowHeight());
    QVERIFY(f->grid->verticalScrollBar()->maximum() > 0);

    f->focusRow("PipeLength");
    GridFixture::press(Qt::Key_End);
    GridFixture::press(Qt::Key_F2);
    const QRect last = f->grid->rowRect(f->row("DelayReason"));
    QVERIFY(f->grid->viewport()->rect().contains(last));
    QCOMPARE(f->grid->activeEditor()->geometry(), f->grid->valueRect(f->row("DelayReason")));

    GridFixture::press(Qt::Key_Escape);
    GridFixture::press(Qt::Key_Home);
    QCOMPARE(f->grid->verticalScrollBar()->value(), 0);
}

void TestVerticalGrid::readOnlyGridTakesNoFocus()
{
    f->focusRow("PipeLength");
    f->grid->setReadOnly(true);
    QCOMPARE(f->grid->focusedRow(), nullptr);
    QVERIFY(!f->grid->hasFocus());

    f->other->setFocus();
    f->clickValue("PipeLength");
    QVERIFY(!f->grid->isEditing());
    QCOMPARE(f->grid->focusedRow(), nullptr);
    QCOMPARE(QApplication::focusWidget(), f->other);

    GridFixture::press(Qt::Key_Tab);
    QVERIFY(!f->grid->hasFocus());
    QTest::keyClick(f->grid, Qt::Key_5);
    QVERIFY(!f->grid->isEditing());
    QVERIFY(!f->grid->showEditor());
    QVERIFY(!f->grid->setFocusedRow(f->row("PipeLength")));
    QVERIFY(f->log.isEmpty());
}

void TestVerticalGrid::toolTips_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("onCaption");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<QString>("tip");

    QTest::newRow("hint on the caption") << QByteArray("PipeLength") << true << 132
                                         << "Length of a linepipe section in metres";
    QTest::newRow("nothing over the value") << QByteArray("PipeLength") << false << 132 << "";
    QTest::newRow("caption without hint that fits") << QByteArray("DelayReason") << true << 132 << "";
    QTest::newRow("caption without hint cut off") << QByteArray("DelayReason") << true << 30 << "Delay Reason";
    QTest::newRow("category row") << QByteArray("CategoryDelay") << true << 132
                                  << "Delay - any delay you may anticipate";
}

void TestVerticalGrid::toolTips()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, onCaption);
    QFETCH(int, captionWidth);
    QFETCH(QString, tip);

    f->grid->setCaptionWidth(captionWidth);
    GridRow *r = f->grid->row(QString::fromLatin1(row));
    const QPoint pos = onCaption ? f->grid->captionRect(r).center() : f->grid->valueRect(r).center();
    QCOMPARE(f->grid->toolTipAt(pos), tip);

    QHelpEvent help(QEvent::ToolTip, pos, f->grid->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(f->grid->viewport(), &help);
    if (tip.isEmpty())
        QVERIFY(!QToolTip::isVisible());
    else
        QTRY_COMPARE(QToolTip::text(), tip);
    QToolTip::hideText();
}

void TestVerticalGrid::displayAndEditForms_data()
{
    QTest::addColumn<EditorKind>("kind");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("keepsTime");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("edit");

    auto days = [](double d) { return QVariant::fromValue(DateTimeValue{d}); };
    QTest::newRow("pattern with unit") << EditorKind::Calculator << "0.000 m" << false << false << QVariant(12.5)
                                       << "12.500 m" << "12.5";
    QTest::newRow("decimal comma") << EditorKind::Calculator << "0.000 m" << false << true << QVariant(12.5)
                                   << "12,500 m" << "12,5";
    QTest::newRow("no pattern: general form") << EditorKind::Calculator << "" << false << false << QVariant(80.25)
                                              << "80.25" << "80.25";
    QTest::newRow("rounded half away from zero") << EditorKind::NumberDisplay << "0.0 days" << false << true
                                                 << QVariant(1.25) << "1,3 days" << "1,25";
    QTest::newRow("rounded to zero shows no minus") << EditorKind::NumberDisplay << "0.0" << false << false
                                                    << QVariant(-0.04) << "0.0" << "-0.04";
    QTest::newRow("no value shows nothing") << EditorKind::Calculator << "0.000 m" << false << false << QVariant()
                                            << "" << "";
    QTest::newRow("date only") << EditorKind::Date << "" << false << false << days(38718.5) << "1/1/2006"
                               << "1/1/2006";
    QTest::newRow("date keeping its time") << EditorKind::Date << "" << true << false << days(38719.875)
                                           << "1/2/2006 9:00:00 PM" << "1/2/2006 9:00:00 PM";
    QTest::newRow("date keeping time, none there") << EditorKind::Date << "" << true << false << days(38719)
                                                   << "1/2/2006" << "1/2/2006";
    QTest::newRow("prediction date") << EditorKind::DateDisplay << "" << false << false << days(38719.875)
                                     << "1/2/2006" << "1/2/2006";
    QTest::newRow("prediction time, 24-hour") << EditorKind::TimeDisplay << "" << false << false << days(38719.875)
                                              << "21:00:00" << "21:00:00";
    QTest::newRow("time row") << EditorKind::Time << "" << false << false << days(0.375) << "09:00:00"
                              << "09:00:00";
}

void TestVerticalGrid::displayAndEditForms()
{
    QFETCH(EditorKind, kind);
    QFETCH(QString, format);
    QFETCH(bool, keepsTime);
    QFETCH(bool, decimalComma);
    QFETCH(QVariant, value);
    QFETCH(QString, display);
    QFETCH(QString, edit);

    kestrun::RegionalSettings settings;
    if (decimalComma)
        settings.decimalSeparator = ",";
    VerticalGrid grid;
    grid.setRegionalSettings(settings);
    GridEditorRow *row = grid.addEditorRow(QStringLiteral("Row"), QStringLiteral("Row"), QString(), kind);
    row->setDisplayFormat(format);
    row->setKeepsTimeOfDay(keepsTime);
    row->setValue(value);
    QCOMPARE(row->displayText(), display);
    QCOMPARE(row->editText(), edit);
}

void TestVerticalGrid::assignValue_data()
{
    QTest::addColumn<EditorKind>("kind");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("isDateTime");

    const QVariant days = QVariant::fromValue(DateTimeValue{38719.875});
    QTest::newRow("int into a number row") << EditorKind::Calculator << QVariant(5) << true << "5" << false;
    QTest::newRow("text under decimal comma") << EditorKind::Calculator << QVariant("12,5") << true << "12.5" << false;
    QTest::newRow("unreadable text keeps the value") << EditorKind::Calculator << QVariant("12.5") << false << "1"
                                                     << false;
    QTest::newRow("date-time into a number row") << EditorKind::NumberDisplay << days << true << "38719.875" << false;
    QTest::newRow("number into a time row") << EditorKind::Time << QVariant(0.375) << true << "0.375" << true;
    QTest::newRow("time text into a time row") << EditorKind::Time << QVariant("21:00:00") << true << "0.875" << true;
    QTest::newRow("date text into a date row") << EditorKind::Date << QVariant("1/2/2006") << true << "38719" << true;
    QTest::newRow("number into a text row") << EditorKind::Text << QVariant(2.5) << true << "2,5" << false;
    QTest::newRow("date-time into a text row refused") << EditorKind::Text << days << false << "1" << false;
}

void TestVerticalGrid::assignValue()
{
    QFETCH(EditorKind, kind);
    QFETCH(QVariant, input);
    QFETCH(bool, taken);
    QFETCH(QString, value);
    QFETCH(bool, isDateTime);

    kestrun::RegionalSettings settings;
    settings.decimalSeparator = ",";
    VerticalGrid grid;
    grid.setRegionalSettings(settings);
    GridEditorRow *row = grid.addEditorRow(QStringLiteral("Row"), QStringLiteral("Row"), QString(), kind);
    row->setValue(kind == EditorKind::Text ? QVariant(QStringLiteral("1")) : QVariant(1.0));

    QCOMPARE(row->assignValue(input), taken);
    QCOMPARE(GridFixture::valueText(row->value()), value);
    QCOMPARE(row->value().metaType() == QMetaType::fromType<DateTimeValue>(), isDateTime);
}

QTEST_MAIN(TestVerticalGrid)
#include "tst_verticalgrid.moc"
