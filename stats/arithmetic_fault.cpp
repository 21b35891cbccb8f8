#include "stats/arithmetic_fault.h"

namespace zudira {

void ThrowArithmeticFault(int raised_flags) {
  // A division by zero or an overflow usually comes first and may leave an invalid operation
  // behind it (inf - inf), so those two are named before the invalid operation.
  if (raised_flags & FE_DIVBYZERO) throw EZeroDivide();
  if (raised_flags & FE_OVERFLOW) throw EOverflow();
  throw EInvalidOp();
}

}  // namespace zudira
