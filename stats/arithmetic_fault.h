// Arithmetic faults of the library: overflow, division by zero and invalid operations become
// exceptions of the library's family; underflow and inexact results pass silently. One
// mechanism, GuardArithmetic, tests the floating-point status flags around a computation.
#pragma once

#include <cfenv>
#include <string>
#include <utility>

#include "stats/exception.h"

namespace zudira {

class EMathError : public Exception {
 public:
  using Exception::Exception;
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};

inline constexpr int ArithmeticFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

// Throws the exception that matches the raised status flags (a mask of FE_* values).
[[noreturn]] void ThrowArithmeticFault(int raised_flags);

namespace detail {

// Depth of nested guarded computations on this thread. Inside a guard the flags belong to the
// library; outside it they may hold anything the caller left behind.
inline thread_local int guard_depth = 0;

// Keeps the caller's status flags: a guarded computation starts from clear flags and leaves
// the flags it found (the fault it detected is reported by exception instead). A fault that
// the enclosing guarded computation raised before this one began is reported at once, as the
// first fault of the whole computation.
class FlagScope {
 public:
  FlagScope() {
    if (guard_depth > 0) {
      const int pending = std::fetestexcept(ArithmeticFaultFlags);
      if (pending != 0) ThrowArithmeticFault(pending);
    }
    std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
    ++guard_depth;
  }
  ~FlagScope() {
    --guard_depth;
    std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
  }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  std::fexcept_t saved_;
};

// Forces the value into memory, so every operation it depends on has run before the flags
// are read (the compiler does not otherwise order arithmetic against the flag test).
template <class T>
inline void Materialize(T& value) {
  asm volatile("" : "+m"(value));
}

}  // namespace detail

// Runs body() and raises EZeroDivide, EOverflow or EInvalidOp when it set the matching flag.
// A fault is reported even when the body went on to throw something else: the fault came
// first, and whatever followed it (a series fed a NaN that never converges) is its echo.
template <class Body>
auto GuardArithmetic(Body&& body) {
  detail::FlagScope scope;
  int raised = 0;
  try {
    auto value = std::forward<Body>(body)();
    detail::Materialize(value);
    raised = std::fetestexcept(ArithmeticFaultFlags);
    if (raised == 0) return value;
  } catch (const EMathError&) {
    throw;
  } catch (...) {
    raised = std::fetestexcept(ArithmeticFaultFlags);
    if (raised == 0) throw;
  }
  ThrowArithmeticFault(raised);
}

}  // namespace zudira
