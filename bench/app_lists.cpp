// Building the 1548 rows of each list kind, and filling the lists window with them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include "bench/window_bench_main.h"

#include "app/dialogs/lists_window.h"
#include "window_rules/list_rows.h"

namespace {

void BM_BuildRows(benchmark::State& state) {
  const auto kind = static_cast<zudira::ListKind>(state.range(0));
  for (auto _ : state) {
    auto rows = zudira::BuildListRows(kind, zudira::kMaxListN);
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_BuildRows)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Rows built, the window made, filled and laid out: everything of a list but the modal wait.
void BM_BuildAndFillWindow(benchmark::State& state) {
  const auto kind = static_cast<zudira::ListKind>(state.range(0));
  for (auto _ : state) {
    const auto rows = zudira::BuildListRows(kind, zudira::kMaxListN);
    zudira::TStatListForm form;
    form.SetRows(kind, rows);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.Rows().size());
  }
}
BENCHMARK(BM_BuildAndFillWindow)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
