// Arithmetic faults of the library: overflow, division by zero and invalid operations become
// exceptions of the library's family; underflow and inexact results pass silently. One
// mechanism, GuardArithmetic, tests the floating-point status flags around a computation.
#pragma once

#include <cfenv>
#include <string>
#include <utility>

#include "stats/exception.h"
#include "stats/real.h"

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

inline constexpr int kArithmeticFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

// Throws the exception that matches the raised status flags (a mask of FE_* values).
[[noreturn]] void ThrowArithmeticFault(int raised_flags);

// The value itself when finite; a NaN is the invalid operation and an infinity the overflow.
// For results whose flags say nothing: the calculator's and those of other libraries.
Real FiniteResult(Real value);

namespace detail {

// Depth of nested guarded computations on this thread. Inside a guard the flags belong to the
// library; outside it they may hold anything the caller left behind.
inline thread_local int guard_depth = 0;

#if defined(__x86_64__) || defined(__i386__)

// The status flags are read straight from the x87 status word and the SSE control register:
// <cfenv> stores and reloads the whole x87 environment at every call, which cost more than the
// guarded arithmetic itself. Both registers keep the flags in the FE_* bit layout.
static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08 &&
              FE_UNDERFLOW == 0x10 && FE_INEXACT == 0x20);
// The five flags of <cfenv>. The denormal-operand flag beside them is no part of it and, as
// under <cfenv>, is left to whatever the arithmetic does: raising it again would cost more
// than the guarded step.
inline constexpr unsigned kStatusFlagBits = FE_ALL_EXCEPT;

inline unsigned X87Flags() {
  unsigned short status;
  asm volatile("fnstsw %0" : "=am"(status) : : "memory");
  return status & kStatusFlagBits;
}

inline unsigned SseControl() {
  unsigned control;
  asm volatile("stmxcsr %0" : "=m"(control) : : "memory");
  return control;
}

inline void SetSseControl(unsigned control) {
  asm volatile("ldmxcsr %0" : : "m"(control) : "memory");
}

// Raises one x87 flag by an operation that raises that flag alone. The operands are read
// through volatile so that nothing is folded at compile time.
inline void RaiseX87(unsigned flag) {
  static volatile long double zero = 0, three = 3, huge = 0x1p16000L, tiny = 0x1p-16000L;
  long double r = 0;
  if (flag == FE_INVALID) r = zero / zero;
  if (flag == FE_DIVBYZERO) r = 1 / zero;
  if (flag == FE_OVERFLOW) r = huge * huge;   // with inexact
  if (flag == FE_UNDERFLOW) r = tiny * tiny;  // with inexact
  if (flag == FE_INEXACT) r = 1 / three;
  asm volatile("" : "+t"(r));
}

// Turns the x87 flags from `current` to `flags`. Flags are only added when none must go, and
// are raised by arithmetic unless overflow or underflow would stand without inexact; clearing
// them all is one instruction, and storing and reloading the environment, the general way,
// costs as much as a whole request.
inline void SetX87Flags(unsigned flags, unsigned current) {
  if (current & ~flags) {
    asm volatile("fnclex" : : : "memory");
    current = 0;
  }
  const unsigned missing = flags & ~current;
  if (missing == 0) return;
  if ((missing & (FE_OVERFLOW | FE_UNDERFLOW)) == 0 || (flags & FE_INEXACT) != 0) {
    for (unsigned flag = 1; flag <= FE_INEXACT; flag <<= 1) {
      if (missing & flag) RaiseX87(flag);
    }
    return;
  }
  struct {
    unsigned short control, unused1, status, unused2;
    unsigned rest[5];
  } env;
  asm volatile("fnstenv %0" : "=m"(env) : : "memory");
  env.status = static_cast<unsigned short>((env.status & ~kStatusFlagBits) | flags);
  asm volatile("fldenv %0" : : "m"(env) : "memory");
}

// Keeps the caller's status flags: a guarded computation starts without fault flags and
// leaves the caller's fault flags as it found them (the fault it detected is reported by
// exception instead). A fault that the enclosing guarded computation raised before this one
// began is reported at once, as the first fault of the whole computation. The flags that
// ordinary arithmetic raises, inexact and underflow, stay raised after it as after any other
// arithmetic: clearing them again, and raising them again at the next request, took the
// processor longer than the guarded arithmetic itself. Each register is read once on entry and
// once at the end, and written only where a fault has to be undone.
class FlagScope {
 public:
  [[gnu::always_inline]] FlagScope() : x87_(X87Flags()), sse_(SseControl()) {
    if (((x87_ | sse_) & kArithmeticFaultFlags) != 0) [[unlikely]]
      SetAside();
    ++guard_depth;
  }
  // The faults raised since the start.
  int Faults() {
    x87_now_ = X87Flags();
    sse_now_ = SseControl();
    read_ = true;
    return static_cast<int>((x87_now_ | sse_now_) & kArithmeticFaultFlags);
  }
  [[gnu::always_inline]] ~FlagScope() {
    --guard_depth;
    const int faults =
        read_ ? static_cast<int>((x87_now_ | sse_now_) & kArithmeticFaultFlags) : Faults();
    if (faults != 0 || set_aside_) [[unlikely]]
      Restore();
  }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  // The caller's own fault flags would hide the computation's: set aside until the end.
  // Inside the guard only the fault flags are read, so the x87 ones can all go at once.
  [[gnu::noinline, gnu::cold]] void SetAside() {
    if (guard_depth > 0) {
      ThrowArithmeticFault(static_cast<int>((x87_ | sse_) & kArithmeticFaultFlags));
    }
    if (x87_ & kArithmeticFaultFlags) SetX87Flags(0, x87_);
    if (sse_ & kArithmeticFaultFlags) SetSseControl(sse_ & ~kArithmeticFaultFlags);
    set_aside_ = true;
  }
  // A fault was reported (or caught inside), or the caller's own faults were set aside: the
  // registers go back to the caller's flags exactly.
  [[gnu::noinline, gnu::cold]] void Restore() {
    if (x87_now_ != x87_) SetX87Flags(x87_, x87_now_);
    if ((sse_now_ ^ sse_) & kStatusFlagBits) {
      SetSseControl((sse_now_ & ~kStatusFlagBits) | (sse_ & kStatusFlagBits));
    }
  }

  unsigned x87_;
  unsigned sse_;
  unsigned x87_now_ = 0;
  unsigned sse_now_ = 0;
  bool read_ = false;
  bool set_aside_ = false;
};

#else

// Keeps the caller's fault flags, as above, through <cfenv>.
class FlagScope {
 public:
  FlagScope() {
    if (guard_depth > 0) {
      const int pending = Faults();
      if (pending != 0) ThrowArithmeticFault(pending);
    }
    std::fegetexceptflag(&saved_, kArithmeticFaultFlags);
    std::feclearexcept(kArithmeticFaultFlags);
    ++guard_depth;
  }
  int Faults() { return std::fetestexcept(kArithmeticFaultFlags); }
  ~FlagScope() {
    --guard_depth;
    std::fesetexceptflag(&saved_, kArithmeticFaultFlags);
  }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  std::fexcept_t saved_;
};

#endif

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
    raised = scope.Faults();
    if (raised == 0) return value;
  } catch (const EMathError&) {
    throw;
  } catch (...) {
    raised = scope.Faults();
    if (raised == 0) throw;
  }
  ThrowArithmeticFault(raised);
}

}  // namespace zudira
