// SPDX-License-Identifier: MIT
#include "ui/widgets/calculatoredit.h"

#include "ui/widgets/calculatorpopup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

bool isTypedText(const QKeyEvent *event)
{
    if (event->text().isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return false;
    for (QChar c : event->text()) {
        if (!c.isPrint())
            return false;
    }
    return true;
}

} // namespace

CalculatorEdit::CalculatorEdit(const kestrun::RegionalSettings &settings, QWidget *parent)
    : InplaceEdit(settings, parent)
{
    QToolButton *dropDown = addButton(Qt::DownArrow);
    dropDown->setObjectName(QStringLiteral("dropDownButton"));
    setDropDownButton(dropDown);
    connect(dropDown, &QToolButton::clicked, this, &CalculatorEdit::showPopup);
}

bool CalculatorEdit::isNumberPrefix(const QString &text, const QString &decimalSeparator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isSign = [&](qsizetype at) { return at < n && (text[at] == u'-' || text[at] == u'+'); };
    auto skipDigits = [&] {
        qsizetype from = i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - from;
    };
    if (isSign(i))
        ++i;
    qsizetype mantissaDigits = skipDigits();
    if (!decimalSeparator.isEmpty() && QStringView(text).mid(i).startsWith(decimalSeparator)) {
        i += decimalSeparator.size();
        mantissaDigits += skipDigits();
    }
    if (i == n)
        return true;
    if (mantissaDigits == 0 || (text[i] != u'e' && text[i] != u'E'))
        return false;
    ++i;
    if (isSign(i))
        ++i;
    skipDigits();
    return i == n;
}

bool CalculatorEdit::filterKeyPress(QKeyEvent *event)
{
    if (InplaceEdit::filterKeyPress(event))
        return true;
    if (!isTypedText(event))
        return false;
    const QString separator = QString::fromStdString(settings().decimalSeparator);
    QString typed = event->text();
    if (typed == QLatin1String(".") || typed == QLatin1String(","))
        typed = separator;
    if (isNumberPrefix(textAfterTyping(typed), separator))
        lineEdit()->insert(typed);
    else
        QApplication::beep();
    return true;
}

void CalculatorEdit::showPopup()
{
    if (isPopupVisible())
        return;
    if (!m_popup) {
        m_popup = new CalculatorPopup(settings(), this);
        setPopup(m_popup);
        connect(m_popup, &CalculatorPopup::chosen, this, &CalculatorEdit::takeResult);
    }
    QVariant value = readText(text());
    m_popup->start(value.isValid() ? value.toDouble() : 0.0);
    openPopup();
}

void CalculatorEdit::takeResult(double result)
{
    setText(writeValue(result));
    emit valueChosen();
}
