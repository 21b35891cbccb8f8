#include "stats/upper_tail_root.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/incomplete_functions.h"
#include "stats/iteration_limits.h"

namespace zudira {

namespace {

constexpr double kBracketGrowth = 1.6;
constexpr double kFirstEstimate = -1.11e30;

// g at single-precision points, each point evaluated once: near the root the midpoint and the
// new estimate often round to a point already taken, and g costs a whole incomplete function.
class RoundedPoints {
 public:
  explicit RoundedPoints(FunctionRef<double(float)> g) : g_(g) {}
  double operator()(double x) {
    const auto point = static_cast<float>(x);
    for (const Taken& taken : taken_) {
      if (taken.point == point) return taken.value;
    }
    const double value = g_(point);
    taken_[next_] = {point, value};
    next_ = (next_ + 1) % taken_.size();
    return value;
  }

 private:
  struct Taken {
    float point = std::numeric_limits<float>::quiet_NaN();
    double value = 0;
  };
  FunctionRef<double(float)> g_;
  std::array<Taken, 8> taken_{};
  std::size_t next_ = 0;
};

}  // namespace

float UpperTailRoot(FunctionRef<double(float)> g) {
  return GuardArithmetic([&] {
    // The points are rounded to single precision before each evaluation; a bracket end past
    // the float range overflows there.
    RoundedPoints at(g);
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
