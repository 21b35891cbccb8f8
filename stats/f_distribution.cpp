// F distribution. The lower tail uses the closed forms of Abramowitz & Stegun 26.6.4 (even
// numerator DF), 26.6.5 (odd numerator, even denominator DF) and 26.6.8 (both odd), with each
// coefficient and power carried from the previous term and the sums kept scaled, so that large
// DF neither overflow nor lose the first term to underflow. The upper tail and its quantile
// are single precision, through the incomplete beta function and the Ridders search.
#include "stats/f_distribution.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "stats/arithmetic_fault.h"
#include "stats/combinatorics.h"
#include "stats/constants.h"
#include "stats/exception.h"
#include "stats/gamma_function.h"
#include "stats/incomplete_functions.h"
#include "stats/messages.h"
#include "stats/negative_binomial.h"
#include "stats/scaled_real.h"
#include "stats/student_t.h"
#include "stats/unimodal_sum.h"
#include "stats/upper_tail_root.h"

namespace zudira {

namespace {

// Most terms one closed-form sum may take (about a millisecond); beyond it the request is
// refused rather than left running.
constexpr std::int64_t kMaxTerms = 100000;
// The running sum is renormalised by an exact power of two before it could leave the
// extended range; the binary exponent is carried beside it.
constexpr int kRescaleExponent = 8000;
constexpr Real kRescaleAt = 0x1p8000L;
// Sums longer than this, with r as large, go through the saddle-point terms.
constexpr std::int64_t kDirectTerms = 20000;
// Below e^-11400 a value is under the smallest extended subnormal.
constexpr Real kLogNegligible = -11400;
// The ratio of neighbouring terms, factor * (num + k dnum) / (den + k dden) at step k; the
// numerator and denominator are carried by addition (exact: whole or half-whole values).
struct TermRatio {
  Real factor, num, dnum, den, dden;
};

// 1 + sum over k = 1..last of the products ratio(1) * ... * ratio(k). The ratios approach
// `limit` (< 1) from above or stay below it, so once max(ratio, limit) < 1 the rest is a
// geometric tail that can be bounded.
Scaled CarriedSum(std::int64_t last, TermRatio ratio, Real limit) {
  // The ratios never grow with k. When the one at the last allowed term is still at least 1,
  // no bound can end the sum in time: it is refused at once rather than after all its terms.
  if (last > kMaxTerms) {
    const auto at_limit = static_cast<Real>(kMaxTerms);
    if (ratio.factor * (ratio.num + at_limit * ratio.dnum) / (ratio.den + at_limit * ratio.dden) >=
        1) {
      throw Exception(FDegreesTooLargeMessage);
    }
  }
  // The checks run once per block of terms: a ratio is at most about DF / 2 < 2^31, so a
  // block cannot carry the sum from the rescaling point past the extended range.
  constexpr std::int64_t kBlock = 8;
  Scaled sum{1, 0};
  Real term = 1;
  Real num = ratio.num + ratio.dnum;
  Real den = ratio.den + ratio.dden;
  Real r = 1;
  for (std::int64_t k = 1; k <= last;) {
    const std::int64_t block_end = std::min(last, k + kBlock - 1);
    for (; k <= block_end; ++k, num += ratio.dnum, den += ratio.dden) {
      r = ratio.factor * num / den;
      term *= r;
      sum.value += term;
    }
    if (sum.value > kRescaleAt) {
      sum.value = std::ldexp(sum.value, -kRescaleExponent);
      term = std::ldexp(term, -kRescaleExponent);
      sum.exponent += kRescaleExponent;
    }
    const Real bound = std::max(r, limit);
    if (bound < 1 && term * bound <= kNegligibleTail * sum.value * (1 - bound)) break;
    if (k > kMaxTerms) throw Exception(FDegreesTooLargeMessage);
  }
  return sum;
}

// z^r from z and its logarithm. Near 1 the power is taken as exp(r ln z) with ln z formed
// without the rounding of z itself, which r would otherwise magnify.
Scaled PowerOf(Real z, Real log_z, Real r) {
  if (std::fabs(log_z) < 1) return ScaledExp(r * log_z);
  return ScaledPower(z, r);
}

// The two weights of 26.6.4 / 26.6.5, x = n / (n + m F) and 1 - x = m F / (n + m F), each
// formed directly, with their logarithms.
struct Weights {
  Real x, log_x, y, log_y;
};

Weights WeightsOf(Real m, Real n, Real f) {
  const Real mf = m * f;
  const Real x = n / (n + mf);
  const Real y = mf / (n + mf);
  // ln x = -ln(1 + m F / n) keeps full precision near x = 1; below 1/2 ln x itself does, and
  // the quotient there could overflow for a vanishing F.
  return {x, x < 0.5L ? std::log(x) : -std::log1p(mf / n), y,
          y < 0.5L ? std::log(y) : -std::log1p(n / mf)};
}

// z^r * sum_{k=0..last} C(r + k - 1, k) w^k: the negative-binomial sums of 26.6.4 and 26.6.5
// with r = DF / 2 of the other parameter. Step ratio w (r - 1 + k) / k.
Real NegativeBinomialSum(Real r, Real z, Real log_z, Real w, std::int64_t last) {
  if (z == 0) return 0;
  // Long sums with a large r are summed outward from a saddle-point term near their end.
  if (last > kDirectTerms && r > kDirectTerms) {
    return NegativeBinomialLower(r, last, z, w, kMaxTerms, FDegreesTooLargeMessage);
  }
  // With w <= 1 the sum is at most sum C(r + k - 1, k) = C(r + last, last); when even that
  // times z^r lies below the extended range, so does the result, however long the sum.
  const Real k = static_cast<Real>(last);
  const Real log_bound =
      r * log_z + std::lgamma(r + k + 1) - std::lgamma(r + 1) - std::lgamma(k + 1);
  if (log_bound < kLogNegligible) return 0;
  const Scaled sum = CarriedSum(last, {w, r - 1, 1, 0, 1}, w);
  return ScaledProduct(PowerOf(z, log_z, r), sum, 1);
}

// The beta term of 26.6.8 for odd m > 1 and odd n; sin^2 theta is the weight y and
// cos^2 theta the weight x.
Real OddOddBeta(std::uint32_t m, std::uint32_t n, const Weights& w) {
  const Real factorial = Factorial((n - 1) / 2);
  const Real sn = std::sqrt(w.y);
  // Step ratio sin^2 (n - 1 + 2k) / (1 + 2k).
  const Scaled sum = CarriedSum((static_cast<std::int64_t>(m) - 3) / 2,
                                {w.y, static_cast<Real>(n) - 1, 2, 1, 2}, w.y);
  const Real front = 2 * factorial * sn / (std::sqrt(kPi) * GammaFn(static_cast<Real>(n) / 2));
  // cos^n theta = x^(n / 2).
  return ScaledProduct(PowerOf(w.x, w.log_x, static_cast<Real>(n) / 2), sum, front);
}

}  // namespace

Real FCDF(std::uint32_t df1, std::uint32_t df2, Real f) {
  if (!(f > 0)) throw Exception(FMustBePositiveMessage);
  // A count above the signed range is a negative one seen as unsigned.
  constexpr auto kMaxDF = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());
  if (df1 == 0 || df2 == 0 || df1 > kMaxDF || df2 > kMaxDF) {
    throw Exception(DegreesOfFreedomMessage);
  }
  // Beyond this bound the upper tail is below 1e-1900 for any DF (it is largest with one
  // degree of freedom below, about f^(-1/2)), so F has reached its limit 1 in extended
  // precision; the sums below would overflow on the way or run through their terms first.
  constexpr Real kFarBeyondTheLimit = 1e4000L;
  if (f > kFarBeyondTheLimit) return 1;
  const Real p = GuardArithmetic([&]() -> Real {
    const Real m = df1;
    const Real n = df2;
    // With one degree of freedom on either side F is a squared Student t, whose central
    // probability keeps its accuracy and speed for any DF on the other side.
    if (df1 == 1) return StudentTCentral(static_cast<std::int32_t>(df2), std::sqrt(f));
    if (df2 == 1) return 1 - StudentTCentral(static_cast<std::int32_t>(df1), 1 / std::sqrt(f));
    // With both even either form applies; the one with fewer terms is taken.
    const bool even_numerator_form = df1 % 2 == 0 && !(df2 % 2 == 0 && df2 < df1);
    const Weights w = WeightsOf(m, n, f);
    if (even_numerator_form) {
      // Q = x^(n/2) * sum; the lower tail is 1 - Q.
      return 1 - NegativeBinomialSum(n / 2, w.x, w.log_x, w.y, (df1 - 2) / 2);
    }
    if (df2 % 2 == 0) {
      // Q = 1 - (1 - x)^(m/2) * sum, so the lower tail is the sum term itself.
      return NegativeBinomialSum(m / 2, w.y, w.log_y, w.x, (df2 - 2) / 2);
    }
    // A is the Student t central probability with n degrees of freedom at sqrt(m f), with
    // theta = arctan(sqrt(m f / n)); Q = 1 - A + beta.
    const Real a = StudentTCentral(static_cast<std::int32_t>(df2), std::sqrt(m * f));
    const Real q = 1 - a + OddOddBeta(df1, df2, w);
    return 1 - q;
  });
  // Rounding in sums of 10^5 terms may step a few ulps outside the unit interval.
  return std::clamp<Real>(p, 0, 1);
}

float FUpper(std::int32_t df1, std::int32_t df2, float x) {
  if (!(x >= 0) || df1 < 1 || df2 < 1) throw EStStatError(StatBadParam);
  // The weight is formed in double, where no float argument can make it fault; the incomplete
  // beta function guards itself.
  const double d1 = df1;
  const double d2 = df2;
  return IncompleteBeta(static_cast<float>(d2 / (d2 + d1 * x)), static_cast<float>(d2 / 2),
                        static_cast<float>(d1 / 2), 0, 1);
}

float InverseF(std::int32_t df1, std::int32_t df2, float p) {
  if (!(p >= 0) || p > 1 || df1 < 1 || df2 < 1) throw EStStatError(StatBadParam);
  if (p == 1) return 0;
  return UpperTailRoot([&](float x) { return static_cast<double>(FUpper(df1, df2, x)) - p; });
}

}  // namespace zudira
