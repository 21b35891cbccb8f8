#include "window_rules/preview_rules.h"

#include <gtest/gtest.h>

namespace zudira {
namespace {

TEST(PreviewRules, ZoomStepsStayWithinTheLimits) {
  const struct {
    double zoom, in, out;
  } cases[] = {
      {100, 125, 75},  {99.95, 100, 75}, {10, 25, 10},      {12, 25, 10},
      {800, 800, 600}, {700, 800, 600},  {333.3, 400, 300},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZoomStepIn(c.zoom), c.in) << c.zoom;
    EXPECT_EQ(ZoomStepOut(c.zoom), c.out) << c.zoom;
  }
  // Letter paper at 96 dpi with 12 pixels around it.
  EXPECT_NEAR(PageWidthZoom({8.5, 11}, 840, 12, 96), 100.0, 1e-9);
  EXPECT_NEAR(WholePageZoom({8.5, 11}, {840, 552}, 12, 96), 50.0, 1e-9);
  EXPECT_EQ(WholePageZoom({8.5, 11}, {30, 30}, 12, 96), kMinZoom);
}

TEST(PreviewRules, KeyTableScrollsWithinTheRange) {
  using K = ScrollKey;
  const ScrollState at{100, 500, 16, 300, 200, 900, 16, 400};
  const KeyModifiers none, ctrl{true, false, false}, shift{false, true, false},
      both{true, true, false}, alt{false, false, true}, ctrl_alt{true, false, true};
  const struct {
    ScrollKey key;
    KeyModifiers mods;
    bool handled;
    int h = 0, v = 0;
  } cases[] = {
      {K::kPageUp, none, true, 100, 0},
      {K::kPageUp, ctrl, true, 100, 0},
      {K::kPageDown, none, true, 100, 600},
      {K::kPageDown, ctrl, true, 100, 600},
      {K::kEnd, none, true, 100, 900},
      {K::kHome, ctrl, true, 100, 0},
      {K::kUp, none, true, 100, 184},
      {K::kDown, ctrl, true, 100, 216},
      {K::kLeft, ctrl, true, 84, 200},
      {K::kLeft, both, true, 0, 200},
      {K::kRight, ctrl, true, 116, 200},
      {K::kRight, both, true, 400, 200},
      {K::kLeft, none, false},
      {K::kRight, shift, false},
      {K::kPageDown, shift, false},
      {K::kHome, both, false},
      {K::kDown, alt, false},
      {K::kRight, ctrl_alt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << static_cast<int>(c.key) << " ctrl " << c.mods.ctrl
                                    << " shift " << c.mods.shift << " other " << c.mods.other);
    const auto moved = ScrollForKey(c.key, c.mods, at);
    ASSERT_EQ(moved.has_value(), c.handled);
    if (!c.handled) continue;
    EXPECT_EQ(moved->h, c.h);
    EXPECT_EQ(moved->v, c.v);
  }
  // Page Down twice from near the end stops at the last position.
  ScrollState end = at;
  end.v = 800;
  EXPECT_EQ(ScrollForKey(K::kPageDown, none, end)->v, 900);
}

TEST(PreviewRules, ProposedPdfNameIsTheTitle) {
  const struct {
    const char* title;
    const char* name;
  } cases[] = {
      {"Factorials for N = 20", "Factorials for N = 20.pdf"},
      {"a/b:c?", "a_b_c_.pdf"},
      {"\xC2\xA0 \xCE\xBC\tx\n", "\xCE\xBC_x.pdf"},  // NBSP trimmed; the tab inside replaced
      {"  ", "Report.pdf"},
      {"..", "Report.pdf"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProposedPdfName(c.title), c.name) << c.title;
}

}  // namespace
}  // namespace zudira
