#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/evaluate_request.h"
#include "request_builders.h"
#include "stats/exception.h"

namespace zudira {
namespace {

using testing::AnswerOf;
using testing::BinomialRequest;
using testing::PoissonRequest;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// The 13 range types in order, each summed exactly over the support with mpmath (30 digits):
//   P = lambda pred: sum(pmf(k) for k in support if pred(k))
// with pmf = binomial(n,k) p^k (1-p)^(n-k) or l^k e^-l / k!.
constexpr std::array<Real, kRangeTypeCount> kBinomial10_03_a3_b6 = {
    0.266827932L,  0.3827827864L, 0.6496107184L, 0.3503892816L, 0.6172172136L,
    0.3030402942L, 0.3397972032L, 0.5698682262L, 0.6066251352L, 0.3933748648L,
    0.4301317738L, 0.6602027968L, 0.6969597058L};
constexpr std::array<Real, kRangeTypeCount> kPoisson25_a1_b4 = {
    0.20521249655974698792L, 0.08208499862389879517L, 0.28729749518364578309L,
    0.71270250481635421691L, 0.91791500137610120483L, 0.47027863794942018066L,
    0.60388052373050545925L, 0.67549113450916716858L, 0.80909302029025244718L,
    0.19090697970974755282L, 0.32450886549083283142L, 0.39611947626949454075L,
    0.52972136205057981934L};

TEST(DiscreteRange, EveryRangeTypeMatchesExactSums) {
  for (int r = 0; r < kRangeTypeCount; ++r) {
    const auto range = static_cast<RangeType>(r);
    SCOPED_TRACE(r);
    EXPECT_NEAR(AnswerOf(BinomialRequest(range, 0.3L, 10, 3, 6)), kBinomial10_03_a3_b6[r], 1e-15);
    EXPECT_NEAR(AnswerOf(PoissonRequest(range, 2.5L, 1, 4)), kPoisson25_a1_b4[r], 1e-15);
  }
}

TEST(DiscreteRange, SpecialAnswers) {
  // L(11) covers the whole support of n = 10.
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtAtMostA, 0.5L, 10, 10)), 1.0, 1e-15);
  EXPECT_NEAR(AnswerOf(PoissonRequest(rtAtMostA, 2, 0)), std::exp(-2.0L), 1e-16);
  // b equal to a: the closed inside range is the point, the open outside ranges its complement.
  // 0.200120949 = binomial(10,4) 0.3^4 0.7^6.
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtInsideCC, 0.3L, 10, 4, 4)), 0.200120949L, 1e-15);
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtOutsideOO, 0.3L, 10, 4, 4)), 0.799879051L, 1e-15);
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtOutsideOC, 0.3L, 10, 4, 4)), 0.799879051L + 0.200120949L,
              1e-15);
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtOutsideCO, 0.3L, 10, 4, 4)), 1.0, 1e-15);
}

// Bounds that decide the range by themselves answer without the library: a count of 5000 would
// raise the factorial limit if any Poisson function were called.
TEST(DiscreteRange, EmptyAndFullRangesNeedNoLibraryCall) {
  struct Row {
    RangeType range;
    std::int32_t a, b;
    Real expected;
  };
  const Row rows[] = {
      {rtInsideOO, 5000, 5000, 0},  {rtInsideOC, 5000, 5000, 0},  {rtInsideCO, 5000, 5000, 0},
      {rtOutsideCC, 5000, 5000, 1}, {rtInsideOO, 5000, 4999, 0},  {rtInsideOC, 5000, 4999, 0},
      {rtInsideCO, 5000, 4999, 0},  {rtInsideCC, 5000, 4999, 0},  {rtOutsideOO, 5000, 4999, 1},
      {rtOutsideOC, 5000, 4999, 1}, {rtOutsideCO, 5000, 4999, 1}, {rtOutsideCC, 5000, 4999, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.range);
    EXPECT_EQ(AnswerOf(PoissonRequest(row.range, 3, row.a, row.b)), row.expected);
  }
  // With b equal to a the other four are formulas, and reach the library.
  for (RangeType range : {rtInsideCC, rtOutsideOO, rtOutsideOC, rtOutsideCO}) {
    EXPECT_THROW(EvaluateRequest(PoissonRequest(range, 3, 5000, 5000)), Exception);
  }
}

// Inside + the complementary outside range = 1 and P(X < A) + P(X >= A) = 1, for bounds in
// every order; the closed inside range is the sum of its points.
TEST(DiscreteRange, ComplementaryRangesAddToOne) {
  const ProbabilityRequest bases[] = {BinomialRequest(rtEqualA, 0.45L, 20, 0),
                                      PoissonRequest(rtEqualA, 6.5L, 0)};
  const std::pair<RangeType, RangeType> complements[] = {
      {rtInsideOO, rtOutsideCC}, {rtInsideOC, rtOutsideCO}, {rtInsideCO, rtOutsideOC},
      {rtInsideCC, rtOutsideOO}, {rtBelowA, rtAtLeastA},    {rtAtMostA, rtAboveA}};
  for (ProbabilityRequest request : bases) {
    for (std::int32_t a = -1; a <= 22; a += 3) {
      for (std::int32_t b : {a - 2, a, a + 1, a + 2, a + 7}) {
        request.a = testing::WholeField(a);
        request.b = testing::WholeField(b);
        SCOPED_TRACE(::testing::Message() << request.kind << " a=" << a << " b=" << b);
        for (const auto& [first, second] : complements) {
          request.range = first;
          const Real x = AnswerOf(request);
          request.range = second;
          EXPECT_NEAR(x + AnswerOf(request), 1.0, 1e-15) << first << " + " << second;
        }
        Real points = 0;
        request.range = rtEqualA;
        for (std::int32_t k = std::max(a, 0); k <= b; ++k) {
          request.a = testing::WholeField(k);
          points += AnswerOf(request);
        }
        request.a = testing::WholeField(a);
        request.range = rtInsideCC;
        EXPECT_NEAR(AnswerOf(request), points, 1e-15);
      }
    }
  }
}

TEST(DiscreteRange, AdjacentBounds) {
  for (std::int32_t a : {0, 3, 9}) {
    for (const ProbabilityRequest& base :
         {BinomialRequest(rtEqualA, 0.3L, 10, 0), PoissonRequest(rtEqualA, 2.5L, 0)}) {
      ProbabilityRequest next = base;
      next.a = testing::WholeField(a);
      next.b = testing::WholeField(a + 1);
      next.range = rtInsideOO;
      EXPECT_EQ(AnswerOf(next), 0);
      ProbabilityRequest same = next;
      same.b = testing::WholeField(a);
      same.range = rtInsideCC;
      next.range = rtInsideCO;
      EXPECT_EQ(AnswerOf(next), AnswerOf(same));
    }
  }
}

// The success probability is checked before anything else, even where the bounds alone would
// decide the answer.
TEST(DiscreteRange, BinomialSuccessProbabilityOutsideUnitIsInputError) {
  for (Real p : {1.5L, -0.1L, 1.0000001L, -1e-12L}) {
    for (int r = 0; r < kRangeTypeCount; ++r) {
      const EvaluationOutcome outcome =
          EvaluateRequest(BinomialRequest(static_cast<RangeType>(r), p, 10, 5, 2));
      EXPECT_TRUE(outcome.IsInputError()) << "p=" << static_cast<double>(p) << " range " << r;
      EXPECT_EQ(outcome.ErrorText(), "p must be in [0, 1]");
    }
  }
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtEqualA, 1, 10, 10)), 1.0, 1e-18);
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtBelowA, 1, 10, 10)), 0.0, 1e-18);
  EXPECT_NEAR(AnswerOf(BinomialRequest(rtEqualA, 0, 10, 3)), 0.0, 1e-18);
  // A negative Poisson mean has no distribution.
  EXPECT_EQ(EvaluateRequest(PoissonRequest(rtInsideOO, -2, 5, 2)).ErrorText(), "Mean must be ≥ 0");
}

// Bounds at the ends of the 32-bit range: a + 1, a - 1 and b + 1 are formed without overflow
// and mean what they say.
TEST(DiscreteRange, BoundsAtTheEndsOfTheWholeRange) {
  struct Row {
    ProbabilityRequest request;
    Real expected;
  };
  const Row rows[] = {
      {BinomialRequest(rtAtMostA, 0.3L, 10, kMax), 1},
      {BinomialRequest(rtBelowA, 0.3L, 10, kMax), 1},
      {BinomialRequest(rtAboveA, 0.3L, 10, kMax), 0},
      {BinomialRequest(rtAtLeastA, 0.3L, 10, kMin), 1},
      {BinomialRequest(rtBelowA, 0.3L, 10, kMin), 0},
      {BinomialRequest(rtAboveA, 0.3L, 10, kMin), 1},
      {BinomialRequest(rtInsideOC, 0.3L, 10, kMin, kMax), 1},
      {BinomialRequest(rtInsideCC, 0.3L, 10, kMin, kMax), 1},
      {BinomialRequest(rtOutsideOO, 0.3L, 10, kMin, kMax), 0},
      {BinomialRequest(rtOutsideCC, 0.3L, 10, kMin, kMax), 0},
      {BinomialRequest(rtOutsideCC, 0.3L, 10, 3, kMax), kBinomial10_03_a3_b6[rtAtMostA]},
      {BinomialRequest(rtOutsideOC, 0.3L, 10, kMin, kMin + 1), 1},
      {PoissonRequest(rtAtLeastA, 2.5L, kMin), 1},
      {PoissonRequest(rtAboveA, 2.5L, kMin), 1},
      {PoissonRequest(rtBelowA, 2.5L, kMin), 0},
      {PoissonRequest(rtOutsideOC, 2.5L, kMin, kMin + 1), 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.request.kind << " range " << row.request.range);
    EXPECT_NEAR(AnswerOf(row.request), row.expected, 1e-15);
  }
  // Poisson counts that high need factorials past the library's limit.
  for (const ProbabilityRequest& request :
       {PoissonRequest(rtAtMostA, 2.5L, kMax), PoissonRequest(rtAboveA, 2.5L, kMax),
        PoissonRequest(rtOutsideCO, 2.5L, 0, kMax), PoissonRequest(rtInsideOC, 2.5L, 0, kMax)}) {
    EXPECT_THROW(EvaluateRequest(request), Exception);
  }
}

TEST(DiscreteRange, LibraryErrorsPassThrough) {
  try {
    EvaluateRequest(PoissonRequest(rtEqualA, 2.5L, 1548));
    ADD_FAILURE() << "no error raised";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Factorial Calculation cannot exceed 1547");
  }
  EXPECT_THROW(EvaluateRequest(BinomialRequest(rtBelowA, 0.5L, 1548, 700)), Exception);
}

}  // namespace
}  // namespace zudira
