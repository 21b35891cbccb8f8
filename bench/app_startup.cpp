// Start-up of the program as far as it runs in-process: the application's data modules, the
// main window made (settings read and applied, inputs set up), shown and painted once, then
// closed and destroyed (settings written). Settings go to a private folder.
#include <benchmark/benchmark.h>

#include "bench/window_bench_main.h"

#include <QApplication>

#include "app/main_window/main_window.h"
#include "app/shell/data_modules.h"
#include "appearance/glyphs.h"
#include "widgets/range_pictures.h"

namespace {

void BM_MainWindowToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    zudira::TDuzDataRP report_module;
    zudira::TDuzDataLite glyph_module;
    zudira::TPDFMainForm window;
    window.show();
    QImage painted = window.grab().toImage();
    benchmark::DoNotOptimize(painted.constBits());
    window.close();
  }
}
BENCHMARK(BM_MainWindowToFirstPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_DrawPictures(benchmark::State& state) {
  for (auto _ : state) {
    auto pictures = zudira::DrawRangePictures();
    auto glyphs = zudira::DrawGlyphs();
    benchmark::DoNotOptimize(pictures.data());
    benchmark::DoNotOptimize(glyphs.data());
  }
}
BENCHMARK(BM_DrawPictures)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunWindowBenchmarks(argc, argv); }
