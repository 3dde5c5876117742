// SPDX-License-Identifier: MIT
#include "support/helpviewer.h"

#include "support/chmfile.h"
#include "support/chmtextbrowser.h"
#include "support/helpsitemap.h"
#include "support/helptext.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace {

constexpr int kReferenceRole = Qt::UserRole;

QString fragmentOf(const QString &reference)
{
    const qsizetype hash = reference.indexOf(u'#');
    return hash < 0 ? QString() : reference.mid(hash + 1);
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QMainWindow(parent),
      m_linkOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_tree(new QTreeWidget),
      m_browser(new ChmTextBrowser),
      m_messageLabel(new QLabel),
      m_pages(new QStackedWidget)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Kestrun Help"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 580);

    m_tree->setObjectName(QStringLiteral("HelpContents"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_browser->setObjectName(QStringLiteral("HelpTopic"));
    m_messageLabel->setObjectName(QStringLiteral("HelpMessage"));
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setMargin(16);
    m_messageLabel->setAutoFillBackground(true);
    m_messageLabel->setBackgroundRole(QPalette::Base);
    m_pages->addWidget(m_browser);
    m_pages->addWidget(m_messageLabel);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 590});
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    auto *bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_contentsAction = bar->addAction(style()->standardIcon(QStyle::SP_FileDialogListView), tr("&Contents"));
    m_contentsAction->setObjectName(QStringLiteral("HelpContentsPane"));
    m_contentsAction->setCheckable(true);
    m_contentsAction->setChecked(true);
    m_contentsAction->setToolTip(tr("Show or hide the table of contents"));
    m_backAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    m_backAction->setObjectName(QStringLiteral("HelpBack"));
    m_backAction->setShortcut(QKeySequence::Back);
    m_backAction->setEnabled(false);
    m_forwardAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    m_forwardAction->setObjectName(QStringLiteral("HelpForward"));
    m_forwardAction->setShortcut(QKeySequence::Forward);
    m_forwardAction->setEnabled(false);
    m_homeAction = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Home"));
    m_homeAction->setObjectName(QStringLiteral("HelpHome"));
    m_homeAction->setToolTip(tr("Show the first page of the help"));

    connect(m_contentsAction, &QAction::toggled, m_tree, &QWidget::setVisible);
    connect(m_backAction, &QAction::triggered, this, [this] {
        m_pages->setCurrentWidget(m_browser);
        m_browser->backward();
    });
    connect(m_forwardAction, &QAction::triggered, this, [this] {
        m_pages->setCurrentWidget(m_browser);
        m_browser->forward();
    });
    connect(m_homeAction, &QAction::triggered, this, &HelpViewer::showDefaultTopic);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::selectContentsEntry);
    // Arrow keys and clicks in the contents show the entry's topic at once, as Enter does.
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_selectingEntry)
            showEntryOf(item);
    });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { showEntryOf(item); });
}

HelpViewer::~HelpViewer()
{
    // The browser reads from the file until it goes.
    m_browser->setHelpFile(nullptr);
}

bool HelpViewer::openHelpFile(const QString &path)
{
    if (m_file && path == m_path)
        return true;
    m_browser->setHelpFile(nullptr);
    m_tree->clear();
    m_entryOfTopic.clear();
    m_firstContentsTopic.clear();
    m_path = path;
    m_file = ChmFile::open(path);
    m_homeAction->setEnabled(m_file != nullptr);
    if (!m_file) {
        showMessage(tr("The help file %1 could not be opened.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_browser->setHelpFile(m_file.get());
    if (!m_file->contentsFile().isEmpty()) {
        if (const auto sitemap = m_file->read(m_file->contentsFile()))
            buildContents(parseHelpSitemap(decodeHelpText(*sitemap)), nullptr);
    }
    m_pages->setCurrentWidget(m_browser);
    return true;
}

void HelpViewer::buildContents(const std::vector<HelpSitemapEntry> &entries, QTreeWidgetItem *parent)
{
    for (const HelpSitemapEntry &entry : entries) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, entry.name);
        item->setToolTip(0, entry.name);
        item->setData(0, kReferenceRole, entry.local);
        item->setIcon(0, style()->standardIcon(entry.children.empty() ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
        if (!entry.local.isEmpty()) {
            const QString topic = ChmFile::objectPathOf(entry.local);
            if (m_firstContentsTopic.isEmpty())
                m_firstContentsTopic = topic;
            if (!m_entryOfTopic.contains(topic))
                m_entryOfTopic.insert(topic, item);
        }
        buildContents(entry.children, item);
    }
}

void HelpViewer::showContents()
{
    m_contentsAction->setChecked(true);
    if (m_file && currentTopic().isEmpty() && m_pages->currentWidget() == m_browser)
        showDefaultTopic();
    m_tree->setFocus(Qt::OtherFocusReason);
}

QString HelpViewer::defaultTopic() const
{
    if (!m_file)
        return {};
    return m_file->defaultTopic().isEmpty() ? m_firstContentsTopic : m_file->defaultTopic();
}

void HelpViewer::showDefaultTopic()
{
    if (!m_file)
        return;
    const QString topic = defaultTopic();
    if (topic.isEmpty()) {
        showMessage(tr("The help file %1 holds no topics.").arg(QDir::toNativeSeparators(m_path)));
        return;
    }
    showTopic(topic);
}

void HelpViewer::showContext(int context)
{
    if (!m_file)
        return;
    const auto topic = context < 0 ? std::nullopt : m_file->topicForContext(static_cast<quint32>(context));
    if (!topic) {
        showMessage(tr("The help file has no topic for context number %1.").arg(context));
        return;
    }
    showTopic(*topic);
}

bool HelpViewer::showTopic(const QString &reference)
{
    if (!m_file)
        return false;
    const QString path = ChmFile::objectPathOf(reference);
    if (!m_file->contains(path)) {
        showMessage(tr("The help file has no topic %1.").arg(path.mid(1)));
        return false;
    }
    const QUrl url = ChmTextBrowser::topicUrl(path, fragmentOf(reference));
    m_pages->setCurrentWidget(m_browser);
    if (url == m_browser->source())
        m_browser->reload();
    else
        m_browser->setSource(url, QTextDocument::HtmlResource);
    return true;
}

QString HelpViewer::currentTopic() const
{
    if (m_pages->currentWidget() != m_browser || !ChmTextBrowser::isTopicUrl(m_browser->source()))
        return {};
    return m_browser->source().path();
}

QString HelpViewer::message() const
{
    return m_pages->currentWidget() == m_messageLabel ? m_messageLabel->text() : QString();
}

void HelpViewer::bringToFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void HelpViewer::showMessage(const QString &text)
{
    m_messageLabel->setText(text);
    m_pages->setCurrentWidget(m_messageLabel);
}

void HelpViewer::followLink(const QUrl &link)
{
    const QUrl url = link.isRelative() ? m_browser->source().resolved(link) : link;
    if (ChmTextBrowser::isTopicUrl(url)) {
        showTopic(url.path() + (url.hasFragment() ? QLatin1Char('#') + url.fragment() : QString()));
        return;
    }
    // Links written for the Windows help viewer name the file and the topic
    // ("ms-its:kestrun.chm::/report.html"); they stay in this file.
    static const QStringList storeSchemes{QStringLiteral("ms-its"), QStringLiteral("mk"), QStringLiteral("its")};
    if (storeSchemes.contains(url.scheme(), Qt::CaseInsensitive) && url.toString().contains(QLatin1String("::"))) {
        showTopic(url.toString());
        return;
    }
    if (m_linkOpener)
        m_linkOpener(url);
}

void HelpViewer::selectContentsEntry(const QUrl &url)
{
    QTreeWidgetItem *item = m_entryOfTopic.value(url.path());
    if (!item || item == m_tree->currentItem())
        return;
    m_selectingEntry = true;
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
    m_selectingEntry = false;
}

void HelpViewer::showEntryOf(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString reference = item->data(0, kReferenceRole).toString();
    if (!reference.isEmpty())
        showTopic(reference);
}
