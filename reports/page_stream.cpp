#include "reports/page_stream.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace zudira {

namespace {
// The renderer draws in units of 1/1200 inch and lets the painter's transform fit them to the
// target; fonts are sized for that unit so text scales with the page.
constexpr double kUnitsPerInch = 1200.0;
}  // namespace

QFont QtFont(const FontSpec& font_spec) {
  QFont font(font_spec.name);
  // Metrics of outline fonts scale linearly only without hinting, and the layout is measured
  // at one resolution and drawn at another.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setPointSizeF(font_spec.points);
  font.setBold(font_spec.bold);
  font.setUnderline(font_spec.underline);
  return font;
}

void PageStream::Add(StreamItem item) {
  if (pages_.empty()) pages_.emplace_back();
  pages_.back().items.push_back(std::move(item));
}

int PageStream::FontIndex(const FontSpec& font_spec) {
  for (size_t i = 0; i < fonts_.size(); ++i)
    if (fonts_[i] == font_spec) return static_cast<int>(i);
  fonts_.push_back(font_spec);
  return static_cast<int>(fonts_.size() - 1);
}

void PageStream::RenderPage(QPainter& painter, int page_index, const QRectF& target) const {
  if (page_index < 0 || page_index >= PageCount() || page_inches_.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  // One factor both ways: a target of another shape must not stretch the page.
  const double scale = std::min(target.width() / (page_inches_.width() * kUnitsPerInch),
                                target.height() / (page_inches_.height() * kUnitsPerInch));
  const QSizeF drawn = page_inches_ * kUnitsPerInch * scale;
  painter.translate(target.left() + (target.width() - drawn.width()) / 2,
                    target.top() + (target.height() - drawn.height()) / 2);
  painter.scale(scale, scale);
  // A font's point size is turned into pixels at the device's resolution, before the
  // transform; sized against it, the text is kUnitsPerInch-based like everything else.
  const double device_dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96.0;
  std::vector<QFont> fonts;
  fonts.reserve(fonts_.size());
  for (const FontSpec& font_spec : fonts_) {
    FontSpec scaled = font_spec;
    scaled.points = font_spec.points * kUnitsPerInch / device_dpi;
    fonts.push_back(QtFont(scaled));
  }
  QPen pen(Qt::black);
  pen.setWidthF(kBoxLineWidth * kUnitsPerInch);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  int current_font = -1;
  const auto u = [](double inches) { return inches * kUnitsPerInch; };
  for (const StreamItem& item : pages_[static_cast<size_t>(page_index)].items) {
    switch (item.kind) {
      case StreamItem::ItemKind::kText:
        if (item.font != current_font && item.font >= 0 &&
            item.font < static_cast<int>(fonts.size())) {
          painter.setFont(fonts[static_cast<size_t>(item.font)]);
          current_font = item.font;
        }
        painter.drawText(QPointF(u(item.x), u(item.y)), item.text);
        break;
      case StreamItem::ItemKind::kLine:
        painter.drawLine(QPointF(u(item.x), u(item.y)), QPointF(u(item.x2), u(item.y2)));
        break;
      case StreamItem::ItemKind::kBox:
        painter.drawRect(QRectF(QPointF(u(item.x), u(item.y)), QPointF(u(item.x2), u(item.y2))));
        break;
      case StreamItem::ItemKind::kShade: {
        const int grey = 255 - 255 * std::clamp(item.shade, 0, 100) / 100;
        painter.fillRect(QRectF(QPointF(u(item.x), u(item.y)), QPointF(u(item.x2), u(item.y2))),
                         QColor(grey, grey, grey));
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace zudira
