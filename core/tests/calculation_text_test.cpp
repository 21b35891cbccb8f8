// Copy Calculation's three lines for every kind and range family, inverse kinds included. The
// lines are run in R and LibreOffice by copied_lines_test.cpp.
#include <gtest/gtest.h>

#include <cmath>

#include "core/calculation_text.h"
#include "core/evaluate_request.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::RealField;

struct TextRow {
  DistributionKind kind;
  RangeType range;
  Real first, second, a, b;
  FixEnd fixed_end;
  char separator;
  const char* r;
  const char* sheet;
  Real value;  // of both the R expression and the formula, by scipy.stats
};

// Made by `/usr/bin/python3 scripts/calculation_text_references.py`, which evaluates each R
// expression and each formula with scipy.stats and checks that the two agree.
constexpr TextRow kRows[] = {
    {dkNormal, rtBelowA, 0, 1, 1.96, 0, feFixA, '.', "pnorm(1.96, mean = 0, sd = 1)",
     "=NORM.DIST(1.96;0;1;1)", 0.97500210485177952L},
    {dkNormal, rtBelowA, 0, 1, 1.96, 0, feFixA, ',', "pnorm(1.96, mean = 0, sd = 1)",
     "=NORM.DIST(1,96;0;1;1)", 0.97500210485177952L},
    {dkNormal, rtAboveA, 100, 15, 130, 0, feFixA, '.',
     "pnorm(130, mean = 100, sd = 15, lower.tail = FALSE)", "=NORM.DIST(70;100;15;1)",
     0.022750131948179195L},
    {dkNormal, rtInsideOC, 100, 15, 85, 115, feFixA, '.',
     "pnorm(115, mean = 100, sd = 15) - pnorm(85, mean = 100, sd = 15)",
     "=NORM.DIST(115;100;15;1)-(NORM.DIST(85;100;15;1))", 0.68268949213708585L},
    {dkNormal, rtInsideCC, 10, 2.5, 30, 35, feFixA, '.',
     "pnorm(30, mean = 10, sd = 2.5, lower.tail = FALSE) - pnorm(35, mean = 10, sd = 2.5, "
     "lower.tail = FALSE)",
     "=NORM.DIST(-10;10;2.5;1)-(NORM.DIST(-15;10;2.5;1))", 6.2209604980732103e-16L},
    {dkNormal, rtOutsideOO, 0, 1, -1.5, 2, feFixA, '.',
     "pnorm(-1.5, mean = 0, sd = 1) + pnorm(2, mean = 0, sd = 1, lower.tail = FALSE)",
     "=NORM.DIST(-1.5;0;1;1)+NORM.DIST(-2;0;1;1)", 0.089557333217037266L},
    {dkNormal, rtEqualA, 0, 1, 1, 0, feFixA, '.', "0", "=0", 0L},
    {dkNormal, rtInsideOO, 0, 1, 2, 1, feFixA, '.',
     "pnorm(2, mean = 0, sd = 1, lower.tail = FALSE) - pnorm(2, mean = 0, sd = 1, lower.tail = "
     "FALSE)",
     "=NORM.DIST(-2;0;1;1)-(NORM.DIST(-2;0;1;1))", 0L},
    {dkExponential, rtAtMostA, 2, 0, 3, 0, feFixA, '.', "pexp(3, rate = 1/2)",
     "=GAMMA.DIST(3;1;2;1)", 0.77686983985157021L},
    {dkExponential, rtBelowA, 2, 0, 1e-09, 0, feFixA, '.', "pexp(1e-09, rate = 1/2)",
     "=GAMMA.DIST(1e-09;1;2;1)", 4.9999999987500001e-10L},
    {dkExponential, rtOutsideCC, 2, 0, 1, 4, feFixA, '.',
     "pexp(1, rate = 1/2) + pexp(4, rate = 1/2, lower.tail = FALSE)",
     "=GAMMA.DIST(1;1;2;1)+EXP(-4/2)", 0.52880462352397928L},
    {dkStudentT, rtAtLeastA, 10, 0, 2.228, 0, feFixA, '.', "pt(2.228, df = 10, lower.tail = FALSE)",
     "=T.DIST.RT(2.228;10)", 0.025005885908555667L},
    {dkStudentT, rtInsideCC, 5, 0, -1, 2, feFixA, '.', "pt(2, df = 5) - pt(-1, df = 5)",
     "=T.DIST(2;5;1)-(T.DIST(-1;5;1))", 0.76742152676050956L},
    {dkChiSquared, rtAboveA, 3, 0, 7.8, 0, feFixA, '.', "pchisq(7.8, df = 3, lower.tail = FALSE)",
     "=CHISQ.DIST.RT(7.8;3)", 0.050331097859853326L},
    {dkChiSquared, rtAtMostA, 3, 0, 0, 0, feFixA, '.', "pchisq(0, df = 3)", "=0", 0L},
    {dkChiSquared, rtInsideOO, 4, 0, 1, 9, feFixA, '.', "pchisq(9, df = 4) - pchisq(1, df = 4)",
     "=CHISQ.DIST(9;4;1)-(CHISQ.DIST(1;4;1))", 0.84869650860861745L},
    {dkF, rtBelowA, 5, 10, 3, 0, feFixA, '.', "pf(3, df1 = 5, df2 = 10)", "=F.DIST(3;5;10;1)",
     0.93444243790615589L},
    {dkF, rtOutsideCO, 2, 8, 0.5, 4, feFixA, '.',
     "pf(0.5, df1 = 2, df2 = 8) + pf(4, df1 = 2, df2 = 8, lower.tail = FALSE)",
     "=F.DIST(0.5;2;8;1)+F.DIST.RT(4;2;8)", 0.43820492303002589L},
    {dkBinomial, rtBelowA, 0.3, 10, 3, 0, feFixA, '.', "pbinom(2, size = 10, prob = 0.3)",
     "=BINOM.DIST(2;10;0.3;1)", 0.3827827863999998L},
    {dkBinomial, rtEqualA, 0.3, 10, 3, 0, feFixA, '.', "dbinom(3, size = 10, prob = 0.3)",
     "=BINOM.DIST(3;10;0.3;0)", 0.26682793199999977L},
    {dkBinomial, rtAtLeastA, 0.5, 20, 0, 0, feFixA, '.',
     "pbinom(-1, size = 20, prob = 0.5, lower.tail = FALSE)", "=1", 1L},
    {dkBinomial, rtAboveA, 0.3, 20, 18, 0, feFixA, '.',
     "pbinom(18, size = 20, prob = 0.3, lower.tail = FALSE)", "=BETA.DIST(0.3;19;2;1)",
     1.6620338978099989e-09L},
    {dkBinomial, rtInsideCO, 0.3, 20, 3, 7, feFixA, '.',
     "pbinom(6, size = 20, prob = 0.3) - pbinom(2, size = 20, prob = 0.3)",
     "=BINOM.DIST(6;20;0.3;1)-(BINOM.DIST(2;20;0.3;1))", 0.57252667990245576L},
    {dkBinomial, rtInsideCC, 0.3, 20, 16, 19, feFixA, ',',
     "pbinom(15, size = 20, prob = 0.3, lower.tail = FALSE) - pbinom(19, size = 20, prob = 0.3, "
     "lower.tail = FALSE)",
     "=BETA.DIST(0,3;16;5;1)-(BETA.DIST(0,3;20;1;1))", 5.5502182104547462e-06L},
    {dkBinomial, rtOutsideOC, 0.3, 20, 3, 7, feFixA, '.',
     "pbinom(2, size = 20, prob = 0.3) + pbinom(6, size = 20, prob = 0.3, lower.tail = FALSE)",
     "=BINOM.DIST(2;20;0.3;1)+BETA.DIST(0.3;7;14;1)", 0.42747332009754424L},
    {dkBinomial, rtInsideOO, 0.3, 10, 5, 5, feFixA, '.', "0", "=0", 0L},
    {dkPoisson, rtAboveA, 1000, 0, 1030, 0, feFixA, '.',
     "ppois(1030, lambda = 1000, lower.tail = FALSE)", "=GAMMA.DIST(1000;1031;1;1)",
     0.1672980170215726L},
    {dkPoisson, rtInsideCC, 2.5, 0, 1, 4, feFixA, ',',
     "ppois(4, lambda = 2.5) - ppois(0, lambda = 2.5)",
     "=POISSON.DIST(4;2,5;1)-(POISSON.DIST(0;2,5;1))", 0.80909302029025243L},
    {dkPoisson, rtOutsideCC, 2.5, 0, 1, 4, feFixA, '.',
     "ppois(1, lambda = 2.5) + ppois(3, lambda = 2.5, lower.tail = FALSE)",
     "=POISSON.DIST(1;2.5;1)+GAMMA.DIST(2.5;4;1;1)", 0.52972136205057962L},
    {dkPoisson, rtAtMostA, 2.5, 0, 2, 0, feFixA, '.', "ppois(2, lambda = 2.5)",
     "=POISSON.DIST(2;2.5;1)", 0.5438131158833297L},
    {dkPoisson, rtEqualA, 0, 0, 0, 0, feFixA, '.', "dpois(0, lambda = 0)", "=1", 1L},
    {dkPoisson, rtAtLeastA, 0, 0, 1, 0, feFixA, '.', "ppois(0, lambda = 0, lower.tail = FALSE)",
     "=0", 0L},
    {dkInverseNormal, rtBelowA, 10, 2, 0.9, 0, feFixA, '.', "qnorm(0.9, mean = 10, sd = 2)",
     "=NORM.INV(0.9;10;2)", 12.5631031310892L},
    {dkInverseNormal, rtAboveA, 0, 1, 0.025, 0, feFixA, '.',
     "qnorm(0.025, mean = 0, sd = 1, lower.tail = FALSE)", "=-NORM.INV(0.025;0;1)",
     1.9599639845400545L},
    {dkInverseNormal, rtAboveA, 10, 2, 1e-12, 0, feFixA, ',',
     "qnorm(1e-12, mean = 10, sd = 2, lower.tail = FALSE)", "=20-NORM.INV(1e-12;10;2)",
     24.068967650602261L},
    {dkInverseNormal, rtInsideOO, 0, 1, 0.3, -0.5, feFixA, '.',
     "qnorm(pnorm(-0.5, mean = 0, sd = 1) + 0.3, mean = 0, sd = 1)",
     "=NORM.INV(NORM.DIST(-0.5;0;1;1)+0.3;0;1)", 0.27550937716625329L},
    {dkInverseNormal, rtInsideOO, 0, 1, 0.3, 0.5, feFixA, '.',
     "qnorm(pnorm(0.5, mean = 0, sd = 1, lower.tail = FALSE) - 0.3, mean = 0, sd = 1, lower.tail = "
     "FALSE)",
     "=-NORM.INV(NORM.DIST(-0.5;0;1;1)-0.3;0;1)", 2.3850871140040479L},
    {dkInverseStudentT, rtOutsideOO, 5, 0, 0.2, 1, feFixB, '.',
     "qt(0.2 - pt(1, df = 5, lower.tail = FALSE), df = 5)", "=-T.INV.2T(2*(0.2-T.DIST.RT(1;5));5)",
     -2.8275031910126645L},
    {dkInverseStudentT, rtAboveA, 5, 0, 0.05, 0, feFixA, '.',
     "qt(0.05, df = 5, lower.tail = FALSE)", "=T.INV.2T(2*0.05;5)", 2.0150483726691575L},
    {dkInverseStudentT, rtBelowA, 5, 0, 0.9, 0, feFixA, '.', "qt(0.9, df = 5)",
     "=T.INV.2T(2*(1-0.9);5)", 1.4758840487820273L},
    {dkInverseChiSquared, rtAtMostA, 4, 0, 0.95, 0, feFixA, '.', "qchisq(0.95, df = 4)",
     "=CHISQ.INV(0.95;4)", 9.487729036781154L},
    {dkInverseChiSquared, rtOutsideCC, 4, 0, 0.2, 1, feFixA, '.',
     "qchisq(0.2 - pchisq(1, df = 4), df = 4, lower.tail = FALSE)",
     "=CHISQ.INV.RT(0.2-CHISQ.DIST(1;4;1);4)", 7.5437388286625273L},
    {dkInverseF, rtInsideOO, 5, 10, 0.5, 2, feFixB, '.',
     "qf(pf(2, df1 = 5, df2 = 10, lower.tail = FALSE) + 0.5, df1 = 5, df2 = 10, lower.tail = "
     "FALSE)",
     "=F.INV.RT(F.DIST.RT(2;5;10)+0.5;5;10)", 0.65645492267531991L},
    {dkInverseF, rtAboveA, 5, 10, 0.05, 0, feFixA, '.',
     "qf(0.05, df1 = 5, df2 = 10, lower.tail = FALSE)", "=F.INV.RT(0.05;5;10)",
     3.3258345304130112L},
    {dkInverseF, rtBelowA, 5, 10, 0.01, 0, feFixA, '.', "qf(0.01, df1 = 5, df2 = 10)",
     "=1/F.INV.RT(0.01;10;5)", 0.099492417349838685L},
    {dkInverseF, rtEqualA, 5, 10, 0.05, 0, feFixA, '.', "0", "=0", 0L},
};

ProbabilityRequest RequestOf(const TextRow& row) {
  return {
      row.kind,         row.range,       row.fixed_end, RealField(row.first), RealField(row.second),
      RealField(row.a), RealField(row.b)};
}

TEST(CalculationText, RAndSpreadsheetLinesGiveTheAnswer) {
  for (const TextRow& row : kRows) {
    SCOPED_TRACE(row.r);
    const ProbabilityRequest request = RequestOf(row);
    const CalculationLines lines = CalculationText(request, "ANSWER", row.separator);
    EXPECT_EQ(lines.r, row.r);
    EXPECT_EQ(lines.sheet, row.sheet);
    const EvaluationOutcome outcome = EvaluateRequest(request, CalculationMode::kPrecise);
    ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
    // scipy's quantiles are good to about 1e-9 (its qt(0.05, 5, upper) is 3.3e-10 low against
    // mpmath at 30 digits, where the program's bound is right); its tails to 1e-12.
    const Real tolerance = IsInverseKind(row.kind) ? 1e-9L : 1e-12L;
    EXPECT_NEAR(outcome.Value(), row.value, tolerance * std::max<Real>(1, std::fabs(row.value)));
  }
}

TEST(CalculationText, WordsNameTheKindTheEventAndTheAnswer) {
  struct WordsRow {
    ProbabilityRequest request;
    char separator;
    const char* words;
  };
  const WordsRow rows[] = {
      {RequestOf(kRows[0]), '.', "Normal (μ = 0, σ = 1): P(X < 1.96) = ANSWER"},
      {RequestOf(kRows[1]), ',', "Normal (μ = 0; σ = 1): P(X < 1,96) = ANSWER"},
      {RequestOf(kRows[5]), '.', "Normal (μ = 0, σ = 1): P(X < -1.5 or X > 2) = ANSWER"},
      {RequestOf(kRows[10]), '.', "Exponential (μ = 2): P(X ≤ 1 or X ≥ 4) = ANSWER"},
      {RequestOf(kRows[22]), '.', "Binomial (n = 20, p = 0.3): P(3 ≤ X < 7) = ANSWER"},
      {RequestOf(kRows[23]), ',', "Binomial (n = 20; p = 0,3): P(16 ≤ X ≤ 19) = ANSWER"},
      {RequestOf(kRows[26]), '.', "Poisson (λ = 1000): P(X > 1030) = ANSWER"},
      {RequestOf(kRows[16]), '.', "F (df1 = 5, df2 = 10): P(X < 3) = ANSWER"},
      {RequestOf(kRows[32]), '.', "Inverse Normal (μ = 10, σ = 2): P(X < A) = 0.9, A = ANSWER"},
      {RequestOf(kRows[34]), ',', "Inverse Normal (μ = 10; σ = 2): P(X > A) = 1e-12; A = ANSWER"},
      {RequestOf(kRows[37]), '.',
       "Inverse Student T (df = 5): P(X < A or X > 1) = 0.2, A = ANSWER"},
      {RequestOf(kRows[41]), '.',
       "Inverse Chi-Squared (df = 4): P(X ≤ 1 or X ≥ B) = 0.2, B = ANSWER"},
      // The point range shows the probability that was entered, as every inverse does.
      {RequestOf(kRows[45]), '.', "Inverse F (df1 = 5, df2 = 10): P(X = A) = 0.05, A = ANSWER"},
  };
  for (const WordsRow& row : rows) {
    EXPECT_EQ(CalculationText(row.request, "ANSWER", row.separator).words, row.words);
  }
}

}  // namespace
}  // namespace zudira
