// The number type of the library and the calculation core.
#pragma once

namespace zudira {
// 80-bit extended precision on x86-64 with GCC.
using Real = long double;
}  // namespace zudira
