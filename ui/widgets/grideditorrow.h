// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/gridrow.h"
#include "ui/widgets/gridtextstyle.h"

#include <QVariant>

#include <functional>

// What a row edits and how its value is shown. The first four open an in-place editor;
// the display kinds only show a value (a prediction grid's rows).
enum class EditorKind {
    Calculator,   // double; general form while edited, the display format otherwise
    Date,         // DateTimeValue; the user's short date format
    Time,         // DateTimeValue; hh:mm:ss on a 24-hour clock, spin buttons
    Text,         // QString
    NumberDisplay,
    DateDisplay,  // the date part only, in the user's short date format
    TimeDisplay,  // the time of day, hh:mm:ss on a 24-hour clock
};

// A row with a caption on the left and a value on the right. value() is the committed
// value: a double for number rows, a DateTimeValue for date and time rows, a QString for
// text rows; an invalid QVariant means "no value" (an empty cell).
//
// While the row is being edited its editor raises, through the owner's handlers:
//   onChange            at each change of the editor text (not when the editor fills itself)
//   onValidate          when the editor is about to accept its text; may refuse or throw
//   onEditValueChanged  when the value read from the text differs from the previous one;
//                       the editor is still open, so VerticalGrid::activeEditorText() works
// The handlers may throw; the grid hands the error to its error handler.
class GridEditorRow : public GridRow {
    Q_OBJECT

public:
    GridEditorRow(VerticalGrid *grid, const QString &name, EditorKind kind);

    EditorKind kind() const { return m_kind; }
    bool isEditable() const;
    bool canFocus() const override { return true; }

    QVariant value() const { return m_value; }
    // Sets the committed value without raising a notification. A value that cannot be
    // taken as by assignValue() leaves the row without a value.
    void setValue(const QVariant &value);
    // Takes an int, a double, a DateTimeValue or a QString (read under the grid's regional
    // settings) into the row's own kind. Returns false and keeps the value when it cannot.
    bool assignValue(const QVariant &value);

    // Number pattern such as "0.000 m"; empty shows the general form.
    QString displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);
    bool immediatePost() const { return m_immediatePost; }
    void setImmediatePost(bool on) { m_immediatePost = on; }
    // Qt::AlignLeft or Qt::AlignRight; numbers default to the right, the rest to the left.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // Date rows: whether a time of day typed with the date is kept and shown.
    bool keepsTimeOfDay() const { return m_keepsTimeOfDay; }
    void setKeepsTimeOfDay(bool on);

    GridTextStyle captionStyle() const { return m_captionStyle; }
    void setCaptionStyle(const GridTextStyle &style);
    GridTextStyle contentStyle() const { return m_contentStyle; }
    void setContentStyle(const GridTextStyle &style);

    // The cell text while the row is not edited; empty for no value.
    QString displayText() const;
    // The text the editor opens with, and the edit form of any value of this row.
    QString editText() const { return editTextFor(m_value); }
    QString editTextFor(const QVariant &value) const;
    // The value an editor text stands for; an invalid QVariant when it cannot be read.
    QVariant valueFromText(const QString &text) const;
    // Whether two values of this row count as the same (date-times to the millisecond).
    bool sameValue(const QVariant &a, const QVariant &b) const;

    std::function<void()> onChange;
    std::function<void(const QString &editorText, QString &errorText, bool &error)> onValidate;
    std::function<void()> onEditValueChanged;

private:
    bool isNumberKind() const;
    bool isDateTimeKind() const;
    QVariant converted(const QVariant &value, bool &ok) const;
    QString dateText(double days, bool withTime) const;
    QString textFor(const QVariant &value, bool editForm) const;

    EditorKind m_kind;
    QVariant m_value;
    QString m_displayFormat;
    bool m_immediatePost = false;
    Qt::Alignment m_alignment;
    bool m_keepsTimeOfDay = false;
    GridTextStyle m_captionStyle;
    GridTextStyle m_contentStyle;
};
