#include "window_rules/clock_format.h"

#include <gtest/gtest.h>

namespace zudira {
namespace {

TEST(ClockFormat, ShortTimeWithoutItsSeconds) {
  const struct {
    const char* short_time;
    const char* clock_time;
  } cases[] = {
      {"HH:mm:ss", "HH:mm"},
      {"h:mm:ss AP", "h:mm AP"},
      {"HH.mm.ss.zzz", "HH.mm"},
      {"h:mm\xE2\x80\xAF"
       "AP",
       "h:mm\xE2\x80\xAF"
       "AP"},  // narrow no-break space kept inside
      {"ss:mm HH", ":mm HH"},
      {"HH:mm", "HH:mm"},
  };
  for (const auto& c : cases) {
    const ClockFormat format = ClockFormatFor(c.short_time);
    EXPECT_EQ(format.time, c.clock_time) << c.short_time;
    EXPECT_EQ(format.date, "ddd dd MMM yyyy");
  }
}

}  // namespace
}  // namespace zudira
