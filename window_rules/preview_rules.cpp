#include "window_rules/preview_rules.h"

#include <algorithm>
#include <array>

#include "window_rules/unicode_text.h"

namespace zudira {

namespace {

constexpr std::array<double, 12> kZoomSteps = {10,  25,  50,  75,  100, 125,
                                               150, 200, 300, 400, 600, 800};
// A zoom typed as 99.95 still counts as one step below 100.
constexpr double kZoomSlack = 1e-6;

}  // namespace

double ClampZoom(double zoom) {
  return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double ZoomStepIn(double zoom) {
  for (double step : kZoomSteps)
    if (step > zoom + kZoomSlack) return step;
  return kMaxZoom;
}

double ZoomStepOut(double zoom) {
  for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
    if (*it < zoom - kZoomSlack) return *it;
  return kMinZoom;
}

double PageWidthZoom(Extent page_inches, double room_width, double gap, double dpi) {
  if (page_inches.width <= 0 || dpi <= 0) return 100.0;
  return ClampZoom((room_width - 2 * gap) / (page_inches.width * dpi) * 100.0);
}

double WholePageZoom(Extent page_inches, Extent room, double gap, double dpi) {
  if (page_inches.width <= 0 || page_inches.height <= 0 || dpi <= 0) return 100.0;
  const double across = (room.width - 2 * gap) / (page_inches.width * dpi);
  const double down = (room.height - 2 * gap) / (page_inches.height * dpi);
  return ClampZoom(std::min(across, down) * 100.0);
}

std::optional<ScrollState> ScrollForKey(ScrollKey key, KeyModifiers modifiers, ScrollState state) {
  const bool ctrl = modifiers.ctrl && !modifiers.shift && !modifiers.other;
  const bool ctrl_shift = modifiers.ctrl && modifiers.shift && !modifiers.other;
  const bool plain_or_ctrl = !modifiers.shift && !modifiers.other;
  int h = state.h;
  int v = state.v;
  if (key == ScrollKey::kLeft || key == ScrollKey::kRight) {
    if (!ctrl && !ctrl_shift) return std::nullopt;
    const int by = ctrl ? state.h_step : state.h_page;
    h += key == ScrollKey::kLeft ? -by : by;
  } else {
    if (!plain_or_ctrl) return std::nullopt;
    switch (key) {
      case ScrollKey::kPageUp:
        v -= state.v_page;
        break;
      case ScrollKey::kPageDown:
        v += state.v_page;
        break;
      case ScrollKey::kEnd:
        v = state.v_max;
        break;
      case ScrollKey::kHome:
        v = 0;
        break;
      case ScrollKey::kUp:
        v -= state.v_step;
        break;
      case ScrollKey::kDown:
        v += state.v_step;
        break;
      default:
        return std::nullopt;
    }
  }
  state.h = std::clamp(h, 0, std::max(0, state.h_max));
  state.v = std::clamp(v, 0, std::max(0, state.v_max));
  return state;
}

std::string ProposedPdfName(std::string_view title) {
  // The replaced characters are ASCII, so a byte never splits a character.
  std::string name = TrimmedText(title);
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
      c = '_';
  if (name.empty() || name == "." || name == "..") name = "Report";
  return name + ".pdf";
}

}  // namespace zudira
