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

#if defined(__x86_64__) || defined(__i386__)

// The status flags are read straight from the x87 status word and the SSE control register:
// <cfenv> stores and reloads the whole x87 environment at every call, which cost more than the
// guarded arithmetic itself. Both registers keep the flags in the FE_* bit layout.
static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08 &&
              FE_UNDERFLOW == 0x10 && FE_INEXACT == 0x20);
inline constexpr unsigned kStatusFlagBits = 0x3f;

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

// Puts the x87 flags back to `flags`; clearing all of them is one instruction, anything else
// needs the environment stored and reloaded.
inline void SetX87Flags(unsigned flags) {
  if (flags == 0) {
    asm volatile("fnclex" : : : "memory");
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
// leaves the flags it found (the fault it detected is reported by exception instead). A fault
// that the enclosing guarded computation raised before this one began is reported at once, as
// the first fault of the whole computation. Each register is read once on entry and once at
// the end; inside another guard only a fault is undone, the enclosing guard restores the rest.
class FlagScope {
 public:
  FlagScope() : x87_(X87Flags()), sse_(SseControl()) {
    const unsigned pending = (x87_ | sse_) & ArithmeticFaultFlags;
    if (pending != 0) {
      if (guard_depth > 0) ThrowArithmeticFault(static_cast<int>(pending));
      // The caller's own fault flags would hide the computation's: set aside until the end.
      if (x87_ & ArithmeticFaultFlags) SetX87Flags(x87_ & ~ArithmeticFaultFlags);
      if (sse_ & ArithmeticFaultFlags) SetSseControl(sse_ & ~ArithmeticFaultFlags);
    }
    ++guard_depth;
  }
  // The faults raised since the start.
  int Faults() {
    x87_now_ = X87Flags();
    sse_now_ = SseControl();
    read_ = true;
    return static_cast<int>((x87_now_ | sse_now_) & ArithmeticFaultFlags);
  }
  ~FlagScope() {
    --guard_depth;
    const int faults = read_ ? static_cast<int>((x87_now_ | sse_now_) & ArithmeticFaultFlags)
                             : Faults();
    if (guard_depth > 0 && faults == 0) return;
    if (x87_now_ != x87_) SetX87Flags(x87_);
    if ((sse_now_ ^ sse_) & kStatusFlagBits) {
      SetSseControl((sse_now_ & ~kStatusFlagBits) | (sse_ & kStatusFlagBits));
    }
  }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  unsigned x87_;
  unsigned sse_;
  unsigned x87_now_ = 0;
  unsigned sse_now_ = 0;
  bool read_ = false;
};

#else

// Keeps the caller's status flags, as above, through <cfenv>.
class FlagScope {
 public:
  FlagScope() {
    if (guard_depth > 0) {
      const int pending = Faults();
      if (pending != 0) ThrowArithmeticFault(pending);
    }
    std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
    ++guard_depth;
  }
  int Faults() { return std::fetestexcept(ArithmeticFaultFlags); }
  ~FlagScope() {
    --guard_depth;
    std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
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
