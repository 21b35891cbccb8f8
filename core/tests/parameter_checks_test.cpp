// Requests for which no distribution exists, or with a field that is no finite number, end in
// an input error before the library is called; a fixed-seed fuzz run holds every answer in [0, 1].
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "core/evaluate_request.h"
#include "stats/arithmetic_fault.h"
#include "stats/exception.h"

namespace zudira {
namespace {

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kInf = std::numeric_limits<Real>::infinity();

ProbabilityRequest Make(DistributionKind kind, RangeType range, Real first,
                        std::int32_t first_whole, Real second, std::int32_t second_whole, Real a,
                        Real b = 0) {
  ProbabilityRequest r;
  r.kind = kind;
  r.range = range;
  r.mean = {first, first_whole};
  r.sdev = {second, second_whole};
  r.a = {a, static_cast<std::int32_t>(std::isfinite(a) ? a : 0)};
  r.b = {b, static_cast<std::int32_t>(std::isfinite(b) ? b : 0)};
  return r;
}

TEST(ParameterChecks, ImpossibleParametersAndNonFiniteValuesAreInputErrors) {
  struct Case {
    ProbabilityRequest request;
    const char* text;
  };
  const Case cases[] = {
      {Make(dkPoisson, rtEqualA, -3, -3, 0, 0, 0), "Mean must be ≥ 0"},
      {Make(dkPoisson, rtAtMostA, -3, -3, 0, 0, 5), "Mean must be ≥ 0"},
      {Make(dkNormal, rtInsideCC, 0, 0, -1, -1, -1, 1), "σ must be > 0"},
      {Make(dkNormal, rtBelowA, 0, 0, 0, 0, 5), "σ must be > 0"},
      {Make(dkInverseNormal, rtBelowA, 5, 5, 0, 0, 0.5), "σ must be > 0"},
      {Make(dkExponential, rtBelowA, -2, -2, 0, 0, 1), "Mean must be > 0"},
      {Make(dkExponential, rtBelowA, 0, 0, 0, 0, 1), "Mean must be > 0"},
      {Make(dkStudentT, rtBelowA, 0, 0, 0, 0, 1), "Degrees of Freedom must be > 0"},
      {Make(dkInverseStudentT, rtBelowA, -5, -5, 0, 0, 0.5), "Degrees of Freedom must be > 0"},
      {Make(dkChiSquared, rtAboveA, 0, 0, 0, 0, 1), "Degrees of Freedom must be > 0"},
      {Make(dkInverseF, rtBelowA, 3, 3, 0, 0, 0.5), "Degrees of Freedom must be > 0"},
      {Make(dkBinomial, rtEqualA, 0.5, 0, -7, -7, 0), "n must be ≥ 0"},
      {Make(dkStudentT, rtBelowA, 1e8, 100000000, 0, 0, kNaN), "A is not a number"},
      {Make(dkExponential, rtBelowA, 1, 1, 0, 0, kNaN), "A is not a number"},
      {Make(dkNormal, rtInsideOO, 0, 0, 1, 1, 0, kInf), "B must be finite"},
      {Make(dkNormal, rtBelowA, kNaN, 0, 1, 1, 0), "μ is not a number"},
      {Make(dkNormal, rtBelowA, 0, 0, kInf, 0, 0), "σ must be finite"},
      {Make(dkNormal, rtAboveA, 0, 0, 1, 1, -kInf), "A must be finite"},
      {Make(dkPoisson, rtBelowA, kInf, 0, 0, 0, 3), "Mean must be finite"},
      {Make(dkPoisson, rtBelowA, kNaN, 0, 0, 0, 3), "Mean is not a number"},
      {Make(dkBinomial, rtBelowA, kNaN, 0, 5, 5, 3), "p must be in [0, 1]"},
      {Make(dkExponential, rtAboveA, kInf, 0, 0, 0, 1), "Mean must be finite"},
      {Make(dkInverseChiSquared, rtBelowA, 3, 3, 0, 0, kNaN), "The probability is not a number"},
  };
  for (const Case& c : cases) {
    const EvaluationOutcome outcome = EvaluateRequest(c.request);
    EXPECT_TRUE(outcome.IsInputError()) << c.text << " kind " << c.request.kind;
    EXPECT_EQ(outcome.ErrorText(), c.text) << "kind " << c.request.kind;
  }
  // A Poisson mean of 0 keeps all its mass at 0.
  EXPECT_EQ(EvaluateRequest(Make(dkPoisson, rtEqualA, 0, 0, 0, 0, 0)).Value(), 1);
  // A huge Poisson mean leaves nothing below 1000, without an arithmetic fault.
  EXPECT_EQ(EvaluateRequest(Make(dkPoisson, rtBelowA, 9.3e18L, 0, 0, 0, 1000)).Value(), 0);
}

TEST(ParameterChecks, RandomRequestsAnswerInTheUnitIntervalOrEndInTheProgramsErrors) {
  std::mt19937_64 rng(20261208);
  const Real specials[] = {
      0,      1,       -1,   2147483648.0L, -2147483648.0L, std::numeric_limits<Real>::denorm_min(),
      1e300L, -1e300L, kNaN, kInf,          -kInf};
  auto draw = [&]() -> Real {
    switch (rng() % 5) {
      case 0:
        return specials[rng() % std::size(specials)];
      case 1:
        return std::uniform_real_distribution<double>(0, 1)(rng);
      case 2:
        return std::uniform_real_distribution<double>(-10, 10)(rng);
      case 3:
        // Far targets and bounds, down to the smallest extended number.
        return std::pow(10.0L, -std::uniform_real_distribution<double>(0, 4951.4)(rng));
      default:
        return std::uniform_real_distribution<double>(0, 200)(rng);
    }
  };
  auto whole = [](Real v) -> std::int32_t {
    if (!std::isfinite(v)) return 0;
    return static_cast<std::int32_t>(std::clamp<Real>(v, -2147483648.0L, 2147483647.0L));
  };
  for (const CalculationMode mode : {CalculationMode::kClassic, CalculationMode::kPrecise}) {
    int answers = 0;
    for (int i = 0; i < 200000; ++i) {
      ProbabilityRequest r;
      r.kind = static_cast<DistributionKind>(rng() % kDistributionKindCount);
      r.range = static_cast<RangeType>(rng() % kRangeTypeCount);
      r.fixed_end = static_cast<FixEnd>(rng() % 2);
      const Real values[5] = {draw(), draw(), draw(), draw(), draw()};
      r.mean = {values[0], whole(values[0])};
      r.sdev = {values[1], whole(values[1])};
      r.a = {values[2], whole(values[2])};
      r.b = {values[3], whole(values[3])};
      r.third = {values[4], whole(values[4])};
      // The fields the kind reads as real numbers: μ and σ of the normal kinds, the exponential
      // mean, A and, for a two-bound range, B (degrees of freedom are read as whole numbers).
      // The discrete kinds read their bounds as whole numbers, and their first parameter (p or
      // the mean) as a real number.
      // Of the later kinds, the hypergeometric and the negative binomial read their first
      // parameter as a whole number, the negative binomial its second (p) as a real one, and the
      // continuous ones both as real numbers.
      const bool normal = r.kind == dkNormal || r.kind == dkInverseNormal;
      const bool discrete = IsDiscreteKind(r.kind);
      const bool later = r.kind >= kFirstKindsCount;
      const bool later_two_reals = later && !discrete && r.kind != dkInverseExponential;
      const bool whole_first = r.kind == dkHypergeometric || r.kind == dkNegativeBinomial;
      const bool has_nan =
          ((normal || (discrete && !whole_first) || r.kind == dkExponential ||
            r.kind == dkInverseExponential || later_two_reals) &&
           std::isnan(values[0])) ||
          ((normal || later_two_reals || r.kind == dkNegativeBinomial) && std::isnan(values[1])) ||
          (!discrete && (std::isnan(values[2]) || (IsTwoBound(r.range) && std::isnan(values[3]))));
      try {
        const EvaluationOutcome outcome = EvaluateRequest(r, mode);
        // The later kinds have no classic algorithms: both modes give the precise outcome.
        if (later && mode == CalculationMode::kClassic) {
          const EvaluationOutcome precise = EvaluateRequest(r, CalculationMode::kPrecise);
          ASSERT_EQ(outcome.ErrorText(), precise.ErrorText()) << "request " << i;
          ASSERT_TRUE(outcome.Value() == precise.Value() ||
                      (std::isnan(outcome.Value()) && std::isnan(precise.Value())))
              << "request " << i << " kind " << r.kind;
        }
        if (has_nan) {
          EXPECT_TRUE(outcome.IsInputError()) << "request " << i << " kind " << r.kind;
        }
        if (outcome.IsAnswer()) ++answers;
        if (outcome.IsAnswer() && !IsInverseKind(r.kind)) {
          ASSERT_TRUE(outcome.Value() >= 0 && outcome.Value() <= 1)
              << "request " << i << " kind " << r.kind << " range " << r.range << " answered "
              << static_cast<double>(outcome.Value());
        }
        if (outcome.IsAnswer() && IsInverseKind(r.kind)) {
          ASSERT_TRUE(std::isfinite(outcome.Value())) << "request " << i << " kind " << r.kind;
        }
      } catch (const EMathError& e) {
        // Precise inverses answer every target in (0, 1) or say the bound is out of range; the
        // later kinds raise nothing at all, in either mode.
        EXPECT_FALSE((mode == CalculationMode::kPrecise && IsInverseKind(r.kind)) || later)
            << "request " << i << " kind " << r.kind << ": " << e.what();
      } catch (const EStStatError& e) {
        EXPECT_FALSE((mode == CalculationMode::kPrecise && IsInverseKind(r.kind) &&
                      e.ErrorCode == StatNoConverge) ||
                     later)
            << "request " << i << " kind " << r.kind << ": " << e.what();
      } catch (const Exception& e) {
        // the library's own raises pass through to the error report, as described; the later
        // kinds end in an answer or an input error
        EXPECT_FALSE(later) << "request " << i << " kind " << r.kind << ": " << e.Message();
      }
    }
    EXPECT_GT(answers, 40000) << (mode == CalculationMode::kPrecise ? "precise" : "classic");
  }
}

}  // namespace
}  // namespace zudira
