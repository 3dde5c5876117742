// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/jobparameters.h"
#include "core/regionalsettings.h"
#include "ui/main/parameterbinding.h"
#include "ui/widgets/errorhandler.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class HotZoneSplitter;
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
    int predictionMenuTag() const { return m_predictionMenuTag; }
    void setPredictionMenuTag(int tag) { m_predictionMenuTag = tag; }

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

    void applyRestoredSize();

    MainFormEnvironment m_environment;
    QString SettingsFile;
    std::unique_ptr<PropertiesStore> m_store;
    QPoint m_storedTopLeft;
    QSize m_restoredOuterSize{-1, -1};
    bool m_shown = false;
    kestrun::JobParameters m_parameters{};
    int m_predictionMenuTag = 0;

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
};
