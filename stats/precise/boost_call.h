// Runs one Boost.Math computation and turns its errors into the program's own family: Boost
// reports through exceptions and may leave a fault flag raised on a correct result, so the
// flags it raises are cleared and the result itself is judged instead.
#pragma once

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <stdexcept>

#include <boost/math/policies/error_handling.hpp>

#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/real.h"

namespace zudira::precise {

namespace detail {

// Only the fault flags matter to the classic guard; they are cleared when Boost raised them
// and left as they were otherwise, which costs nothing on the usual clean call.
class KeepFlags {
 public:
  KeepFlags() : before_(std::fetestexcept(ArithmeticFaultFlags)) {}
  ~KeepFlags() {
    const int raised = std::fetestexcept(ArithmeticFaultFlags) & ~before_;
    if (raised != 0) std::feclearexcept(raised);
  }
  KeepFlags(const KeepFlags&) = delete;
  KeepFlags& operator=(const KeepFlags&) = delete;

 private:
  int before_;
};

}  // namespace detail

// A bad argument reads as the library's bad-parameter error, a failed series as its
// no-convergence error, an overflow as the arithmetic fault; a result that is not finite is a
// fault too, never an answer.
template <class Body>
Real BoostCall(Body&& body) {
  detail::KeepFlags keep;
  Real value = 0;
  try {
    value = body();
  } catch (const std::domain_error&) {
    throw EStStatError(StatBadParam);
  } catch (const boost::math::evaluation_error&) {
    throw EStStatError(StatNoConverge);
  } catch (const std::overflow_error&) {
    throw EOverflow();
  } catch (const std::runtime_error&) {
    throw EStStatError(StatNoConverge);
  }
  if (std::isnan(value)) throw EInvalidOp();
  if (std::isinf(value)) throw EOverflow();
  return value;
}

// A probability from Boost, held inside [0, 1] against a last-bit excursion.
template <class Body>
Real BoostProbability(Body&& body) {
  return std::clamp<Real>(BoostCall(std::forward<Body>(body)), 0, 1);
}

}  // namespace zudira::precise
