// The precise distribution functions, over Boost.Math in extended precision. Upper tails come
// from Boost's complement forms, never from 1 - F. Parameters outside a distribution's domain
// go to the classic function of the same kind, so they keep its answer or its error text.
#pragma once

#include <cstdint>

#include "stats/real.h"

namespace zudira::precise {

// Continuous kinds: F(x) = P(X <= x), Q(x) = P(X > x). The inverses take a target strictly
// inside (0, 1).
Real NormalF(Real mean, Real sdev, Real x);
Real NormalQ(Real mean, Real sdev, Real x);
Real NormalInvLower(Real mean, Real sdev, Real t);
Real NormalInvUpper(Real mean, Real sdev, Real t);
// F(x) - 1/2, exact near the centre, and the x at which it is c, for c in (-1/2, 1/2).
Real NormalCentered(Real mean, Real sdev, Real x);
Real NormalInvCentered(Real mean, Real sdev, Real c);

Real ExponentialF(Real mean, Real x);
Real ExponentialQ(Real mean, Real x);

Real StudentTF(std::int32_t df, Real x);
Real StudentTQ(std::int32_t df, Real x);
Real StudentTInvLower(std::int32_t df, Real t);
Real StudentTInvUpper(std::int32_t df, Real t);
// F(x) - 1/2 and its inverse, as for the normal.
Real StudentTCentered(std::int32_t df, Real x);
Real StudentTInvCentered(std::int32_t df, Real c);

Real ChiSquaredF(std::int32_t df, Real x);
Real ChiSquaredQ(std::int32_t df, Real x);
Real ChiSquaredInvLower(std::int32_t df, Real t);
Real ChiSquaredInvUpper(std::int32_t df, Real t);

Real FDistF(std::int32_t df1, std::int32_t df2, Real x);
Real FDistQ(std::int32_t df1, std::int32_t df2, Real x);
Real FDistInvLower(std::int32_t df1, std::int32_t df2, Real t);
Real FDistInvUpper(std::int32_t df1, std::int32_t df2, Real t);

// Discrete kinds: E(k) = P(X = k), L(k) = P(X < k), G(k) = P(X > k), for any count k.
Real BinomialE(std::int32_t n, Real p, std::int64_t k);
Real BinomialL(std::int32_t n, Real p, std::int64_t k);
Real BinomialG(std::int32_t n, Real p, std::int64_t k);

Real PoissonE(Real lambda, std::int64_t k);
Real PoissonL(Real lambda, std::int64_t k);
Real PoissonG(Real lambda, std::int64_t k);

}  // namespace zudira::precise
