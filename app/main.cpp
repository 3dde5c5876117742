// SPDX-License-Identifier: MIT
#include "app/splashform.h"
#include "core/regionaldates.h"
#include "support/filelocations.h"
#include "support/helpsystem.h"
#include "support/systemregionalsettings.h"
#include "ui/main/mainform.h"
#include "ui/widgets/errormessagebox.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QPointer>

namespace {

// The computer's local date-time as a day count, to the millisecond.
kestrun::DateTime localNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return kestrun::encodeDate(date.year(), unsigned(date.month()), unsigned(date.day()))
        + kestrun::encodeTime(unsigned(time.hour()), unsigned(time.minute()), unsigned(time.second()),
                              unsigned(time.msec()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // The splash screen comes first and is painted at once, while the main window is built.
    QPointer<SplashForm> splash = new SplashForm;
    splash->show();
    splash->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    QApplication::setApplicationName(QStringLiteral("kestrun"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kestrun"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRUN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrun"));

    // The help file: beside the executable, or in the installation's data folder.
    HelpSystem help(FileLocations::helpFile());

    MainForm *mainWindow = nullptr;
    MainFormEnvironment environment{
        messageBoxErrorHandler([&mainWindow] { return static_cast<QWidget *>(mainWindow); }),
        systemRegionalSettings(),
        FileLocations::settingsFile(),
        localNow,
        &help,
    };
    MainForm window(std::move(environment));
    mainWindow = &window;
    // Closing the main window ends the program, the splash screen included if still up.
    QObject::connect(&window, &MainForm::closed, &app, &QApplication::quit, Qt::QueuedConnection);

    window.show();
    if (splash)
        splash->raise();
    const int result = app.exec();
    delete splash; // still up when the main window closed first
    return result;
}
