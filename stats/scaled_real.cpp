#include "stats/scaled_real.h"

#include <algorithm>
#include <cmath>

namespace zudira {

namespace {

// A power z^c with c * ln z above this stays a normal extended number.
constexpr Real kLogChunk = -11000;
// Powers that would need more chunks than this are taken through their logarithm.
constexpr Real kMaxChunks = 64;
// Beyond these binary exponents ldexp gives 0 or overflows for any value in [0.5, 1).
constexpr std::int64_t kExponentRange = 40000;

Scaled FromLog2(Real log2_value) {
  // Past the exponent range the product is 0 or overflows anyway; clamping keeps the integer
  // conversion defined for huge arguments (a Poisson mean of 1e19, say).
  const Real limit = 2 * static_cast<Real>(kExponentRange);
  const Real whole = std::clamp(std::floor(log2_value), -limit, limit);
  return {whole == std::floor(log2_value) ? std::exp2(log2_value - whole) : 1,
          static_cast<std::int64_t>(whole)};
}

}  // namespace

void Renormalise(Scaled& s) {
  int e = 0;
  s.value = std::frexp(s.value, &e);
  s.exponent += e;
}

Scaled ScaledPower(Real z, Real r) {
  const Real log_z = std::log(z);
  if (log_z == 0 || r * log_z > kLogChunk) return {std::pow(z, r), 0};
  const Real chunk = std::floor(kLogChunk / log_z);
  if (chunk < 1 || r / chunk > kMaxChunks) return FromLog2(r * log_z / std::log(2.0L));
  const Real chunk_power = std::pow(z, chunk);
  Scaled result{1, 0};
  Real remaining = r;
  for (; remaining >= chunk; remaining -= chunk) {
    result.value *= chunk_power;
    Renormalise(result);
  }
  result.value *= std::pow(z, remaining);
  Renormalise(result);
  return result;
}

Scaled ScaledExp(Real x) {
  if (x > kLogChunk) return {std::exp(x), 0};
  return FromLog2(x / std::log(2.0L));
}

Real ScaledProduct(const Scaled& a, const Scaled& b, Real factor) {
  Scaled product{a.value * b.value * factor, a.exponent + b.exponent};
  if (product.value == 0) return 0;
  Renormalise(product);
  if (product.exponent < -kExponentRange) return 0;
  return std::ldexp(product.value, static_cast<int>(std::min(product.exponent, kExponentRange)));
}

}  // namespace zudira
