// Factorial, permutations and binomial coefficients by direct products in extended precision
// (never through logarithms), so results up to 1547 stay whole-valued to 64 bits.
#include "stats/combinatorics.h"

#include <cmath>

#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/messages.h"

namespace zudira {

namespace {

// Every factorial the library takes, formed once by the same running product (so each is
// bit for bit the product 2 * 3 * ... * n): the sums that need one per request spent most of
// their time multiplying it out again.
struct FactorialTable {
  FactorialTable() {
    values[0] = 1;
    for (std::uint32_t i = 1; i <= MaxFactorialArg; ++i) values[i] = values[i - 1] * i;
  }
  Real values[MaxFactorialArg + 1];
};

}  // namespace

Real Factorial(std::uint32_t n) {
  if (n > MaxFactorialArg) throw Exception(FactorialLimitMessage);
  // Still guarded: a fault the enclosing computation raised before is reported here, and the
  // table's first filling keeps the caller's flags.
  return GuardArithmetic([&] {
    static const FactorialTable table;
    return table.values[n];
  });
}

Real Permutations(std::uint32_t n, std::uint32_t r) {
  // 0 taken 0 is one (empty) arrangement.
  if (n < r || n > MaxFactorialArg) return 0;
  if (r == 0) return 1;
  try {
    return GuardArithmetic([&] {
      Real product = 1;
      for (std::uint32_t i = n; i > n - r; --i) product *= i;
      return std::floor(product + 0.5L);
    });
  } catch (const EMathError&) {
    return -1;
  }
}

Real BinomialCoeff(std::uint32_t n, std::uint32_t r) {
  // 0 choose 0 is one (the empty choice).
  if (n < r || n > MaxFactorialArg) return 0;
  if (r == 0 || r == n) return 1;
  if (r > n / 2) r = n - r;
  try {
    return GuardArithmetic([&] {
      // The divisions by 2, 3, ..., r follow the multiplications one by one, which keeps the
      // running value near the size of the result.
      Real result = 1;
      std::uint32_t i = 2;
      for (std::uint32_t j = n - r + 1; j <= n; ++j) {
        result *= j;
        if (i <= r) {
          result /= i;
          ++i;
        }
      }
      return std::floor(result + 0.5L);
    });
  } catch (const EMathError&) {
    return -1;
  }
}

}  // namespace zudira
