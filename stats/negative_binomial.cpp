#include "stats/negative_binomial.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "stats/constants.h"
#include "stats/exception.h"
#include "stats/unimodal_sum.h"

namespace zudira {

namespace {

// Quotients of values this far apart are kept out of the extended range.
constexpr Real kFarApart = 1e-4000L;

// ln(n!) - ln(sqrt(2 pi n) (n / e)^n), the error of Stirling's formula: its asymptotic
// series above 35 (next term below 3e-20), directly from ln Gamma below.
Real StirlingError(Real n) {
  constexpr Real kS0 = 1.0L / 12;
  constexpr Real kS1 = 1.0L / 360;
  constexpr Real kS2 = 1.0L / 1260;
  constexpr Real kS3 = 1.0L / 1680;
  constexpr Real kS4 = 1.0L / 1188;
  if (n > 35) {
    const Real nn = n * n;
    return (kS0 - (kS1 - (kS2 - (kS3 - kS4 / nn) / nn) / nn) / nn) / n;
  }
  return std::lgamma(n + 1) - (n + 0.5L) * std::log(n) + n - 0.5L * std::log(kTwoPi);
}

// x ln(x / m) + m - x (the deviance term), with diff = x - m given; near x = m by the series
// in v = (x - m) / (x + m), which avoids the cancellation.
Real Deviance(Real x, Real m, Real diff) {
  if (std::fabs(diff) < 0.1L * (x + m)) {
    const Real v = diff / (x + m);
    Real sum = diff * v;
    Real term = 2 * x * v;
    for (int j = 1; j < 200; ++j) {
      term *= v * v;
      const Real next = sum + term / (2 * j + 1);
      if (next == sum) break;
      sum = next;
    }
    return sum;
  }
  // Far apart (m vanishing next to x) the quotient would overflow; its logarithm does not.
  const Real log_ratio = m < x * kFarApart ? std::log(x) - std::log(m) : std::log(x / m);
  return x * log_ratio - diff;
}

}  // namespace

Real NegativeBinomialTerm(Real r, Real k, Real p, Real q) {
  if (k == 0) return std::pow(p, r);
  // P(X = k) = r / (r + k) * P(Y = r) for Y binomial with r + k trials and probability p.
  const Real n = r + k;
  const Real diff = r * q - k * p;  // r - n p, and k - n q = -diff
  const Real exponent = StirlingError(n) - StirlingError(r) - StirlingError(k) -
                        Deviance(r, n * p, diff) - Deviance(k, n * q, -diff);
  return r / n * std::exp(exponent) / std::sqrt(kTwoPi * r * k / n);
}

Real NegativeBinomialLower(Real r, std::int64_t last, Real p, Real q, std::int64_t max_terms,
                           const char* too_many_message) {
  // The mode (r - 1) q / p; for a vanishing p it lies beyond every count.
  Real mode = 0;
  if (r > 1) {
    const Real scaled = (r - 1) * q;
    mode = scaled > p / kFarApart ? std::numeric_limits<Real>::infinity() : std::floor(scaled / p);
  }
  const Real top = static_cast<Real>(last);
  std::int64_t count = 0;
  auto check_count = [&] {
    if (++count > max_terms) throw Exception(too_many_message);
  };
  if (top < mode) {
    // Terms shrink from `last` down to 0.
    Real term = NegativeBinomialTerm(r, top, p, q);
    Real sum = term;
    for (Real k = top; k > 0; k -= 1) {
      term *= k / (q * (r + k - 1));
      sum += term;
      if (term * k <= kNegligibleTail * sum) break;
      check_count();
    }
    return sum;
  }
  // Above the mode: 1 - P(X > last); the ratios q (r + k) / (k + 1) fall towards q. The tail
  // is needed only as far as it changes the answer 1 - tail.
  Real term = NegativeBinomialTerm(r, top + 1, p, q);
  Real tail = term;
  for (Real k = top + 1;; k += 1) {
    const Real ratio = q * (r + k) / (k + 1);
    term *= ratio;
    tail += term;
    if (ratio < 1 && term * ratio <= kNegligibleTail * (1 - tail) * (1 - ratio)) break;
    check_count();
  }
  return 1 - tail;
}

}  // namespace zudira
