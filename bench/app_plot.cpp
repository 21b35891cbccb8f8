// One redraw of the plot window at 800 x 500 for every kind: the model worked out from the
// request and its answer, then painted, as after a Calculate.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include "bench/window_bench_main.h"

#include "app/plot/plot_window.h"
#include "core/evaluate_request.h"

namespace {

using namespace zudira;

FieldValue Field(Real value) {
  return {value, static_cast<std::int32_t>(value)};
}

// A request of each kind with a two-bound range where it has one; Poisson at a large mean,
// so that its bars are grouped.
ProbabilityRequest RequestOf(int kind) {
  ProbabilityRequest r;
  r.kind = static_cast<DistributionKind>(kind);
  r.range = rtInsideOC;
  switch (r.kind) {
    case dkNormal:
      r.mean = Field(0), r.sdev = Field(1), r.a = Field(-1), r.b = Field(1.5L);
      break;
    case dkInverseNormal:
      r.mean = Field(0), r.sdev = Field(1), r.a = Field(0.3L), r.b = Field(0.5L);
      break;
    case dkBinomial:
      r.mean = Field(0.3L), r.sdev = Field(1547), r.a = Field(440), r.b = Field(480);
      break;
    case dkPoisson:
      r.mean = Field(100000), r.a = Field(99800), r.b = Field(100300);
      break;
    case dkExponential:
      r.mean = Field(2), r.a = Field(1), r.b = Field(4);
      break;
    case dkStudentT:
    case dkChiSquared:
      r.mean = Field(5), r.a = Field(1), r.b = Field(3);
      break;
    case dkInverseStudentT:
    case dkInverseChiSquared:
      r.mean = Field(5), r.a = Field(0.3L), r.b = Field(1);
      break;
    case dkF:
      r.mean = Field(5), r.sdev = Field(10), r.a = Field(0.5L), r.b = Field(2);
      break;
    case dkInverseF:
      r.mean = Field(5), r.sdev = Field(10), r.a = Field(0.3L), r.b = Field(0.5L);
      break;
    default:
      break;
  }
  return r;
}

void BM_Redraw(benchmark::State& state) {
  PlotSubject subject;
  subject.request = RequestOf(static_cast<int>(state.range(0)));
  subject.status = PlotStatus::kAnswered;
  subject.answer = EvaluateRequest(subject.request, CalculationMode::kPrecise).Value();
  subject.answer_text = QString::number(static_cast<double>(subject.answer), 'f', 7);
  QImage image(800, 500, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const PlotView view = PlotViewOf(subject);
    QPainter p(&image);
    PaintPlot(p, QRectF(0, 0, 800, 500), view, QLocale::system());
    p.end();
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_Redraw)->DenseRange(0, kFirstKindsCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunWindowBenchmarks(argc, argv);
}
