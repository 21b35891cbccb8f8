#include "widgets/range_pictures.h"

#include "appearance/glyphs.h"
#include "core/range_counts.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zudira {

namespace {

const QColor kInk(20, 32, 90);
const QColor kArea(64, 128, 214);
const QColor kAxis(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFrame(150, 150, 150);

constexpr double kAxisY = 78;
constexpr double kCurveLeft = 8;
constexpr double kCurveRight = 146;
constexpr double kCentre = 77;
constexpr double kSpread = 21;
constexpr double kPeak = 60;

double CurveY(double x) {
  const double z = (x - kCentre) / kSpread;
  return kAxisY - kPeak * std::exp(-0.5 * z * z);
}

QImage BlankPicture(qreal ratio) {
  QImage image = ScaledImage(kPictureWidth, kPictureHeight, ratio);
  image.fill(kPaper);
  return image;
}

void DrawFrame(QPainter& p) {
  p.setPen(QPen(kFrame, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, kPictureWidth - 1, kPictureHeight - 1));
}

void DrawBoundLabel(QPainter& p, double x, const QString& text) {
  QFont font("Arial");
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(x - 10, kAxisY + 3, 20, 14), Qt::AlignCenter, text);
}

// The area under the curve between x0 and x1.
void FillArea(QPainter& p, double x0, double x1) {
  QPainterPath path;
  path.moveTo(x0, kAxisY);
  for (double x = x0; x <= x1; x += 0.5) path.lineTo(x, CurveY(x));
  path.lineTo(x1, CurveY(x1));
  path.lineTo(x1, kAxisY);
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kArea);
  p.drawPath(path);
}

void DrawMarker(QPainter& p, double x) {
  p.setPen(QPen(kInk, 1, Qt::DashLine));
  p.drawLine(QPointF(x, CurveY(x) - 4), QPointF(x, kAxisY + 2));
}

void DrawCurveAndAxis(QPainter& p) {
  p.setPen(QPen(kAxis, 1));
  p.drawLine(QPointF(4, kAxisY), QPointF(kPictureWidth - 4, kAxisY));
  QPainterPath curve;
  curve.moveTo(kCurveLeft, CurveY(kCurveLeft));
  for (double x = kCurveLeft; x <= kCurveRight; x += 0.5) curve.lineTo(x, CurveY(x));
  p.setPen(QPen(kInk, 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
}

// Bar heights shaped like a binomial with n = 8, p = 1/2.
double BarHeight(int k) {
  static constexpr int kChoose8[kBarCount] = {1, 8, 28, 56, 70, 56, 28, 8, 1};
  return 4 + 56.0 * kChoose8[k] / 70.0;
}

constexpr double kBarWidth = 11;
constexpr double kBarStep = 15;
constexpr double kBarsLeft = (kPictureWidth - (kBarCount * kBarStep - (kBarStep - kBarWidth))) / 2;

double BarCentre(int k) {
  return kBarsLeft + k * kBarStep + kBarWidth / 2;
}

}  // namespace

QImage DrawFamilyPicture(RangeFamily family, qreal ratio) {
  QImage image = BlankPicture(ratio);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double a_two = 60, b_two = 96;
  switch (family) {
    case rfPoint:
      break;
    case rfLower:
      FillArea(p, kCurveLeft, 92);
      break;
    case rfUpper:
      FillArea(p, 62, kCurveRight);
      break;
    case rfInside:
      FillArea(p, a_two, b_two);
      break;
    case rfOutside:
      FillArea(p, kCurveLeft, a_two);
      FillArea(p, b_two, kCurveRight);
      break;
  }
  DrawCurveAndAxis(p);
  switch (family) {
    case rfPoint:
      // A single value has no area: a line marks where X = A.
      p.setPen(QPen(kArea.darker(130), 3));
      p.drawLine(QPointF(kCentre + 12, CurveY(kCentre + 12)), QPointF(kCentre + 12, kAxisY));
      DrawBoundLabel(p, kCentre + 12, "A");
      break;
    case rfLower:
      DrawMarker(p, 92);
      DrawBoundLabel(p, 92, "A");
      break;
    case rfUpper:
      DrawMarker(p, 62);
      DrawBoundLabel(p, 62, "A");
      break;
    case rfInside:
    case rfOutside:
      DrawMarker(p, a_two);
      DrawMarker(p, b_two);
      DrawBoundLabel(p, a_two, "A");
      DrawBoundLabel(p, b_two, "B");
      break;
  }
  DrawFrame(p);
  return image;
}

QImage DrawDiscretePicture(RangeType range, qreal ratio) {
  QImage image = BlankPicture(ratio);
  QPainter p(&image);
  p.setPen(QPen(kAxis, 1));
  p.drawLine(QPointF(4, kAxisY + 0.5), QPointF(kPictureWidth - 4, kAxisY + 0.5));
  for (int k = 0; k < kBarCount; ++k) {
    const double h = BarHeight(k);
    const QRectF bar(kBarsLeft + k * kBarStep + 0.5, kAxisY - h + 0.5, kBarWidth - 1, h);
    p.setPen(QPen(kInk, 1));
    p.setBrush(RangeCounts(range, k, kBarA, kBarB) ? kArea : kPaper);
    p.drawRect(bar);
  }
  DrawBoundLabel(p, BarCentre(kBarA), "A");
  if (IsTwoBound(range)) DrawBoundLabel(p, BarCentre(kBarB), "B");
  DrawFrame(p);
  return image;
}

std::vector<QImage> DrawRangePictures(qreal ratio) {
  std::vector<QImage> pictures;
  pictures.reserve(19);
  for (int f = rfPoint; f <= rfOutside; ++f)
    pictures.push_back(DrawFamilyPicture(static_cast<RangeFamily>(f), ratio));
  pictures.push_back(DrawCalculateGlyph(ratio));
  for (int r = 0; r < kRangeTypeCount; ++r)
    pictures.push_back(DrawDiscretePicture(static_cast<RangeType>(r), ratio));
  return pictures;
}

}  // namespace zudira
