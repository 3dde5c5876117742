// SPDX-License-Identifier: MIT
#pragma once

// The main window on a settings file in a temporary folder, with fixed regional settings,
// a fixed clock and an error handler that records what the error box would show.

#include "core/regionaldates.h"
#include "support/helpsystem.h"
#include "ui/main/mainform.h"
#include "ui/widgets/errorhandler.h"
#include "ui/widgets/verticalgrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Records the help calls instead of opening the help window.
class RecordingHelp : public HelpSystem {
public:
    void showContents() override { calls << QStringLiteral("contents"); }
    void showDefaultTopic() override { calls << QStringLiteral("default topic"); }
    void showContext(int context) override { calls << QStringLiteral("context %1").arg(context); }
    QStringList calls;
};

class MainFormFixture {
public:
    MainFormFixture() { QApplication::setApplicationDisplayName(QStringLiteral("Kestrun")); }

    QString settingsPath() const { return dir.filePath(QStringLiteral("kestrun.ini")); }

    // Creates (FormCreate runs) and shows the window; false when it did not become active.
    bool start()
    {
        MainFormEnvironment environment{
            [this](const QString &message) { errors << errorBoxText(message); },
            settings,
            settingsPath(),
            [this] { return now; },
            &help,
            [this](const QString &address) {
                mails << address;
                return true;
            },
            [this](QWidget *, const QString &proposed) {
                proposedNames << proposed;
                return saveAs;
            },
        };
        form = std::make_unique<MainForm>(std::move(environment));
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    // Closes the window as its close box does (FormClose writes the settings file).
    void close()
    {
        form->close();
        form.reset();
    }

    VerticalGrid *input() const { return form->findChild<VerticalGrid *>(QStringLiteral("VGridIn")); }
    VerticalGrid *output() const { return form->findChild<VerticalGrid *>(QStringLiteral("VGridOut")); }
    GridEditorRow *row(const char *name) const
    {
        if (GridEditorRow *r = input()->editorRow(QString::fromLatin1(name)))
            return r;
        return output()->editorRow(QString::fromLatin1(name));
    }
    QString shown(const char *name) const { return row(name)->displayText(); }

    void focusRow(const char *name) const
    {
        input()->setFocus(Qt::OtherFocusReason);
        input()->setFocusedRow(row(name));
    }
    static void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), char(c.unicode()));
    }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    // Opens the row's editor with its text selected and types over it (nothing typed: emptied).
    void retype(const char *name, const QString &text) const
    {
        focusRow(name);
        press(Qt::Key_F2);
        press(Qt::Key_Delete);
        type(text);
    }
    QLineEdit *editorLine() const
    {
        QWidget *editor = input()->activeEditor();
        return editor ? qobject_cast<QLineEdit *>(editor->focusProxy()) : nullptr;
    }

    void setTarget(kestrun::PredictTarget target) const
    {
        form->jobParameters().Target = target;
        form->ApplyPredictTarget();
    }

    QTemporaryDir dir;
    kestrun::RegionalSettings settings = kestrun::RegionalSettings::englishUnitedStates();
    kestrun::DateTime now = kestrun::encodeDate(2006, 1, 1) + kestrun::encodeTime(8, 30, 0);
    QStringList errors;
    RecordingHelp help;
    QStringList mails;          // addresses handed to the mail program
    QString saveAs;             // what the save dialog answers (empty: cancelled)
    QStringList proposedNames;  // what the save dialog proposed
    std::unique_ptr<MainForm> form;
};
