// The preview window's decisions as plain values: its zoom steps, the zoom that fits a page,
// the scrolling of its key table, and the file name a saved PDF is proposed under.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zudira {

// Zoom in per cent of the page's real size.
inline constexpr double kMinZoom = 10.0;
inline constexpr double kMaxZoom = 800.0;

double ClampZoom(double zoom);
// One step larger or smaller than `zoom` among the fixed steps, within the limits.
double ZoomStepIn(double zoom);
double ZoomStepOut(double zoom);

// A width and a height: of a page in inches, or of the room on screen in pixels.
struct Extent {
  double width = 0;
  double height = 0;
};

// The zoom at which a page of `page_inches` with `gap` pixels around it fits `room` pixels
// at `dpi` screen pixels per inch: its width only, or the whole page.
double PageWidthZoom(Extent page_inches, double room_width, double gap, double dpi);
double WholePageZoom(Extent page_inches, Extent room, double gap, double dpi);

// Both scroll bars of the page view.
struct ScrollState {
  int h = 0, h_max = 0, h_step = 1, h_page = 1;
  int v = 0, v_max = 0, v_step = 1, v_page = 1;
  bool operator==(const ScrollState&) const = default;
};

// The keys of the preview's key table.
enum class ScrollKey { kPageUp, kPageDown, kHome, kEnd, kUp, kDown, kLeft, kRight };

// The modifiers held with a key; `other` is any but Ctrl and Shift (Alt, Meta, a group switch).
struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
  bool other = false;
};

// The scroll position after a key of the preview's key table, clamped to 0 .. max; nothing
// when the key and its modifiers are not in the table (the key then goes on to the focused
// control).
std::optional<ScrollState> ScrollForKey(ScrollKey key, KeyModifiers modifiers, ScrollState state);

// "<title>.pdf", with the characters a file name cannot hold replaced (UTF-8).
std::string ProposedPdfName(std::string_view title);

}  // namespace zudira
