// SPDX-License-Identifier: MIT
#pragma once

#include "ui/widgets/inplaceedit.h"

class CalculatorPopup;

// The in-place editor of a number row. It takes a typed character only when the text
// would still be a number or the start of one, and enters a typed full stop or comma as
// the user's decimal separator. Its drop-down button opens a calculator whose result
// becomes the editor text.
class CalculatorEdit : public InplaceEdit {
    Q_OBJECT

public:
    CalculatorEdit(const kestrun::RegionalSettings &settings, QWidget *parent);

    void showPopup() override;
    CalculatorPopup *calculatorPopup() const { return m_popup; }

    // Whether text is a number or could become one by typing more: an optional sign,
    // digits with at most one decimal separator, then an optional exponent ("1e", "1e-").
    static bool isNumberPrefix(const QString &text, const QString &decimalSeparator);

protected:
    bool filterKeyPress(QKeyEvent *event) override;

private:
    void takeResult(double result);

    CalculatorPopup *m_popup = nullptr;
};
