// The answer report from Print to a shown preview, through the program's own windows: Report
// Setup is answered with OK as soon as it shows, and the time stops once Report Preview has
// painted its first page. Settings go to a private folder.
#include <benchmark/benchmark.h>

#include "bench/window_bench_main.h"

#include <QApplication>
#include <QTimer>
#include <chrono>

#include "app/main_window/main_window.h"
#include "app/shell/data_modules.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/report_windows.h"
#include "reports/windows/setup_window.h"
#include "widgets/duz_edit.h"

namespace {

void BM_PrintToShownPreview(benchmark::State& state) {
  zudira::TDuzDataRP report_module;
  zudira::TDuzDataLite glyph_module;
  report_module.RepSys().SetWindows(&zudira::ReportWindowsOf(report_module));
  zudira::TPDFMainForm window;
  window.findChild<zudira::TDuzEdit3*>("SDev")->SetAsFloat(1);
  window.show();

  using Clock = std::chrono::steady_clock;
  Clock::time_point shown;
  QTimer answer;
  answer.setInterval(0);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* setup = qobject_cast<zudira::TDuzRPSetupForm*>(modal)) {
      setup->accept();
    } else if (auto* preview = qobject_cast<zudira::TDuzRPPreviewForm*>(modal)) {
      if (!preview->isVisible()) return;
      benchmark::DoNotOptimize(preview->grab().toImage().constBits());
      shown = Clock::now();
      preview->reject();
    }
  });
  answer.start();
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    window.PrintBtnClick();
    state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
  }
  answer.stop();
  window.close();
}
BENCHMARK(BM_PrintToShownPreview)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
