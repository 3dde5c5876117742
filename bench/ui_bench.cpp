// SPDX-License-Identifier: MIT
// Main-window benchmarks on the offscreen platform: a committed edit through Recalculate
// and publishing, and the report pane under a long report.
//   QT_QPA_PLATFORM=offscreen kestrun_ui_bench --benchmark_repetitions=5
#include "core/jobparameters.h"
#include "core/engine.h"
#include "core/reportblock.h"
#include "ui/main/mainform.h"
#include "ui/main/reportpane.h"
#include "ui/widgets/verticalgrid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>

namespace {

const kestrun::RegionalSettings kSettings = kestrun::RegionalSettings::englishUnitedStates();

void BM_CommittedEdit(benchmark::State &state)
{
    QTemporaryDir dir;
    MainForm form({[](const QString &) {}, kSettings, dir.filePath(QStringLiteral("k.ini")), [] { return 0.0; }});
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    auto *grid = form.findChild<VerticalGrid *>(QStringLiteral("VGridIn"));
    GridRow *row = grid->row(QStringLiteral("EditorRowBeadingTime"));
    int i = 0;
    for (auto _ : state) {
        grid->setFocus();
        grid->setFocusedRow(row);
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget *editor = grid->activeEditor() ? grid->activeEditor()->focusProxy() : nullptr;
        if (!editor) {
            state.SkipWithError("no editor opened");
            break;
        }
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClick(editor, (i++ % 2) ? '6' : '7'); // a new value each time
        QTest::keyClick(editor, Qt::Key_Return);
    }
    if (form.jobParameters().BeadingTime != 6 && form.jobParameters().BeadingTime != 7)
        state.SkipWithError("the edit did not commit");
}
BENCHMARK(BM_CommittedEdit)->Unit(benchmark::kMicrosecond);

// Building the main window with FormCreate and its first prediction, then showing it.
void BM_MainFormCreation(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        MainForm form({[](const QString &) {}, kSettings, dir.filePath(QStringLiteral("k.ini")), [] { return 0.0; }});
        form.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MainFormCreation)->Unit(benchmark::kMillisecond);

std::vector<std::string> block()
{
    kestrun::JobParameters p = kestrun::jobParameterDefaults();
    kestrun::computePrediction(p);
    return kestrun::RenderReportBlock(p, "Kestrun", 38718.354, kSettings);
}

// 10,000 Adds into one pane; reports the mean cost of one Add over the first and the last hundred.
void BM_TenThousandAdds(benchmark::State &state)
{
    const auto lines = block();
    for (auto _ : state) {
        QPlainTextEdit memo;
        ReportPane pane(&memo);
        double first = 0, last = 0, worst = 0;
        int over2ms = 0;
        for (int i = 0; i < 10'000; ++i) {
            const auto start = std::chrono::steady_clock::now();
            pane.appendLines(lines);
            const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
            if (i < 100)
                first += us;
            if (i >= 9'900)
                last += us;
            worst = std::max(worst, us);
            over2ms += us > 2000 ? 1 : 0;
        }
        state.counters["first100_us_per_add"] = first / 100;
        state.counters["last100_us_per_add"] = last / 100;
        state.counters["worst_add_us"] = worst;
        state.counters["adds_over_2ms"] = over2ms;
    }
}
BENCHMARK(BM_TenThousandAdds)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SaveTenThousandBlocks(benchmark::State &state)
{
    const auto lines = block();
    QPlainTextEdit memo;
    ReportPane pane(&memo);
    for (int i = 0; i < 10'000; ++i)
        pane.appendLines(lines);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    for (auto _ : state)
        pane.save(path);
}
BENCHMARK(BM_SaveTenThousandBlocks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
