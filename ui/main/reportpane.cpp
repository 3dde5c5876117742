// SPDX-License-Identifier: MIT
#include "ui/main/reportpane.h"

#include "support/wholefile.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    writeWholeFile(path, text().toUtf8());
}
