// The report engine on its largest job, the 1547 factorial list: laying it out into the page
// stream, writing it as PDF, and drawing one page at 100 % as the preview does; and the
// answer report's pages.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdlib>

#include "numeric/conversions.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "stats/combinatorics.h"

namespace {

QStringList FactorialRows() {
  QStringList rows;
  for (unsigned i = 0; i <= zudira::MaxFactorialArg; ++i)
    rows.push_back(QString::fromStdString(zudira::SafeIntToStr(static_cast<int>(i)) + "|" +
                                          zudira::SafeFloatToFixed(zudira::Factorial(i), 0)));
  return rows;
}

std::unique_ptr<zudira::PageStream> FactorialStream(zudira::TReportSystem& system,
                                                    const QStringList& rows) {
  return system.Generate(
      [&](zudira::TBaseReport& r) {
        zudira::PrintListReport(system, r, QStringLiteral("Factorials up to N = 1547"),
                                QStringLiteral("Factorials"), rows);
      },
      zudira::TReportSystem::PaperOf(QString()), nullptr);
}

void BM_FactorialListIntoStream(benchmark::State& state) {
  const QStringList rows = FactorialRows();
  zudira::TReportSystem system;
  for (auto _ : state) {
    auto stream = FactorialStream(system, rows);
    benchmark::DoNotOptimize(stream->PageCount());
  }
}
BENCHMARK(BM_FactorialListIntoStream)->Unit(benchmark::kMillisecond);

void BM_FactorialListAsPdf(benchmark::State& state) {
  const QStringList rows = FactorialRows();
  zudira::TReportSystem system;
  const auto stream = FactorialStream(system, rows);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Factorials.pdf"));
  for (auto _ : state) zudira::TReportSystem::SavePdf(*stream, path, QStringLiteral("Factorials"));
  state.counters["pages"] = stream->PageCount();
}
BENCHMARK(BM_FactorialListAsPdf)->Unit(benchmark::kMillisecond);

// The answer report as Print makes it, up to the pages the preview shows (without the window).
void BM_AnswerReportIntoStream(benchmark::State& state) {
  zudira::TReportSystem system;
  const zudira::AnswerReportInputs inputs{QStringLiteral("Inverse Normal Distribution"),
                                          zudira::dkInverseNormal,
                                          zudira::rtInsideCO,
                                          zudira::feFixA,
                                          "0.0000000",
                                          "1.0000000",
                                          "0.5000000",
                                          "-1.0000000",
                                          "0.4307273"};
  for (auto _ : state) {
    auto stream = system.Generate(
        [&](zudira::TBaseReport& r) { zudira::PrintAnswerReport(system, r, inputs); },
        zudira::TReportSystem::PaperOf(QString()), nullptr);
    benchmark::DoNotOptimize(stream->PageCount());
  }
}
BENCHMARK(BM_AnswerReportIntoStream)->Unit(benchmark::kMillisecond);

// One page at 100 %: the paper's inches at the screen's 96 dots per inch.
void BM_RenderPageAt100(benchmark::State& state) {
  const QStringList rows = FactorialRows();
  zudira::TReportSystem system;
  const auto stream = FactorialStream(system, rows);
  const QSizeF inches = stream->PageSizeInches();
  QImage image(static_cast<int>(inches.width() * 96), static_cast<int>(inches.height() * 96),
               QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    stream->RenderPage(painter, 1, QRectF(0, 0, image.width(), image.height()));
  }
}
BENCHMARK(BM_RenderPageAt100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
