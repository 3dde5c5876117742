// SPDX-License-Identifier: MIT
#include "support/chmtextbrowser.h"

#include "support/chmfile.h"
#include "support/helptext.h"

#include <QTextDocument>

namespace {

const QString kScheme = QStringLiteral("chm");

} // namespace

ChmTextBrowser::ChmTextBrowser(QWidget *parent) : QTextBrowser(parent)
{
    // Links are followed by the help viewer, which knows which ones stay in the file.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void ChmTextBrowser::setHelpFile(const ChmFile *file)
{
    m_file = file;
    document()->clear();
    clearHistory();
}

QUrl ChmTextBrowser::topicUrl(const QString &objectPath, const QString &fragment)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(objectPath);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

bool ChmTextBrowser::isTopicUrl(const QUrl &url)
{
    return url.scheme() == kScheme;
}

QVariant ChmTextBrowser::loadResource(int type, const QUrl &name)
{
    // The document resolves relative names against its base; a name that still comes
    // in relative belongs to the topic shown.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!m_file || !isTopicUrl(url))
        return {};
    const auto data = m_file->read(url.path());
    if (!data)
        return {};
    if (type == QTextDocument::StyleSheetResource)
        return decodeHelpText(*data);
    return *data;
}
