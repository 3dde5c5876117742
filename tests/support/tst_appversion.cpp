// SPDX-License-Identifier: MIT
#include "support/appversion.h"

#include <QTest>

class TestAppVersion : public QObject {
    Q_OBJECT

private slots:
    void formatsFourParts_data();
    void formatsFourParts();
    void formatsPackedFileVersion_data();
    void formatsPackedFileVersion();
    void parsesProjectVersion_data();
    void parsesProjectVersion();
    void runningProgramCarriesItsFileVersion();
};

void TestAppVersion::formatsFourParts_data()
{
    QTest::addColumn<quint16>("major");
    QTest::addColumn<quint16>("minor");
    QTest::addColumn<quint16>("release");
    QTest::addColumn<quint16>("build");
    QTest::addColumn<QString>("expected");

    QTest::newRow("program version") << quint16(2007) << quint16(7) << quint16(15) << quint16(1)
                                     << QStringLiteral("2007.7.15.1");
    QTest::newRow("one with zeros") << quint16(1) << quint16(0) << quint16(0) << quint16(0)
                                    << QStringLiteral("1.0.0.0");
    QTest::newRow("all zero") << quint16(0) << quint16(0) << quint16(0) << quint16(0) << QStringLiteral("0.0.0.0");
    QTest::newRow("largest parts stay unsigned")
        << quint16(65535) << quint16(65535) << quint16(65535) << quint16(65535)
        << QStringLiteral("65535.65535.65535.65535");
    QTest::newRow("no leading zeros, order kept") << quint16(10) << quint16(200) << quint16(3000) << quint16(40000)
                                                  << QStringLiteral("10.200.3000.40000");
}

void TestAppVersion::formatsFourParts()
{
    QFETCH(quint16, major);
    QFETCH(quint16, minor);
    QFETCH(quint16, release);
    QFETCH(quint16, build);
    QFETCH(QString, expected);
    QCOMPARE(formatFileVersion(major, minor, release, build), expected);
}

void TestAppVersion::formatsPackedFileVersion_data()
{
    QTest::addColumn<quint64>("fileVersion");
    QTest::addColumn<QString>("expected");

    // Most significant half 0x07D70007 (2007, 7), least significant 0x000F0001 (15, 1).
    QTest::newRow("program version") << Q_UINT64_C(0x07D70007000F0001) << QStringLiteral("2007.7.15.1");
    QTest::newRow("halves and words in order") << Q_UINT64_C(0x0001000200030004) << QStringLiteral("1.2.3.4");
    QTest::newRow("all bits set") << Q_UINT64_C(0xFFFFFFFFFFFFFFFF) << QStringLiteral("65535.65535.65535.65535");
    QTest::newRow("only the top word") << Q_UINT64_C(0xFFFF000000000000) << QStringLiteral("65535.0.0.0");
    QTest::newRow("only the bottom word") << Q_UINT64_C(0x000000000000FFFF) << QStringLiteral("0.0.0.65535");
    QTest::newRow("zero") << Q_UINT64_C(0) << QStringLiteral("0.0.0.0");
}

void TestAppVersion::formatsPackedFileVersion()
{
    QFETCH(quint64, fileVersion);
    QFETCH(QString, expected);
    QCOMPARE(formatFileVersion(fileVersion), expected);
}

void TestAppVersion::parsesProjectVersion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("project version") << QStringLiteral("2007.7.15.1") << true << QStringLiteral("2007.7.15.1");
    QTest::newRow("leading zeros dropped") << QStringLiteral("01.002.0.0") << true << QStringLiteral("1.2.0.0");
    QTest::newRow("largest parts") << QStringLiteral("65535.65535.65535.65535") << true
                                   << QStringLiteral("65535.65535.65535.65535");
    QTest::newRow("part too large") << QStringLiteral("65536.0.0.0") << false << QString();
    QTest::newRow("three parts") << QStringLiteral("2007.7.15") << false << QString();
    QTest::newRow("five parts") << QStringLiteral("1.2.3.4.5") << false << QString();
    QTest::newRow("empty part") << QStringLiteral("1..3.4") << false << QString();
    QTest::newRow("trailing dot") << QStringLiteral("1.2.3.") << false << QString();
    QTest::newRow("sign") << QStringLiteral("-1.2.3.4") << false << QString();
    QTest::newRow("empty") << QString() << false << QString();
}

void TestAppVersion::parsesProjectVersion()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, formatted);

    const QByteArray bytes = text.toLatin1();
    const auto parts = parseFileVersion(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QCOMPARE(parts.has_value(), valid);
    if (parts)
        QCOMPARE(formatFileVersion((*parts)[0], (*parts)[1], (*parts)[2], (*parts)[3]), formatted);
}

void TestAppVersion::runningProgramCarriesItsFileVersion()
{
    QCOMPARE(GetAppVersion(), QStringLiteral("2007.7.15.1"));
}

QTEST_GUILESS_MAIN(TestAppVersion)
#include "tst_appversion.moc"
