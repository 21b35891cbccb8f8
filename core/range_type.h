// The range types of a probability request, one table row each: which family of range a type
// belongs to, which of its bounds the relation signs hold, and how it is written. Every reader
// of a range type (the sums of counts, the plot, the copied text, the answer report) works from
// this row, never from the order of the enum.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zudira {

// Item index of the range-type radio group; 0 is the top item.
enum RangeType : int {
  rtEqualA = 0,
  rtBelowA = 1,
  rtAtMostA = 2,
  rtAboveA = 3,
  rtAtLeastA = 4,
  rtInsideOO = 5,
  rtInsideOC = 6,
  rtInsideCO = 7,
  rtInsideCC = 8,
  rtOutsideOO = 9,
  rtOutsideOC = 10,
  rtOutsideCO = 11,
  rtOutsideCC = 12,
};
inline constexpr int kRangeTypeCount = 13;

// Numbered 0 to 4 in this order; the number also selects the family picture.
enum RangeFamily : int {
  rfPoint = 0,
  rfLower = 1,
  rfUpper = 2,
  rfInside = 3,
  rfOutside = 4,
};

struct RangeTypeRow {
  RangeFamily family;
  bool a_included;  // the relation sign at A holds A itself
  bool b_included;  // the same at B; false where there is no B
  // The radio caption in symbol markup ("P(X ^L A)": ^L is ≤, ^G is ≥).
  std::string_view caption;
  // The signs in words, as they read from left to right: "A < X ≤ B", "X < A or X ≥ B".
  std::string_view sign_a;
  std::string_view sign_b;  // empty where there is no B
};

inline constexpr std::array<RangeTypeRow, kRangeTypeCount> kRangeTypeRows = {{
    {rfPoint, true, false, "P(X = A)", "=", ""},
    {rfLower, false, false, "P(X < A)", "<", ""},
    {rfLower, true, false, "P(X ^L A)", "≤", ""},
    {rfUpper, false, false, "P(X > A)", ">", ""},
    {rfUpper, true, false, "P(X ^G A)", "≥", ""},
    {rfInside, false, false, "P(A < X < B)", "<", "<"},
    {rfInside, false, true, "P(A < X ^L B)", "<", "≤"},
    {rfInside, true, false, "P(A ^L X < B)", "≤", "<"},
    {rfInside, true, true, "P(A ^L X ^L B)", "≤", "≤"},
    {rfOutside, false, false, "P(X < A or X > B)", "<", ">"},
    {rfOutside, false, true, "P(X < A or X ^G B)", "<", "≥"},
    {rfOutside, true, false, "P(X ^L A or X > B)", "≤", ">"},
    {rfOutside, true, true, "P(X ^L A or X ^G B)", "≤", "≥"},
}};

constexpr bool ValidRangeType(RangeType range) {
  return range >= 0 && range < kRangeTypeCount;
}

// A number that is no range type reads as the first row.
constexpr const RangeTypeRow& RangeTypeOf(RangeType range) {
  return kRangeTypeRows[ValidRangeType(range) ? static_cast<std::size_t>(range) : 0];
}

constexpr RangeFamily FamilyOf(RangeType range) {
  return RangeTypeOf(range).family;
}

// The inside and outside families use both bounds.
constexpr bool IsTwoBound(RangeType range) {
  const RangeFamily family = FamilyOf(range);
  return family == rfInside || family == rfOutside;
}

// Whether A, B (index 0, 1) is held by the relation signs of a range type.
constexpr bool IncludesBound(RangeType range, int bound) {
  return bound == 0 ? RangeTypeOf(range).a_included : RangeTypeOf(range).b_included;
}

// Whether x lies in the range between a and b, as the relation signs say; false for a number
// that is no range type.
template <class T>
constexpr bool InRange(RangeType range, T x, T a, T b) {
  if (!ValidRangeType(range)) return false;
  const RangeTypeRow& row = RangeTypeOf(range);
  const bool a_in = row.a_included;
  const bool b_in = row.b_included;
  switch (row.family) {
    case rfPoint:
      return x == a;
    case rfLower:
      return a_in ? x <= a : x < a;
    case rfUpper:
      return a_in ? x >= a : x > a;
    case rfInside:
      return (a_in ? x >= a : x > a) && (b_in ? x <= b : x < b);
    case rfOutside:
      return (a_in ? x <= a : x < a) || (b_in ? x >= b : x > b);
  }
  return false;
}

// The answer of a two-bound range on whole numbers when its bounds alone decide it: nothing
// lies inside, or everything outside, B below A or at A where the signs do not both hold it
// (0); everything lies outside B below A, or at A where both signs hold it (1).
std::optional<int> AnswerOfBounds(RangeType range, std::int64_t a, std::int64_t b);

// The event in words with the bounds' texts: "X ≤ a", "a < X ≤ b", "X < a or X ≥ b".
std::string RangeEventText(RangeType range, const std::string& a, const std::string& b);

}  // namespace zudira
