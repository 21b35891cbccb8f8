// Student t distribution. The central probability uses the closed forms of Abramowitz &
// Stegun 26.7.3 (odd DF) and 26.7.4 (even DF) with each double-factorial ratio carried from
// the previous term, so the sums are linear in DF and never overflow; a sum stops once a
// geometric bound on its remaining terms is negligible. For very large DF, where the forms
// would need more than a thousand terms, the same probability I_y(1/2, DF/2), y = T^2 / (DF + T^2),
// is summed as its hypergeometric series (about T^2 / 2 terms). The quantile is the Cornish-Fisher
// expansion of A&S 26.7.5 around the normal tail quantile.
#include "stats/student_t.h"

#include <algorithm>
#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/constants.h"
#include "stats/exception.h"
#include "stats/messages.h"
#include "stats/normal.h"
#include "stats/unimodal_sum.h"

namespace zudira {

namespace {

// Most terms a closed-form sum may take before the series for large DF is used instead (the
// series needs a = DF / 2 >= 1000, where its gamma ratio is right to 1e-24).
constexpr Real kMaxClosedFormTerms = 1000;
// Terms the closed forms need before their remaining terms fall below kNegligibleTail:
// ln(1e22) / -ln(cos^2 theta), about 51 / sin^2 theta.
constexpr Real kGeometricDecayTerms = 51;
// When T^2 / 2 exceeds this, 1 - P(|Y| <= T) is below e^-4000 and the answer is +-1.
constexpr Real kNegligibleTailExponent = 4000;

// Sum of the closed form from its first term `first` (i = first_index) with the ratio
// cos^2 (i - 1) / i between the terms i - 2 and i, over i <= last_index.
Real ClosedFormSum(Real first, std::int64_t first_index, std::int64_t last_index, Real c2,
                   Real s2) {
  Real sum = first;
  Real term = first;
  for (std::int64_t i = first_index + 2; i <= last_index; i += 2) {
    term *= c2 * static_cast<Real>(i - 1) / static_cast<Real>(i);
    sum += term;
    // The ratios stay below cos^2, so the rest is at most term * c2 / (1 - c2). (Near
    // theta = pi / 2 the rounded cos theta may come out a tiny negative number.)
    if (std::fabs(term) * c2 <= kNegligibleTail * std::fabs(sum) * s2) break;
  }
  return sum;
}

// Gamma(a + 1/2) / Gamma(a) for large a, by its asymptotic series (relative error below
// 2e-24 for a >= 1000).
Real HalfGammaRatio(Real a) {
  const Real u = 1 / a;
  return std::sqrt(a) *
         (1 + u * (-1.0L / 8 +
                   u * (1.0L / 128 +
                        u * (5.0L / 1024 + u * (-21.0L / 32768 + u * (-399.0L / 262144 +
                                                                      u * (869.0L / 4194304)))))));
}

// P(|Y| <= T) for large DF as 2 sin(theta) cos(theta)^DF Gamma(a + 1/2) / (Gamma(a) sqrt(pi))
// * 2F1(a + 1/2, 1; 3/2; sin^2 theta), a = DF / 2; all terms positive.
Real LargeDFCentral(Real df, Real sn, Real s2) {
  const Real a = df / 2;
  const Real log_c2 = std::log1p(-s2);
  const Real prefactor = 2 * sn * std::exp(a * log_c2) * HalfGammaRatio(a) / std::sqrt(kPi);
  Real sum = 1;
  Real term = 1;
  for (Real k = 0;; k += 1) {
    const Real ratio = s2 * (a + 0.5L + k) / (1.5L + k);
    term *= ratio;
    sum += term;
    // The ratios decrease with k: once below 1 the rest is a shrinking geometric tail.
    if (ratio < 1 && term * ratio <= kNegligibleTail * sum * (1 - ratio)) break;
  }
  return prefactor * sum;
}

Real CornishFisher(Real z, Real n) {
  const Real z2 = z * z;
  const Real z3 = z2 * z;
  const Real z5 = z3 * z2;
  const Real z7 = z5 * z2;
  const Real z9 = z7 * z2;
  const Real n2 = n * n;  // extended: n^2 of a 32-bit DF does not fit 32 bits
  return z + (z3 + z) / (4 * n) + (5 * z5 + 16 * z3 + 3 * z) / (96 * n2) +
         (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * n2 * n) +
         (79 * z9 + 776 * z7 + 1482 * z5 - 1920 * z3 - 945 * z) / (92160 * n2 * n2);
}

}  // namespace

Real StudentTCentral(std::int32_t df, Real t) {
  if (df <= 0) return 0;
  // A NaN would never end the large-DF series: it is an invalid operation, as in the guard.
  if (std::isnan(t)) throw EInvalidOp();
  if (t == 0) return 0;
  const Real central = GuardArithmetic([&]() -> Real {
    const Real n = df;
    const Real theta = std::atan2(t / std::sqrt(n), 1.0L);
    const Real sn = std::sin(theta);
    const Real cs = std::cos(theta);
    if (df == 1) return 2 * theta / kPi;
    const Real s2 = sn * sn;
    const Real c2 = cs * cs;
    Real closed_form_terms = n / 2;
    if (closed_form_terms * s2 > kGeometricDecayTerms)
      closed_form_terms = kGeometricDecayTerms / s2;
    if (closed_form_terms > kMaxClosedFormTerms) {
      if (n / 2 * s2 / c2 > kNegligibleTailExponent) return std::copysign(1.0L, t);
      return LargeDFCentral(n, sn, s2);
    }
    if (df % 2 == 1) return (theta + sn * ClosedFormSum(cs, 1, df - 2, c2, s2)) * 2 / kPi;
    return sn * ClosedFormSum(1, 0, df - 2, c2, s2);
  });
  // Long sums may round a few ulps past +-1.
  return std::clamp<Real>(central, -1, 1);
}

Real StudentTCDF(std::int32_t df, Real t) {
  if (t > 0) return GuardArithmetic([&] { return StudentTCentral(df, t) / 2 + 0.5L; });
  return GuardArithmetic([&] { return (1 - StudentTCentral(df, -t)) / 2; });
}

Real StudentTTailQuantile(std::int32_t df, Real p) {
  if (p > 0.5L) return 0;
  if (!(p > 0)) throw Exception(ProbabilityOutOfRangeMessage);
  if (df <= 0) throw Exception(DegreesOfFreedomMessage);
  const Real z = StdNormalTailQuantile(p);
  return GuardArithmetic([&] { return CornishFisher(z, static_cast<Real>(df)); });
}

Real InverseStudentTLower(std::int32_t df, Real p) {
  if (p > 0.5L) return StudentTTailQuantile(df, 1 - p);
  return -StudentTTailQuantile(df, p);
}

Real InverseStudentTUpper(std::int32_t df, Real p) {
  if (p > 0.5L) return -StudentTTailQuantile(df, 1 - p);
  return StudentTTailQuantile(df, p);
}

}  // namespace zudira
