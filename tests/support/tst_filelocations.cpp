// SPDX-License-Identifier: MIT
#include "support/filelocations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileLocations : public QObject {
    Q_OBJECT

private slots:
    void withExtension_data();
    void withExtension();
    void settingsBesideAWritableExecutable();
    void settingsOfAnInstalledCopyGoToTheConfigFolder();
    void existingSettingsBesideTheExecutableAreUsed();
    void helpFileBesideOrInTheDataFolder();
};

void TestFileLocations::withExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "/opt/k/kestrun" << "/opt/k/kestrun.ini";
    QTest::newRow("extension replaced") << "C:/Kestrun/Kestrun.exe" << "C:/Kestrun/Kestrun.ini";
    QTest::newRow("last dot of the name") << "/a.b/kestrun.2007.bin" << "/a.b/kestrun.2007.ini";
    QTest::newRow("dot in the folder only") << "/a.b/kestrun" << "/a.b/kestrun.ini";
}

void TestFileLocations::withExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(FileLocations::withExtension(path, QStringLiteral(".ini")), expected);
}

void TestFileLocations::settingsBesideAWritableExecutable()
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("kestrun"));
    QCOMPARE(FileLocations::settingsFile(exe, QStringLiteral("/home/u/.config")), dir.filePath(QStringLiteral("kestrun.ini")));
}

void TestFileLocations::settingsOfAnInstalledCopyGoToTheConfigFolder()
{
    // A folder nobody can write into: one that does not exist (root may write anywhere else).
    QCOMPARE(FileLocations::settingsFile(QStringLiteral("/nonexistent-kestrun/bin/kestrun"), QStringLiteral("/home/u/.config")),
             QStringLiteral("/home/u/.config/kestrun/kestrun.ini"));
}

void TestFileLocations::existingSettingsBesideTheExecutableAreUsed()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("kestrun.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(FileLocations::settingsFile(dir.filePath(QStringLiteral("kestrun")), QStringLiteral("/x")), file.fileName());
}

void TestFileLocations::helpFileBesideOrInTheDataFolder()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/kestrun")));
    const QString exe = prefix.filePath(QStringLiteral("bin/kestrun"));
    // Neither exists: the path beside the executable (the viewer says it is missing).
    QCOMPARE(FileLocations::helpFile(exe), prefix.filePath(QStringLiteral("bin/kestrun.chm")));

    QFile installed(prefix.filePath(QStringLiteral("share/kestrun/kestrun.chm")));
    QVERIFY(installed.open(QIODevice::WriteOnly));
    installed.close();
    QCOMPARE(FileLocations::helpFile(exe), installed.fileName());

    QFile beside(prefix.filePath(QStringLiteral("bin/kestrun.chm")));
    QVERIFY(beside.open(QIODevice::WriteOnly));
    beside.close();
    QCOMPARE(FileLocations::helpFile(exe), beside.fileName());
}

QTEST_MAIN(TestFileLocations)
#include "tst_filelocations.moc"
