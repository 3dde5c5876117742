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
    // The rule is decided per line, but a line never changes the answer for the next one:
    // after "line + break" the text ends with a break again, after "break + line" it does
    // not. So the end of the text decides for the whole block, which goes in at once.
    // The last paragraph is empty exactly when the text is empty or ends with a break.
    const bool endsWithBreak = document->lastBlock().length() == 1;
    QString text;
    for (const std::string &line : lines) {
        if (!endsWithBreak)
            text += QLatin1Char('\n');
        text += QString::fromStdString(line);
        if (endsWithBreak)
            text += QLatin1Char('\n');
    }
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
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
