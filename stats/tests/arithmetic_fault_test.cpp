#include "stats/arithmetic_fault.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <string>

#include "stats/exception.h"
#include "stats/integer_power.h"
#include "stats/real.h"

namespace zudira {
namespace {

// Inputs the compiler cannot fold away.
volatile Real huge = 1e4000L;
volatile Real zero = 0;
volatile Real tiny = 1e-4000L;

TEST(GuardArithmetic, EachFaultBecomesItsOwnErrorWithItsText) {
  try {
    GuardArithmetic([] { return huge * huge; });
    ADD_FAILURE() << "no overflow";
  } catch (const EOverflow& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
  }
  try {
    GuardArithmetic([] { return 1 / zero; });
    ADD_FAILURE() << "no division by zero";
  } catch (const EZeroDivide& e) {
    EXPECT_STREQ(e.what(), "Floating point division by zero");
  }
  try {
    GuardArithmetic([] { return std::sqrt(zero - 1); });
    ADD_FAILURE() << "no invalid operation";
  } catch (const EInvalidOp& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation");
  }
  // All three belong to the library's family.
  EXPECT_THROW(GuardArithmetic([] { return huge * huge; }), Exception);
}

TEST(GuardArithmetic, UnderflowAndInexactPassAndTheCallersFlagsAreKept) {
  EXPECT_EQ(GuardArithmetic([] { return tiny * tiny; }), 0);
  EXPECT_NEAR(static_cast<double>(GuardArithmetic([] { return 1 / (zero + 3); })), 1.0 / 3, 1e-15);

  std::feclearexcept(FE_ALL_EXCEPT);
  volatile double outside = 1e308;
  outside = outside * 10;  // the caller's own overflow, not the library's business
  EXPECT_NO_THROW(GuardArithmetic([] { return tiny + 1; }));
  EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
  EXPECT_THROW(GuardArithmetic([] { return 1 / zero; }), EZeroDivide);
  EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO));
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(GuardArithmetic, TheFirstFaultIsReportedNotWhatFollowedIt) {
  // A computation that overflows and then fails its own way reports the overflow.
  EXPECT_THROW(GuardArithmetic([]() -> Real {
                 const Real x = huge * huge;
                 if (std::isinf(x)) throw EStStatError(StatNoConverge);
                 return x;
               }),
               EOverflow);
  // An overflow raised before a nested guarded step is reported, not the step's own fault.
  EXPECT_THROW(GuardArithmetic([] {
                 const Real x = huge * huge;
                 return GuardArithmetic([&] { return x - x; });
               }),
               EOverflow);
  // Errors that come without a fault pass unchanged.
  EXPECT_THROW(GuardArithmetic([]() -> Real { throw EStStatError(StatBadParam); }), EStStatError);
}

// The caller's flags per unit: long double arithmetic runs on the x87, double on SSE. The guard
// must leave each unit's fault flags as it found them and lose none of the caller's flags;
// inexact and underflow raised by the guarded arithmetic may stay.
struct UnitFlags {
  unsigned x87, sse;
};

void ExpectCallersFlagsKept(const UnitFlags& before, const UnitFlags& after) {
  constexpr unsigned kFaults = kArithmeticFaultFlags;
  constexpr unsigned kBenign = FE_INEXACT | FE_UNDERFLOW;
  EXPECT_EQ(after.x87 & kFaults, before.x87 & kFaults);
  EXPECT_EQ(after.sse & kFaults, before.sse & kFaults);
  EXPECT_EQ(before.x87 & ~after.x87, 0u) << "the caller's x87 flags were lost";
  EXPECT_EQ(before.sse & ~after.sse, 0u) << "the caller's SSE flags were lost";
  EXPECT_EQ((after.x87 & ~before.x87) & ~kBenign, 0u);
  EXPECT_EQ((after.sse & ~before.sse) & ~kBenign, 0u);
}

UnitFlags CallerFlags() {
#if defined(__x86_64__) || defined(__i386__)
  return {detail::X87Flags(), detail::SseControl() & detail::kStatusFlagBits};
#else
  return {static_cast<unsigned>(std::fetestexcept(FE_ALL_EXCEPT)), 0};
#endif
}

volatile double huge_double = 1e308;
volatile double zero_double = 0;
volatile double tiny_double = 1e-308;

TEST(GuardArithmetic, EachFaultOfEitherUnitRaisesItsTextWhateverFlagsTheCallerHolds) {
  struct Fault {
    const char* name;
    Real (*body)();
    const char* text;  // nullptr: the computation passes
  };
  const Fault faults[] = {
      {"x87 overflow", [] { return huge * huge; }, "Floating point overflow"},
      {"SSE overflow", [] { return Real(huge_double * 10); }, "Floating point overflow"},
      {"x87 division", [] { return 1 / zero; }, "Floating point division by zero"},
      {"SSE division", [] { return Real(1 / zero_double); }, "Floating point division by zero"},
      {"x87 invalid", [] { return std::sqrt(zero - 1); }, "Invalid floating point operation"},
      {"SSE invalid", [] { return Real(zero_double / zero_double); },
       "Invalid floating point operation"},
      {"x87 underflow", [] { return tiny * tiny; }, nullptr},
      {"SSE underflow", [] { return Real(tiny_double * tiny_double); }, nullptr},
      {"inexact", [] { return 1 / (zero + 3); }, nullptr},
      {"fault caught by a nested step",
       [] {
         try {
           return GuardArithmetic([] { return huge * huge; });
         } catch (const EMathError&) {
           return Real(-1);
         }
       },
       nullptr},
  };
  struct Caller {
    const char* name;
    void (*raise)();
  };
  const Caller callers[] = {
      {"clean", [] {}},
      {"x87 inexact",
       [] {
         zero = 1 / (zero + 3);
         zero = 0;
       }},
      {"SSE inexact and underflow",
       [] {
         tiny_double = tiny_double * 1e-10;
         tiny_double = 1e-308;
       }},
      {"x87 overflow",
       [] {
         zero = huge * huge;
         zero = 0;
       }},
      {"x87 invalid",
       [] {
         zero = zero / zero;
         zero = 0;
       }},
      {"SSE division by zero",
       [] {
         zero_double = 1 / zero_double;
         zero_double = 0;
       }},
      {"overflow without inexact", [] { std::feraiseexcept(FE_OVERFLOW); }},
      {"invalid and underflow", [] { std::feraiseexcept(FE_INVALID | FE_UNDERFLOW); }},
  };
  for (const Caller& caller : callers) {
    for (const Fault& fault : faults) {
      SCOPED_TRACE(std::string(caller.name) + " / " + fault.name);
      std::feclearexcept(FE_ALL_EXCEPT);
      caller.raise();
      const UnitFlags before = CallerFlags();
      try {
        const Real value = GuardArithmetic(fault.body);
        EXPECT_EQ(fault.text, nullptr) << "passed with " << static_cast<double>(value);
      } catch (const EMathError& e) {
        EXPECT_STREQ(e.what(), fault.text);
      }
      ExpectCallersFlagsKept(before, CallerFlags());
    }
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(IntPower, ZeroExponentNegativeExponentAndLargeExponents) {
  EXPECT_EQ(IntPower(0.0L, 0), 1);
  EXPECT_EQ(IntPower(7.0L, 0), 1);
  EXPECT_EQ(IntPower(2.0L, -3), 0.125L);
  EXPECT_EQ(IntPower(-3.0L, 5), -243);
  EXPECT_EQ(IntPower(0.5L, 16000), std::ldexp(1.0L, -16000));
  EXPECT_EQ(IntPower(2.0, 10), 1024.0);
}

}  // namespace
}  // namespace zudira
