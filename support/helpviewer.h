// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <memory>

class ChmFile;
class ChmTextBrowser;
class QAction;
class QLabel;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
struct HelpSitemapEntry;

// The help window: a window of its own, "Kestrun Help", with the help file's table of
// contents on the left and the topic on the right, and Back, Forward and Home. It has
// no owner, so it stays open beside the main window, and it does not keep the program
// running once the main window has closed. Whatever goes wrong (no file, no topic for a
// context number) it says so in its own window; it never shows a message box.
class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    // Opens links that leave the help file (web pages, mail addresses).
    using LinkOpener = std::function<bool(const QUrl &url)>;

    explicit HelpViewer(QWidget *parent = nullptr);
    ~HelpViewer() override;

    // Reads the help file unless it is the one already open; on failure the window says
    // "The help file <path> could not be opened." Returns whether a file is open.
    bool openHelpFile(const QString &path);
    bool isHelpFileOpen() const { return m_file != nullptr; }
    QString helpFile() const { return m_path; }

    // The table of contents in view (with the topic shown, or the default topic when
    // none is shown yet) and the focus in it.
    void showContents();
    // The file's default topic, or its first contents entry when it names none.
    void showDefaultTopic();
    // The topic that the file's context map gives the number.
    void showContext(int context);
    // A reference inside the file ("report.html", "/report.html#add"). Returns false, and
    // says so in the window, when the file does not hold the topic.
    bool showTopic(const QString &reference);

    // The object path of the topic shown, empty while a message is shown instead.
    QString currentTopic() const;
    // The message shown instead of a topic, empty while a topic is shown.
    QString message() const;

    QTreeWidget *contentsTree() const { return m_tree; }
    ChmTextBrowser *browser() const { return m_browser; }
    QAction *backAction() const { return m_backAction; }
    QAction *forwardAction() const { return m_forwardAction; }
    QAction *homeAction() const { return m_homeAction; }

    void setLinkOpener(LinkOpener opener) { m_linkOpener = std::move(opener); }

    // Shows the window in front of the others, also when it is open already.
    void bringToFront();

private:
    void buildContents(const std::vector<HelpSitemapEntry> &entries, QTreeWidgetItem *parent);
    void showMessage(const QString &text);
    void followLink(const QUrl &link);
    void selectContentsEntry(const QUrl &url);
    void showEntryOf(QTreeWidgetItem *item);
    QString defaultTopic() const;

    QString m_path;
    std::unique_ptr<ChmFile> m_file;
    QString m_firstContentsTopic;
    QHash<QString, QTreeWidgetItem *> m_entryOfTopic;
    bool m_selectingEntry = false;
    LinkOpener m_linkOpener;

    QTreeWidget *m_tree;
    ChmTextBrowser *m_browser;
    QLabel *m_messageLabel;
    QStackedWidget *m_pages;
    QAction *m_backAction;
    QAction *m_forwardAction;
    QAction *m_homeAction;
    QAction *m_contentsAction;
};
