// SPDX-License-Identifier: MIT
#include "support/settingsfile.h"

#include "core/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

const QByteArray kOldContent("[Old]\r\nkept=1\r\n\r\n");

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Kestrun.ini"));
    }

    void cleanup()
    {
        // Leave every folder writable again so that the temporary folder can go.
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        for (const QString &name : entriesOf(m_dir.path())) {
            const QString path = m_dir.filePath(name);
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            if (QFileInfo(path).isDir())
                QDir(path).removeRecursively();
            else
                QFile::remove(path);
        }
    }

    void writeGivesUtf8WithCrLfAndNoByteOrderMark()
    {
        IniDocument document;
        auto &section = document.addSection("EditorRowDelayReason: TcxPropertiesStoreComponent");
        section.add("", "");
        section.add("Properties.Value", "\"Caf\xC3\xA9 \xE2\x82\xAC\"");
        document.addSection("Empty");

        SettingsFile(m_path).write(document);

        QCOMPARE(fileBytes(m_path), QByteArray("[EditorRowDelayReason: TcxPropertiesStoreComponent]\r\n"
                                               "=\r\n"
                                               "Properties.Value=\"Caf\xC3\xA9 \xE2\x82\xAC\"\r\n"
                                               "\r\n"
                                               "[Empty]\r\n"
                                               "\r\n"));
        QVERIFY(SettingsFile(m_path).read() == document);
        QCOMPARE(entriesOf(m_dir.path()), QStringList{QStringLiteral("Kestrun.ini")});
    }

    void writeReplacesTheWholeFile()
    {
        putFile(m_path, QByteArray(4096, 'x'));
        IniDocument document;
        document.addSection("New").add("k", "v");
        SettingsFile(m_path).write(document);
        QCOMPARE(fileBytes(m_path), QByteArray("[New]\r\nk=v\r\n\r\n"));
    }

    void bytesToText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ASCII") << QByteArray("[A]\r\nk=v") << QStringLiteral("[A]\r\nk=v");
        QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QStringLiteral("Café €");
        QTest::newRow("UTF-8 four-byte character") << QByteArray("\xF0\x9F\x94\xA5") << QString::fromUtf8("\xF0\x9F\x94\xA5");
        QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xEF\xBB\xBF[A]") << QStringLiteral("[A]");
        QTest::newRow("Windows-1252 letters and euro") << QByteArray("Caf\xE9 \x80") << QStringLiteral("Café €");
        QTest::newRow("Windows-1252 punctuation")
            << QByteArray("\x85\x91\x92\x93\x94\x96\x97\x99")
            << QString::fromUtf8("\xE2\x80\xA6\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93\xE2\x80\x94\xE2\x84\xA2");
        QTest::newRow("Windows-1252 letters from 0x8A to 0x9F")
            << QByteArray("\x8A\x8C\x8E\x9A\x9C\x9E\x9F\x83\x88\x98")
            << QString::fromUtf8("\xC5\xA0\xC5\x92\xC5\xBD\xC5\xA1\xC5\x93\xC5\xBE\xC5\xB8\xC6\x92\xCB\x86\xCB\x9C");
        QTest::newRow("undefined Windows-1252 bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << QString::fromUtf8("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
        QTest::newRow("Latin-1 range") << QByteArray("\xA0\xC0\xFF") << QString::fromUtf8("\xC2\xA0\xC3\x80\xC3\xBF");
        QTest::newRow("one stray byte makes the whole file Windows-1252")
            << QByteArray("\xC3\xA9 \xE9") << QString::fromUtf8("\xC3\x83\xC2\xA9 \xC3\xA9");
        QTest::newRow("sequence cut off at the end") << QByteArray("a\xC3") << QString::fromUtf8("a\xC3\x83");
        QTest::newRow("overlong form is not UTF-8") << QByteArray("\xC0\xAF") << QString::fromUtf8("\xC3\x80\xC2\xAF");
        QTest::newRow("surrogate is not UTF-8")
            << QByteArray("\xED\xA0\x80") << QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC");
        QTest::newRow("past U+10FFFF is not UTF-8")
            << QByteArray("\xF4\x90\x80\x80") << QString::fromUtf8("\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    }

    void bytesToText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SettingsFile::textFromBytes(bytes.toStdString())), text);
    }

    void readsAFileWrittenInWindows1252()
    {
        putFile(m_path, QByteArray("[EditorRowDelayReason: TcxPropertiesStoreComponent]\r\n=\r\nProperties.Value=\"Caf\xE9 \x80\"\r\n"));
        const auto value = SettingsFile(m_path).read().value("EditorRowDelayReason: TcxPropertiesStoreComponent", "Properties.Value");
        QVERIFY(value);
        QCOMPARE(QString::fromStdString(*value), QStringLiteral("\"Café €\""));
    }

    void missingFileReadsEmpty()
    {
        QVERIFY(SettingsFile(m_path).read().sections().empty());
        QVERIFY(!QFile::exists(m_path));
    }

    void writeFailure_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("read-only file") << "read-only file";
        QTest::newRow("file name taken by a folder") << "folder";
        QTest::newRow("folder path taken by a file") << "blocked folder";
    }

    void writeFailure()
    {
        QFETCH(QString, situation);
        QString path = m_path;
        if (situation == QLatin1String("read-only folder") || situation == QLatin1String("read-only file")) {
            if (runningAsRoot())
                QSKIP("permissions do not stop the superuser");
            putFile(m_path, kOldContent);
            const QString target = situation == QLatin1String("read-only folder") ? m_dir.path() : m_path;
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (situation == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(m_path));
            putFile(m_path + QStringLiteral("/inside.txt"), kOldContent);
        } else {
            putFile(m_dir.filePath(QStringLiteral("blocker")), kOldContent);
            path = m_dir.filePath(QStringLiteral("blocker/Kestrun.ini"));
        }
        const QStringList entriesBefore = entriesOf(m_dir.path());

        IniDocument document;
        document.addSection("New").add("k", "v");
        try {
            SettingsFile(path).write(document);
            QFAIL("writing did not fail");
        } catch (const kestrun::Error &e) {
            const QString message = QString::fromUtf8(e.what());
            const QString prefix = QStringLiteral("Cannot create file \"%1\". ").arg(path);
            QVERIFY2(message.startsWith(prefix) && message.size() > prefix.size(), qPrintable(message));
        }

        QCOMPARE(entriesOf(m_dir.path()), entriesBefore); // no temporary file left behind
        if (situation == QLatin1String("folder"))
            QCOMPARE(fileBytes(m_path + QStringLiteral("/inside.txt")), kOldContent);
        else if (situation == QLatin1String("blocked folder"))
            QCOMPARE(fileBytes(m_dir.filePath(QStringLiteral("blocker"))), kOldContent);
        else
            QCOMPARE(fileBytes(m_path), kOldContent);
    }

    // An installed copy keeps its settings in a folder of the user's that may not exist yet.
    void writeCreatesTheFolder()
    {
        const QString path = m_dir.filePath(QStringLiteral("config/kestrun/kestrun.ini"));
        IniDocument document;
        document.addSection("New").add("k", "v");
        SettingsFile(path).write(document);
        QCOMPARE(fileBytes(path), QByteArray("[New]\r\nk=v\r\n\r\n"));
    }

    void readFailure_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::newRow("file without read permission") << "unreadable";
        QTest::newRow("file name taken by a folder") << "folder";
    }

    void readFailure()
    {
        QFETCH(QString, situation);
        if (situation == QLatin1String("unreadable")) {
            if (runningAsRoot())
                QSKIP("permissions do not stop the superuser");
            putFile(m_path, kOldContent);
            QVERIFY(QFile::setPermissions(m_path, {}));
        } else {
            QVERIFY(QDir().mkpath(m_path));
        }
        try {
            SettingsFile(m_path).read();
            QFAIL("reading did not fail");
        } catch (const kestrun::Error &e) {
            const QString message = QString::fromUtf8(e.what());
            const QString prefix = QStringLiteral("Cannot open file \"%1\". ").arg(m_path);
            QVERIFY2(message.startsWith(prefix) && message.size() > prefix.size(), qPrintable(message));
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
