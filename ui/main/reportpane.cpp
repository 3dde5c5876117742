// SPDX-License-Identifier: MIT
#include "ui/main/reportpane.h"

#include "core/error.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

[[noreturn]] void cannotCreate(const QString &path, const QString &reason)
{
    throw kestrun::Error(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QFileInfo(path).absoluteFilePath(), reason)
                             .toStdString());
}

} // namespace

void ReportPane::appendLines(const std::vector<std::string> &lines)
{
    QTextDocument *document = m_memo->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    for (const std::string &line : lines) {
        const QString text = QString::fromStdString(line);
        // The last paragraph is empty exactly when the text is empty or ends with a break.
        if (document->lastBlock().length() == 1) {
            cursor.insertText(text);
            cursor.insertBlock();
        } else {
            cursor.insertBlock();
            cursor.insertText(text);
        }
    }
    cursor.endEditBlock();
    m_memo->setTextCursor(cursor);
    m_memo->ensureCursorVisible();
}

void ReportPane::clear()
{
    m_memo->clear();
}

void ReportPane::copyToClipboard()
{
    m_memo->selectAll();
    if (!m_memo->document()->isEmpty())
        m_memo->copy();
}

QString ReportPane::text() const
{
    QString text = m_memo->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

void ReportPane::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        cannotCreate(path, file.errorString());
    const QByteArray bytes = text().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        cannotCreate(path, file.errorString());
}
