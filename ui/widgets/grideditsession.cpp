// SPDX-License-Identifier: MIT
#include "ui/widgets/grideditsession.h"

#include "ui/widgets/calculatoredit.h"
#include "ui/widgets/dateedit.h"
#include "ui/widgets/timeedit.h"
#include "ui/widgets/verticalgrid.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace {

InplaceEdit *createEditor(EditorKind kind, const kestrun::RegionalSettings &settings, QWidget *parent)
{
    switch (kind) {
    case EditorKind::Calculator: return new CalculatorEdit(settings, parent);
    case EditorKind::Date: return new DateEdit(settings, parent);
    case EditorKind::Time: return new TimeEdit(settings, parent);
    default: return new InplaceEdit(settings, parent);
    }
}

} // namespace

GridEditSession::GridEditSession(VerticalGrid *grid, GridEditorRow *row, QWidget *editorParent)
    : QObject(grid), m_grid(grid), m_row(row),
      m_editor(createEditor(row->kind(), grid->regionalSettings(), editorParent)), m_value(row->value())
{
    m_editor->setFont(grid->font());
    m_editor->lineEdit()->setAlignment(row->alignment() | Qt::AlignVCenter);
    m_editor->setTextForms([row](const QString &text) { return row->valueFromText(text); },
                           [row](const QVariant &value) { return row->editTextFor(value); });
    // The editor fills itself before it reports changes: opening raises no notification.
    m_editor->setText(row->editText());
    connect(m_editor, &InplaceEdit::textChanged, this, &GridEditSession::textChanged);
    connect(m_editor, &InplaceEdit::valueChosen, this, &GridEditSession::valueChosen);
    connect(m_editor, &InplaceEdit::stepped, this, &GridEditSession::stepped);
}

GridEditSession::~GridEditSession()
{
    delete m_editor;
}

void GridEditSession::close()
{
    if (m_closed)
        return;
    m_closed = true;
    m_editor->disconnect(this);
    m_editor->hidePopup();
    m_editor->hide();
    deleteLater();
}

QString GridEditSession::text() const
{
    return m_editor ? m_editor->text() : QString();
}

void GridEditSession::focusEditor(bool selectAll)
{
    if (m_closed)
        return;
    m_editor->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        m_editor->selectAll();
}

void GridEditSession::report(const QString &message) const
{
    if (const ErrorHandler &handler = m_grid->errorHandler())
        handler(message);
}

QVariant GridEditSession::currentValue() const
{
    // An unchanged text stands for the editor's value as it is; reading its edit form
    // back could differ from the value in the last bits.
    return m_modified ? m_row->valueFromText(m_editor->text()) : m_value;
}

bool GridEditSession::raiseEditValueChanged(const QVariant &value)
{
    const QVariant previous = m_value;
    m_value = value;
    if (!m_row->onEditValueChanged)
        return true;
    QString message;
    if (guarded([&](const QString &m) { message = m; }, m_row->onEditValueChanged))
        return !m_closed;
    if (m_closed) {
        report(message);
        return false;
    }
    // The value did not get through: the next commit tries it again.
    m_value = previous;
    focusEditor(false);
    report(message);
    return false;
}

bool GridEditSession::post()
{
    if (m_posting)
        return false;
    // A text the user has not changed since the editor opened or last posted has been
    // accepted already: there is nothing to validate and no new value.
    if (!m_modified)
        return true;
    QScopedValueRollback posting(m_posting, true);
    const QString text = m_editor->text();
    if (m_row->onValidate) {
        QString errorText;
        bool error = false;
        // A rule that throws refuses the text with the exception's message.
        guarded(
            [&](const QString &m) {
                errorText = m;
                error = true;
            },
            [&] { m_row->onValidate(text, errorText, error); });
        if (m_closed)
            return false;
        if (error) {
            focusEditor(true);
            report(errorText.isEmpty() ? QStringLiteral("Invalid input value") : errorText);
            return false;
        }
    }
    const QVariant value = currentValue();
    if (!m_row->sameValue(value, m_value) && !raiseEditValueChanged(value))
        return false;
    m_row->setValue(value);
    m_value = m_row->value();
    m_modified = false;
    return true;
}

void GridEditSession::textChanged()
{
    m_modified = true;
    if (m_row->onChange)
        guarded(m_grid->errorHandler(), m_row->onChange);
}

void GridEditSession::valueChosen()
{
    if (m_row->immediatePost())
        post();
}

void GridEditSession::stepped()
{
    if (m_row->immediatePost()) {
        post();
        return;
    }
    QScopedValueRollback posting(m_posting, true);
    const QVariant value = currentValue();
    if (!m_row->sameValue(value, m_value))
        raiseEditValueChanged(value);
}
