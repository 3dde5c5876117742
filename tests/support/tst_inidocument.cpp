// SPDX-License-Identifier: MIT
#include "support/inidocument.h"

#include <QTest>

#include <string>
#include <vector>

namespace {

// The document's structure in a form where every boundary is visible: one line per
// section "[name]" and per key "<name>=<value>".
QByteArray dump(const IniDocument &document)
{
    QByteArray out;
    for (const auto &section : document.sections()) {
        out += '[' + QByteArray::fromStdString(section.name) + "]\n";
        for (const auto &key : section.keys)
            out += '<' + QByteArray::fromStdString(key.name) + ">=<" + QByteArray::fromStdString(key.value) + ">\n";
    }
    return out;
}

IniDocument sample()
{
    return IniDocument::parse("[First]\r\nAlpha=1\r\nalpha=2\r\nEmpty=\r\n[Second]\r\nBeta=x\r\n[FIRST]\r\nGamma=3\r\n");
}

} // namespace

class TestIniDocument : public QObject {
    Q_OBJECT

private slots:
    void parseLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("structure");

        QTest::newRow("empty text") << QByteArray("") << QByteArray("");
        QTest::newRow("section and keys")
            << QByteArray("[S]\r\na=1\r\nb=2\r\n") << QByteArray("[S]\n<a>=<1>\n<b>=<2>\n");
        QTest::newRow("lines before the first section dropped")
            << QByteArray("a=1\r\n; note\r\nloose\r\n[S]\r\nb=2\r\n") << QByteArray("[S]\n<b>=<2>\n");
        QTest::newRow("lines, names and values trimmed")
            << QByteArray("  [ My Section ]  \r\n\t key one \t=  value  two \r\n") << QByteArray("[My Section]\n<key one>=<value  two>\n");
        QTest::newRow("split at the first equals sign")
            << QByteArray("[S]\r\nk = a=b = c\r\n") << QByteArray("[S]\n<k>=<a=b = c>\n");
        QTest::newRow("comment lines skipped, also indented")
            << QByteArray("[S]\r\n;a=1\r\n   ; b=2\r\nc=3;not a comment\r\n") << QByteArray("[S]\n<c>=<3;not a comment>\n");
        QTest::newRow("empty and blank lines skipped")
            << QByteArray("\r\n[S]\r\n\r\n   \r\n\t\r\na=1\r\n\r\n") << QByteArray("[S]\n<a>=<1>\n");
        QTest::newRow("empty value and empty name kept")
            << QByteArray("[S]\r\n=\r\nk=\r\n=v\r\n") << QByteArray("[S]\n<>=<>\n<k>=<>\n<>=<v>\n");
        QTest::newRow("lines without equals sign dropped")
            << QByteArray("[S]\r\njust text\r\nk=v\r\n") << QByteArray("[S]\n<k>=<v>\n");
        QTest::newRow("section with no keys")
            << QByteArray("[A]\r\n[B]\r\nk=v\r\n") << QByteArray("[A]\n[B]\n<k>=<v>\n");
        QTest::newRow("empty section name")
            << QByteArray("[]\r\nk=v\r\n") << QByteArray("[]\n<k>=<v>\n");
        QTest::newRow("brackets inside a section name")
            << QByteArray("[a]b]\r\n[[c]]\r\n") << QByteArray("[a]b]\n[[c]]\n");
        QTest::newRow("bracket line with equals sign opens a section")
            << QByteArray("[S]\r\n[a=b]\r\nk=v\r\n") << QByteArray("[S]\n[a=b]\n<k>=<v>\n");
        QTest::newRow("half-bracketed lines are keys or nothing")
            << QByteArray("[S]\r\n[a=b\r\n[\r\nc]\r\n") << QByteArray("[S]\n<[a>=<b>\n");
        QTest::newRow("LF and lone CR also end lines")
            << QByteArray("[A]\na=1\n[B]\rb=2\rc=3") << QByteArray("[A]\n<a>=<1>\n[B]\n<b>=<2>\n<c>=<3>\n");
        QTest::newRow("duplicate sections and keys kept in file order")
            << QByteArray("[S]\r\nk=1\r\nK=2\r\n[s]\r\nk=3\r\n") << QByteArray("[S]\n<k>=<1>\n<K>=<2>\n[s]\n<k>=<3>\n");
        QTest::newRow("non-ASCII bytes are not blanks")
            << QByteArray("[Caf\xC3\xA9]\r\n\xC2\xA0k=\xC3\xA9\xC2\xA0\r\n") << QByteArray("[Caf\xC3\xA9]\n<\xC2\xA0k>=<\xC3\xA9\xC2\xA0>\n");
    }

    void parseLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, structure);
        QCOMPARE(dump(IniDocument::parse(text.toStdString())), structure);
    }

    void serializeBytes()
    {
        IniDocument document;
        auto &store = document.addSection("EditorRowPipeLength: TcxPropertiesStoreComponent");
        store.add("", "");
        store.add("Properties.Value", "12.5");
        document.addSection("Empty");
        auto &third = document.addSection("Caf\xC3\xA9");
        third.add("Reason", "\"a \"quoted\" word\"");
        third.add("NoValue", "");

        QCOMPARE(QByteArray::fromStdString(document.serialize()),
                 QByteArray("[EditorRowPipeLength: TcxPropertiesStoreComponent]\r\n"
                            "=\r\n"
                            "Properties.Value=12.5\r\n"
                            "\r\n"
                            "[Empty]\r\n"
                            "\r\n"
                            "[Caf\xC3\xA9]\r\n"
                            "Reason=\"a \"quoted\" word\"\r\n"
                            "NoValue=\r\n"
                            "\r\n"));
        QCOMPARE(QByteArray::fromStdString(IniDocument().serialize()), QByteArray());
    }

    void serializeThenParseGivesTheSameDocument()
    {
        const IniDocument original = sample();
        QCOMPARE(dump(IniDocument::parse(original.serialize())), dump(original));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");

        QTest::newRow("exact names") << "Second" << "Beta" << true << "x";
        QTest::newRow("section in other letter case") << "sEcOnD" << "Beta" << true << "x";
        QTest::newRow("key in other letter case") << "Second" << "BETA" << true << "x";
        QTest::newRow("first of duplicate keys wins") << "First" << "ALPHA" << true << "1";
        QTest::newRow("first of duplicate sections wins") << "first" << "Gamma" << false << "";
        QTest::newRow("empty value is present") << "First" << "Empty" << true << "";
        QTest::newRow("missing key") << "First" << "Beta" << false << "";
        QTest::newRow("missing section") << "Third" << "Beta" << false << "";
        QTest::newRow("prefix of a name is not the name") << "Sec" << "Beta" << false << "";
    }

    void lookup()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(bool, found);
        QFETCH(QString, value);

        const auto result = sample().value(section.toStdString(), key.toStdString());
        QCOMPARE(result.has_value(), found);
        if (found)
            QCOMPARE(QString::fromStdString(*result), value);
    }

    void lookupIgnoresOnlyAsciiCase()
    {
        const IniDocument document = IniDocument::parse("[\xC3\xA9t\xC3\xA9]\r\nk=v\r\n");
        QVERIFY(document.findSection("\xC3\xA9T\xC3\xA9") != nullptr);
        QVERIFY(document.findSection("\xC3\x89T\xC3\x89") == nullptr); // É is not é
    }

    void eraseSectionsWithPrefixComparesLetterCase()
    {
        IniDocument document = IniDocument::parse("[MainForm.BarManager.Main]\r\n[Store: x]\r\n"
                                                  "[MainForm.BarManager.Bar0]\r\n[mainform.barmanager.Bar1]\r\n"
                                                  "[MainForm.BarManager]\r\n");
        document.eraseSectionsWithPrefix("MainForm.BarManager.");
        QCOMPARE(dump(document), QByteArray("[Store: x]\n[mainform.barmanager.Bar1]\n[MainForm.BarManager]\n"));
    }

    void addSectionAppendsEvenWhenTheNameExists()
    {
        IniDocument document = sample();
        document.addSection("second").add("Beta", "new");
        QCOMPARE(*document.value("Second", "Beta"), std::string("x"));
        QCOMPARE(document.sections().size(), std::size_t(4));
    }
};

QTEST_APPLESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
