// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>
#include <vector>

class QPlainTextEdit;

// The report commands on the report pane. The pane holds its text as paragraphs; a
// paragraph break is the pane's line break, which the saved file spells CR LF.
class ReportPane {
public:
    explicit ReportPane(QPlainTextEdit *memo) : m_memo(memo) {}

    // Appends each line by the pane's rule: when the text is empty or ends with a line
    // break, the line and a break; otherwise (typed text without a final break) a break
    // and the line. Looks only at the end of the text, so it costs the same however long
    // the report is.
    void appendLines(const std::vector<std::string> &lines);
    void clear();
    // Selects the whole text and copies it; an empty pane leaves the clipboard alone.
    void copyToClipboard();
    // The pane's whole text with CR LF line breaks, as it is saved.
    QString text() const;
    // Writes text() to path, UTF-8 without a byte-order mark, replacing the file only once
    // complete (writeWholeFile). Throws kestrun::Error "Cannot create file".
    void save(const QString &path) const;

    // The name proposed by the next save dialog: the last one chosen in this run.
    QString lastFileName() const { return m_lastFileName; }
    void setLastFileName(const QString &name) { m_lastFileName = name; }

private:
    QPlainTextEdit *m_memo;
    QString m_lastFileName;
};
