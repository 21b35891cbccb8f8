#include "stats/integer_power.h"

namespace zudira {

namespace {

template <class T>
T PowerBySquaring(T base, std::int64_t exponent) {
  // The magnitude is taken in unsigned arithmetic so that INT64_MIN has one.
  std::uint64_t n = exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent)
                                 : static_cast<std::uint64_t>(exponent);
  T result = 1;
  while (n != 0) {
    if (n & 1U) result *= base;
    n >>= 1U;
    if (n != 0) base *= base;
  }
  return exponent < 0 ? T(1) / result : result;
}

}  // namespace

Real IntPower(Real base, std::int64_t exponent) {
  return PowerBySquaring(base, exponent);
}

double IntPower(double base, std::int64_t exponent) {
  return PowerBySquaring(base, exponent);
}

}  // namespace zudira
