// The calculator's arithmetic with its faults made explicit: every result is checked, and a
// result outside the extended range, not a number, or a forbidden argument raises Exception
// with the text the error report shows; the arithmetic faults are the library's own (EOverflow,
// EZeroDivide, EInvalidOp), so both speak with one text. Nothing here ever returns INF or NAN.
#pragma once

#include "stats/arithmetic_fault.h"
#include "stats/real.h"

namespace zudira {

inline constexpr const char* kCalcDivisionByZero = "Division by Zero";
inline constexpr const char* kCalcInvalidInverse = "Invalid Inverse";
inline constexpr const char* kCalcSquareRootOfNegative = "Square Root of Negative";
inline constexpr const char* kCalcMissingOperand = "Missing Operand";

[[noreturn]] void CalcRaise(const char* message);

// a^b: b = 0 gives 1; 0^b is 0 for b > 0; a whole b of the 32-bit range is done by
// multiplication (the reciprocal for negative b); otherwise exp(b ln a), so a negative a with
// a fractional b is an invalid operation.
Real CalcPower(Real a, Real b);
// The b-th root, a^(1/b); b = 0 is a division by zero.
Real CalcRoot(Real a, Real b);
// Base-10 or natural logarithm of a positive x.
Real CalcLogarithm(Real x, bool base10);

// Angles in radians, or in degrees when `radians` is false.
Real CalcSin(Real x, bool radians);
Real CalcCos(Real x, bool radians);
Real CalcTan(Real x, bool radians);
// arcsin as atan2(x, sqrt(1 - x^2)) and arccos as atan2(sqrt(1 - x^2), x): |x| > 1 is an
// invalid operation.
Real CalcArcSin(Real x, bool radians);
Real CalcArcCos(Real x, bool radians);
Real CalcArcTan(Real x, bool radians);

}  // namespace zudira
