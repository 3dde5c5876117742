// SPDX-License-Identifier: MIT
#include "ui/widgets/hotzonesplitter.h"

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

constexpr int StartHeight = 177;
constexpr int HostHeight = 400;
constexpr int BelowMinimum = 50;

// A column as the main window has it: the control, the bar, and a pane below that
// takes the rest and keeps at least BelowMinimum.
struct Column
{
    Column()
    {
        host.resize(300, HostHeight);
        auto *layout = new QVBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        control = new QWidget;
        splitter = new HotZoneSplitter;
        below = new QWidget;
        below->setMinimumHeight(BelowMinimum);
        layout->addWidget(control);
        layout->addWidget(splitter);
        layout->addWidget(below, 1);
        splitter->setControl(control);
        splitter->setPosition(StartHeight);
        host.show();
    }

    QWidget host;
    QWidget *control = nullptr;
    HotZoneSplitter *splitter = nullptr;
    QWidget *below = nullptr;
};

// A point on the bar well left of the hot zone.
QPoint onBar(const HotZoneSplitter &splitter)
{
    return {4, splitter.height() / 2};
}

QPoint onHotZone(const HotZoneSplitter &splitter)
{
    return splitter.hotZoneRect().center();
}

// Drags from a point on the bar by each of the steps in turn, as a hand does: the
// pointer's screen position moves on while the bar moves under it.
void drag(HotZoneSplitter &splitter, QPoint from, const QList<int> &steps)
{
    const QPoint pressGlobal = splitter.mapToGlobal(from);
    QTest::mousePress(&splitter, Qt::LeftButton, {}, from);
    int travelled = 0;
    for (const int step : steps) {
        travelled += step;
        QTest::mouseMove(&splitter, splitter.mapFromGlobal(pressGlobal + QPoint(0, travelled)));
    }
    QTest::mouseRelease(&splitter, Qt::LeftButton, {}, splitter.mapFromGlobal(pressGlobal + QPoint(0, travelled)));
}

} // namespace

class TestHotZoneSplitter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensAtTheGivenHeight();
    void dragSizesTheControl_data();
    void dragSizesTheControl();
    void hotZoneClickCollapsesAndRestores();
    void dragAfterRestoringKeepsTheNewHeight();
    void draggingACollapsedControlOpensItPastTheMinimum();
    void dragStartedOnTheHotZoneDoesNotToggle();
    void cursorShowsWhatAPressWouldDo();
    void barIsPaintedInItsOwnColour();

private:
    std::unique_ptr<Column> m_column;
};

void TestHotZoneSplitter::init()
{
    m_column = std::make_unique<Column>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_column->host));
}

void TestHotZoneSplitter::cleanup()
{
    m_column.reset();
}

void TestHotZoneSplitter::opensAtTheGivenHeight()
{
    QCOMPARE(m_column->control->height(), StartHeight);
    QCOMPARE(m_column->splitter->y(), StartHeight);
    QCOMPARE(m_column->splitter->height(), HotZoneSplitter::DefaultBarHeight);
    QVERIFY(!m_column->splitter->isCollapsed());
}

void TestHotZoneSplitter::dragSizesTheControl_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("expected");
    QTest::newRow("down 50") << QList<int>{50} << StartHeight + 50;
    QTest::newRow("up 40") << QList<int>{-40} << StartHeight - 40;
    QTest::newRow("down in three moves") << QList<int>{10, 20, 30} << StartHeight + 60;
    QTest::newRow("down and back up") << QList<int>{80, -100} << StartHeight - 20;
    QTest::newRow("up to exactly the minimum") << QList<int>{30 - StartHeight} << 30;
    QTest::newRow("up past the minimum stops at 30") << QList<int>{-300} << 30;
    QTest::newRow("past the minimum and back follows the pointer") << QList<int>{-300, 250} << StartHeight - 50;
    QTest::newRow("down past the pane's minimum stops") << QList<int>{1000}
                                                        << HostHeight - HotZoneSplitter::DefaultBarHeight - BelowMinimum;
}

void TestHotZoneSplitter::dragSizesTheControl()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, expected);
    HotZoneSplitter &splitter = *m_column->splitter;
    QSignalSpy positions(&splitter, &HotZoneSplitter::positionChanged);
    QSignalSpy collapses(&splitter, &HotZoneSplitter::collapsedChanged);

    drag(splitter, onBar(splitter), steps);

    QCOMPARE(m_column->control->height(), expected);
    QCOMPARE(splitter.position(), expected);
    QCOMPARE(splitter.y(), expected);
    QVERIFY(!splitter.isCollapsed());
    QVERIFY(!positions.isEmpty());
    QCOMPARE(positions.last().at(0).toInt(), expected);
    QCOMPARE(collapses.count(), 0);
}

void TestHotZoneSplitter::hotZoneClickCollapsesAndRestores()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    QSignalSpy collapses(&splitter, &HotZoneSplitter::collapsedChanged);

    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QVERIFY(splitter.isCollapsed());
    QCOMPARE(m_column->control->height(), 0);
    QCOMPARE(splitter.y(), 0);
    QCOMPARE(collapses.count(), 1);
    QCOMPARE(collapses.last().at(0).toBool(), true);

    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QVERIFY(!splitter.isCollapsed());
    QCOMPARE(m_column->control->height(), StartHeight);
    QCOMPARE(collapses.count(), 2);
    QCOMPARE(collapses.last().at(0).toBool(), false);
}

void TestHotZoneSplitter::dragAfterRestoringKeepsTheNewHeight()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    drag(splitter, onBar(splitter), {60});
    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QCOMPARE(m_column->control->height(), StartHeight + 60);

    drag(splitter, onBar(splitter), {-100});
    QCOMPARE(m_column->control->height(), StartHeight - 40);
    QVERIFY(!splitter.isCollapsed());

    // The next collapse and restore come back to the dragged height, not an older one.
    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QCOMPARE(m_column->control->height(), 0);
    QTest::mouseClick(&splitter, Qt::LeftButton, {}, onHotZone(splitter));
    QCOMPARE(m_column->control->height(), StartHeight - 40);
}

void TestHotZoneSplitter::draggingACollapsedControlOpensItPastTheMinimum()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    splitter.setCollapsed(true);
    QCOMPARE(m_column->control->height(), 0);
    QSignalSpy collapses(&splitter, &HotZoneSplitter::collapsedChanged);

    drag(splitter, onBar(splitter), {20});
    QVERIFY(splitter.isCollapsed());
    QCOMPARE(m_column->control->height(), 0);
    QCOMPARE(collapses.count(), 0);

    drag(splitter, onBar(splitter), {90});
    QVERIFY(!splitter.isCollapsed());
    QCOMPARE(m_column->control->height(), 90);
    QCOMPARE(collapses.count(), 1);
    QCOMPARE(collapses.last().at(0).toBool(), false);
}

void TestHotZoneSplitter::dragStartedOnTheHotZoneDoesNotToggle()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    drag(splitter, onHotZone(splitter), {25});
    QVERIFY(!splitter.isCollapsed());
    QCOMPARE(m_column->control->height(), StartHeight + 25);
}

void TestHotZoneSplitter::cursorShowsWhatAPressWouldDo()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    QTest::mouseMove(&splitter, onHotZone(splitter));
    QCOMPARE(splitter.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(&splitter, onBar(splitter));
    QCOMPARE(splitter.cursor().shape(), Qt::SplitVCursor);
}

void TestHotZoneSplitter::barIsPaintedInItsOwnColour()
{
    HotZoneSplitter &splitter = *m_column->splitter;
    const QImage image = splitter.grab().toImage();
    QCOMPARE(QColor(image.pixel(onBar(splitter))), QColor(0x87, 0xCE, 0xEB));

    splitter.setColor(QColor(0x20, 0x40, 0x60));
    QCOMPARE(QColor(splitter.grab().toImage().pixel(onBar(splitter))), QColor(0x20, 0x40, 0x60));
}

QTEST_MAIN(TestHotZoneSplitter)
#include "tst_hotzonesplitter.moc"
