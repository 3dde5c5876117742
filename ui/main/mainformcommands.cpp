// SPDX-License-Identifier: MIT
// The main window's commands: building the action list and the bars, and the handlers
// named after the actions.
#include "ui/main/mainform.h"

#include "core/reportblock.h"
#include "support/helpsystem.h"
#include "ui/dialogs/helpaboutform.h"
#include "support/sendmail.h"
#include "support/settingsfile.h"
#include "ui/main/commands.h"
#include "ui/main/mainbars.h"
#include "ui/widgets/barmanager.h"
#include "ui/widgets/imagelist.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

using kestrun::PredictTarget;

void MainForm::buildCommands()
{
    ActionList = new QObject(this);
    ActionList->setObjectName(QStringLiteral("ActionList"));
    QList<BarCommand> barCommands;
    for (const CommandSpec &command : commands()) {
        auto *action = new QAction(ActionList);
        action->setObjectName(QLatin1String(command.action));
        action->setText(QLatin1String(command.caption));
        action->setToolTip(QLatin1String(command.hint));
        if (command.picture >= 0)
            action->setIcon(m_images->icon(command.picture));
        action->setCheckable(command.checkable);
        if (*command.shortcut) {
            action->setShortcut(QKeySequence(QLatin1String(command.shortcut)));
            // Also while an editor of the grid has the focus.
            action->setShortcutContext(Qt::WindowShortcut);
        }
        const auto execute = command.execute;
        connect(action, &QAction::triggered, this, [this, execute] {
            guarded(m_environment.errorHandler, [this, execute] { (this->*execute)(); });
            // A checked-style command shows the state its update rule derives, not a toggle.
            runUpdateHandlers();
        });
        barCommands.push_back({QLatin1String(command.item), action, QLatin1String(command.category)});
    }
    m_bars = buildMainBars(this, barCommands, m_environment.errorHandler);
    m_bars->setUpdateHandler([this] { runUpdateHandlers(); });
}

void MainForm::runUpdateHandlers()
{
    for (const CommandSpec &command : commands())
        if (command.update)
            (this->*command.update)();
}

QAction *MainForm::action(const char *name) const
{
    return ActionList->findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

int MainForm::predictionMenuTag() const
{
    return m_bars->item(QStringLiteral("PredictionMenu"))->tag();
}

void MainForm::LoadBarLayout(const QString &path)
{
    guarded(m_environment.errorHandler,
            [this, &path] { m_bars->loadLayout(::SettingsFile(path).read(), QLatin1String(kBarLayoutPrefix)); });
}

void MainForm::SaveBarLayout(const QString &path)
{
    const ::SettingsFile file(path);
    IniDocument document = file.read();
    m_bars->saveLayout(document, QLatin1String(kBarLayoutPrefix));
    file.write(document);
}

// Target kinds: set Target and show its rows; the prediction stays until the next edit.
void MainForm::choosePredictTarget(PredictTarget target)
{
    m_parameters.Target = target;
    ApplyPredictTarget();
}

void MainForm::checkPredictTarget(const char *name, PredictTarget target)
{
    action(name)->setChecked(m_parameters.Target == target);
}

void MainForm::PredictKPActionExecute() { choosePredictTarget(PredictTarget::ptKP); }
void MainForm::PredictDistanceActionExecute() { choosePredictTarget(PredictTarget::ptDistance); }
void MainForm::PredictFJActionExecute() { choosePredictTarget(PredictTarget::ptFJ); }
void MainForm::PredictNumFJActionExecute() { choosePredictTarget(PredictTarget::ptNumFJ); }
void MainForm::PredictDateTimeActionExecute() { choosePredictTarget(PredictTarget::ptDateTime); }
void MainForm::PredictDaysHoursActionExecute() { choosePredictTarget(PredictTarget::ptDaysHours); }
void MainForm::PredictKPActionUpdate() { checkPredictTarget("PredictKPAction", PredictTarget::ptKP); }
void MainForm::PredictDistanceActionUpdate() { checkPredictTarget("PredictDistanceAction", PredictTarget::ptDistance); }
void MainForm::PredictFJActionUpdate() { checkPredictTarget("PredictFJAction", PredictTarget::ptFJ); }
void MainForm::PredictNumFJActionUpdate() { checkPredictTarget("PredictNumFJAction", PredictTarget::ptNumFJ); }
void MainForm::PredictDateTimeActionUpdate() { checkPredictTarget("PredictDateTimeAction", PredictTarget::ptDateTime); }
void MainForm::PredictDaysHoursActionUpdate() { checkPredictTarget("PredictDaysHoursAction", PredictTarget::ptDaysHours); }

void MainForm::FileExitActionExecute()
{
    close();
}

void MainForm::AddReport()
{
    const kestrun::DateTime now = m_environment.now ? m_environment.now() : 0.0;
    m_report->appendLines(kestrun::RenderReportBlock(m_parameters,
                                                     QGuiApplication::applicationDisplayName().toStdString(), now,
                                                     m_environment.regionalSettings));
}

void MainForm::ReportAddActionExecute()
{
    AddReport();
}

void MainForm::ReportSaveActionExecute()
{
    const QString path = m_environment.chooseReportFile
                             ? m_environment.chooseReportFile(this, m_report->lastFileName())
                             : QFileDialog::getSaveFileName(this, QStringLiteral("Save Report"),
                                                            m_report->lastFileName(),
                                                            QStringLiteral("Text Files (*.txt)"));
    if (path.isEmpty())
        return;
    m_report->setLastFileName(path);
    m_report->save(path);
}

void MainForm::ReportClipboardActionExecute()
{
    m_report->copyToClipboard();
}

void MainForm::ReportClearActionExecute()
{
    m_report->clear();
}

void MainForm::ViewStatusbarActionExecute()
{
    StatusBar->setHidden(!StatusBar->isHidden());
}

void MainForm::ViewStatusbarActionUpdate()
{
    action("ViewStatusbarAction")->setChecked(!StatusBar->isHidden());
}

void MainForm::HelpContentsActionExecute()
{
    if (m_environment.help)
        m_environment.help->showContents();
}

bool MainForm::FormHelp()
{
    if (m_environment.help)
        m_environment.help->showDefaultTopic();
    return true;
}

void MainForm::FeedbackFeatureRequestActionExecute()
{
    sendMailMessage(this, featureRequestMail(), m_environment.mailOpener);
}

void MainForm::FeedbackBugReportActionExecute()
{
    sendMailMessage(this, bugReportMail(), m_environment.mailOpener);
}

void MainForm::HelpRecommendActionExecute()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"),
                    QStringLiteral("Would you like to recommend 'Kestrun 2007' to a friend or colleague?"),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.setObjectName(QStringLiteral("RecommendConfirmation"));
    // Centred on the screen rather than over the window.
    box.adjustSize();
    if (const QScreen *screen = this->screen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
    if (box.clickedButton() != yes)
        return;
    sendMailMessage(this, recommendMail(), m_environment.mailOpener);
}

void MainForm::HelpAboutActionExecute()
{
    HelpAboutForm::showAboutBox(this);
}
