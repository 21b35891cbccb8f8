#include "core/range_type.h"

namespace zudira {

std::optional<int> AnswerOfBounds(RangeType range, std::int64_t a, std::int64_t b) {
  if (!ValidRangeType(range)) return std::nullopt;
  const RangeTypeRow& row = RangeTypeOf(range);
  const bool both_held = row.a_included && row.b_included;
  if (row.family == rfInside && (b < a || (b == a && !both_held))) return 0;
  if (row.family == rfOutside && (b < a || (b == a && both_held))) return 1;
  return std::nullopt;
}

std::string RangeEventText(RangeType range, const std::string& a, const std::string& b) {
  if (!ValidRangeType(range)) return {};
  const RangeTypeRow& row = RangeTypeOf(range);
  const std::string sign_a = " " + std::string(row.sign_a) + " ";
  const std::string sign_b = " " + std::string(row.sign_b) + " ";
  switch (row.family) {
    case rfInside:
      return a + sign_a + "X" + sign_b + b;
    case rfOutside:
      return "X" + sign_a + a + " or X" + sign_b + b;
    default:
      return "X" + sign_a + a;
  }
}

}  // namespace zudira
