// SPDX-License-Identifier: MIT
#include "ui/widgets/propertiesstore.h"

#include "core/error.h"
#include "support/inidocument.h"
#include "ui/widgets/datetimevalue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Stand-ins for the components whose properties a window lists: a grid row whose
// Properties sub-object holds the value, the window's bounds, the status bar's visibility.
class FakeRowProperties : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariant Value MEMBER value)
    Q_PROPERTY(int ImageIndex MEMBER imageIndex)
public:
    QVariant value;
    int imageIndex = -1;
};

class FakeRow : public QObject {
    Q_OBJECT
    Q_PROPERTY(FakeRowProperties *Properties READ properties CONSTANT)
public:
    FakeRowProperties *properties() { return &m_properties; }
    QVariant value() const { return m_properties.value; }

private:
    FakeRowProperties m_properties;
};

class FakeWindow : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Height MEMBER height)
    Q_PROPERTY(int Left MEMBER left)
    Q_PROPERTY(int Top MEMBER top)
    Q_PROPERTY(int Width MEMBER width)
public:
    int height = 440, left = 120, top = 80, width = 547;
};

class FakeStatusBar : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible MEMBER visible)
public:
    bool visible = true;
};

// One property of each kind that objectProperty converts for.
class FakeKinds : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Flag MEMBER flag)
    Q_PROPERTY(int Count MEMBER count)
    Q_PROPERTY(double Number MEMBER number)
    Q_PROPERTY(DateTimeValue Moment MEMBER moment)
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(QVariant Any MEMBER any)
    Q_PROPERTY(int Fixed READ fixed)
public:
    bool flag = false;
    int count = 3;
    double number = 1.5;
    DateTimeValue moment{38718};
    QString text = QStringLiteral("design");
    QVariant any = QStringLiteral("design");
    int fixed() const { return 9; }
};

namespace {

// A value with its kind, since QVariant compares 5 and 5.0 as equal.
QString describe(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("no value");
    if (value.metaType() == QMetaType::fromType<DateTimeValue>())
        return QStringLiteral("DateTimeValue %1").arg(value.value<DateTimeValue>().days, 0, 'g', 17);
    if (value.metaType().id() == QMetaType::Double)
        return QStringLiteral("double %1").arg(value.toDouble(), 0, 'g', 17);
    return QStringLiteral("%1 <%2>").arg(QString::fromLatin1(value.typeName()), value.toString());
}

QVariant dateTime(double days)
{
    return QVariant::fromValue(DateTimeValue{days});
}

const QString kSection = QStringLiteral(": TcxPropertiesStoreComponent");

} // namespace

class TestPropertiesStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Kestrun.ini"));
        QFile::remove(m_path);
        m_baselineTime.properties()->value = dateTime(0.375);
        m_beadingTime.properties()->value = 5.0;
        m_delayReason.properties()->value = QStringLiteral("the \"big\" bend");
        m_forwardFlop.properties()->value = QVariant(); // a row without a value
        m_pipeLength.properties()->value = 12.5;
        m_targetDate.properties()->imageIndex = -1;
        m_window = std::make_unique<FakeWindow>();
        m_statusBar.visible = false;
        m_tag = 5;
        m_store = makeStore(kestrun::RegionalSettings::englishUnitedStates());
    }

    void storeWritesOneSectionPerEntryInListOrder()
    {
        m_store->StoreProperties(true);
        QCOMPARE(fileText(),
                 QByteArray("[EditorRowBaselineTime: TcxPropertiesStoreComponent]\r\n=\r\nProperties.Value=12/30/1899 9:00:00 AM\r\n\r\n"
                            "[EditorRowBeadingTime: TcxPropertiesStoreComponent]\r\n=\r\nProperties.Value=5\r\n\r\n"
                            "[EditorRowDelayReason: TcxPropertiesStoreComponent]\r\n=\r\nProperties.Value=\"the \"big\" bend\"\r\n\r\n"
                            "[EditorRowForwardFlop: TcxPropertiesStoreComponent]\r\n=\r\n\r\n"
                            "[EditorRowPipeLength: TcxPropertiesStoreComponent]\r\n=\r\nProperties.Value=12.5\r\n\r\n"
                            "[EditorRowTargetDate: TcxPropertiesStoreComponent]\r\n=\r\nProperties.ImageIndex=-1\r\n\r\n"
                            "[MainForm: TcxPropertiesStoreComponent]\r\n=\r\nHeight=440\r\nLeft=120\r\nTop=80\r\nWidth=547\r\n\r\n"
                            "[PredictionMenu: TcxPropertiesStoreComponent]\r\n=\r\nTag=5\r\n\r\n"
                            "[StatusBar: TcxPropertiesStoreComponent]\r\n=\r\nVisible=\"False\"\r\n\r\n"));
    }

    void restoreBringsBackWhatWasStored()
    {
        m_store->StoreProperties(true);
        m_baselineTime.properties()->value = dateTime(0.5);
        m_beadingTime.properties()->value = 7.0;
        m_delayReason.properties()->value = QStringLiteral("other");
        m_forwardFlop.properties()->value = 2.0;
        m_pipeLength.properties()->value = 1.0;
        m_targetDate.properties()->imageIndex = 3;
        m_window->height = 1;
        m_window->left = 2;
        m_window->top = 3;
        m_window->width = 4;
        m_statusBar.visible = true;
        m_tag = 0;

        m_store->RestoreProperties();

        QCOMPARE(describe(m_baselineTime.value()), describe(dateTime(0.375)));
        QCOMPARE(describe(m_beadingTime.value()), describe(5)); // a whole number comes back as an integer
        QCOMPARE(describe(m_delayReason.value()), describe(QStringLiteral("the \"big\" bend")));
        QCOMPARE(describe(m_forwardFlop.value()), describe(2.0)); // nothing stored, nothing restored
        QCOMPARE(describe(m_pipeLength.value()), describe(12.5));
        QCOMPARE(m_targetDate.properties()->imageIndex, -1);
        QCOMPARE(m_window->height, 440);
        QCOMPARE(m_window->left, 120);
        QCOMPARE(m_window->top, 80);
        QCOMPARE(m_window->width, 547);
        QCOMPARE(m_statusBar.visible, false);
        QCOMPARE(m_tag, 5);
    }

    void restoreHandEditedFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QVariant>("expected");

        const QByteArray pipe = "[EditorRowPipeLength" + kSection.toUtf8() + "]\r\n=\r\n";
        const QByteArray window = "[MainForm" + kSection.toUtf8() + "]\r\n=\r\n";
        const QByteArray status = "[StatusBar" + kSection.toUtf8() + "]\r\n=\r\n";

        QTest::newRow("number") << pipe + "Properties.Value=7.25\r\n" << "pipe" << QVariant(7.25);
        QTest::newRow("section name in other letter case")
            << QByteArray("[editorrowpipelength: TCXPROPERTIESSTORECOMPONENT]\r\nProperties.Value=7.25\r\n") << "pipe" << QVariant(7.25);
        QTest::newRow("key in other letter case ignored") << pipe + "properties.value=7.25\r\n" << "pipe" << QVariant(12.5);
        QTest::newRow("missing key keeps the design value") << pipe + "Other=7.25\r\n" << "pipe" << QVariant(12.5);
        QTest::newRow("missing section keeps the design value") << window + "Height=300\r\n" << "pipe" << QVariant(12.5);
        QTest::newRow("keys applied in file order") << pipe + "Properties.Value=1\r\nProperties.Value=2\r\n" << "pipe" << QVariant(2);
        QTest::newRow("key without the opening empty key") << window + "Height=300\r\n" << "height" << QVariant(300);
        QTest::newRow("refused value keeps the design value")
            << window + "Height=abc\r\nWidth=600\r\n" << "height" << QVariant(440);
        QTest::newRow("key after a refused value restored")
            << window + "Height=abc\r\nWidth=600\r\n" << "width" << QVariant(600);
        QTest::newRow("entry after a refused value restored")
            << window + "Height=12.5\r\n" + status + "Visible=\"True\"\r\n" << "visible" << QVariant(true);
        QTest::newRow("True and False taken by name in any letter case") << status + "Visible=\"TRUE\"\r\n" << "visible" << QVariant(true);
        QTest::newRow("unquoted word taken by name") << status + "Visible=True\r\n" << "visible" << QVariant(true);
        QTest::newRow("other word refused") << status + "Visible=\"Yes\"\r\n" << "visible" << QVariant(false);
        QTest::newRow("integer refused by a boolean") << status + "Visible=1\r\n" << "visible" << QVariant(false);
        QTest::newRow("hexadecimal integer") << window + "Height=$1F4\r\n" << "height" << QVariant(500);
        QTest::newRow("regional date") << pipe + "Properties.Value=1/2/2006\r\n" << "pipe" << dateTime(38719);
        QTest::newRow("unreadable text handed on as text") << pipe + "Properties.Value=12,5\r\n" << "pipe" << QVariant(QStringLiteral("12,5"));
        QTest::newRow("Windows-1252 text") << pipe + "Properties.Value=\"Caf\xE9\"\r\n" << "pipe" << QVariant(QStringLiteral("Café"));
    }

    void restoreHandEditedFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, probe);
        QFETCH(QVariant, expected);
        m_statusBar.visible = false;
        writeFile(file);

        m_store->RestoreProperties();

        const QVariant actual = probe == QLatin1String("pipe")     ? m_pipeLength.value()
                                : probe == QLatin1String("height") ? QVariant(m_window->height)
                                : probe == QLatin1String("width")  ? QVariant(m_window->width)
                                                                   : QVariant(m_statusBar.visible);
        QCOMPARE(describe(actual), describe(expected));
    }

    void restoreWithoutFileKeepsEverything()
    {
        m_store->RestoreProperties();
        QCOMPARE(describe(m_pipeLength.value()), describe(12.5));
        QCOMPARE(m_window->height, 440);
        QVERIFY(!QFile::exists(m_path));
    }

    void recreateDropsForeignSections()
    {
        writeFile("[Foreign]\r\nx=1\r\n\r\n[EditorRowPipeLength" + kSection.toUtf8() + "]\r\n=\r\nStale=1\r\n\r\n");
        m_store->StoreProperties(true);
        const IniDocument document = IniDocument::parse(fileText().toStdString());
        QVERIFY(document.findSection("Foreign") == nullptr);
        QCOMPARE(document.sections().size(), std::size_t(9));
        QVERIFY(!document.value("EditorRowPipeLength: TcxPropertiesStoreComponent", "Stale"));
    }

    void storeWithoutRecreateKeepsOtherSections()
    {
        writeFile("[Foreign]\r\nx=1\r\n\r\n[editorrowpipelength" + kSection.toUtf8() + "]\r\n=\r\nStale=1\r\n\r\n");
        m_store->StoreProperties(false);
        const IniDocument document = IniDocument::parse(fileText().toStdString());
        QStringList names;
        for (const auto &section : document.sections())
            names << QString::fromStdString(section.name).section(QLatin1Char(':'), 0, 0);
        QCOMPARE(names, QStringList({"Foreign", "EditorRowPipeLength", "EditorRowBaselineTime", "EditorRowBeadingTime",
                                     "EditorRowDelayReason", "EditorRowForwardFlop", "EditorRowTargetDate", "MainForm",
                                     "PredictionMenu", "StatusBar"}));
        QCOMPARE(*document.value("Foreign", "x"), std::string("1"));
        QVERIFY(!document.value("EditorRowPipeLength: TcxPropertiesStoreComponent", "Stale"));
        QCOMPARE(*document.value("EditorRowPipeLength: TcxPropertiesStoreComponent", "Properties.Value"), std::string("12.5"));
    }

    void decimalCommaNumberComesBackAsText()
    {
        kestrun::RegionalSettings comma = kestrun::RegionalSettings::englishUnitedStates();
        comma.decimalSeparator = ',';
        m_store = makeStore(comma);
        m_store->StoreProperties(true);
        QVERIFY(fileText().contains("Properties.Value=12,5\r\n"));
        m_store->RestoreProperties();
        QCOMPARE(describe(m_pipeLength.value()), describe(QStringLiteral("12,5")));
    }

    void fileErrorsReachTheCaller()
    {
        QVERIFY(QDir().mkpath(m_path)); // a folder where the file should be
        try {
            m_store->StoreProperties(true);
            QFAIL("storing did not fail");
        } catch (const kestrun::Error &e) {
            QVERIFY2(QString::fromUtf8(e.what()).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(m_path)), e.what());
        }
        try {
            m_store->RestoreProperties();
            QFAIL("restoring did not fail");
        } catch (const kestrun::Error &e) {
            QVERIFY2(QString::fromUtf8(e.what()).startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(m_path)), e.what());
        }
        QVERIFY(QDir(m_path).removeRecursively());
    }

    void objectPropertyConverts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QVariant>("after");

        QTest::newRow("bool from True") << "Flag" << QVariant(QStringLiteral("True")) << true << QVariant(true);
        QTest::newRow("bool from lower-case true") << "Flag" << QVariant(QStringLiteral("true")) << true << QVariant(true);
        QTest::newRow("bool refuses another word") << "Flag" << QVariant(QStringLiteral("Yes")) << false << QVariant(false);
        QTest::newRow("bool refuses an integer") << "Flag" << QVariant(1) << false << QVariant(false);
        QTest::newRow("int from integer") << "Count" << QVariant(-7) << true << QVariant(-7);
        QTest::newRow("int refuses a number") << "Count" << QVariant(7.5) << false << QVariant(3);
        QTest::newRow("int refuses digits as text") << "Count" << QVariant(QStringLiteral("7")) << false << QVariant(3);
        QTest::newRow("double from integer") << "Number" << QVariant(5) << true << QVariant(5.0);
        QTest::newRow("double from date-time") << "Number" << dateTime(0.375) << true << QVariant(0.375);
        QTest::newRow("double refuses text") << "Number" << QVariant(QStringLiteral("12,5")) << false << QVariant(1.5);
        QTest::newRow("date-time from number") << "Moment" << QVariant(38719.5) << true << dateTime(38719.5);
        QTest::newRow("date-time refuses text") << "Moment" << QVariant(QStringLiteral("x")) << false << dateTime(38718);
        QTest::newRow("text from integer") << "Text" << QVariant(5) << true << QVariant(QStringLiteral("5"));
        QTest::newRow("text refuses a number") << "Text" << QVariant(0.5) << false << QVariant(QStringLiteral("design"));
        QTest::newRow("QVariant takes any kind") << "Any" << dateTime(2) << true << dateTime(2);
        QTest::newRow("read-only property") << "Fixed" << QVariant(1) << false << QVariant(9);
        QTest::newRow("missing property") << "Missing" << QVariant(1) << false << QVariant();
        QTest::newRow("missing sub-object") << "Missing.Count" << QVariant(1) << false << QVariant();
        QTest::newRow("path into a plain value") << "Count.Value" << QVariant(1) << false << QVariant();
    }

    void objectPropertyConverts()
    {
        QFETCH(QString, path);
        QFETCH(QVariant, value);
        QFETCH(bool, taken);
        QFETCH(QVariant, after);
        FakeKinds kinds;
        const auto property = PropertiesStore::objectProperty(&kinds, path);
        QCOMPARE(property.write(value), taken);
        QCOMPARE(describe(property.read()), describe(after));
    }

    void objectPropertyOfADestroyedObjectIsEmpty()
    {
        auto kinds = std::make_unique<FakeKinds>();
        const auto property = PropertiesStore::objectProperty(kinds.get(), QStringLiteral("Count"));
        kinds.reset();
        QVERIFY(!property.read().isValid());
        QVERIFY(!property.write(1));
    }

private:
    std::unique_ptr<PropertiesStore> makeStore(const kestrun::RegionalSettings &settings)
    {
        auto store = std::make_unique<PropertiesStore>(settings);
        store->setStorageName(m_path);
        const auto rowValue = [](FakeRow &row) { return PropertiesStore::objectProperty(&row, QStringLiteral("Properties.Value")); };
        const auto window = [this](const char *name) { return PropertiesStore::objectProperty(m_window.get(), QString::fromLatin1(name)); };
        PropertiesStore::Property tag{QStringLiteral("Tag"), [this] { return QVariant(m_tag); },
                                      [this](const QVariant &value) {
                                          if (value.metaType().id() != QMetaType::Int)
                                              return false;
                                          m_tag = value.toInt();
                                          return true;
                                      }};
        store->setComponents({
            {QStringLiteral("EditorRowBaselineTime"), {rowValue(m_baselineTime)}},
            {QStringLiteral("EditorRowBeadingTime"), {rowValue(m_beadingTime)}},
            {QStringLiteral("EditorRowDelayReason"), {rowValue(m_delayReason)}},
            {QStringLiteral("EditorRowForwardFlop"), {rowValue(m_forwardFlop)}},
            {QStringLiteral("EditorRowPipeLength"), {rowValue(m_pipeLength)}},
            {QStringLiteral("EditorRowTargetDate"), {PropertiesStore::objectProperty(&m_targetDate, QStringLiteral("Properties.ImageIndex"))}},
            {QStringLiteral("MainForm"), {window("Height"), window("Left"), window("Top"), window("Width")}},
            {QStringLiteral("PredictionMenu"), {tag}},
            {QStringLiteral("StatusBar"), {PropertiesStore::objectProperty(&m_statusBar, QStringLiteral("Visible"))}},
        });
        return store;
    }

    void writeFile(const QByteArray &bytes)
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray fileText() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    QString m_path;
    FakeRow m_baselineTime, m_beadingTime, m_delayReason, m_forwardFlop, m_pipeLength, m_targetDate;
    std::unique_ptr<FakeWindow> m_window;
    FakeStatusBar m_statusBar;
    int m_tag = 0;
    std::unique_ptr<PropertiesStore> m_store;
};

QTEST_GUILESS_MAIN(TestPropertiesStore)
#include "tst_propertiesstore.moc"
