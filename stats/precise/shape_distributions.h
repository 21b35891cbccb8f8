// The uniform, gamma and beta distributions: both tails, their inverses and the densities,
// over Boost.Math (the uniform in closed form). Parameters must lie inside the domain (a < b,
// shapes and scale > 0, all finite); x may be anywhere, and off the support the tails are 0
// and 1 and the density 0. The inverses take t in [0, 1] (the uniform) or in (0, 1).
#pragma once

#include "stats/real.h"

namespace zudira::precise {

// Uniform on [a, b].
Real UniformF(Real a, Real b, Real x);
Real UniformQ(Real a, Real b, Real x);
Real UniformInvLower(Real a, Real b, Real t);
Real UniformInvUpper(Real a, Real b, Real t);
Real UniformDensity(Real a, Real b, Real x);

// Gamma with shape k and scale theta.
Real GammaF(Real k, Real theta, Real x);
Real GammaQ(Real k, Real theta, Real x);
Real GammaInvLower(Real k, Real theta, Real t);
Real GammaInvUpper(Real k, Real theta, Real t);
Real GammaDensity(Real k, Real theta, Real x);

// Beta with shapes alpha and beta on [0, 1].
Real BetaF(Real alpha, Real beta, Real x);
Real BetaQ(Real alpha, Real beta, Real x);
Real BetaInvLower(Real alpha, Real beta, Real t);
Real BetaInvUpper(Real alpha, Real beta, Real t);
Real BetaDensity(Real alpha, Real beta, Real x);

}  // namespace zudira::precise
