// SPDX-License-Identifier: MIT
#pragma once

#include "core/regionalsettings.h"
#include "ui/widgets/errorhandler.h"
#include "ui/widgets/gridcategoryrow.h"
#include "ui/widgets/grideditorrow.h"

#include <QAbstractScrollArea>
#include <QIcon>
#include <QList>

#include <functional>
#include <optional>

class GridEditSession;
class InplaceEdit;

// A vertical property grid: one row per item, a caption column of a set width on the
// left and the values on the right, grouped under category headings. A row is edited in
// place; the grid runs the row's notifications around each commit:
//
//   1. onValidate on the editor text; a refusal (or a throw) keeps the editor open with
//      its text selected and hands the error text to the error handler;
//   2. the text is read into a value; when it differs from the editor's previous value,
//      onEditValueChanged runs with the editor still open (a throw stops the commit);
//   3. the value becomes the row's committed value.
//
// Enter, leaving the row and leaving the grid commit; Escape abandons. In a row with
// immediate posting a drop-down closing with a value or a spin step posts at once
// (steps 1 to 3 with the editor left open). Any exception a handler throws ends at the
// grid's event boundary and goes to the error handler.
class VerticalGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit VerticalGrid(QWidget *parent = nullptr);
    ~VerticalGrid() override;

    void setRegionalSettings(const kestrun::RegionalSettings &settings);
    const kestrun::RegionalSettings &regionalSettings() const { return m_settings; }
    void setErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }
    const ErrorHandler &errorHandler() const { return m_errorHandler; }
    // Category icons by image index.
    void setIconProvider(std::function<QIcon(int index)> provider);
    QIcon icon(int index) const;

    int captionWidth() const { return m_captionWidth; }
    void setCaptionWidth(int width);
    // No row takes the focus, nothing is selected or edited, the grid takes no focus.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    GridCategoryRow *addCategoryRow(const QString &name, const QString &caption, const QString &hint,
                                    int imageIndex, bool focusable);
    GridEditorRow *addEditorRow(const QString &name, const QString &caption, const QString &hint,
                                EditorKind kind);
    GridRow *row(const QString &name) const;
    GridEditorRow *editorRow(const QString &name) const;
    const QList<GridRow *> &rows() const { return m_rows; }

    GridRow *focusedRow() const { return m_focusedRow; }
    // Moves the focus to a row, committing an open edit first. False when the row cannot
    // take the focus or the commit was refused.
    bool setFocusedRow(GridRow *row);

    bool isEditing() const { return m_session != nullptr; }
    GridEditorRow *editingRow() const;
    // The text of the open in-place editor; nullopt when no editor is open.
    std::optional<QString> activeEditorText() const;
    QWidget *activeEditor() const;
    // Opens the editor of the focused row with its value selected.
    bool showEditor();
    // Runs the commit steps and leaves the editor open. False when refused or stopped.
    bool postEditValue();
    // Posts and closes the editor. True when no editor is left open.
    bool commitEditing();
    // Abandons the edit: the editor closes and the row shows its committed value.
    void cancelEditing();

    int rowHeight() const;
    // Rectangles in viewport coordinates; empty for a hidden row.
    QRect rowRect(const GridRow *row) const;
    QRect captionRect(const GridRow *row) const;
    QRect valueRect(const GridRow *row) const;
    GridRow *rowAt(const QPoint &viewportPos) const;
    // The tooltip for a point of the viewport: the row's hint when resting on its caption,
    // else the caption itself when the caption column cuts it off; empty for none.
    QString toolTipAt(const QPoint &viewportPos) const;
    // Whether the caption column is too narrow for the row's caption.
    bool isCaptionElided(const GridRow *row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool viewportEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class GridRow;
    void rowChanged(GridRow *row);
    void rowVisibilityChanged(GridRow *row);

    void updateScrollBar();
    void ensureRowVisible(const GridRow *row);
    int rowTop(const GridRow *row) const;
    int rowHeight(const GridRow *row) const;
    GridRow *nextFocusableRow(const GridRow *from, int direction) const;
    bool moveFocus(int direction);
    bool hasFocusWithin() const;

    bool openEditor(GridEditorRow *row);
    void closeEditor();
    void updateEditorGeometry();
    void applicationFocusChanged(QWidget *old, QWidget *now);
    bool editorKey(QKeyEvent *event);

    kestrun::RegionalSettings m_settings;
    ErrorHandler m_errorHandler;
    std::function<QIcon(int)> m_iconProvider;
    int m_captionWidth = 132;
    bool m_readOnly = false;
    QList<GridRow *> m_rows;
    GridRow *m_focusedRow = nullptr;

    GridEditSession *m_session = nullptr;
    QMetaObject::Connection m_focusConnection;
};
