// SPDX-License-Identifier: MIT
#include "ui/widgets/inplaceedit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

InplaceEdit::InplaceEdit(const kestrun::RegionalSettings &settings, QWidget *parent)
    : QWidget(parent), m_settings(settings), m_lineEdit(new QLineEdit(this)), m_layout(new QHBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_lineEdit, 1);
    m_lineEdit->setFrame(false);
    m_lineEdit->setTextMargins(1, 0, 1, 0);
    setFocusProxy(m_lineEdit);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    m_lineEdit->installEventFilter(this);
    connect(m_lineEdit, &QLineEdit::textChanged, this, &InplaceEdit::textChanged);
}

void InplaceEdit::setTextForms(TextReader reader, TextWriter writer)
{
    m_reader = std::move(reader);
    m_writer = std::move(writer);
}

QString InplaceEdit::text() const
{
    return m_lineEdit->text();
}

void InplaceEdit::setText(const QString &text)
{
    m_lineEdit->setText(text);
}

void InplaceEdit::selectAll()
{
    m_lineEdit->selectAll();
}

bool InplaceEdit::isPopupVisible() const
{
    return m_popup && m_popup->isVisible();
}

void InplaceEdit::hidePopup()
{
    if (m_popup)
        m_popup->hide();
}

QToolButton *InplaceEdit::addButton(Qt::ArrowType arrow)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    m_layout->addWidget(button);
    return button;
}

void InplaceEdit::addButtonColumn(QWidget *column)
{
    m_layout->addWidget(column);
}

void InplaceEdit::setPopup(QWidget *popup)
{
    m_popup = popup;
    m_popup->installEventFilter(this);
}

void InplaceEdit::openPopup()
{
    m_popup->setAttribute(Qt::WA_NoMouseReplay, false);
    m_popup->adjustSize();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const QRect area = screen() ? screen()->availableGeometry() : QRect();
    QRect wanted(below, m_popup->size());
    if (area.isValid()) {
        if (wanted.right() > area.right())
            wanted.moveRight(area.right());
        if (wanted.bottom() > area.bottom())
            wanted.moveBottom(mapToGlobal(QPoint(0, 0)).y() - 1);
        if (wanted.left() < area.left())
            wanted.moveLeft(area.left());
    }
    m_popup->move(wanted.topLeft());
    m_popup->show();
}

QString InplaceEdit::textAfterTyping(const QString &typed) const
{
    QString text = m_lineEdit->text();
    if (m_lineEdit->hasSelectedText()) {
        int start = m_lineEdit->selectionStart();
        return text.replace(start, m_lineEdit->selectedText().size(), typed);
    }
    return text.insert(m_lineEdit->cursorPosition(), typed);
}

bool InplaceEdit::filterKeyPress(QKeyEvent *event)
{
    bool dropDownKey = event->key() == Qt::Key_F4
                       || ((event->modifiers() & Qt::AltModifier) && event->key() == Qt::Key_Down);
    if (dropDownKey) {
        showPopup();
        return true;
    }
    return false;
}

bool InplaceEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lineEdit && event->type() == QEvent::KeyPress)
        return filterKeyPress(static_cast<QKeyEvent *>(event));
    if (watched == m_popup && event->type() == QEvent::MouseButtonPress && m_dropDownButton) {
        // The press that closes the popup must not reach the drop-down button again,
        // or the button would open it at once.
        const QPointF global = static_cast<QMouseEvent *>(event)->globalPosition();
        if (m_dropDownButton->rect().contains(m_dropDownButton->mapFromGlobal(global.toPoint())))
            m_popup->setAttribute(Qt::WA_NoMouseReplay);
    }
    return QWidget::eventFilter(watched, event);
}
