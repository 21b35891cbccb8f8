// The entry kinds of the numeric edit field and the families they fall into.
#pragma once

#include <cstdint>

namespace zudira {

enum TEditType : std::uint8_t {
  etPositive = 0,
  etInteger = 1,
  etPosReal = 2,
  etReal = 3,
  etDate = 4,
  etTime = 5,
  etCurrency = 6,
  etHex = 7,
  etAVETMISS = 8,
  etString = 9,
  etChoice = 10,
};

constexpr bool IsWholeKind(TEditType t) {
  return t == etPositive || t == etInteger;
}
constexpr bool IsRealKind(TEditType t) {
  return t == etPosReal || t == etReal;
}
constexpr bool IsDateKind(TEditType t) {
  return t == etDate || t == etTime;
}

}  // namespace zudira
