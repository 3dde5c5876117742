// SPDX-License-Identifier: MIT
#include "support/chmfile.h"
#include "support/chmtextbrowser.h"
#include "support/helpsitemap.h"
#include "support/helpsystem.h"
#include "support/helpviewer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A small help project: a default topic that is not the first contents entry, a topic in
// a subfolder with relative links and an image, a heading without a topic, and two
// context numbers.
const char kProject[] =
    "[OPTIONS]\n"
    "Compatibility=1.1 or later\n"
    "Compiled file=sample.chm\n"
    "Contents file=toc.hhc\n"
    "Default topic=third.html\n"
    "Display compile progress=No\n"
    "Title=Sample Help\n"
    "\n"
    "[FILES]\n"
    "start.html\n"
    "guide/second.html\n"
    "third.html\n"
    "pic.png\n"
    "\n"
    "[ALIAS]\n"
    "IDH_SECOND=guide/second.html\n"
    "IDH_THIRD=third.html\n"
    "\n"
    "[MAP]\n"
    "#define IDH_SECOND 7\n"
    "#define IDH_THIRD 42\n";

// The same files without a default topic.
const char kProjectWithoutDefault[] =
    "[OPTIONS]\n"
    "Compiled file=nodefault.chm\n"
    "Contents file=toc.hhc\n"
    "Title=Sample Help\n"
    "\n"
    "[FILES]\n"
    "start.html\n"
    "guide/second.html\n"
    "third.html\n"
    "pic.png\n";

const char kContents[] =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n"
    "<HTML><BODY>\n"
    "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT>\n"
    "<UL>\n"
    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Start\"><param name=\"Local\" value=\"start.html\"></OBJECT>\n"
    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Guide\"></OBJECT>\n"
    "<UL>\n"
    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Second page\"><param name=\"Local\" value=\"guide/second.html\"></OBJECT>\n"
    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Third &amp; last\"><param name=\"Local\" value=\"third.html\"></OBJECT>\n"
    "</UL>\n"
    "</UL>\n"
    "</BODY></HTML>\n";

const char kStart[] =
    "<html><head><title>Start</title></head><body>\n"
    "<h1>Start topic</h1>\n"
    "<p><a href=\"guide/second.html\">Go to the second page</a></p>\n"
    "<p><a href=\"http://www.kestrun.example/\">Visit the web page</a></p>\n"
    "<p><a href=\"ms-its:sample.chm::/third.html\">Open the third page</a></p>\n"
    "<p><a href=\"#end\">Jump to the end</a></p>\n"
    "<p><a name=\"end\">The end</a></p>\n"
    "</body></html>\n";

const char kSecond[] =
    "<html><head><title>Second</title></head><body>\n"
    "<h1>Second topic</h1>\n"
    "<p><img src=\"../pic.png\" width=\"8\" height=\"8\"></p>\n"
    "<p><a href=\"../start.html\">Back to the start</a></p>\n"
    "</body></html>\n";

const char kThird[] =
    "<html><head><title>Third</title></head><body>\n"
    "<h1>Third topic</h1>\n"
    "</body></html>\n";

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Compiles a project with chmcmd; returns the compiled file's path, empty on failure.
QString compileHelp(const QString &chmcmd, const QString &project, const QString &outputDir, const QString &name)
{
    QProcess process;
    process.setWorkingDirectory(outputDir);
    process.start(chmcmd, {project});
    if (!process.waitForFinished(60000))
        return {};
    const QString compiled = QDir(outputDir).filePath(name);
    return QFileInfo::exists(compiled) ? compiled : QString();
}

// The contents tree as indented "caption" lines, two blanks per level.
QStringList treeLines(const QTreeWidgetItem *item, int depth = 0)
{
    QStringList lines;
    for (int i = 0; i < item->childCount(); ++i) {
        lines.append(QString(depth * 2, u' ') + item->child(i)->text(0));
        lines.append(treeLines(item->child(i), depth + 1));
    }
    return lines;
}

// The sitemap as indented "name=local" lines, two blanks per level.
QStringList sitemapLines(const std::vector<HelpSitemapEntry> &entries, int depth = 0)
{
    QStringList lines;
    for (const HelpSitemapEntry &entry : entries) {
        lines.append(QString(depth * 2, u' ') + entry.name + u'=' + entry.local);
        lines.append(sitemapLines(entry.children, depth + 1));
    }
    return lines;
}

// Every link of the document shown, as written in the topic.
QStringList linksOf(const QTextDocument *document)
{
    QStringList links;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty() && !links.contains(format.anchorHref()))
                links.append(format.anchorHref());
        }
    }
    return links;
}

QTreeWidgetItem *findEntry(QTreeWidget *tree, const QString &caption)
{
    const auto items = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

// Clicks the link with the given text in the topic shown, as the user would.
bool clickLink(ChmTextBrowser *browser, const QString &text)
{
    const QTextCursor found = browser->document()->find(text);
    if (found.isNull())
        return false;
    QTextCursor inside = found;
    inside.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    return true;
}

void clickToolButton(HelpViewer *viewer, QAction *action)
{
    auto *bar = viewer->findChild<QToolBar *>(QStringLiteral("HelpToolBar"));
    QWidget *button = bar ? bar->widgetForAction(action) : nullptr;
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void sitemapReadsNestedEntries_data();
    void sitemapReadsNestedEntries();
    void objectPathOfReference_data();
    void objectPathOfReference();

    void contentsTreeFollowsTheSitemap();
    void contentsCallShowsTreeAndDefaultTopic();
    void defaultTopicComesFromTheSystemData();
    void defaultTopicFallsBackToFirstContentsEntry();
    void contextNumberOpensItsTopic_data();
    void contextNumberOpensItsTopic();
    void linkIsFollowedAndImagesLoad();
    void backAndForwardRetraceTheTopics();
    void linksStayInTheFileOrGoToTheDesktop_data();
    void linksStayInTheFileOrGoToTheDesktop();
    void arrowKeysInContentsShowTopics();
    void unreadableFileIsShownPlainly_data();
    void unreadableFileIsShownPlainly();
    void secondRequestReusesTheWindow();
    void usersGuideContentsAndLinksResolve();

private:
    bool m_compiled = false;
    QTemporaryDir m_dir;
    QString m_sample;
    QString m_sampleWithoutDefault;
    QString m_chmcmd;
};

#define REQUIRE_COMPILED_HELP()                                                                       \
    do {                                                                                              \
        if (!m_compiled)                                                                              \
            QSKIP("chmcmd (package fp-utils) is needed to compile the sample help file");             \
    } while (false)

void TestHelpViewer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_chmcmd = QStandardPaths::findExecutable(QStringLiteral("chmcmd"));
    if (m_chmcmd.isEmpty())
        return;
    const QDir source(m_dir.filePath(QStringLiteral("source")));
    QVERIFY(writeFile(source.filePath(QStringLiteral("sample.hhp")), kProject));
    QVERIFY(writeFile(source.filePath(QStringLiteral("nodefault.hhp")), kProjectWithoutDefault));
    QVERIFY(writeFile(source.filePath(QStringLiteral("toc.hhc")), kContents));
    QVERIFY(writeFile(source.filePath(QStringLiteral("start.html")), kStart));
    QVERIFY(writeFile(source.filePath(QStringLiteral("guide/second.html")), kSecond));
    QVERIFY(writeFile(source.filePath(QStringLiteral("third.html")), kThird));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(source.filePath(QStringLiteral("pic.png"))));

    const QString output = m_dir.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(output));
    m_sample = compileHelp(m_chmcmd, source.filePath(QStringLiteral("sample.hhp")), output, QStringLiteral("sample.chm"));
    m_sampleWithoutDefault = compileHelp(m_chmcmd, source.filePath(QStringLiteral("nodefault.hhp")), output,
                                         QStringLiteral("nodefault.chm"));
    QVERIFY2(!m_sample.isEmpty() && !m_sampleWithoutDefault.isEmpty(), "chmcmd wrote no help file");
    m_compiled = true;
}

void TestHelpViewer::cleanup()
{
    QVERIFY2(!QApplication::activeModalWidget(), "a modal dialog was left open");
}

void TestHelpViewer::sitemapReadsNestedEntries_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nested lists") << QString::fromLatin1(kContents)
                                  << QStringList{QStringLiteral("Start=start.html"), QStringLiteral("Guide="),
                                                 QStringLiteral("  Second page=guide/second.html"),
                                                 QStringLiteral("  Third & last=third.html")};
    QTest::newRow("lower case, single and bare quotes")
        << QStringLiteral("<ul><li><object type='text/sitemap'><param name=name value='A b'>"
                          "<param name=local value=a.html></object></ul>")
        << QStringList{QStringLiteral("A b=a.html")};
    QTest::newRow("two levels down and back")
        << QStringLiteral("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"1\"></OBJECT>"
                          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"1.1\"></OBJECT>"
                          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"1.1.1\"></OBJECT>"
                          "</UL></UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"2\"></OBJECT></UL>")
        << QStringList{QStringLiteral("1="), QStringLiteral("  1.1="), QStringLiteral("    1.1.1="),
                       QStringLiteral("2=")};
    QTest::newRow("first Name and Local win, other params ignored")
        << QStringLiteral("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"One\">"
                          "<param name=\"ImageNumber\" value=\"11\"><param name=\"Name\" value=\"Two\">"
                          "<param name=\"Local\" value=\"one.html#part\"><param name=\"Local\" value=\"two.html\">"
                          "</OBJECT></UL>")
        << QStringList{QStringLiteral("One=one.html#part")};
    QTest::newRow("entry without a name takes its topic")
        << QStringLiteral("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"x.html\"></OBJECT></UL>")
        << QStringList{QStringLiteral("x.html=x.html")};
    QTest::newRow("comments and other objects skipped")
        << QStringLiteral("<!-- <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"hidden\"></OBJECT> -->"
                          "<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"props\"></OBJECT>"
                          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"&lt;b&gt; &#38; &#x41;\">"
                          "</OBJECT></UL>")
        << QStringList{QStringLiteral("<b> & A=")};
    QTest::newRow("list straight inside a list") << QStringLiteral(
        "<UL><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a\"></OBJECT></UL></UL>")
                                                 << QStringList{QStringLiteral("a=")};
    QTest::newRow("unclosed lists keep their entries")
        << QStringLiteral("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a\"></OBJECT>"
                          "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"b\"></OBJECT>")
        << QStringList{QStringLiteral("a="), QStringLiteral("  b=")};
    QTest::newRow("empty") << QString() << QStringList();
}

void TestHelpViewer::sitemapReadsNestedEntries()
{
    QFETCH(QString, html);
    QFETCH(QStringList, expected);
    QCOMPARE(sitemapLines(parseHelpSitemap(html)), expected);
}

void TestHelpViewer::objectPathOfReference_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("expected");

    QTest::newRow("relative") << QStringLiteral("report.html") << QStringLiteral("/report.html");
    QTest::newRow("absolute") << QStringLiteral("/report.html") << QStringLiteral("/report.html");
    QTest::newRow("fragment dropped") << QStringLiteral("report.html#add") << QStringLiteral("/report.html");
    QTest::newRow("query dropped") << QStringLiteral("/a.html?x=1") << QStringLiteral("/a.html");
    QTest::newRow("backslashes") << QStringLiteral("guide\\second.html") << QStringLiteral("/guide/second.html");
    QTest::newRow("ms-its prefix") << QStringLiteral("ms-its:kestrun.chm::/guide/second.html")
                                   << QStringLiteral("/guide/second.html");
    QTest::newRow("MSITStore prefix") << QStringLiteral("mk:@MSITStore:C:\\x\\kestrun.chm::/a.html#b")
                                      << QStringLiteral("/a.html");
}

void TestHelpViewer::objectPathOfReference()
{
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    QCOMPARE(ChmFile::objectPathOf(reference), expected);
}

void TestHelpViewer::contentsTreeFollowsTheSitemap()
{
    REQUIRE_COMPILED_HELP();
    HelpViewer viewer;
    QVERIFY(viewer.openHelpFile(m_sample));
    QCOMPARE(treeLines(viewer.contentsTree()->invisibleRootItem()),
             (QStringList{QStringLiteral("Start"), QStringLiteral("Guide"), QStringLiteral("  Second page"),
                          QStringLiteral("  Third & last")}));
    QVERIFY(viewer.message().isEmpty());
}

void TestHelpViewer::contentsCallShowsTreeAndDefaultTopic()
{
    REQUIRE_COMPILED_HELP();
    HelpSystem help(m_sample);
    help.showContents();
    HelpViewer *viewer = help.viewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->contentsTree()->isVisible());
    QCOMPARE(viewer->currentTopic(), QStringLiteral("/third.html"));
    QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Third topic")));
    QVERIFY(viewer->contentsTree()->currentItem());
    QCOMPARE(viewer->contentsTree()->currentItem()->text(0), QStringLiteral("Third & last"));

    // A second contents call keeps the topic the user went to.
    viewer->showTopic(QStringLiteral("start.html"));
    help.showContents();
    QCOMPARE(viewer->currentTopic(), QStringLiteral("/start.html"));
}

void TestHelpViewer::defaultTopicComesFromTheSystemData()
{
    REQUIRE_COMPILED_HELP();
    HelpSystem help(m_sample);
    help.showContext(7);
    QCOMPARE(help.viewer()->currentTopic(), QStringLiteral("/guide/second.html"));
    // The default-topic call moves away from the topic shown.
    help.showDefaultTopic();
    QCOMPARE(help.viewer()->currentTopic(), QStringLiteral("/third.html"));
    QCOMPARE(help.viewer()->windowTitle(), QStringLiteral("Kestrun Help"));
}

void TestHelpViewer::defaultTopicFallsBackToFirstContentsEntry()
{
    REQUIRE_COMPILED_HELP();
    HelpSystem help(m_sampleWithoutDefault);
    help.showDefaultTopic();
    QCOMPARE(help.viewer()->currentTopic(), QStringLiteral("/start.html"));
}

void TestHelpViewer::contextNumberOpensItsTopic_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("message");

    QTest::newRow("topic in a subfolder") << 7 << QStringLiteral("/guide/second.html") << QString();
    QTest::newRow("topic at the top") << 42 << QStringLiteral("/third.html") << QString();
    QTest::newRow("number the file lacks")
        << 99 << QString() << QStringLiteral("The help file has no topic for context number 99.");
    QTest::newRow("no context") << 0 << QString() << QStringLiteral("The help file has no topic for context number 0.");
    QTest::newRow("negative") << -1 << QString() << QStringLiteral("The help file has no topic for context number -1.");
}

void TestHelpViewer::contextNumberOpensItsTopic()
{
    REQUIRE_COMPILED_HELP();
    QFETCH(int, context);
    QFETCH(QString, topic);
    QFETCH(QString, message);

    HelpSystem help(m_sample);
    help.showContext(context);
    QCOMPARE(help.viewer()->currentTopic(), topic);
    QCOMPARE(help.viewer()->message(), message);
}

void TestHelpViewer::linkIsFollowedAndImagesLoad()
{
    REQUIRE_COMPILED_HELP();
    HelpViewer viewer;
    viewer.openHelpFile(m_sample);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QVERIFY(viewer.showTopic(QStringLiteral("start.html")));

    QVERIFY(clickLink(viewer.browser(), QStringLiteral("Go to the second page")));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/guide/second.html"));
    QVERIFY(viewer.browser()->toPlainText().contains(QStringLiteral("Second topic")));
    QCOMPARE(viewer.contentsTree()->currentItem()->text(0), QStringLiteral("Second page"));

    // The picture "../pic.png" of the topic in guide/ comes from the file's top folder.
    const QVariant picture =
        viewer.browser()->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("../pic.png")));
    // The document keeps a picture it has drawn as a pixmap.
    QSize pictureSize;
    if (picture.userType() == QMetaType::QPixmap)
        pictureSize = picture.value<QPixmap>().size();
    else if (picture.userType() == QMetaType::QImage)
        pictureSize = picture.value<QImage>().size();
    else
        pictureSize = QImage::fromData(picture.toByteArray()).size();
    QCOMPARE(pictureSize, QSize(8, 8));

    QVERIFY(clickLink(viewer.browser(), QStringLiteral("Back to the start")));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/start.html"));
}

void TestHelpViewer::backAndForwardRetraceTheTopics()
{
    REQUIRE_COMPILED_HELP();
    HelpViewer viewer;
    viewer.openHelpFile(m_sample);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.showTopic(QStringLiteral("start.html"));
    QVERIFY(!viewer.backAction()->isEnabled());
    QVERIFY(clickLink(viewer.browser(), QStringLiteral("Go to the second page")));
    viewer.showContext(42);
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/third.html"));

    clickToolButton(&viewer, viewer.backAction());
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/guide/second.html"));
    QVERIFY(viewer.forwardAction()->isEnabled());
    clickToolButton(&viewer, viewer.backAction());
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/start.html"));
    QVERIFY(!viewer.backAction()->isEnabled());

    clickToolButton(&viewer, viewer.forwardAction());
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/guide/second.html"));
    // Alt+Right, as well as the button.
    viewer.activateWindow();
    QTest::keyClick(viewer.browser(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/third.html"));
    QVERIFY(!viewer.forwardAction()->isEnabled());

    // Back from a message returns to the topic shown before it.
    viewer.showContext(99);
    QVERIFY(!viewer.message().isEmpty());
    clickToolButton(&viewer, viewer.backAction());
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/guide/second.html"));
}

void TestHelpViewer::linksStayInTheFileOrGoToTheDesktop_data()
{
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QList<QUrl>>("opened");

    QTest::newRow("web page") << QStringLiteral("Visit the web page") << QStringLiteral("/start.html")
                              << QList<QUrl>{QUrl(QStringLiteral("http://www.kestrun.example/"))};
    QTest::newRow("link written for the Windows viewer")
        << QStringLiteral("Open the third page") << QStringLiteral("/third.html") << QList<QUrl>();
    QTest::newRow("place in the same topic") << QStringLiteral("Jump to the end") << QStringLiteral("/start.html")
                                             << QList<QUrl>();
}

void TestHelpViewer::linksStayInTheFileOrGoToTheDesktop()
{
    REQUIRE_COMPILED_HELP();
    QFETCH(QString, linkText);
    QFETCH(QString, topic);
    QFETCH(QList<QUrl>, opened);

    HelpViewer viewer;
    QList<QUrl> desktop;
    viewer.setLinkOpener([&desktop](const QUrl &url) {
        desktop.append(url);
        return true;
    });
    viewer.openHelpFile(m_sample);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.showTopic(QStringLiteral("start.html"));
    QVERIFY(clickLink(viewer.browser(), linkText));
    QCOMPARE(desktop, opened);
    QCOMPARE(viewer.currentTopic(), topic);
    QVERIFY(viewer.message().isEmpty());
}

void TestHelpViewer::arrowKeysInContentsShowTopics()
{
    REQUIRE_COMPILED_HELP();
    HelpViewer viewer;
    viewer.openHelpFile(m_sample);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTreeWidget *tree = viewer.contentsTree();
    tree->setFocus();
    tree->setCurrentItem(findEntry(tree, QStringLiteral("Start")));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/start.html"));

    QTest::keyClick(tree, Qt::Key_Down); // the heading "Guide" has no topic of its own
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Guide"));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/start.html"));
    QTest::keyClick(tree, Qt::Key_Right); // unfolds it
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Second page"));
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/guide/second.html"));
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(viewer.currentTopic(), QStringLiteral("/third.html"));
}

void TestHelpViewer::unreadableFileIsShownPlainly_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing file") << QStringLiteral("missing.chm") << QByteArray();
    QTest::newRow("not a help file") << QStringLiteral("garbage.chm") << QByteArray("This is no compiled help file.");
    QTest::newRow("empty file") << QStringLiteral("empty.chm") << QByteArray("");
}

void TestHelpViewer::unreadableFileIsShownPlainly()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);

    const QString path = m_dir.filePath(fileName);
    if (!content.isNull())
        QVERIFY(writeFile(path, content));
    HelpSystem help(path);
    help.showContents();
    HelpViewer *viewer = help.viewer();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->message(),
             QStringLiteral("The help file %1 could not be opened.").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(viewer->contentsTree()->topLevelItemCount(), 0);
    QVERIFY(viewer->currentTopic().isEmpty());
    // The other calls say the same and open no box.
    help.showDefaultTopic();
    help.showContext(42);
    QVERIFY(viewer->message().contains(QStringLiteral("could not be opened")));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestHelpViewer::secondRequestReusesTheWindow()
{
    REQUIRE_COMPILED_HELP();
    const auto viewerCount = [] {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<HelpViewer *>(widget) != nullptr;
        return count;
    };
    QWidget mainWindow;
    mainWindow.show();
    HelpSystem help(m_sample);
    help.showContents();
    HelpViewer *first = help.viewer();
    QVERIFY(first->isWindow());
    QVERIFY(!first->parentWidget());
    QVERIFY(!first->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(mainWindow.isVisible()); // the help window stands beside the main window

    first->showTopic(QStringLiteral("start.html"));
    first->close();
    QVERIFY(!first->isVisible());
    help.showDefaultTopic();
    QCOMPARE(help.viewer(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->currentTopic(), QStringLiteral("/third.html"));
    help.showContext(7);
    QCOMPARE(help.viewer(), first);
    QCOMPARE(viewerCount(), 1);
    // The earlier topics stay in its history.
    QVERIFY(first->backAction()->isEnabled());
}

// The user's guide of the program: every contents entry, the default topic, every
// context number and every link inside a topic lead to a topic the file holds.
void TestHelpViewer::usersGuideContentsAndLinksResolve()
{
    REQUIRE_COMPILED_HELP();
    const QString project = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../docs/help/kestrun.hhp"));
    if (!QFileInfo::exists(project))
        QSKIP("the sources of the user's guide are not beside the tests");
    const QString output = m_dir.filePath(QStringLiteral("guide"));
    QVERIFY(QDir().mkpath(output));
    const QString compiled = compileHelp(m_chmcmd, project, output, QStringLiteral("kestrun.chm"));
    QVERIFY2(!compiled.isEmpty(), "chmcmd wrote no kestrun.chm");

    const auto file = ChmFile::open(compiled);
    QVERIFY(file);
    QCOMPARE(file->defaultTopic(), QStringLiteral("/index.html"));
    QCOMPARE(file->title(), QStringLiteral("Kestrun Help"));
    for (quint32 context = 1000; context <= 1080; context += 10)
        QVERIFY2(file->topicForContext(context), qPrintable(QString::number(context)));

    HelpViewer viewer;
    QVERIFY(viewer.openHelpFile(compiled));
    QVERIFY(viewer.contentsTree()->topLevelItemCount() > 0);
    QStringList topics;
    for (QTreeWidgetItemIterator it(viewer.contentsTree()); *it; ++it) {
        const QString reference = (*it)->data(0, Qt::UserRole).toString();
        if (reference.isEmpty())
            continue;
        QVERIFY2(file->contains(ChmFile::objectPathOf(reference)), qPrintable(reference));
        topics.append(ChmFile::objectPathOf(reference));
    }
    // Every topic of the file is reachable from the contents.
    for (const QString &object : file->objectPaths()) {
        if (object.endsWith(QLatin1String(".html")))
            QVERIFY2(topics.contains(object), qPrintable(object));
    }
    for (const QString &topic : std::as_const(topics)) {
        QVERIFY(viewer.showTopic(topic));
        QVERIFY2(!viewer.browser()->toPlainText().trimmed().isEmpty(), qPrintable(topic));
        const QUrl base = viewer.browser()->source();
        for (const QString &href : linksOf(viewer.browser()->document())) {
            const QUrl target = base.resolved(QUrl(href));
            if (ChmTextBrowser::isTopicUrl(target))
                QVERIFY2(file->contains(target.path()), qPrintable(topic + QLatin1String(" -> ") + href));
            else
                QCOMPARE(target.scheme(), QStringLiteral("http"));
        }
    }
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
