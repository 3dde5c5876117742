// SPDX-License-Identifier: MIT
#include "ui/widgets/calculatorpopup.h"

#include "core/valueforms.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <charconv>
#include <functional>
#include <cmath>

namespace {
constexpr int kMaxDigits = 15;
}

CalculatorPopup::CalculatorPopup(const kestrun::RegionalSettings &settings, QWidget *parent)
    : QFrame(parent, Qt::Popup), m_settings(settings), m_display(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_WindowPropagation);

    m_display->setObjectName(QStringLiteral("display"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_display->setAutoFillBackground(true);
    m_display->setBackgroundRole(QPalette::Base);
    m_display->setMinimumHeight(m_display->fontMetrics().height() + 6);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(m_display, 0, 0, 1, 4);

    struct Key {
        const char *name;
        QString text;
        int row, column, columnSpan;
        std::function<void(CalculatorPopup *)> action;
    };
    const QString separator = QString::fromStdString(m_settings.decimalSeparator);
    const Key keys[] = {
        {"clear", QStringLiteral("C"), 1, 0, 1, &CalculatorPopup::clear},
        {"backspace", QStringLiteral("\u2190"), 1, 1, 1, &CalculatorPopup::backspace},
        {"negate", QStringLiteral("\u00b1"), 1, 2, 1, &CalculatorPopup::negate},
        {"divide", QStringLiteral("\u00f7"), 1, 3, 1, [](CalculatorPopup *c) { c->operation(Operation::Divide); }},
        {"multiply", QStringLiteral("\u00d7"), 2, 3, 1, [](CalculatorPopup *c) { c->operation(Operation::Multiply); }},
        {"subtract", QStringLiteral("\u2212"), 3, 3, 1, [](CalculatorPopup *c) { c->operation(Operation::Subtract); }},
        {"add", QStringLiteral("+"), 4, 3, 1, [](CalculatorPopup *c) { c->operation(Operation::Add); }},
        {"decimal", separator, 5, 1, 1, &CalculatorPopup::decimalPoint},
        {"equals", QStringLiteral("="), 5, 2, 2, &CalculatorPopup::equals},
    };
    for (const Key &key : keys) {
        QToolButton *b = button(QString::fromLatin1(key.name), key.text);
        layout->addWidget(b, key.row, key.column, 1, key.columnSpan);
        connect(b, &QToolButton::clicked, this, [this, action = key.action] { action(this); });
    }
    for (int d = 0; d <= 9; ++d) {
        QToolButton *b = button(QStringLiteral("digit%1").arg(d), QString(QChar(u'0' + d)));
        int row = d == 0 ? 5 : 4 - (d - 1) / 3;
        int column = d == 0 ? 0 : (d - 1) % 3;
        layout->addWidget(b, row, column);
        connect(b, &QToolButton::clicked, this, [this, d] { digit(d); });
    }
    start(0);
}

QToolButton *CalculatorPopup::button(const QString &name, const QString &text)
{
    auto *b = new QToolButton(this);
    b->setText(text);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    // Compact keys: the width comes from the key grid, not from the style's button hint.
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const int height = fontMetrics().height() + 7;
    b->setFixedHeight(height);
    b->setMinimumWidth(height + 8);
    return b;
}

void CalculatorPopup::start(double value)
{
    m_pending = Operation::None;
    m_accumulator = 0;
    m_error = false;
    m_entering = false;
    showValue(value);
}

QString CalculatorPopup::displayText() const
{
    return m_display->text();
}

void CalculatorPopup::showValue(double value)
{
    m_value = value;
    m_display->setText(QString::fromStdString(kestrun::formatGeneral(value, m_settings)));
}

void CalculatorPopup::showEntry()
{
    QString shown = m_entry;
    shown.replace(QLatin1Char('.'), QString::fromStdString(m_settings.decimalSeparator));
    m_display->setText(shown);
}

double CalculatorPopup::current() const
{
    if (!m_entering)
        return m_value;
    QByteArray digits = m_entry.toLatin1();
    double value = 0;
    std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
    return value;
}

void CalculatorPopup::digit(int value)
{
    if (m_error)
        clear();
    if (!m_entering) {
        m_entry = QStringLiteral("0");
        m_entering = true;
    }
    QString bare = m_entry;
    bare.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    if (bare.size() >= kMaxDigits && bare != QLatin1String("0"))
        return;
    if (m_entry == QLatin1String("0"))
        m_entry.clear();
    else if (m_entry == QLatin1String("-0"))
        m_entry = QStringLiteral("-");
    m_entry += QChar(u'0' + value);
    showEntry();
}

void CalculatorPopup::decimalPoint()
{
    if (m_error)
        clear();
    if (!m_entering) {
        m_entry = QStringLiteral("0");
        m_entering = true;
    }
    if (!m_entry.contains(QLatin1Char('.')))
        m_entry += QLatin1Char('.');
    showEntry();
}

void CalculatorPopup::backspace()
{
    if (!m_entering || m_error)
        return;
    m_entry.chop(1);
    if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
        m_entry = QStringLiteral("0");
    showEntry();
}

void CalculatorPopup::negate()
{
    if (m_error)
        return;
    if (m_entering) {
        if (m_entry.startsWith(QLatin1Char('-')))
            m_entry.remove(0, 1);
        else
            m_entry.prepend(QLatin1Char('-'));
        showEntry();
    } else {
        showValue(-m_value);
    }
}

void CalculatorPopup::clear()
{
    start(0);
}

bool CalculatorPopup::applyPending()
{
    double operand = current();
    double result = operand;
    switch (m_pending) {
    case Operation::None: break;
    case Operation::Add: result = m_accumulator + operand; break;
    case Operation::Subtract: result = m_accumulator - operand; break;
    case Operation::Multiply: result = m_accumulator * operand; break;
    case Operation::Divide: result = operand == 0 ? NAN : m_accumulator / operand; break;
    }
    m_pending = Operation::None;
    m_entering = false;
    if (!std::isfinite(result)) {
        // A division by zero or an overflow: the calculator shows it and hands nothing over.
        m_error = true;
        m_value = 0;
        m_display->setText(tr("Error"));
        return false;
    }
    showValue(result);
    return true;
}

void CalculatorPopup::operation(Operation next)
{
    if (m_error)
        return;
    // A second operator in a row only replaces the first.
    if (m_entering || m_pending == Operation::None) {
        if (!applyPending())
            return;
    }
    m_accumulator = m_value;
    m_pending = next;
}

void CalculatorPopup::equals()
{
    if (m_error)
        return;
    if (!applyPending())
        return;
    double result = m_value;
    hide();
    emit chosen(result);
}

void CalculatorPopup::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const QChar c = text.size() == 1 ? text.front() : QChar();
    if (c.isDigit()) {
        digit(c.digitValue());
    } else if (c == u'.' || c == u',' || text == QString::fromStdString(m_settings.decimalSeparator)) {
        decimalPoint();
    } else if (c == u'+') {
        operation(Operation::Add);
    } else if (c == u'-') {
        operation(Operation::Subtract);
    } else if (c == u'*') {
        operation(Operation::Multiply);
    } else if (c == u'/') {
        operation(Operation::Divide);
    } else if (c == u'=' || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        equals();
    } else if (event->key() == Qt::Key_Backspace) {
        backspace();
    } else if (event->key() == Qt::Key_Delete || c == u'c' || c == u'C') {
        clear();
    } else if (event->key() == Qt::Key_F9) {
        negate();
    } else if (event->key() == Qt::Key_Escape) {
        hide();
    } else {
        QFrame::keyPressEvent(event);
    }
}
