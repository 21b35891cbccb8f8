#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "real_near.h"
#include "error_capture.h"
#include "stats/binomial.h"
#include "stats/combinatorics.h"
#include "stats/exception.h"
#include "stats/poisson.h"

namespace zudira {
namespace {

constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();

TEST(Combinatorics, ExactProductsUpToTheFactorialLimit) {
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(10), 3628800);
  // python3 -c "from math import *; import mpmath as mp; mp.mp.dps=25;
  //   print(mp.mpf(factorial(25)), mp.mpf(factorial(1547)), comb(60,30), perm(20,10),
  //         mp.mpf(comb(1547,773)), mp.mpf(perm(1547,100)))"
  EXPECT_TRUE(RealRelNear(Factorial(25), 1.5511210043330985984e25L, 1e-19L));
  EXPECT_TRUE(RealRelNear(Factorial(1547), 1.913419845604429838567479e4264L, 2e-17L));
  EXPECT_EQ(BinomialCoeff(60, 30), 118264581564861424.0L);  // needs all 64 bits
  EXPECT_EQ(Permutations(20, 10), 670442572800.0L);
  EXPECT_TRUE(RealRelNear(BinomialCoeff(1547, 773), 1.000893197245141842995326e464L, 2e-17L));
  EXPECT_TRUE(RealRelNear(Permutations(1547, 100), 3.377628246333921790600068e317L, 1e-17L));
}

TEST(Combinatorics, DomainEdges) {
  const struct {
    std::uint32_t n, r;
    Real permutations, coefficient;
  } cases[] = {
      {5, 2, 20, 10},  {5, 0, 1, 1},       {5, 5, 120, 1},
      {3, 4, 0, 0},    {0, 0, 1, 1},  // one empty arrangement, one empty choice
      {0, 1, 0, 0},    {1548, 1, 0, 0},    {1, 1, 1, 1},
      {1547, 0, 1, 1}, {1547, 1547, 0, 1},  // 1547! itself, whole-valued
  };
  for (const auto& c : cases) {
    if (c.n == 1547 && c.r == 1547) {
      // Multiplied downwards rather than upwards: equal to rounding.
      EXPECT_TRUE(RealRelNear(Permutations(c.n, c.r), Factorial(1547), 1e-17L));
    } else {
      EXPECT_EQ(Permutations(c.n, c.r), c.permutations) << c.n << " " << c.r;
    }
    EXPECT_EQ(BinomialCoeff(c.n, c.r), c.coefficient) << c.n << " " << c.r;
  }
  // Coefficients are symmetric and whole-valued along a whole row.
  for (std::uint32_t r = 0; r <= 64; ++r) {
    EXPECT_EQ(BinomialCoeff(64, r), BinomialCoeff(64, 64 - r)) << r;
    EXPECT_EQ(BinomialCoeff(64, r), std::floor(BinomialCoeff(64, r))) << r;
  }
}

TEST(Combinatorics, FactorialLimitAndNegativeArguments) {
  EXPECT_EQ(MessageOf([] { Factorial(1548); }), "Factorial Calculation cannot exceed 1547");
  EXPECT_EQ(MessageOf([] { Factorial(static_cast<std::uint32_t>(-1)); }),
            "Factorial Calculation cannot exceed 1547");
}

struct BinomialCase {
  std::int32_t n, k;
  double p;
  Real less, greater;
};

// python3 -c "import mpmath as mp; from math import comb; mp.mp.dps=40; p=mp.mpf(p);
//   t=lambda i: comb(n,i)*p**i*(1-p)**(n-i);
//   print(mp.fsum(t(i) for i in range(k)), mp.fsum(t(i) for i in range(k+1,n+1)))"
constexpr BinomialCase kBinomialTable[] = {
    {10, 3, 0.5, 0.0546875L, 0.828125L},
    {20, 7, 0.3, 0.6080098122009240058724022L, 0.2277282025818395060117615L},
    {100, 40, 0.45, 0.1342540410546918787187473L, 0.8169430557855346008025528L},
    {1547, 773, 0.5, 0.4797238990261669539323593L, 0.5L},
    {1547, 10, 0.5, 2.783986019342640625687048e-443L, 1.0L},
    {1547, 1500, 0.99, 1.984420549754397246783336e-11L, 0.9999999999365434735154902L},
    {1547, 1, 0.001, 0.2127209606443375758745222L, 0.4578703045040205455117815L},
    {1000, 990, 0.999, 9.599955185228304312435767e-9L, 0.9999998925716613153504168L},
    {1547, 700, 0.45, 0.5682895836998425645657296L, 0.4117260749730380919928312L},
};

TEST(Binomial, CumulativeSumsMatchExactReference) {
  for (const BinomialCase& c : kBinomialTable) {
    EXPECT_TRUE(RealRelNear(BinomialLess(c.n, c.k, c.p), c.less, 1e-16L)) << c.n << " " << c.k;
    EXPECT_TRUE(RealRelNear(BinomialGreater(c.n, c.k, c.p), c.greater, 1e-16L))
        << c.n << " " << c.k;
    // The point, the two strict tails and nothing else make up the whole support.
    EXPECT_TRUE(RealNear(
        BinomialLess(c.n, c.k, c.p) + BinomialProb(c.n, c.k, c.p) + BinomialGreater(c.n, c.k, c.p),
        1, 5e-17L))
        << c.n << " " << c.k;
  }
  EXPECT_EQ(BinomialProb(10, 3, 0.5L), 120.0L / 1024);
}

// The sums as first written: every term with its own coefficient and powers, added from the
// low end. Quadratic in n, kept here as the oracle of the linear sums.
std::vector<Real> DirectTerms(std::int32_t n, Real p) {
  std::vector<Real> terms;
  for (std::int32_t i = 0; i <= n; ++i) {
    terms.push_back(std::pow(p, static_cast<Real>(i)) * BinomialCoeff(n, i) *
                    std::pow(1 - p, static_cast<Real>(n - i)));
  }
  return terms;
}

TEST(Binomial, LinearSumsAgreeWithTheDirectFormula) {
  for (std::int32_t n : {1, 2, 5, 17, 100, 501, 1000, 1546, 1547}) {
    for (Real p : {0.001L, 0.1L, 0.37L, 0.5L, 0.9L, 0.999L}) {
      const std::vector<Real> terms = DirectTerms(n, p);
      const std::int32_t step = n > 40 ? n / 37 : 1;
      for (std::int32_t k = 0; k <= n; k += step) {
        Real less = 0;
        for (std::int32_t i = 0; i < k; ++i) less += terms[i];
        Real greater = 0;
        for (std::int32_t i = k + 1; i <= n; ++i) greater += terms[i];
        EXPECT_TRUE(RealRelNear(BinomialLess(n, k, p), less, 1e-15L))
            << n << " " << k << " " << static_cast<double>(p);
        EXPECT_TRUE(RealRelNear(BinomialGreater(n, k, p), greater, 1e-15L))
            << n << " " << k << " " << static_cast<double>(p);
      }
    }
  }
}

TEST(Binomial, SupportEdgesAndDegenerateParameters) {
  const struct {
    std::int32_t n, k;
    Real p, prob, less, greater;
  } cases[] = {
      {10, 0, 0.3L, 0.0282475249L, 0, 0.9717524751L},
      {10, 11, 0.3L, 0, 1, 0},
      {10, 20, 0.3L, 0, 1, 0},
      {10, kMaxInt, 0.3L, 0, 1, 0},
      {10, -1, 0.3L, 0, 0, 1},
      {10, -5, 0.3L, 0, 0, 1},
      {10, kMinInt, 0.3L, 0, 0, 1},
      {10, 10, 1, 1, 0, 0},
      {10, 9, 1, 0, 0, 1},
      // All the mass at 0: no trials, or no chance of success.
      {0, 0, 0.4L, 1, 0, 0},
      {0, 1, 0.4L, 0, 1, 0},
      {0, -1, 0.4L, 0, 0, 1},
      {12, 0, 0, 1, 0, 0},
      {12, 1, 0, 0, 1, 0},
      {12, 5, 0, 0, 1, 0},
      {12, -1, 0, 0, 0, 1},
      {0, 0, 0, 1, 0, 0},
  };
  for (const auto& c : cases) {
    const double p = static_cast<double>(c.p);
    EXPECT_TRUE(RealNear(BinomialProb(c.n, c.k, c.p), c.prob, 1e-18L))
        << c.n << " " << c.k << " " << p;
    EXPECT_TRUE(RealNear(BinomialLess(c.n, c.k, c.p), c.less, 1e-18L))
        << c.n << " " << c.k << " " << p;
    EXPECT_TRUE(RealNear(BinomialGreater(c.n, c.k, c.p), c.greater, 1e-18L))
        << c.n << " " << c.k << " " << p;
  }
}

TEST(Binomial, MoreTrialsThanTheFactorialLimitRaiseInsteadOfAnsweringZero) {
  const char* limit = "Factorial Calculation cannot exceed 1547";
  EXPECT_EQ(MessageOf([] { BinomialProb(1548, 3, 0.5L); }), limit);
  EXPECT_EQ(MessageOf([] { BinomialLess(1548, 3, 0.5L); }), limit);
  EXPECT_EQ(MessageOf([] { BinomialGreater(kMaxInt, 3, 0.5L); }), limit);
}

struct PoissonCase {
  std::int32_t k;
  double lambda;
  Real less, greater;
};

// python3 -c "import mpmath as mp; from math import factorial; mp.mp.dps=40; l=mp.mpf(lam);
//   L=lambda k: mp.fsum(l**i*mp.exp(-l)/factorial(i) for i in range(k));
//   print(L(k), 1-L(k+1))"
constexpr PoissonCase kPoissonTable[] = {
    {1, 2.0, 0.1353352832366126918939995L, 0.5939941502901619243180015L},
    {3, 2.0, 0.6766764161830634594699975L, 0.1428765395014529513380032L},
    {10, 7.5, 0.7764076130197144330211906L, 0.1377620165716120501941248L},
    {100, 80.0, 0.9828916869648668858341227L, 0.01316885487593385448887722L},
    {1547, 1600.0, 0.08998148934135045178246338L, 0.905843747430908245929406L},
    {400, 1200.0, 2.57551711101945410517535e-159L, 1.0L},
    {5, 0.001, 0.9999999999999999916736081L, 1.387698933377459933302875e-21L},
};

TEST(Poisson, CumulativeSumsMatchExactReference) {
  for (const PoissonCase& c : kPoissonTable) {
    EXPECT_TRUE(RealRelNear(PoissonLess(c.k, c.lambda), c.less, 2e-17L)) << c.k;
    // The upper tail is 1 minus the lower sum, so it is held absolutely.
    EXPECT_TRUE(RealNear(PoissonGreater(c.k, c.lambda), c.greater, 2e-18L)) << c.k;
  }
  // lambda^1546 alone leaves the extended range here; the probability does not.
  EXPECT_TRUE(RealNear(
      PoissonLess(1547, 1600) + PoissonProb(1547, 1600) + PoissonGreater(1547, 1600), 1, 1e-17L));
}

TEST(Poisson, LinearSumAgreesWithTheDirectFormula) {
  for (Real lambda : {0.5L, 3.0L, 50.0L, 700.5L, 1500.0L}) {
    Real direct = 0;
    for (std::int32_t k = 1; k <= 1548; ++k) {
      const std::int32_t i = k - 1;
      direct += std::pow(lambda, static_cast<Real>(i)) * std::exp(-lambda) / Factorial(i);
      if (k % 43 == 0 || k > 1540) {
        EXPECT_TRUE(RealRelNear(PoissonLess(k, lambda), direct, 1e-15L))
            << k << " " << static_cast<double>(lambda);
      }
    }
  }
}

TEST(Poisson, EdgesAndTheFactorialLimit) {
  for (Real lambda : {0.25L, 2.0L, 40.0L}) {
    EXPECT_TRUE(RealNear(PoissonProb(0, lambda), std::exp(-lambda), 1e-19L));
    EXPECT_EQ(PoissonLess(0, lambda), 0);
    EXPECT_EQ(PoissonLess(-7, lambda), 0);
    EXPECT_TRUE(RealNear(PoissonLess(1, lambda), std::exp(-lambda), 1e-19L));
    EXPECT_TRUE(RealNear(PoissonGreater(0, lambda), 1 - std::exp(-lambda), 1e-19L));
    EXPECT_EQ(PoissonGreater(-1, lambda), 1);
    EXPECT_EQ(PoissonGreater(kMinInt, lambda), 1);
  }
  // A mean of 0 puts everything at 0.
  EXPECT_EQ(PoissonProb(0, 0), 1);
  EXPECT_EQ(PoissonLess(5, 0), 1);
  EXPECT_EQ(PoissonGreater(0, 0), 0);
  // Tiny upper tails are never shown as negative probabilities.
  EXPECT_GE(PoissonGreater(1546, 1000), 0);

  const char* limit = "Factorial Calculation cannot exceed 1547";
  EXPECT_EQ(MessageOf([] { PoissonProb(1548, 2); }), limit);
  EXPECT_EQ(MessageOf([] { PoissonProb(-1, 2); }), limit);
  EXPECT_EQ(MessageOf([] { PoissonLess(1549, 2); }), limit);
  EXPECT_EQ(MessageOf([] { PoissonGreater(1548, 2); }), limit);
  // The top of the 32-bit range does not wrap round to a negative count.
  EXPECT_EQ(MessageOf([] { PoissonGreater(kMaxInt, 2); }), limit);
  EXPECT_NO_THROW(PoissonLess(1548, 2));
}

}  // namespace
}  // namespace zudira
