// SPDX-License-Identifier: MIT
#pragma once

// A small parameter grid in an active window, with handlers that record what they see,
// shared by the vertical grid tests.

#include "core/error.h"
#include "core/regionaldates.h"
#include "core/validation.h"
#include "ui/widgets/datetimevalue.h"
#include "ui/widgets/verticalgrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class GridFixture {
public:
    explicit GridFixture(const kestrun::RegionalSettings &settings = kestrun::RegionalSettings::englishUnitedStates())
    {
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        grid = new VerticalGrid(window.get());
        other = new QLineEdit(window.get());
        other->setObjectName(QStringLiteral("otherWidget"));
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->setRegionalSettings(settings);
        grid->setErrorHandler([this](const QString &message) { errors << message; });
        grid->setCaptionWidth(132);

        grid->addCategoryRow(QStringLiteral("CategoryConstruction"), QStringLiteral("Construction"),
                             QStringLiteral("Construction parameters"), 18, false);
        addNumber("PipeLength", "Linepipe Length", "Length of a linepipe section in metres", "0.000 m", true, 12.5, true);
        addNumber("BaselineKp", "KP", "Enter the baseline KP", "0.000", true, 0.0, false);
        addNumber("TargetFj", "Field Joint Number", "Number of the target field joint", "", false, 80.0, true);
        addNumber("TargetKp", "Target KP", "Target KP", "0.000", true, 1.0, false)->setVisible(false);
        grid->addCategoryRow(QStringLiteral("CategoryDelay"), QStringLiteral("Delay"),
                             QStringLiteral("Delay - any delay you may anticipate"), 19, true);
        addDate("BaselineDate", "Date", false, 38718); // 1 January 2006
        addDate("TargetDate", "Target Date", true, 38719);
        GridEditorRow *time = grid->addEditorRow(QStringLiteral("BaselineTime"), QStringLiteral("Time"),
                                                 QStringLiteral("Enter the baseline time"), EditorKind::Time);
        time->setImmediatePost(true);
        time->setValue(QVariant::fromValue(DateTimeValue{0.375}));
        record(time, false);
        GridEditorRow *reason = grid->addEditorRow(QStringLiteral("DelayReason"), QStringLiteral("Delay Reason"),
                                                   QString(), EditorKind::Text);
        reason->setValue(QStringLiteral("Contingency"));
        record(reason, false);

        window->resize(320, 420);
        window->show();
        window->activateWindow();
    }

    bool activate() { return QTest::qWaitForWindowActive(window.get()); }

    GridEditorRow *row(const char *name) const { return grid->editorRow(QString::fromLatin1(name)); }

    void focusRow(const char *name)
    {
        grid->setFocus(Qt::OtherFocusReason);
        grid->setFocusedRow(grid->row(QString::fromLatin1(name)));
    }

    // Keys go where the keyboard would send them: to the focus widget.
    static void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), char(c.unicode()));
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Opens the focused row's editor and types text over its selected content.
    void retype(const char *name, const QString &text)
    {
        focusRow(name);
        press(Qt::Key_F2);
        press(Qt::Key_Delete);
        type(text);
    }

    QLineEdit *editorLine() const
    {
        QWidget *editor = grid->activeEditor();
        return editor ? qobject_cast<QLineEdit *>(editor->focusProxy()) : nullptr;
    }

    void clickValue(const char *name)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->valueRect(row(name)).center());
    }
    void clickCaption(const char *name)
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->captionRect(grid->row(QString::fromLatin1(name))).center());
    }

    static QString valueText(const QVariant &value)
    {
        if (!value.isValid())
            return QStringLiteral("none");
        if (value.metaType() == QMetaType::fromType<DateTimeValue>())
            return QString::number(value.value<DateTimeValue>().days, 'g', 15);
        if (value.typeId() == QMetaType::Double)
            return QString::number(value.toDouble(), 'g', 15);
        return value.toString();
    }

    std::unique_ptr<QWidget> window;
    VerticalGrid *grid = nullptr;
    QLineEdit *other = nullptr;
    QStringList log;
    QStringList errors;

private:
    // Handlers in the manner of the main window's: the change handler reads the row's
    // committed value, the value-changed handler the active editor's text.
    void record(GridEditorRow *row, bool numberConversion)
    {
        row->onChange = [this, row] { log << QStringLiteral("change:") + valueText(row->value()); };
        row->onEditValueChanged = [this, row, numberConversion] {
            const QString text = grid->activeEditorText().value_or(QStringLiteral("<no editor>"));
            log << QStringLiteral("changed:%1@%2").arg(text, valueText(row->value()));
            if (numberConversion && !kestrun::parseFloat(text.toStdString(), grid->regionalSettings()))
                throw kestrun::Error("'" + text.toStdString() + "' is not a valid floating point value");
        };
    }

    GridEditorRow *addNumber(const char *name, const char *caption, const char *hint, const char *format,
                             bool immediatePost, double value, bool positiveRule)
    {
        GridEditorRow *row = grid->addEditorRow(QString::fromLatin1(name), QString::fromLatin1(caption),
                                                QString::fromLatin1(hint), EditorKind::Calculator);
        row->setDisplayFormat(QString::fromLatin1(format));
        row->setImmediatePost(immediatePost);
        row->setValue(value);
        record(row, true);
        if (positiveRule) {
            row->onValidate = [this](const QString &text, QString &errorText, bool &error) {
                log << QStringLiteral("validate:") + text;
                auto number = kestrun::parseFloat(text.toStdString(), grid->regionalSettings());
                if (!number)
                    throw kestrun::Error("Could not convert variant of type (String) into type (Double)");
                std::string message;
                kestrun::ValidatePositive(*number, message, error);
                if (error)
                    errorText = QString::fromStdString(message);
            };
        }
        return row;
    }

    void addDate(const char *name, const char *caption, bool keepsTime, double value)
    {
        GridEditorRow *row = grid->addEditorRow(QString::fromLatin1(name), QString::fromLatin1(caption),
                                                QStringLiteral("Enter the date"), EditorKind::Date);
        row->setKeepsTimeOfDay(keepsTime);
        row->setImmediatePost(true);
        row->setValue(QVariant::fromValue(DateTimeValue{value}));
        record(row, false);
    }
};
