// Sum of the terms lo..hi of a unimodal sequence (a binomial or Poisson probability mass
// function) by the ratio recurrence: one term is computed directly at the mode (or at the end
// of the range nearest to it) and the others follow from it by multiplying the ratio of
// neighbouring terms. The terms shrink moving away from the mode, so the sum stops once the
// remaining ones cannot change it in extended precision (and before they turn subnormal).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "stats/real.h"

namespace zudira {

// Below this fraction of the sum the rest of the terms, counted all at the current size, are
// lost in extended precision.
inline constexpr Real kNegligibleTail = 1e-22L;

// term(i) computes one term directly; up(i) is term(i + 1) / term(i) and down(i) is
// term(i - 1) / term(i). Requires lo <= start <= hi, terms decreasing away from start.
template <class Term, class Up, class Down>
Real SumUnimodal(std::int64_t lo, std::int64_t hi, std::int64_t start, Term term, Up up,
                 Down down) {
  const Real first = term(start);
  Real sum = first;
  Real t = first;
  for (std::int64_t i = start; i > lo; --i) {
    t *= down(i);
    sum += t;
    if (std::fabs(t) * static_cast<Real>(i - lo) <= kNegligibleTail * std::fabs(sum)) break;
  }
  t = first;
  for (std::int64_t i = start; i < hi; ++i) {
    t *= up(i);
    sum += t;
    if (std::fabs(t) * static_cast<Real>(hi - i) <= kNegligibleTail * std::fabs(sum)) break;
  }
  return sum;
}

}  // namespace zudira
