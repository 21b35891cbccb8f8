#include "app/data_modules.h"

#include "appearance/glyphs.h"

namespace zudira {

namespace {
TDuzDataLite* g_glyph_module = nullptr;
}  // namespace

TDuzDataRP::TDuzDataRP(QObject* parent) : QObject(parent) {
  setObjectName("DuzDataRP");
}

TDuzDataRP::~TDuzDataRP() = default;

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
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

}  // namespace zudira
