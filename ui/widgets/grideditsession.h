// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

class GridEditorRow;
class InplaceEdit;
class QWidget;
class VerticalGrid;

// One open edit of a grid row: the in-place editor and the value it holds. The editor's
// value starts as the row's committed value and changes when a value-changed
// notification has run. post() runs the commit steps; the session never closes itself.
class GridEditSession : public QObject {
    Q_OBJECT

public:
    GridEditSession(VerticalGrid *grid, GridEditorRow *row, QWidget *editorParent);
    ~GridEditSession() override;

    GridEditorRow *row() const { return m_row; }
    InplaceEdit *editor() const { return m_editor; }
    QString text() const;
    // True while post() runs: focus changes then come from the notification handlers
    // or the error box, not from the user leaving the row.
    bool isPosting() const { return m_posting; }

    // Validation, value-changed when the value differs, then the value into the row;
    // nothing at all while the text is unchanged since the editor opened or last posted.
    // False when refused or stopped by an error; the editor then holds the focus.
    bool post();
    // Gives the editor the focus, with all its text selected if asked.
    void focusEditor(bool selectAll);
    // Ends the session: the editor goes away, and a post() still running stops after
    // its current handler. The session deletes itself later.
    void close();

private:
    QVariant currentValue() const;
    bool raiseEditValueChanged(const QVariant &value);
    void textChanged();
    void valueChosen();
    void stepped();
    void report(const QString &message) const;

    VerticalGrid *m_grid;
    GridEditorRow *m_row;
    QPointer<InplaceEdit> m_editor;
    QVariant m_value;
    bool m_closed = false;
    bool m_modified = false;
    bool m_posting = false;
};
