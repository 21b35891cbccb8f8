// The preview window's decisions as plain values: its zoom steps, the zoom that fits a page,
// the scrolling of its key table, and the file a saved PDF is proposed as.
#pragma once

#include <QSizeF>
#include <QString>
#include <Qt>
#include <optional>

namespace zudira {

// Zoom in per cent of the page's real size.
inline constexpr double kMinZoom = 10.0;
inline constexpr double kMaxZoom = 800.0;

double ClampZoom(double zoom);
// One step larger or smaller than `zoom` among the fixed steps, within the limits.
double ZoomStepIn(double zoom);
double ZoomStepOut(double zoom);

// The zoom at which a page of `page_inches` with `gap` pixels around it fits `room` pixels
// at `dpi` screen pixels per inch: its width only, or the whole page.
double PageWidthZoom(QSizeF page_inches, double room_width, double gap, double dpi);
double WholePageZoom(QSizeF page_inches, QSizeF room, double gap, double dpi);

// Both scroll bars of the page view.
struct ScrollState {
  int h = 0, h_max = 0, h_step = 1, h_page = 1;
  int v = 0, v_max = 0, v_step = 1, v_page = 1;
  bool operator==(const ScrollState&) const = default;
};

// The scroll position after a key of the preview's key table, clamped to 0 .. max; nothing
// when the key is not one of the table's (it then goes on to the focused control).
std::optional<ScrollState> ScrollForKey(int key, Qt::KeyboardModifiers modifiers,
                                        ScrollState state);

// "<title>.pdf" in `folder`, with the characters a file name cannot hold replaced.
QString ProposedPdfPath(const QString& title, const QString& folder);

}  // namespace zudira
