// SPDX-License-Identifier: MIT
#include "ui/widgets/verticalgrid.h"

#include "ui/widgets/grideditsession.h"
#include "ui/widgets/gridrowpainter.h"
#include "ui/widgets/inplaceedit.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

VerticalGrid::VerticalGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

VerticalGrid::~VerticalGrid()
{
    // The editor dies with the grid; no focus change may reach a half-destroyed grid.
    disconnect(m_focusConnection);
}

void VerticalGrid::setRegionalSettings(const kestrun::RegionalSettings &settings)
{
    m_settings = settings;
    viewport()->update();
}

void VerticalGrid::setIconProvider(std::function<QIcon(int)> provider)
{
    m_iconProvider = std::move(provider);
    viewport()->update();
}

QIcon VerticalGrid::icon(int index) const
{
    return m_iconProvider && index >= 0 ? m_iconProvider(index) : QIcon();
}

void VerticalGrid::setCaptionWidth(int width)
{
    m_captionWidth = std::max(0, width);
    updateEditorGeometry();
    viewport()->update();
}

void VerticalGrid::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    if (readOnly) {
        cancelEditing();
        m_focusedRow = nullptr;
        if (hasFocus())
            clearFocus();
    }
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    viewport()->update();
}

GridCategoryRow *VerticalGrid::addCategoryRow(const QString &name, const QString &caption, const QString &hint,
                                              int imageIndex, bool focusable)
{
    auto *row = new GridCategoryRow(this, name);
    row->setCaption(caption);
    row->setHint(hint);
    row->setImageIndex(imageIndex);
    row->setFocusable(focusable);
    m_rows.append(row);
    updateScrollBar();
    viewport()->update();
    return row;
}

GridEditorRow *VerticalGrid::addEditorRow(const QString &name, const QString &caption, const QString &hint,
                                          EditorKind kind)
{
    auto *row = new GridEditorRow(this, name, kind);
    row->setCaption(caption);
    row->setHint(hint);
    m_rows.append(row);
    updateScrollBar();
    viewport()->update();
    return row;
}

GridRow *VerticalGrid::row(const QString &name) const
{
    auto found = std::find_if(m_rows.begin(), m_rows.end(), [&](GridRow *r) { return r->objectName() == name; });
    return found == m_rows.end() ? nullptr : *found;
}

GridEditorRow *VerticalGrid::editorRow(const QString &name) const
{
    return qobject_cast<GridEditorRow *>(row(name));
}

void VerticalGrid::rowChanged(GridRow *)
{
    viewport()->update();
}

void VerticalGrid::rowVisibilityChanged(GridRow *row)
{
    if (!row->isVisible()) {
        if (row == editingRow())
            cancelEditing();
        if (row == m_focusedRow) {
            GridRow *next = nextFocusableRow(row, +1);
            m_focusedRow = next ? next : nextFocusableRow(row, -1);
        }
    }
    updateScrollBar();
    updateEditorGeometry();
    viewport()->update();
}


int VerticalGrid::rowHeight() const
{
    return std::max(18, fontMetrics().height() + 4);
}

int VerticalGrid::rowHeight(const GridRow *row) const
{
    return row->type() == GridRow::Type::Category ? rowHeight() + 2 : rowHeight();
}

int VerticalGrid::rowTop(const GridRow *row) const
{
    int top = -verticalScrollBar()->value();
    for (const GridRow *r : m_rows) {
        if (r == row)
            return top;
        if (r->isVisible())
            top += rowHeight(r);
    }
    return top;
}

QRect VerticalGrid::rowRect(const GridRow *row) const
{
    if (!row || !row->isVisible() || row->grid() != this)
        return {};
    return QRect(0, rowTop(row), viewport()->width(), rowHeight(row));
}

QRect VerticalGrid::captionRect(const GridRow *row) const
{
    QRect rect = rowRect(row);
    if (rect.isValid() && row->type() == GridRow::Type::Editor)
        rect.setWidth(std::min(m_captionWidth, rect.width()));
    return rect;
}

QRect VerticalGrid::valueRect(const GridRow *row) const
{
    QRect rect = rowRect(row);
    if (!rect.isValid() || row->type() != GridRow::Type::Editor)
        return {};
    rect.setLeft(m_captionWidth + 1);
    rect.setBottom(rect.bottom() - 1);
    return rect;
}

GridRow *VerticalGrid::rowAt(const QPoint &viewportPos) const
{
    int top = -verticalScrollBar()->value();
    for (GridRow *r : m_rows) {
        if (!r->isVisible())
            continue;
        int height = rowHeight(r);
        if (viewportPos.y() >= top && viewportPos.y() < top + height)
            return viewportPos.x() >= 0 && viewportPos.x() < viewport()->width() ? r : nullptr;
        top += height;
    }
    return nullptr;
}

void VerticalGrid::updateScrollBar()
{
    int total = 0;
    for (const GridRow *r : m_rows) {
        if (r->isVisible())
            total += rowHeight(r);
    }
    const int page = viewport()->height();
    verticalScrollBar()->setRange(0, std::max(0, total - page));
    verticalScrollBar()->setPageStep(page);
    verticalScrollBar()->setSingleStep(rowHeight());
}

void VerticalGrid::ensureRowVisible(const GridRow *row)
{
    QRect rect = rowRect(row);
    if (!rect.isValid())
        return;
    // Headings that cannot take the focus come into view with the row below them, or
    // the keyboard could never bring them back.
    for (qsizetype i = m_rows.indexOf(const_cast<GridRow *>(row)) - 1; i >= 0; --i) {
        const GridRow *above = m_rows[i];
        if (!above->isVisible())
            continue;
        if (above->canFocus() || rect.height() + rowHeight(above) > viewport()->height())
            break;
        rect.setTop(rect.top() - rowHeight(above));
    }
    QScrollBar *bar = verticalScrollBar();
    if (rect.top() < 0)
        bar->setValue(bar->value() + rect.top());
    else if (rect.bottom() >= viewport()->height())
        bar->setValue(bar->value() + rect.bottom() + 1 - viewport()->height());
}

QSize VerticalGrid::sizeHint() const
{
    int total = 0;
    for (const GridRow *r : m_rows) {
        if (r->isVisible())
            total += rowHeight(r);
    }
    const int frame = 2 * frameWidth();
    return QSize(m_captionWidth + 160 + frame, std::clamp(total, rowHeight(), 400) + frame);
}

QSize VerticalGrid::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(m_captionWidth / 2 + frame, rowHeight() + frame);
}

bool VerticalGrid::isCaptionElided(const GridRow *row) const
{
    if (!row || !row->isVisible())
        return false;
    if (row->type() == GridRow::Type::Category) {
        QFontMetrics metrics(GridRowPainter::categoryFont(font()));
        return metrics.horizontalAdvance(row->caption()) > GridRowPainter::categoryTextRect(rowRect(row)).width();
    }
    return fontMetrics().horizontalAdvance(row->caption()) > GridRowPainter::captionTextRect(captionRect(row)).width();
}

QString VerticalGrid::toolTipAt(const QPoint &viewportPos) const
{
    GridRow *r = rowAt(viewportPos);
    if (!r || !captionRect(r).contains(viewportPos))
        return {};
    if (!r->hint().isEmpty())
        return r->hint();
    return isCaptionElided(r) ? r->caption() : QString();
}


void VerticalGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect exposed = event->rect();
    const bool active = hasFocusWithin();
    GridRowPainter rows(painter, palette(), font(), active);
    for (GridRow *r : m_rows) {
        const QRect rect = rowRect(r);
        if (!rect.isValid() || !rect.intersects(exposed))
            continue;
        const bool focused = r == m_focusedRow && !m_readOnly;
        if (auto *category = qobject_cast<GridCategoryRow *>(r))
            rows.paintCategory(*category, rect, icon(category->imageIndex()), focused);
        else
            rows.paintEditorRow(*static_cast<GridEditorRow *>(r), captionRect(r), valueRect(r), focused);
    }
}

bool VerticalGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, viewport(), captionRect(rowAt(help->pos())));
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void VerticalGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
    updateEditorGeometry();
}

void VerticalGrid::scrollContentsBy(int, int)
{
    updateEditorGeometry();
    viewport()->update();
}

void VerticalGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollBar();
        if (m_session)
            m_session->editor()->setFont(font());
        updateEditorGeometry();
    }
    viewport()->update();
}

void VerticalGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    if (!m_focusedRow && !m_readOnly)
        m_focusedRow = nextFocusableRow(nullptr, +1);
    viewport()->update();
}

void VerticalGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

bool VerticalGrid::hasFocusWithin() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}


GridRow *VerticalGrid::nextFocusableRow(const GridRow *from, int direction) const
{
    qsizetype i = from ? m_rows.indexOf(const_cast<GridRow *>(from)) : (direction > 0 ? -1 : m_rows.size());
    for (i += direction; i >= 0 && i < m_rows.size(); i += direction) {
        if (m_rows[i]->isVisible() && m_rows[i]->canFocus())
            return m_rows[i];
    }
    return nullptr;
}

bool VerticalGrid::setFocusedRow(GridRow *row)
{
    if (row == m_focusedRow)
        return true;
    if (row && (m_readOnly || row->grid() != this || !row->isVisible() || !row->canFocus()))
        return false;
    if (!commitEditing())
        return false;
    m_focusedRow = row;
    ensureRowVisible(row);
    viewport()->update();
    return true;
}

bool VerticalGrid::moveFocus(int direction)
{
    GridRow *next = nextFocusableRow(m_focusedRow, direction);
    return next && setFocusedRow(next);
}

void VerticalGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_readOnly) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        moveFocus(event->key() == Qt::Key_Up ? -1 : +1);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        setFocusedRow(nextFocusableRow(nullptr, event->key() == Qt::Key_Home ? +1 : -1));
        return;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        showEditor();
        return;
    default:
        break;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.front().isPrint()
                       && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed) {
        // Typing on a row opens its editor, which takes the key as its first keystroke.
        if (showEditor()) {
            QKeyEvent forwarded(QEvent::KeyPress, event->key(), event->modifiers(), text);
            QCoreApplication::sendEvent(m_session->editor()->lineEdit(), &forwarded);
        }
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void VerticalGrid::mousePressEvent(QMouseEvent *event)
{
    if (m_readOnly || event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    GridRow *clicked = rowAt(pos);
    if (m_session) {
        // The click gave the grid the focus, and that already tried the commit: an editor
        // that has the focus again refused it and stays where it is.
        QWidget *focus = QApplication::focusWidget();
        InplaceEdit *editor = m_session->editor();
        if (focus && (focus == editor || editor->isAncestorOf(focus)))
            return;
        if (!commitEditing())
            return;
    }
    if (!clicked || !setFocusedRow(clicked))
        return;
    auto *editorRow = qobject_cast<GridEditorRow *>(clicked);
    if (editorRow && valueRect(editorRow).contains(pos))
        showEditor();
}


GridEditorRow *VerticalGrid::editingRow() const
{
    return m_session ? m_session->row() : nullptr;
}

std::optional<QString> VerticalGrid::activeEditorText() const
{
    if (!m_session)
        return std::nullopt;
    return m_session->text();
}

QWidget *VerticalGrid::activeEditor() const
{
    return m_session ? m_session->editor() : nullptr;
}

bool VerticalGrid::showEditor()
{
    auto *row = qobject_cast<GridEditorRow *>(m_focusedRow);
    if (m_readOnly || !row || !row->isEditable() || !row->isVisible())
        return false;
    return openEditor(row);
}

bool VerticalGrid::openEditor(GridEditorRow *row)
{
    if (m_session) {
        if (m_session->row() == row)
            return true;
        if (!commitEditing())
            return false;
    }
    ensureRowVisible(row);
    m_session = new GridEditSession(this, row, viewport());
    InplaceEdit *editor = m_session->editor();
    editor->lineEdit()->installEventFilter(this);
    updateEditorGeometry();
    editor->show();
    m_session->focusEditor(true);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, &VerticalGrid::applicationFocusChanged);
    viewport()->update();
    return true;
}

void VerticalGrid::closeEditor()
{
    GridEditSession *session = m_session;
    m_session = nullptr;
    disconnect(m_focusConnection);
    QWidget *focus = QApplication::focusWidget();
    InplaceEdit *editor = session->editor();
    const bool editorHadFocus = editor && focus && (focus == editor || editor->isAncestorOf(focus));
    // The grid takes the focus back before the editor goes, so that it does not wander
    // to the next widget of the window.
    if (editorHadFocus && !m_readOnly)
        setFocus(Qt::OtherFocusReason);
    session->close();
    viewport()->update();
}

void VerticalGrid::updateEditorGeometry()
{
    if (!m_session)
        return;
    const QRect cell = valueRect(m_session->row());
    m_session->editor()->setGeometry(cell.isValid() ? cell : QRect());
}

bool VerticalGrid::postEditValue()
{
    return !m_session || m_session->post();
}

bool VerticalGrid::commitEditing()
{
    if (!m_session)
        return true;
    if (!m_session->post())
        return false;
    if (m_session)
        closeEditor();
    return true;
}

void VerticalGrid::cancelEditing()
{
    if (m_session)
        closeEditor();
}

void VerticalGrid::applicationFocusChanged(QWidget *, QWidget *now)
{
    // Only the user leaving the editor commits: not a drop-down opening, not the window
    // losing the activation, not the error box of a refusal.
    if (!m_session || m_session->isPosting() || !now || QApplication::activePopupWidget())
        return;
    InplaceEdit *editor = m_session->editor();
    if (now == editor || editor->isAncestorOf(now) || now->window()->windowType() == Qt::Popup)
        return;
    commitEditing();
}

bool VerticalGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (m_session && watched == m_session->editor()->lineEdit()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress)
            return editorKey(key);
        if (event->type() == QEvent::ShortcutOverride
            && (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // These keys end the edit; no window shortcut may take them from the editor.
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool VerticalGrid::editorKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitEditing();
        return true;
    case Qt::Key_Escape:
        cancelEditing();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // Tab leaves the grid, once the edit is committed.
        if (commitEditing())
            focusNextPrevChild(event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if ((modifiers & Qt::AltModifier) || m_session->editor()->usesUpDownKeys())
            return false;
        if (commitEditing())
            moveFocus(event->key() == Qt::Key_Up ? -1 : +1);
        return true;
    default:
        return false;
    }
}
