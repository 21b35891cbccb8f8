// The Statistical Tables window: each table built and shown in the grid, the four F tables,
// the binomial table for n = 1547 with its 19 columns, and that table's printout laid out into
// the page stream.
#include <QListWidget>
#include <QSpinBox>

#include "app/dialogs/statistical_tables_window.h"
#include "core/statistical_tables.h"
#include "numeric/statistical_table_text.h"
#include "reports/report_system.h"
#include "reports/table_report.h"
#include "window_bench_main.h"

namespace {

using zudira::TableKind;
using zudira::TableSettings;

// Settings read, cells computed, the grid filled and painted once.
void BM_ShowTable(benchmark::State& state) {
  zudira::StatisticalTablesWindow form({zudira::dkNormal, {0, 0}, {1, 1}});
  form.show();
  form.findChild<QListWidget*>("TableList")->setCurrentRow(static_cast<int>(state.range(0)));
  QApplication::processEvents();
  for (auto _ : state) {
    benchmark::DoNotOptimize(form.ShowChosenTable());
    form.repaint();
  }
}
BENCHMARK(BM_ShowTable)->DenseRange(0, zudira::kTableKindCount - 1)->Unit(benchmark::kMillisecond);

void BM_FourFTables(benchmark::State& state) {
  TableSettings settings;
  settings.kind = TableKind::kF;
  for (auto _ : state) {
    for (int a = 0; a < zudira::kFAlphaCount; ++a) {
      settings.f_alpha = a;
      benchmark::DoNotOptimize(zudira::BuildStatTable(settings).cells.data());
    }
  }
}
BENCHMARK(BM_FourFTables)->Unit(benchmark::kMillisecond);

TableSettings Binomial1547() {
  TableSettings settings;
  settings.kind = TableKind::kBinomial;
  settings.binomial_n = zudira::kMaxBinomialN;
  return settings;
}

// The cells and their texts, as the grid and Copy need them.
void BM_Binomial1547(benchmark::State& state) {
  for (auto _ : state) {
    const zudira::StatTable table = zudira::BuildStatTable(Binomial1547());
    benchmark::DoNotOptimize(zudira::TableTextGrid(table).size());
  }
}
BENCHMARK(BM_Binomial1547)->Unit(benchmark::kMillisecond);

void BM_Binomial1547IntoStream(benchmark::State& state) {
  const zudira::TableReportContent text =
      zudira::TableReportText(zudira::BuildStatTable(Binomial1547()));
  zudira::TReportSystem system;
  for (auto _ : state) {
    auto stream =
        system.Generate([&](zudira::TBaseReport& r) { zudira::PrintTableReport(system, r, text); },
                        zudira::TReportSystem::PaperOf(QString()), nullptr);
    benchmark::DoNotOptimize(stream->PageCount());
  }
}
BENCHMARK(BM_Binomial1547IntoStream)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv);
}
