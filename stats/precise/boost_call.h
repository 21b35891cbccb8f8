// Runs one Boost.Math computation and turns its errors into the program's own family: Boost
// reports through exceptions and may leave a fault flag raised on a correct result, so the
// caller's flags are kept as the fault guard keeps them and the result itself is judged.
#pragma once

#include <algorithm>
#include <stdexcept>

#include <boost/math/policies/error_handling.hpp>

#include "stats/arithmetic_fault.h"
#include "stats/exception.h"
#include "stats/real.h"

namespace zudira::precise {

// A bad argument reads as the library's bad-parameter error, a failed series as its
// no-convergence error, an overflow as the arithmetic fault; a result that is not finite is a
// fault too, never an answer.
template <class Body>
Real BoostCall(Body&& body) {
  // The guard's flag keeping without its fault test: the flags Boost leaves behind go, the
  // caller's stay.
  zudira::detail::FlagScope keep;
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
  return FiniteResult(value);
}

// A probability from Boost, held inside [0, 1] against a last-bit excursion.
template <class Body>
Real BoostProbability(Body&& body) {
  return std::clamp<Real>(BoostCall(std::forward<Body>(body)), 0, 1);
}

}  // namespace zudira::precise
