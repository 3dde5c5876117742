// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/jobparameters.h"
#include "core/regionalsettings.h"
#include "ui/main/parameterbinding.h"
#include "ui/main/reportpane.h"
#include "support/sendmail.h"
#include "ui/widgets/errorhandler.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class BarManager;
class HelpSystem;
class HotZoneSplitter;
class QAction;
class PropertiesStore;
class ImageList;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class VerticalGrid;

// What the main window needs from outside; the program passes the real ones, tests their
// own (a recorder for errors, fixed regional settings, a settings file in a temporary folder).
struct MainFormEnvironment {
    ErrorHandler errorHandler;
    kestrun::RegionalSettings regionalSettings;
    QString settingsFile;
    std::function<kestrun::DateTime()> now; // local date-time, for report blocks
    HelpSystem *help = nullptr;             // the help calls; none: help commands do nothing
    AddressOpener mailOpener = desktopAddressOpener();
    // The save dialog: proposes a name, returns the chosen path or an empty text when cancelled.
    std::function<QString(QWidget *owner, const QString &proposed)> chooseReportFile;
};

// The main window: owns the job parameters and every component that lives longer than one
// command. Construction runs FormCreate; the window is not shown yet.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(MainFormEnvironment environment, QWidget *parent = nullptr);
    ~MainForm() override;

    // Computes every result for the current Target and writes the prediction rows.
    // An error leaves the rows as they were and reaches the caller.
    void Recalculate();
    // Shows the target rows of Target, copies Target into the Predict submenu's tag and
    // names the kind in the status bar. Does not recalculate.
    void ApplyPredictTarget();

    const kestrun::JobParameters &jobParameters() const { return m_parameters; }
    kestrun::JobParameters &jobParameters() { return m_parameters; }
    int predictionMenuTag() const;
    QAction *action(const char *name) const;
    BarManager *barManager() const { return m_bars; }

    // Command handlers, named after their actions.
    void FileExitActionExecute();
    void PredictKPActionExecute();
    void PredictDistanceActionExecute();
    void PredictFJActionExecute();
    void PredictNumFJActionExecute();
    void PredictDateTimeActionExecute();
    void PredictDaysHoursActionExecute();
    void PredictKPActionUpdate();
    void PredictDistanceActionUpdate();
    void PredictFJActionUpdate();
    void PredictNumFJActionUpdate();
    void PredictDateTimeActionUpdate();
    void PredictDaysHoursActionUpdate();
    void ReportAddActionExecute();
    void ReportSaveActionExecute();
    void ReportClipboardActionExecute();
    void ReportClearActionExecute();
    void ViewStatusbarActionExecute();
    void ViewStatusbarActionUpdate();
    void HelpContentsActionExecute();
    void FeedbackFeatureRequestActionExecute();
    void FeedbackBugReportActionExecute();
    void HelpRecommendActionExecute();
    void HelpAboutActionExecute();
    // A help request of the platform: opens the default topic (no control has a context).
    bool FormHelp();
    // Appends a block of the current parameters to the report pane.
    void AddReport();

signals:
    // The window has closed and written its settings; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormClose();
    void buildLayout();
    void buildStatusBar();
    void buildCommands();
    void runUpdateHandlers();
    void choosePredictTarget(kestrun::PredictTarget target);
    void checkPredictTarget(const char *action, kestrun::PredictTarget target);
    void LoadBarLayout(const QString &path);
    void SaveBarLayout(const QString &path);

    void applyRestoredSize();

    MainFormEnvironment m_environment;
    QString SettingsFile;
    std::unique_ptr<PropertiesStore> m_store;
    QPoint m_storedTopLeft;
    QSize m_restoredOuterSize{-1, -1};
    bool m_shown = false;
    kestrun::JobParameters m_parameters{};

    std::unique_ptr<ImageList> m_images;
    QFrame *GridPanelMain = nullptr;
    VerticalGrid *VGridIn = nullptr;
    QFrame *PanelRight = nullptr;
    VerticalGrid *VGridOut = nullptr;
    HotZoneSplitter *Splitter = nullptr;
    QPlainTextEdit *ReportMemo = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *m_statusFirstPanel = nullptr;
    QLabel *m_statusSecondPanel = nullptr;
    std::unique_ptr<ParameterBinding> m_binding;
    QObject *ActionList = nullptr;
    BarManager *m_bars = nullptr;
    std::unique_ptr<ReportPane> m_report;
};
