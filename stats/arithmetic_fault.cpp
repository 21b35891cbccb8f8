#include "stats/arithmetic_fault.h"

#include <cmath>

namespace zudira {

void ThrowArithmeticFault(int raised_flags) {
  // A division by zero or an overflow usually comes first and may leave an invalid operation
  // behind it (inf - inf), so those two are named before the invalid operation.
  if (raised_flags & FE_DIVBYZERO) throw EZeroDivide();
  if (raised_flags & FE_OVERFLOW) throw EOverflow();
  throw EInvalidOp();
}

Real FiniteResult(Real value) {
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  return value;
}

}  // namespace zudira
