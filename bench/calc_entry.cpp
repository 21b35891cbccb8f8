// One digit key of the calculator while the number being typed is already long: the cost
// of a key press grows with the entry, which has no length limit.
#include <benchmark/benchmark.h>

#include <string>

#include "numeric/calc_engine.h"

namespace {

void BM_DigitKeyOnLongEntry(benchmark::State& state) {
  zudira::CalcEngine engine('.');
  for (int i = 0; i < state.range(0); ++i) engine.Press(zudira::CalcCommand::ccDigit7);
  for (auto _ : state) {
    engine.Press(zudira::CalcCommand::ccDigit7);
    engine.Press(zudira::CalcCommand::ccBackSpace);
    benchmark::DoNotOptimize(engine.Display());
  }
  state.SetLabel("digit + backspace");
}
BENCHMARK(BM_DigitKeyOnLongEntry)->Arg(10)->Arg(1000)->Arg(10000)->Arg(100000);

void BM_EvaluateNestedExpression(benchmark::State& state) {
  using zudira::CalcCommand;
  for (auto _ : state) {
    zudira::CalcEngine engine('.');
    for (int i = 0; i < 100; ++i) {
      engine.Press(CalcCommand::ccLeftBracket);
      engine.Press(CalcCommand::ccDigit2);
      engine.Press(CalcCommand::ccMultiply);
    }
    engine.Press(CalcCommand::ccDigit1);
    engine.Press(CalcCommand::ccEquals);
    benchmark::DoNotOptimize(engine.Display());
  }
}
BENCHMARK(BM_EvaluateNestedExpression);

}  // namespace

BENCHMARK_MAIN();
