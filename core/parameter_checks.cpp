#include "core/parameter_checks.h"

#include <cmath>

#include "core/evaluate_request.h"

namespace zudira {
namespace {

constexpr const char* kSigmaText = "σ must be > 0";
constexpr const char* kPositiveMeanText = "Mean must be > 0";
constexpr const char* kPoissonMeanText = "Mean must be ≥ 0";
constexpr const char* kFiniteMeanText = "Mean must be finite";
constexpr const char* kMeanNaNText = "Mean is not a number";
constexpr const char* kTrialsText = "n must be ≥ 0";
constexpr const char* kDegreesText = "Degrees of Freedom must be > 0";

// A NaN or an infinity never reaches the library: both would leave its searches and sums
// without a sound stopping point.
const char* CheckFinite(Real value, const char* nan_text, const char* infinite_text) {
  if (std::isnan(value)) return nan_text;
  if (std::isinf(value)) return infinite_text;
  return nullptr;
}

const char* CheckBounds(const ProbabilityRequest& r) {
  if (const char* e = CheckFinite(r.a.real, "A is not a number", "A must be finite")) return e;
  if (IsTwoBound(r.range)) {
    if (const char* e = CheckFinite(r.b.real, "B is not a number", "B must be finite")) return e;
  }
  return nullptr;
}

}  // namespace

const char* CheckRequestParameters(const ProbabilityRequest& r) {
  switch (r.kind) {
    case dkNormal:
    case dkInverseNormal:
      if (const char* e = CheckFinite(r.mean.real, "μ is not a number", "μ must be finite"))
        return e;
      if (std::isinf(r.sdev.real)) return "σ must be finite";
      if (!(r.sdev.real > 0)) return kSigmaText;
      break;
    case dkBinomial:
      if (!(r.mean.real >= 0 && r.mean.real <= 1)) return kProbabilityRangeText;
      if (r.sdev.whole < 0) return kTrialsText;
      return nullptr;  // the bounds are whole numbers
    case dkPoisson:
      if (const char* e = CheckFinite(r.mean.real, kMeanNaNText, kFiniteMeanText)) return e;
      if (!(r.mean.real >= 0)) return kPoissonMeanText;
      return nullptr;
    case dkExponential:
      if (const char* e = CheckFinite(r.mean.real, kMeanNaNText, kFiniteMeanText)) return e;
      if (!(r.mean.real > 0)) return kPositiveMeanText;
      break;
    case dkStudentT:
    case dkInverseStudentT:
    case dkChiSquared:
    case dkInverseChiSquared:
      if (r.mean.whole <= 0) return kDegreesText;
      break;
    case dkF:
    case dkInverseF:
      if (r.mean.whole <= 0 || r.sdev.whole <= 0) return kDegreesText;
      break;
  }
  if (IsInverseKind(r.kind)) {
    // A holds the probability; B is the fixed bound of a two-bound range.
    if (std::isnan(r.a.real)) return "The probability is not a number";
    if (IsTwoBound(r.range)) {
      if (const char* e = CheckFinite(r.b.real, "B is not a number", "B must be finite")) return e;
    }
    return nullptr;
  }
  return CheckBounds(r);
}

}  // namespace zudira
