// SPDX-License-Identifier: MIT
// Replays the fuzzer's seed corpus through the fuzzer's own checks, so that every seed
// keeps passing in the ordinary test run.
#include "fuzz/inicheck.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <exception>

#ifndef KESTRUN_FUZZ_CORPUS
#error "KESTRUN_FUZZ_CORPUS must name the seed corpus folder"
#endif

class TestFuzzCorpus : public QObject {
    Q_OBJECT

private:
    static QStringList seeds()
    {
        return QDir(QStringLiteral(KESTRUN_FUZZ_CORPUS)).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void corpusIsThere()
    {
        QVERIFY2(seeds().size() >= 10, KESTRUN_FUZZ_CORPUS);
    }

    void seed_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(KESTRUN_FUZZ_CORPUS));
        for (const QString &name : seeds())
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }

    void seed()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        try {
            const auto failure = kestrun::inicheck::iniFailure(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            QVERIFY2(!failure, failure ? failure->c_str() : "");
        } catch (const std::exception &e) {
            QFAIL(e.what());
        }
    }
};

QTEST_APPLESS_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
