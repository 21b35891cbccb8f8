// Single-precision incomplete-function layer: 32-bit arguments and results, double
// intermediates; raises EStStatError (StatBadParam, StatNoConverge).
#pragma once

namespace zudira {

float GammaLn(float x);
float BetaContFrac(float a, float b, float x);
float IncompleteBeta(float x, float a, float b, float low, float high);
double CopySign(double magnitude, double sign_source);
float GammaSeries(float a, float x);
float GammaContFrac(float a, float x);
float IncompleteGamma(float a, float x);

}  // namespace zudira
