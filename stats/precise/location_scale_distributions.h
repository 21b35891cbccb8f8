// The log-normal, Weibull, logistic and Cauchy distributions over Boost.Math in extended
// precision: tails, inverses and densities. Parameters must already be checked (finite, scales
// > 0); any finite x is answered, and off the support the tails are 0 and 1. Upper tails are
// complement forms, never 1 - F. An inverse takes a target strictly inside (0, 1) and raises
// the program's arithmetic fault where its bound lies beyond the extended range.
#pragma once

#include "stats/real.h"

namespace zudira::precise {

// Log-normal: mu and sigma of ln X; support x > 0.
Real LogNormalF(Real mu, Real sigma, Real x);
Real LogNormalQ(Real mu, Real sigma, Real x);
Real LogNormalInvLower(Real mu, Real sigma, Real t);
Real LogNormalInvUpper(Real mu, Real sigma, Real t);
Real LogNormalDensity(Real mu, Real sigma, Real x);

// Weibull: shape k and scale lambda; support x >= 0.
Real WeibullF(Real shape, Real scale, Real x);
Real WeibullQ(Real shape, Real scale, Real x);
Real WeibullInvLower(Real shape, Real scale, Real t);
Real WeibullInvUpper(Real shape, Real scale, Real t);
Real WeibullDensity(Real shape, Real scale, Real x);

// Logistic: location mu and scale s. Centered is F(x) - 1/2, exact near the centre, and
// InvCentered the x at which it is c, for c in (-1/2, 1/2).
Real LogisticF(Real location, Real scale, Real x);
Real LogisticQ(Real location, Real scale, Real x);
Real LogisticInvLower(Real location, Real scale, Real t);
Real LogisticInvUpper(Real location, Real scale, Real t);
Real LogisticCentered(Real location, Real scale, Real x);
Real LogisticInvCentered(Real location, Real scale, Real c);
Real LogisticDensity(Real location, Real scale, Real x);

// Cauchy: location x0 and scale gamma, with the centred forms as for the logistic.
Real CauchyF(Real location, Real scale, Real x);
Real CauchyQ(Real location, Real scale, Real x);
Real CauchyInvLower(Real location, Real scale, Real t);
Real CauchyInvUpper(Real location, Real scale, Real t);
Real CauchyCentered(Real location, Real scale, Real x);
Real CauchyInvCentered(Real location, Real scale, Real c);
Real CauchyDensity(Real location, Real scale, Real x);

}  // namespace zudira::precise
