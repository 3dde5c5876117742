// SPDX-License-Identifier: MIT
#pragma once

#include "core/regionalsettings.h"

#include <QFrame>

class QLabel;
class QToolButton;

// The drop-down of a calculator editor: a small four-function calculator. "=" (or
// Enter) closes it and hands over the result; Escape or a click outside closes it
// without one. Buttons carry object names (digit0..digit9, decimal, add, subtract,
// multiply, divide, equals, negate, clear, backspace; the display is "display").
class CalculatorPopup : public QFrame {
    Q_OBJECT

public:
    CalculatorPopup(const kestrun::RegionalSettings &settings, QWidget *parent);

    // Starts from the given value, as if it had just been typed in.
    void start(double value);
    QString displayText() const;

signals:
    void chosen(double result);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    void digit(int value);
    void decimalPoint();
    void backspace();
    void negate();
    void clear();
    void operation(Operation next);
    void equals();
    double current() const;
    bool applyPending();
    void showValue(double value);
    void showEntry();
    QToolButton *button(const QString &name, const QString &text);

    const kestrun::RegionalSettings &m_settings;
    QLabel *m_display;
    QString m_entry;   // the number being typed, with "." as its decimal point
    bool m_entering = false;
    double m_value = 0;        // the shown result when not entering
    double m_accumulator = 0;
    Operation m_pending = Operation::None;
    bool m_error = false;
};
