#include "reports/windows/preview_logic.h"

#include <QDir>
#include <algorithm>
#include <array>

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

double PageWidthZoom(QSizeF page_inches, double room_width, double gap, double dpi) {
  if (page_inches.width() <= 0 || dpi <= 0) return 100.0;
  return ClampZoom((room_width - 2 * gap) / (page_inches.width() * dpi) * 100.0);
}

double WholePageZoom(QSizeF page_inches, QSizeF room, double gap, double dpi) {
  if (page_inches.isEmpty() || dpi <= 0) return 100.0;
  const double across = (room.width() - 2 * gap) / (page_inches.width() * dpi);
  const double down = (room.height() - 2 * gap) / (page_inches.height() * dpi);
  return ClampZoom(std::min(across, down) * 100.0);
}

std::optional<ScrollState> ScrollForKey(int key, Qt::KeyboardModifiers modifiers,
                                        ScrollState state) {
  const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
  const bool plain_or_ctrl = mods == Qt::NoModifier || mods == Qt::ControlModifier;
  const bool ctrl = mods == Qt::ControlModifier;
  const bool ctrl_shift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
  int h = state.h;
  int v = state.v;
  switch (key) {
    case Qt::Key_PageUp:
      if (!plain_or_ctrl) return std::nullopt;
      v -= state.v_page;
      break;
    case Qt::Key_PageDown:
      if (!plain_or_ctrl) return std::nullopt;
      v += state.v_page;
      break;
    case Qt::Key_End:
      if (!plain_or_ctrl) return std::nullopt;
      v = state.v_max;
      break;
    case Qt::Key_Home:
      if (!plain_or_ctrl) return std::nullopt;
      v = 0;
      break;
    case Qt::Key_Up:
      if (!plain_or_ctrl) return std::nullopt;
      v -= state.v_step;
      break;
    case Qt::Key_Down:
      if (!plain_or_ctrl) return std::nullopt;
      v += state.v_step;
      break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
      if (!ctrl && !ctrl_shift) return std::nullopt;
      const int by = ctrl ? state.h_step : state.h_page;
      h += key == Qt::Key_Left ? -by : by;
      break;
    }
    default:
      return std::nullopt;
  }
  state.h = std::clamp(h, 0, std::max(0, state.h_max));
  state.v = std::clamp(v, 0, std::max(0, state.v_max));
  return state;
}

QString ProposedPdfPath(const QString& title, const QString& folder) {
  QString name;
  for (QChar c : title.trimmed())
    name += (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar(u'_') : c;
  if (name.isEmpty() || name == "." || name == "..") name = QStringLiteral("Report");
  return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

}  // namespace zudira
