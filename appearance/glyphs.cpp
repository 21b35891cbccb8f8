#include "appearance/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <iterator>

namespace zudira {

QImage ScaledImage(int width, int height, qreal ratio) {
  QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  return image;
}

namespace {

QImage WithPainter(int width, int height, const std::function<void(QPainter&)>& draw, qreal ratio) {
  QImage image = ScaledImage(width, height, ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return image;
}

void GlyphText(QPainter& p, const QString& text, const QColor& colour, int pixels, bool bold = true,
               QRectF box = QRectF(0, 0, kGlyphSize, kGlyphSize)) {
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setBold(bold);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, text);
}

void Disc(QPainter& p, const QColor& fill, const QString& text) {
  p.setPen(QPen(fill.darker(150), 1));
  p.setBrush(fill);
  p.drawEllipse(QRectF(1, 1, 14, 14));
  GlyphText(p, text, Qt::white, 11);
}

void Page(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void Printer(QPainter& p) {
  Page(p, QRectF(4.5, 1.5, 7, 6));
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(170, 170, 170));
  p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 10.5, 7, 4));
  p.setPen(QColor(40, 200, 40));
  p.drawPoint(QPointF(12.5, 8.5));
}

void Magnifier(QPainter& p, const QRectF& lens) {
  p.setPen(QPen(QColor(110, 70, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(lens.center() + QPointF(lens.width() * 0.35, lens.height() * 0.35), QPointF(15, 15));
  p.setPen(QPen(QColor(40, 40, 40), 1.5));
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(lens);
}

void Triangle(QPainter& p, double tip_x, double base_x) {
  QPolygonF tri;
  tri << QPointF(tip_x, 8) << QPointF(base_x, 3) << QPointF(base_x, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 170));
  p.drawPolygon(tri);
}

void Calculator(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(QColor(210, 210, 200));
  p.drawRoundedRect(r, r.width() / 8, r.width() / 8);
  const double u = r.width() / 8;
  p.setBrush(QColor(170, 220, 170));
  p.drawRect(QRectF(r.left() + u, r.top() + u, r.width() - 2 * u, 2 * u));
  p.setPen(Qt::NoPen);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      p.setBrush(col == 2 && row == 2 ? QColor(210, 60, 40) : QColor(70, 70, 90));
      p.drawRect(
          QRectF(r.left() + u + col * 2.1 * u, r.top() + 4 * u + row * 1.3 * u, 1.5 * u, 0.9 * u));
    }
}

void Check(QPainter& p, const QColor& colour) {
  p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPolygonF tick;
  tick << QPointF(2.5, 8.5) << QPointF(6, 12.5) << QPointF(13.5, 3.5);
  p.drawPolyline(tick);
}

// One painter per glyph, in index order; each draws on a 16-pixel square.

void PaintPreferences(QPainter& p) {
  // Three sliders.
  for (int i = 0; i < 3; ++i) {
    const double y = 3.5 + i * 4.5;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawRect(QRectF(3.5 + i * 3.5, y - 2, 3, 4));
  }
}

void PaintEnhancedDefaults(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 60, 60));
  p.drawRect(QRectF(1, 1, 7, 7));
  p.setBrush(QColor(60, 180, 60));
  p.drawRect(QRectF(8, 1, 7, 7));
  p.setBrush(QColor(60, 100, 230));
  p.drawRect(QRectF(1, 8, 7, 7));
  p.setBrush(QColor(240, 200, 40));
  p.drawRect(QRectF(8, 8, 7, 7));
  GlyphText(p, "E", Qt::white, 11);
}

void PaintConservativeDefaults(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  GlyphText(p, "C", QColor(40, 40, 40), 11);
}

void PaintAbout(QPainter& p) {
  Disc(p, QColor(40, 100, 200), "i");
}

void PaintContextHelp(QPainter& p) {
  Disc(p, QColor(230, 170, 20), "?");
}

void PaintExit(QPainter& p) {
  p.setPen(QPen(QColor(100, 60, 20), 1));
  p.setBrush(QColor(170, 110, 50));
  p.drawRect(QRectF(1.5, 1.5, 8, 13));
  p.setPen(QPen(QColor(200, 30, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
  QPolygonF head;
  head << QPointF(11.5, 5) << QPointF(14.5, 8) << QPointF(11.5, 11);
  p.drawPolyline(head);
}

void PaintCalculator(QPainter& p) {
  Calculator(p, QRectF(2.5, 0.5, 11, 15));
}

// An upright x with a small red superscript.
void RaisedX(QPainter& p, const QString& superscript) {
  GlyphText(p, "x", Qt::black, 12, false, QRectF(0, 3, 10, 13));
  GlyphText(p, superscript, QColor(200, 30, 30), 9, true, QRectF(8, 0, 8, 9));
}

void PaintPower(QPainter& p) {
  RaisedX(p, "y");
}

void PaintSquare(QPainter& p) {
  RaisedX(p, "2");
}

void PaintSquareRoot(QPainter& p) {
  p.setPen(QPen(Qt::black, 1.3));
  QPolygonF root;
  root << QPointF(1, 9) << QPointF(3.5, 8) << QPointF(6, 14) << QPointF(9, 2) << QPointF(15, 2);
  p.drawPolyline(root);
  GlyphText(p, "x", QColor(200, 30, 30), 10, true, QRectF(7, 3, 9, 12));
}

void PaintInverse(QPainter& p) {
  GlyphText(p, "1/x", Qt::black, 9);
}

void PaintGreenCheck(QPainter& p) {
  Check(p, QColor(30, 150, 40));
}

void PaintCopy(QPainter& p) {
  Page(p, QRectF(1.5, 1.5, 8, 10));
  Page(p, QRectF(6.5, 4.5, 8, 10));
}

void PaintPaste(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 20), 1));
  p.setBrush(QColor(180, 130, 60));
  p.drawRect(QRectF(1.5, 2.5, 10, 12));
  p.setBrush(QColor(120, 120, 120));
  p.drawRect(QRectF(4.5, 1.5, 4, 2));
  Page(p, QRectF(7.5, 6.5, 7, 8));
}

void PaintFirstPage(QPainter& p) {
  p.fillRect(QRectF(2, 3, 2, 10), QColor(30, 90, 170));
  Triangle(p, 5, 13);
}

void PaintPriorPage(QPainter& p) {
  Triangle(p, 4, 12);
}

void PaintNextPage(QPainter& p) {
  Triangle(p, 12, 4);
}

void PaintLastPage(QPainter& p) {
  Triangle(p, 11, 3);
  p.fillRect(QRectF(12, 3, 2, 10), QColor(30, 90, 170));
}

// A magnifier with a minus sign in its lens.
void PaintZoomOut(QPainter& p) {
  Magnifier(p, QRectF(1.5, 1.5, 9, 9));
  p.setPen(QPen(Qt::black, 1.5));
  p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
}

void PaintZoomIn(QPainter& p) {
  PaintZoomOut(p);
  p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
}

void PaintPrinterSetup(QPainter& p) {
  Printer(p);
  p.setPen(QPen(QColor(30, 90, 170), 1.5));
  p.setBrush(QColor(250, 250, 120));
  p.drawEllipse(QRectF(9.5, 0.5, 6, 6));
}

void PaintPreview(QPainter& p) {
  Page(p, QRectF(1.5, 0.5, 10, 13));
  Magnifier(p, QRectF(6.5, 6.5, 6, 6));
}

void PaintFind(QPainter& p) {
  Magnifier(p, QRectF(1.5, 1.5, 9, 9));
}

void PaintList(QPainter& p) {
  for (int i = 0; i < 4; ++i) {
    p.fillRect(QRectF(1, 2 + i * 3.5, 2, 2), QColor(30, 90, 170));
    p.fillRect(QRectF(5, 2 + i * 3.5, 10, 2), QColor(60, 60, 60));
  }
}

void PaintOpen(QPainter& p) {
  p.setPen(QPen(QColor(140, 100, 0), 1));
  p.setBrush(QColor(240, 200, 80));
  QPolygonF folder;
  folder << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5) << QPointF(14.5, 5)
         << QPointF(14.5, 13.5) << QPointF(1.5, 13.5);
  p.drawPolygon(folder);
}

void PaintCancel(QPainter& p) {
  p.setPen(QPen(QColor(210, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(3, 3), QPointF(13, 13));
  p.drawLine(QPointF(13, 3), QPointF(3, 13));
}

void PaintSavePdf(QPainter& p) {
  // A page with a red "PDF" band and a down arrow onto it.
  Page(p, QRectF(3.5, 0.5, 10, 14));
  p.fillRect(QRectF(1, 8, 14, 7), QColor(200, 30, 30));
  GlyphText(p, "PDF", Qt::white, 7, true, QRectF(1, 8, 14, 7));
  p.setPen(QPen(QColor(30, 90, 170), 1.5));
  p.drawLine(QPointF(8.5, 1.5), QPointF(8.5, 6));
  QPolygonF head;
  head << QPointF(6, 4.5) << QPointF(11, 4.5) << QPointF(8.5, 7.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 90, 170));
  p.drawPolygon(head);
}

// The page that both zoom-to-page glyphs draw their arrows or frame around.
void ZoomedPage(QPainter& p) {
  Page(p, QRectF(4.5, 2.5, 7, 11));
  p.setPen(QPen(QColor(30, 90, 170), 1.5));
}

void PaintZoomPageWidth(QPainter& p) {
  // Arrows out to the page's sides.
  ZoomedPage(p);
  p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
  p.drawLine(QPointF(0.5, 8), QPointF(2.5, 6));
  p.drawLine(QPointF(0.5, 8), QPointF(2.5, 10));
  p.drawLine(QPointF(15.5, 8), QPointF(13.5, 6));
  p.drawLine(QPointF(15.5, 8), QPointF(13.5, 10));
}

void PaintZoomPage(QPainter& p) {
  // A frame out to the four corners.
  ZoomedPage(p);
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 0.75, 14, 14.5));
}

double BellHeight(double x) {
  return 13.5 - 10 * std::exp(-(x - 8) * (x - 8) / 8);
}

void PaintPlot(QPainter& p) {
  // A bell curve over axes, its right tail filled.
  QPainterPath bell;
  bell.moveTo(2, 13.5);
  for (double x = 2; x <= 15; x += 0.5) bell.lineTo(x, BellHeight(x));
  QPainterPath tail;
  tail.moveTo(10.5, 13.5);
  for (double x = 10.5; x <= 15; x += 0.5) tail.lineTo(x, BellHeight(x));
  tail.lineTo(15, 13.5);
  tail.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 120, 210));
  p.drawPath(tail);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 50, 140), 1.3));
  p.drawPath(bell);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
  p.drawLine(QPointF(1.5, 14.5), QPointF(1.5, 1.5));
}

using GlyphPainter = void (*)(QPainter&);

// Indexed by Glyph; the count check below keeps it in step with the enum.
constexpr GlyphPainter kGlyphPainters[] = {
    Printer,                    // gPrint
    PaintPreferences,           // gPreferences
    PaintEnhancedDefaults,      // gEnhancedDefaults
    PaintConservativeDefaults,  // gConservativeDefaults
    PaintAbout,                 // gAbout
    PaintContextHelp,           // gContextHelp
    PaintExit,                  // gExit
    PaintCalculator,            // gCalculator
    PaintPower,                 // gPower
    PaintSquare,                // gSquare
    PaintSquareRoot,            // gSquareRoot
    PaintInverse,               // gInverse
    PaintGreenCheck,            // gTransfer
    PaintCopy,                  // gCopy
    PaintPaste,                 // gPaste
    PaintFirstPage,             // gFirstPage
    PaintPriorPage,             // gPriorPage
    PaintNextPage,              // gNextPage
    PaintLastPage,              // gLastPage
    PaintZoomIn,                // gZoomIn
    PaintZoomOut,               // gZoomOut
    PaintPrinterSetup,          // gPrinterSetup
    PaintPreview,               // gPreview
    PaintFind,                  // gFind
    PaintList,                  // gList
    PaintOpen,                  // gOpen
    PaintCancel,                // gCancel
    PaintGreenCheck,            // gOK
    PaintSavePdf,               // gSavePdf
    PaintZoomPageWidth,         // gZoomPageWidth
    PaintZoomPage,              // gZoomPage
    PaintPlot,                  // gPlot
};
static_assert(std::size(kGlyphPainters) == kGlyphCount);
static_assert(gPlot == kGlyphCount - 1);

}  // namespace

QImage DrawCalculateGlyph(qreal ratio) {
  return WithPainter(
      28, 28,
      [](QPainter& p) {
        Calculator(p, QRectF(2.5, 1.5, 18, 25));
        p.setPen(QPen(QColor(200, 30, 30), 2.5));
        p.drawLine(QPointF(19, 17), QPointF(27, 17));
        p.drawLine(QPointF(19, 22), QPointF(27, 22));
      },
      ratio);
}

QImage DrawGlyph(int index, qreal ratio) {
  if (index < 0 || index >= kGlyphCount) return QImage();
  return WithPainter(kGlyphSize, kGlyphSize, kGlyphPainters[index], ratio);
}

std::vector<QImage> DrawGlyphs(qreal ratio) {
  std::vector<QImage> glyphs;
  glyphs.reserve(kGlyphCount);
  for (int i = 0; i < kGlyphCount; ++i) glyphs.push_back(DrawGlyph(i, ratio));
  return glyphs;
}

}  // namespace zudira
