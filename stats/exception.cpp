#include "stats/exception.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zudira {

namespace {

struct NumberedMessage {
  std::int32_t code;
  std::string_view text;
};

// The library's numbered messages, sorted by code for the binary search.
constexpr std::array<NumberedMessage, 2> kMessages{{
    {StatBadParam, "Parameter out of range for the statistical function"},
    {StatNoConverge, "Statistical calculation did not converge"},
}};

std::string MessageFor(std::int32_t code) {
  const auto* found = std::lower_bound(
      kMessages.begin(), kMessages.end(), code,
      [](const NumberedMessage& entry, std::int32_t wanted) { return entry.code < wanted; });
  if (found != kMessages.end() && found->code == code) return std::string(found->text);
  return "Statistical library error " + std::to_string(code);
}

}  // namespace

EStStatError::EStStatError(std::int32_t code) : EStException(MessageFor(code), code) {}

}  // namespace zudira
