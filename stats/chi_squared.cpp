// Chi-squared upper tail through the regularised incomplete gamma function, and its quantile
// by the bracketing and Ridders search.
#include "stats/chi_squared.h"

#include <cmath>

#include "stats/exception.h"
#include "stats/incomplete_functions.h"
#include "stats/upper_tail_root.h"

namespace zudira {

float ChiSquaredUpper(std::int32_t df, float x) {
  if (df < 1 || !(x >= 0)) throw EStStatError(StatBadParam);
  // A value beyond the single range arrives as infinity: the tail there is 0.
  if (std::isinf(x)) return 0;
  // Halving and rounding cannot fault; the incomplete gamma function guards itself, and a
  // second guard would only add a catch and rethrow to every refused evaluation.
  const float half_df = static_cast<float>(static_cast<double>(df) / 2);
  const float half_x = static_cast<float>(static_cast<double>(x) / 2);
  return static_cast<float>(1.0 - IncompleteGamma(half_df, half_x));
}

float InverseChiSquared(std::int32_t df, float p) {
  if (!(p >= 0) || p > 1 || df < 1) throw EStStatError(StatBadParam);
  if (p == 1) return 0;
  return UpperTailRoot([&](float x) { return static_cast<double>(ChiSquaredUpper(df, x)) - p; });
}

}  // namespace zudira
