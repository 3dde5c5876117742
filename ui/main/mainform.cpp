// SPDX-License-Identifier: MIT
#include "ui/main/mainform.h"

#include "core/engine.h"
#include "ui/main/images.h"
#include "ui/main/storedproperties.h"
#include "ui/widgets/barmanager.h"
#include "ui/widgets/propertiesstore.h"
#include "ui/widgets/hotzonesplitter.h"
#include "ui/widgets/imagelist.h"
#include "ui/widgets/verticalgrid.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

using kestrun::PredictTarget;

namespace {

constexpr int kDesignClientWidth = 531;
constexpr int kDesignClientHeight = 406;
constexpr int kPredictionGridHeight = 177;
constexpr int kInputCaptionWidth = 132;
constexpr int kOutputCaptionWidth = 134;

QFrame *raisedPanel(const char *name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(1);
    return frame;
}

} // namespace

MainForm::MainForm(MainFormEnvironment environment, QWidget *parent)
    : QMainWindow(parent), m_environment(std::move(environment))
{
    setObjectName(QStringLiteral("MainForm"));
    // The design font, 8 points; the system substitutes its own sans serif face.
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setStyleHint(QFont::SansSerif);
    designFont.setPointSizeF(8);
    setFont(designFont);
    m_images = std::make_unique<ImageList>(kestrunImagePaths());
    setWindowIcon(QIcon(QStringLiteral(":/icons/kestrun.svg")));
    buildLayout();
    buildStatusBar();
    buildCommands();
    resize(kDesignClientWidth, kDesignClientHeight);
    FormCreate();
}

MainForm::~MainForm() = default;

void MainForm::buildLayout()
{
    GridPanelMain = raisedPanel("GridPanelMain", this);
    auto *columns = new QHBoxLayout(GridPanelMain);
    columns->setContentsMargins(1, 1, 1, 1);
    columns->setSpacing(0);

    const auto icons = [images = m_images.get()](int index) { return images->icon(index); };

    VGridIn = new VerticalGrid(GridPanelMain);
    VGridIn->setObjectName(QStringLiteral("VGridIn"));
    VGridIn->setCaptionWidth(kInputCaptionWidth);
    VGridIn->setRegionalSettings(m_environment.regionalSettings);
    VGridIn->setErrorHandler(m_environment.errorHandler);
    VGridIn->setIconProvider(icons);

    PanelRight = raisedPanel("PanelRight", GridPanelMain);
    auto *stack = new QVBoxLayout(PanelRight);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    VGridOut = new VerticalGrid(PanelRight);
    VGridOut->setObjectName(QStringLiteral("VGridOut"));
    VGridOut->setCaptionWidth(kOutputCaptionWidth);
    VGridOut->setRegionalSettings(m_environment.regionalSettings);
    VGridOut->setErrorHandler(m_environment.errorHandler);
    VGridOut->setIconProvider(icons);
    VGridOut->setReadOnly(true);
    VGridOut->setFixedHeight(kPredictionGridHeight);

    Splitter = new HotZoneSplitter(PanelRight);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setControl(VGridOut);
    Splitter->setMinSize(30);

    ReportMemo = new QPlainTextEdit(PanelRight);
    ReportMemo->setObjectName(QStringLiteral("ReportMemo"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(11);
    ReportMemo->setFont(courier);
    ReportMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ReportMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ReportMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_report = std::make_unique<ReportPane>(ReportMemo);

    stack->addWidget(VGridOut);
    stack->addWidget(Splitter);
    stack->addWidget(ReportMemo, 1);

    // Two equal halves whatever the content asks for.
    for (QWidget *half : {static_cast<QWidget *>(VGridIn), static_cast<QWidget *>(PanelRight)}) {
        half->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        columns->addWidget(half, 1);
    }
    setCentralWidget(GridPanelMain);

    // Tab order: the parameter grid, then the report pane (the prediction grid takes no focus).
    setTabOrder(VGridIn, ReportMemo);

    m_binding = std::make_unique<ParameterBinding>(VGridIn, VGridOut, m_parameters,
                                                   m_environment.regionalSettings,
                                                   [this] { Recalculate(); });
    m_binding->buildRows();
}

void MainForm::buildStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(true);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setStyleHint(QFont::SansSerif);
    tahoma.setPointSizeF(8);
    StatusBar->setFont(tahoma);
    m_statusFirstPanel = new QLabel(QStringLiteral("Prediction"), StatusBar);
    m_statusFirstPanel->setObjectName(QStringLiteral("StatusPanel0"));
    // 50 pixels at the design font; never narrower than its text.
    m_statusFirstPanel->setFixedWidth(std::max(50, m_statusFirstPanel->sizeHint().width() + 4));
    m_statusFirstPanel->setFrameStyle(QFrame::NoFrame);
    QPalette grey = m_statusFirstPanel->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::Dark));
    m_statusFirstPanel->setPalette(grey);
    m_statusSecondPanel = new QLabel(StatusBar);
    m_statusSecondPanel->setObjectName(QStringLiteral("StatusPanel1"));
    m_statusSecondPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar->addWidget(m_statusFirstPanel);
    StatusBar->addWidget(m_statusSecondPanel, 1);
    setStatusBar(StatusBar);
}

void MainForm::FormCreate()
{
    m_statusSecondPanel->setText(QStringLiteral("Loading..."));
    StatusBar->repaint();
    setWindowTitle(QGuiApplication::applicationDisplayName());
    SettingsFile = m_environment.settingsFile;

    m_store = std::make_unique<PropertiesStore>(m_environment.regionalSettings);
    m_store->setObjectName(QStringLiteral("PropertiesStore"));
    m_store->setComponents(storedProperties({
        [this](const char *name) { return m_binding->inputRow(name); },
        this,
        &m_storedTopLeft,
        &m_restoredOuterSize,
        m_bars->item(QStringLiteral("PredictionMenu")),
        StatusBar,
    }));
    LoadBarLayout(SettingsFile);
    m_store->setStorageName(SettingsFile);
    // A file that cannot be read is reported; the program starts with the design values.
    guarded(m_environment.errorHandler, [this] { m_store->RestoreProperties(); });
    applyRestoredSize();

    m_binding->copyRowsIntoParameters();
    m_parameters.Target = static_cast<PredictTarget>(predictionMenuTag() & 0xFF);
    ApplyPredictTarget();
    guarded(m_environment.errorHandler, [this] { Recalculate(); });
    // The check marks are right from the first paint; later the idle and menu updates keep them.
    runUpdateHandlers();
}

void MainForm::FormClose()
{
    // The file is rebuilt from nothing; a failed write leaves the previous file intact,
    // is reported, and the window still closes.
    // The properties come first: that write starts the file anew. The toolbar layout is
    // added to what it wrote, and not written when it failed.
    const bool stored = guarded(m_environment.errorHandler, [this] { m_store->StoreProperties(true); });
    if (stored)
        guarded(m_environment.errorHandler, [this] { SaveBarLayout(SettingsFile); });
}

void MainForm::applyRestoredSize()
{
    // The file keeps the outer size; the frame is known only once the window is shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    QSize client = size();
    if (m_restoredOuterSize.width() >= 0)
        client.setWidth(m_restoredOuterSize.width() - frame.width());
    if (m_restoredOuterSize.height() >= 0)
        client.setHeight(m_restoredOuterSize.height() - frame.height());
    resize(client);
}

void MainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    // The first show: the restored size, centred on the screen; the stored left and top
    // edges are kept for the file but not applied.
    m_shown = true;
    applyRestoredSize();
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    }
}
void MainForm::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    emit closed();
}

void MainForm::Recalculate()
{
    kestrun::computePrediction(m_parameters);
    m_binding->publish();
}

void MainForm::ApplyPredictTarget()
{
    m_bars->item(QStringLiteral("PredictionMenu"))->setTag(static_cast<int>(m_parameters.Target));
    m_binding->showTargetRows(m_parameters.Target);
    m_statusSecondPanel->setText(QString::fromUtf8(kestrun::targetDisplayName(m_parameters.Target).data(),
                                                   kestrun::targetDisplayName(m_parameters.Target).size()));
}
