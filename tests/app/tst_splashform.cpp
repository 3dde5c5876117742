// SPDX-License-Identifier: MIT
#include "app/splashform.h"

#include <QApplication>

#include <cstdlib>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>

class TestSplashForm : public QObject {
    Q_OBJECT

private slots:
    void design();
    void closesAndFreesItselfAfterThreeSeconds();
    void theMainWindowTakesInputMeanwhile();
};

void TestSplashForm::design()
{
    SplashForm splash;
    QCOMPARE(splash.size(), QSize(256, 253));
    const Qt::WindowFlags flags = splash.windowFlags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!splash.isModal());
    QVERIFY(splash.testAttribute(Qt::WA_DeleteOnClose));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint offCentre = splash.geometry().center() - screen.center();
    QVERIFY2(std::abs(offCentre.x()) <= 1 && std::abs(offCentre.y()) <= 1, "centred on the screen");
    QVERIFY(splash.x() >= screen.left() && splash.y() >= screen.top());

    // The picture fills the window; it is not the plain window colour.
    splash.show();
    const QImage shot = splash.grab().toImage();
    QVERIFY(shot.pixelColor(128, 60) != splash.palette().color(QPalette::Window));
}

void TestSplashForm::closesAndFreesItselfAfterThreeSeconds()
{
    QPointer<SplashForm> splash = new SplashForm;
    splash->show();
    QTest::qWait(SplashForm::kDisplayMilliseconds - 500);
    QVERIFY(splash && splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
}

void TestSplashForm::theMainWindowTakesInputMeanwhile()
{
    QPointer<SplashForm> splash = new SplashForm;
    splash->show();
    QMainWindow window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!QApplication::activeModalWidget());
    delete splash;
}

QTEST_MAIN(TestSplashForm)
#include "tst_splashform.moc"
