#include "window_rules/plot_ticks.h"

#include <algorithm>
#include <cmath>

namespace zudira {

namespace {

// Ticks may sit on low or high within rounding.
Real FirstIndex(Real low, Real step) {
  return std::ceil(low / step - 1e-9L);
}
Real LastIndex(Real high, Real step) {
  return std::floor(high / step + 1e-9L);
}

}  // namespace

std::vector<Real> RoundTicks(Real low, Real high, int target, bool whole) {
  std::vector<Real> ticks;
  if (!(high > low) || target < 2 || !std::isfinite(high - low)) return ticks;
  auto count = [low, high](Real step) { return LastIndex(high, step) - FirstIndex(low, step) + 1; };
  Real power = std::pow(10.0L, std::floor(std::log10((high - low) / target)) - 1);
  if (whole) power = std::max<Real>(power, 1);
  Real step = 0;
  Real finer = 0;  // the step tried before, 0 for none
  bool found = false;
  // Each decade tries its four steps finest first; a handful of decades always suffices.
  for (int decade = 0; decade < 6 && !found; ++decade, power *= 10) {
    for (const Real factor : {1.0L, 2.0L, 2.5L, 5.0L}) {
      const Real candidate = factor * power;
      if (whole && candidate != std::floor(candidate)) continue;
      if (count(candidate) <= target) {
        step = candidate;
        if (count(step) < kFewestTicks && finer > 0 && count(finer) <= kMostTicks) step = finer;
        found = true;
        break;
      }
      finer = candidate;
    }
  }
  if (!found) return ticks;
  for (Real i = FirstIndex(low, step); i <= LastIndex(high, step); ++i) {
    // Exactly 0 rather than a rounding remnant near it.
    ticks.push_back(std::fabs(i) < 0.5L ? 0 : std::clamp<Real>(i * step, low, high));
  }
  return ticks;
}

int TickDecimals(Real step) {
  if (!(step > 0) || !std::isfinite(step)) return 0;
  int decimals = 0;
  for (Real scaled = step; decimals < 18; ++decimals, scaled *= 10) {
    if (std::fabs(scaled - std::nearbyint(scaled)) <= 1e-6L * scaled) break;
  }
  return decimals;
}

}  // namespace zudira
