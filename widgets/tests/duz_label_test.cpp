#include "widgets/duz_label.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <climits>

#include "appearance/appearance_settings.h"

namespace zudira {
namespace {

// Horizontal extent of the pixels of one exact colour.
struct Extent {
  int count = 0;
  int min_x = INT_MAX;
  int max_x = INT_MIN;
  int min_y = INT_MAX;
  int max_y = INT_MIN;
};

Extent ExtentOf(const QImage& image, const QColor& colour) {
  Extent e;
  const QRgb wanted = colour.rgb();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != wanted) continue;
      ++e.count;
      e.min_x = std::min(e.min_x, x);
      e.max_x = std::max(e.max_x, x);
      e.min_y = std::min(e.min_y, y);
      e.max_y = std::max(e.max_y, y);
    }
  }
  return e;
}

// A label on a background that none of the drawing colours share, with a large font so that
// glyph interiors have pixels of the exact colours.
template <typename Label>
void Prepare(Label& label, const QString& caption, int width = 320) {
  label.setText(caption);
  QFont f = label.font();
  f.setPixelSize(40);
  f.setBold(true);
  label.setFont(f);
  QPalette p = label.palette();
  p.setColor(QPalette::Window, QColor(0, 0, 255));
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  label.setPalette(p);
  label.resize(width, 60);
}

QImage Grab(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(DuzLabelTest, StylesDrawTheirCopiesOnePixelAwayInTheirColours) {
  struct {
    TLabelStyle style;
    bool light_down_right;  // engraved: light copy below right, dark copy above left
  } cases[] = {{lsRecessed, true}, {lsRaised, false}};
  for (const auto& c : cases) {
    for (bool math : {false, true}) {
      std::unique_ptr<TDuzLabel> label =
          math ? std::make_unique<TDuzMathLabel>() : std::make_unique<TDuzLabel>();
      Prepare(*label, math ? QStringLiteral("I^LI") : QStringLiteral("III"));
      label->SetLabelStyle(c.style);
      const QImage image = Grab(*label);
      const Extent text = ExtentOf(image, QColor(255, 0, 0));
      const Extent light = ExtentOf(image, TDuzLabel::HighlightColour());
      const Extent dark = ExtentOf(image, TDuzLabel::ShadowColour());
      ASSERT_GT(text.count, 0);
      ASSERT_GT(light.count, 0) << "style " << int(c.style) << " math " << math;
      ASSERT_GT(dark.count, 0) << "style " << int(c.style) << " math " << math;
      const Extent& down_right = c.light_down_right ? light : dark;
      const Extent& up_left = c.light_down_right ? dark : light;
      EXPECT_EQ(down_right.max_x, text.max_x + 1);
      EXPECT_EQ(down_right.max_y, text.max_y + 1);
      EXPECT_EQ(up_left.min_x, text.min_x - 1);
      EXPECT_EQ(up_left.min_y, text.min_y - 1);
    }
  }
}

TEST(DuzLabelTest, NormalStyleDrawsNoCopiesAndDisabledTextIsGrey) {
  TDuzMathLabel label;
  Prepare(label, QStringLiteral("Mean (^m):"));
  QImage image = Grab(label);
  EXPECT_GT(ExtentOf(image, QColor(255, 0, 0)).count, 0);
  EXPECT_EQ(ExtentOf(image, TDuzLabel::HighlightColour()).count, 0);
  EXPECT_EQ(ExtentOf(image, TDuzLabel::ShadowColour()).count, 0);

  label.SetLabelStyle(lsRecessed);
  label.setEnabled(false);
  image = Grab(label);
  EXPECT_EQ(ExtentOf(image, QColor(255, 0, 0)).count, 0);
  EXPECT_GT(ExtentOf(image, TDuzLabel::GreyTextColour()).count, 0);
  EXPECT_GT(ExtentOf(image, TDuzLabel::HighlightColour()).count, 0);
}

TEST(DuzLabelTest, TransparentLabelLeavesItsBackgroundUnpainted) {
  // On a green parent: an opaque label paints its own blue, a transparent one shows the green.
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette green = parent.palette();
  green.setColor(QPalette::Window, QColor(0, 255, 0));
  parent.setPalette(green);
  parent.resize(320, 60);
  TDuzLabel label(&parent);
  Prepare(label, QStringLiteral("x"));
  EXPECT_GT(ExtentOf(Grab(parent), QColor(0, 0, 255)).count, 0);
  label.SetTransparent(true);
  const QImage image = Grab(parent);
  EXPECT_EQ(ExtentOf(image, QColor(0, 0, 255)).count, 0);
  EXPECT_GT(ExtentOf(image, QColor(255, 0, 0)).count, 0);
}

TEST(DuzLabelTest, RightAlignedEngravedCaptionEndsAtTheRightEdge) {
  TDuzLabel label;
  Prepare(label, QStringLiteral("Heading Colour :"), 600);
  label.setAlignment(Qt::AlignRight | Qt::AlignTop);
  label.SetLabelStyle(lsRecessed);
  const QImage image = Grab(label);
  const Extent text = ExtentOf(image, QColor(255, 0, 0));
  ASSERT_GT(text.count, 0);
  EXPECT_GT(text.max_x, 600 - 15);
  EXPECT_GT(text.min_x, 150);
  EXPECT_GT(ExtentOf(image, TDuzLabel::HighlightColour()).count, 0);
}

TEST(DuzLabelTest, MathLabelPlacesCharactersInTheirFontAndStopsAtTheRightEdge) {
  TDuzMathLabel label;
  Prepare(label, QStringLiteral("P(A ^L X ^L B)"));
  label.resize(label.sizeHint().width(), 60);
  const auto all = label.Layout();
  ASSERT_EQ(all.size(), 12u);
  EXPECT_EQ(all[4].piece, (MarkupPiece{U'\u2264', MarkupFont::mfSymbol}));
  for (std::size_t i = 1; i < all.size(); ++i) EXPECT_GT(all[i].x, all[i - 1].x);

  // Narrower than the caption: the characters drawn are those starting inside the label.
  const int cut = static_cast<int>(all[6].x) + 1;
  label.resize(cut, 60);
  const auto part = label.Layout();
  ASSERT_EQ(part.size(), 7u);
  EXPECT_LT(part.back().x, cut);
}

TEST(DuzLabelTest, LabelsReportClicksAndCarryATag) {
  TDuzMathLabel label(QStringLiteral("P(X ^G A)"));
  label.resize(100, 20);
  label.setProperty("Tag", 7);
  EXPECT_EQ(label.Tag(), 7);
  QSignalSpy clicks(&label, &TDuzLabel::clicked);
  QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
  // Pressing inside and letting go outside is no click.
  QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(150, 10));
  EXPECT_EQ(clicks.count(), 1);
}

TEST(DuzLabelTest, HeadingLabelIsBoldInTheHeadingColourWithASunkenShadow) {
  const ColourValue saved = Appearance().HeadingColour;
  Appearance().HeadingColour = 0x0000FF;  // red in the 0x00BBGGRR form
  TDuzLabel2 heading(QStringLiteral("Heading"));
  Appearance().HeadingColour = saved;
  EXPECT_TRUE(heading.font().bold());
  EXPECT_EQ(heading.FontColour(), QColor(255, 0, 0));
  EXPECT_EQ(heading.LabelStyle(), lsRecessed);
  TDuzLabel2 navy;
  EXPECT_EQ(navy.FontColour(), QColor(0, 0, 128));
}

}  // namespace
}  // namespace zudira
