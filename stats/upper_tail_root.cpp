#include "stats/upper_tail_root.h"

#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/incomplete_functions.h"
#include "stats/iteration_limits.h"

namespace zudira {

namespace {

constexpr double kBracketGrowth = 1.6;
constexpr double kFirstEstimate = -1.11e30;

}  // namespace

float UpperTailRoot(FunctionRef<double(float)> g) {
  return GuardArithmetic([&] {
    // The points are rounded to single precision before each evaluation; a bracket end past
    // the float range overflows there.
    auto at = [&](double x) { return g(static_cast<float>(x)); };
    double x1 = 0;
    double x2 = 100;
    double f1 = at(x1);
    double f2 = at(x2);
    for (int i = 0; i < MaxIterations && !(f1 * f2 < 0); ++i) {
      if (std::fabs(f1) < std::fabs(f2)) {
        x1 = x1 + kBracketGrowth * (x1 - x2);
        f1 = at(x1);
      } else {
        x2 = x2 + kBracketGrowth * (x2 - x1);
        f2 = at(x2);
      }
    }
    if (f1 * f2 >= 0) throw EStStatError(StatNoConverge);

    double ans = kFirstEstimate;
    for (int i = 0; i < MaxIterations; ++i) {
      const double xm = (x1 + x2) / 2;
      const double fm = at(xm);
      const double s = std::sqrt(fm * fm - f1 * f2);
      if (s == 0) return static_cast<float>(ans);
      const double sign = f1 >= f2 ? 1.0 : -1.0;
      const double xnew = xm + (xm - x1) * (sign * fm / s);
      if (std::fabs(xnew - ans) <= StatEpsilon) return static_cast<float>(ans);
      ans = xnew;
      const double fnew = at(ans);
      if (fnew == 0) return static_cast<float>(ans);
      if (CopySign(fm, fnew) != fm) {
        x1 = xm;
        f1 = fm;
        x2 = ans;
        f2 = fnew;
      } else if (CopySign(f1, fnew) != f1) {
        x2 = ans;
        f2 = fnew;
      } else if (CopySign(f2, fnew) != f2) {
        x1 = ans;
        f1 = fnew;
      } else {
        throw EStStatError(StatNoConverge);
      }
      if (std::fabs(x2 - x1) <= StatEpsilon) return static_cast<float>(ans);
    }
    throw EStStatError(StatNoConverge);
  });
}

}  // namespace zudira
