// SPDX-License-Identifier: MIT
#pragma once

#include <QTextBrowser>

class ChmFile;

// A text browser whose documents, images and style sheets come from a help file.
// Topics are addressed as "chm:" URLs holding the object path ("chm:/report.html#add"),
// so relative links and images inside a topic resolve against the topic as usual.
class ChmTextBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit ChmTextBrowser(QWidget *parent = nullptr);

    // The file to read from; null empties the resource source. Not owned.
    void setHelpFile(const ChmFile *file);

    static QUrl topicUrl(const QString &objectPath, const QString &fragment = {});
    static bool isTopicUrl(const QUrl &url);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    const ChmFile *m_file = nullptr;
};
