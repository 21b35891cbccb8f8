// The program's own drawings on a desktop scaled by 2: twice the pixels, the same layout size.
#include "appearance/glyphs.h"
#include "widgets/range_pictures.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>

#include "app/shell/data_modules.h"

namespace zudira {
namespace {

TEST(ScaledDrawings, HaveTwiceThePixelsAtTheSameLogicalSize) {
  const QImage pictures[] = {DrawFamilyPicture(rfInside, 2), DrawDiscretePicture(rtBelowA, 2),
                             DrawCalculateGlyph(2), DrawGlyph(gPrint, 2)};
  const QImage plain[] = {DrawFamilyPicture(rfInside), DrawDiscretePicture(rtBelowA),
                          DrawCalculateGlyph(), DrawGlyph(gPrint)};
  for (size_t i = 0; i < std::size(pictures); ++i) {
    EXPECT_EQ(pictures[i].size(), plain[i].size() * 2) << i;
    EXPECT_EQ(pictures[i].deviceIndependentSize(), QSizeF(plain[i].size())) << i;
  }
  // A glyph button at ratio 2 takes the sharp 32-pixel drawing.
  const QPixmap shown = GlyphIcon(gPrint).pixmap(QSize(kGlyphSize, kGlyphSize), 2.0);
  EXPECT_EQ(shown.size(), QSize(2 * kGlyphSize, 2 * kGlyphSize));
  const QImage sharp = DrawGlyph(gPrint, 2);
  EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), sharp);
}

}  // namespace
}  // namespace zudira
