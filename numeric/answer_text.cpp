#include "numeric/answer_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "numeric/conversions.h"
#include "numeric/locale_provider.h"

namespace zudira {

namespace {

bool ReadsAsZero(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c < '1' || c > '9'; });
}

}  // namespace

std::string AnswerText(Real value, int decimals, CalculationMode mode) {
  std::string fixed = SafeFloatToFixed(value, decimals);
  if (mode != CalculationMode::kPrecise || value == 0 || !std::isfinite(value) ||
      !ReadsAsZero(fixed))
    return fixed;
  decimals = std::clamp(decimals, 0, 18);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*LE", decimals, value);
  return ReplaceChar(buffer, '.', CurrentLocale().decimal_separator);
}

std::string PreciseResultNotice(Real classic, Real precise, int decimals) {
  if (SafeFloatToFixed(classic, decimals) == SafeFloatToFixed(precise, decimals)) return {};
  return "Precise result: " + AnswerText(precise, decimals, CalculationMode::kPrecise);
}

}  // namespace zudira
