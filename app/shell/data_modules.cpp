#include "app/shell/data_modules.h"

#include "app/shell/platform_info.h"
#include "appearance/glyphs.h"

namespace zudira {

namespace {
TDuzDataLite* g_glyph_module = nullptr;
TDuzDataRP* g_report_module = nullptr;
}  // namespace

TDuzDataRP::TDuzDataRP(QObject* parent)
    : QObject(parent), rep_sys_(std::make_unique<TReportSystem>()) {
  setObjectName("DuzDataRP");
  rep_sys_->SetOwnerName(WindowsOwner());
  g_report_module = this;
}

TDuzDataRP::~TDuzDataRP() {
  if (g_report_module == this) g_report_module = nullptr;
}

TDuzDataRP* TDuzDataRP::Instance() {
  return g_report_module;
}

TReportSystem* SharedReportSystem() {
  return g_report_module != nullptr ? &g_report_module->RepSys() : nullptr;
}

TDuzDataLite::TDuzDataLite(QObject* parent) : QObject(parent) {
  setObjectName("DuzDataLite");
  for (const QImage& glyph : DrawGlyphs()) bmps_.push_back(QPixmap::fromImage(glyph));
  g_glyph_module = this;
}

TDuzDataLite::~TDuzDataLite() {
  if (g_glyph_module == this) g_glyph_module = nullptr;
}

TDuzDataLite* TDuzDataLite::Instance() {
  return g_glyph_module;
}

QPixmap GlyphPixmap(int index) {
  if (index < 0 || index >= kGlyphCount) return QPixmap();
  if (g_glyph_module != nullptr) return g_glyph_module->Bmps()[static_cast<size_t>(index)];
  return QPixmap::fromImage(DrawGlyph(index));
}

QIcon GlyphIcon(int index) {
  const QPixmap pixmap = GlyphPixmap(index);
  if (pixmap.isNull()) return QIcon();
  QIcon icon(pixmap);
  // Drawn anew with twice the pixels, the glyph stays sharp on a desktop scaled by 2.
  QImage sharp = DrawGlyph(index, 2);
  sharp.setDevicePixelRatio(1);
  icon.addPixmap(QPixmap::fromImage(sharp));
  return icon;
}

}  // namespace zudira
