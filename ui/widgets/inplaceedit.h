// SPDX-License-Identifier: MIT
#pragma once

#include "core/regionalsettings.h"

#include <QVariant>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QToolButton;

// The in-place editor of a grid row: a frameless line edit filling the value cell, with
// the editor's buttons at its right end. The line edit holds the focus; the buttons
// never take it. The subclasses add the drop-downs, the spin buttons and key filters.
class InplaceEdit : public QWidget {
    Q_OBJECT

public:
    InplaceEdit(const kestrun::RegionalSettings &settings, QWidget *parent);

    // How the row reads an editor text into a value (invalid when unreadable) and
    // writes a value as editor text; the drop-downs and spin steps go through them.
    using TextReader = std::function<QVariant(const QString &text)>;
    using TextWriter = std::function<QString(const QVariant &value)>;
    void setTextForms(TextReader reader, TextWriter writer);

    QLineEdit *lineEdit() const { return m_lineEdit; }
    QString text() const;
    void setText(const QString &text);
    void selectAll();
    // Up and Down step the value instead of moving to another row.
    virtual bool usesUpDownKeys() const { return false; }
    // Opens the drop-down, if the editor has one.
    virtual void showPopup() {}
    bool isPopupVisible() const;
    void hidePopup();

signals:
    void textChanged(const QString &text);
    // A drop-down closed with a value, which is now the editor text.
    void valueChosen();
    // A spin step changed the editor text.
    void stepped();

protected:
    const kestrun::RegionalSettings &settings() const { return m_settings; }
    QVariant readText(const QString &text) const { return m_reader ? m_reader(text) : QVariant(); }
    QString writeValue(const QVariant &value) const { return m_writer ? m_writer(value) : QString(); }
    // Places a button at the right end of the line edit.
    QToolButton *addButton(Qt::ArrowType arrow);
    // The button that opens the drop-down: a click on it while the drop-down is open
    // only closes the drop-down.
    void setDropDownButton(QToolButton *button) { m_dropDownButton = button; }
    void addButtonColumn(QWidget *column);
    // A popup the editor owns; isPopupVisible() looks at it.
    void setPopup(QWidget *popup);
    QWidget *popup() const { return m_popup; }
    // Positions the popup below the editor, kept on the screen, and shows it.
    void openPopup();
    // Key presses reaching the line edit; return true when consumed.
    virtual bool filterKeyPress(QKeyEvent *event);
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Replaces the selection (or inserts at the cursor) as typing would.
    QString textAfterTyping(const QString &typed) const;

private:
    const kestrun::RegionalSettings &m_settings;
    QLineEdit *m_lineEdit;
    QHBoxLayout *m_layout;
    QWidget *m_popup = nullptr;
    QToolButton *m_dropDownButton = nullptr;
    TextReader m_reader;
    TextWriter m_writer;
};
