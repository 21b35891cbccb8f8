#include "app/plot/plot_painting.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include "numeric/answer_text.h"
#include "window_rules/plot_ticks.h"

namespace zudira {

namespace {

const QColor kCurveColour(20, 50, 140);
const QColor kShadeColour(90, 150, 230, 150);
const QColor kBarColour(200, 200, 200);
const QColor kShadedBarColour(60, 120, 210);
const QColor kMarkColour(170, 30, 30);
constexpr double kHeadroom = 1.08;

// Where model values land in the plot rectangle; in extended precision, so that a narrow
// range far from 0 keeps its shape.
struct Mapping {
  QRectF plot;
  Real x_low, x_high, y_top;
  double X(Real x) const {
    return plot.left() + static_cast<double>((x - x_low) / (x_high - x_low)) * plot.width();
  }
  double Y(Real y) const { return plot.bottom() - static_cast<double>(y / y_top) * plot.height(); }
};

// The density at x between the samples on either side.
Real CurveAt(const std::vector<PlotPoint>& curve, Real x) {
  auto after = std::lower_bound(curve.begin(), curve.end(), x,
                                [](const PlotPoint& p, Real v) { return p.x < v; });
  if (after == curve.begin()) return curve.front().y;
  if (after == curve.end()) return curve.back().y;
  const PlotPoint& b = *after;
  const PlotPoint& a = *(after - 1);
  if (b.x == a.x) return b.y;
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

Real StepOf(const std::vector<Real>& ticks) {
  return ticks.size() >= 2 ? ticks[1] - ticks[0] : 1;
}

void PaintCurve(QPainter& p, const Mapping& m, const PlotModel& model) {
  for (const PlotShade& shade : model.shades) {
    QPolygonF area;
    area << QPointF(m.X(shade.low), m.Y(0))
         << QPointF(m.X(shade.low), m.Y(CurveAt(model.curve, shade.low)));
    for (const PlotPoint& point : model.curve)
      if (point.x > shade.low && point.x < shade.high) area << QPointF(m.X(point.x), m.Y(point.y));
    area << QPointF(m.X(shade.high), m.Y(CurveAt(model.curve, shade.high)))
         << QPointF(m.X(shade.high), m.Y(0));
    p.setPen(Qt::NoPen);
    p.setBrush(kShadeColour);
    p.drawPolygon(area);
  }
  QPolygonF line;
  // A density that ends above 0 at a bounded support's end (the uniform's edges) drops to the
  // axis there; elsewhere the drop is too small to see.
  if (!model.curve.empty()) line << QPointF(m.X(model.curve.front().x), m.Y(0));
  for (const PlotPoint& point : model.curve) line << QPointF(m.X(point.x), m.Y(point.y));
  if (!model.curve.empty()) line << QPointF(m.X(model.curve.back().x), m.Y(0));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kCurveColour, 1.6));
  p.drawPolyline(line);
}

void PaintBars(QPainter& p, const Mapping& m, const PlotModel& model) {
  for (const PlotBar& bar : model.bars) {
    const double left = m.X(static_cast<Real>(bar.first) - 0.5L);
    const double right = m.X(static_cast<Real>(bar.last) + 0.5L);
    const double top = m.Y(bar.height);
    // Bars of a few pixels read better without outlines.
    const double inset = right - left >= 6 ? 1 : 0;
    const QRectF box(QPointF(left + inset, top), QPointF(right - inset, m.Y(0)));
    p.setPen(right - left >= 6 ? QPen(QColor(80, 80, 80), 0.8) : QPen(Qt::NoPen));
    p.setBrush(bar.shaded ? kShadedBarColour : kBarColour);
    p.drawRect(box);
  }
}

void PaintAxes(QPainter& p, const Mapping& m, const PlotModel& model, const QLocale& locale) {
  const QFontMetricsF metrics(p.font());
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(m.plot.bottomLeft(), m.plot.bottomRight());
  p.drawLine(m.plot.bottomLeft(), m.plot.topLeft());

  // Four to eight round ticks on each axis; fewer only where the labels would run together.
  auto most_ticks = [](double room, double per_tick) {
    return std::clamp(static_cast<int>(room / per_tick), kFewestTicks, kMostTicks);
  };
  // Counts are whole: a tick between them would name no bar.
  const std::vector<Real> xs =
      RoundTicks(model.x_low, model.x_high, most_ticks(m.plot.width(), 60), model.discrete);
  const Real x_step = StepOf(xs);
  for (Real x : xs) {
    const double px = m.X(x);
    p.drawLine(QPointF(px, m.plot.bottom()), QPointF(px, m.plot.bottom() + 4));
    const QString text = TickText(locale, x, x_step);
    const double w = metrics.horizontalAdvance(text);
    p.drawText(QPointF(px - w / 2, m.plot.bottom() + 6 + metrics.ascent()), text);
  }
  const std::vector<Real> ys = RoundTicks(0, m.y_top, most_ticks(m.plot.height(), 30), false);
  const Real y_step = StepOf(ys);
  for (Real y : ys) {
    const double py = m.Y(y);
    p.drawLine(QPointF(m.plot.left() - 4, py), QPointF(m.plot.left(), py));
    const QString text = TickText(locale, y, y_step);
    const double w = metrics.horizontalAdvance(text);
    p.drawText(QPointF(m.plot.left() - 6 - w, py + metrics.ascent() / 2 - 1), text);
  }
  const QString x_name = model.discrete ? QStringLiteral("k") : QStringLiteral("x");
  p.drawText(QPointF(m.plot.right() - metrics.horizontalAdvance(x_name),
                     m.plot.bottom() + 8 + 2 * metrics.height()),
             x_name);
  // Upright along the value axis, clear of the bound labels above the plot.
  const QString y_name = model.discrete ? QStringLiteral("P(X = k)") : QStringLiteral("density");
  p.save();
  p.translate(m.plot.left() - 52, m.plot.center().y() + metrics.horizontalAdvance(y_name) / 2);
  p.rotate(-90);
  p.drawText(QPointF(0, 0), y_name);
  p.restore();
}

void PaintMarks(QPainter& p, const Mapping& m, const PlotView& view) {
  const PlotModel& model = *view.model;
  const QFontMetricsF metrics(p.font());
  double last_label_right = -1e9;
  int row = 0;
  for (const PlotMark& mark : model.marks) {
    if (!mark.shown) continue;
    const double px = m.X(mark.x);
    p.setPen(QPen(kMarkColour, 1, Qt::DashLine));
    p.drawLine(QPointF(px, m.plot.bottom()), QPointF(px, m.plot.top()));
    // An open circle where the range leaves the bound out, a filled one where it holds it.
    p.setPen(QPen(kMarkColour, 1.4));
    p.setBrush(mark.included ? QBrush(kMarkColour) : QBrush(Qt::white));
    p.drawEllipse(QPointF(px, m.plot.bottom()), 3.5, 3.5);
    // As the fields and the caption write the value: the window's decimals and form.
    const QString label = QStringLiteral("%1 = %2").arg(
        QChar(mark.name), QString::fromStdString(AnswerText(mark.x, view.decimals, view.mode)));
    const double w = metrics.horizontalAdvance(label);
    double left = std::clamp(px - w / 2, m.plot.left(), m.plot.right() - w);
    // A second label that would overlap the first goes a row higher.
    row = left < last_label_right + 6 ? row + 1 : 0;
    last_label_right = left + w;
    p.setPen(kMarkColour);
    p.drawText(QPointF(left, m.plot.top() - 4 - row * metrics.height()), label);
  }
}

}  // namespace

QString TickText(const QLocale& locale, Real value, Real step) {
  const Real magnitude = std::max(std::fabs(value), std::fabs(step));
  const int decimals = TickDecimals(step);
  if (decimals <= 6 && magnitude < 1e9L) {
    return locale.toString(static_cast<double>(value), 'f', decimals);
  }
  // Far from 0 or finely divided: significant digits enough to tell neighbours apart.
  const int digits = std::clamp(
      static_cast<int>(std::ceil(std::log10(magnitude / (step > 0 ? step : 1)))) + 1, 2, 17);
  return locale.toString(static_cast<double>(value), 'g', digits);
}

void PaintPlot(QPainter& p, const QRectF& area, const PlotView& view, const QLocale& locale) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(area, Qt::white);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  p.setFont(font);
  const QFontMetricsF metrics(font);

  QRectF text_box = area.adjusted(10, 6, -10, 0);
  QFont bold = font;
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(Qt::black);
  const QRectF caption = p.boundingRect(text_box, Qt::TextWordWrap, view.caption);
  p.drawText(text_box, Qt::TextWordWrap, view.caption);
  p.setFont(font);
  double top = view.caption.isEmpty() ? area.top() + 6 : caption.bottom() + 4;

  if (!view.model) {
    p.setPen(QColor(60, 60, 60));
    p.drawText(area.adjusted(20, top - area.top(), -20, -20), Qt::AlignCenter | Qt::TextWordWrap,
               view.message);
    p.restore();
    return;
  }
  if (!view.message.isEmpty()) {
    QFont italic = font;
    italic.setItalic(true);
    p.setFont(italic);
    p.setPen(QColor(60, 60, 60));
    const QRectF box(area.left() + 10, top, area.width() - 20, metrics.height() * 2);
    const QRectF used = p.boundingRect(box, Qt::TextWordWrap, view.message);
    p.drawText(box, Qt::TextWordWrap, view.message);
    top = used.bottom() + 2;
    p.setFont(font);
  }
  const PlotModel& model = *view.model;
  // Room above the plot for two rows of bound labels, below for tick numbers and the name.
  const QRectF plot(QPointF(area.left() + 78, top + 2.5 * metrics.height()),
                    QPointF(area.right() - 24, area.bottom() - 2.6 * metrics.height() - 8));
  if (plot.width() < 20 || plot.height() < 20) {
    p.restore();
    return;
  }
  const Mapping m{plot, model.x_low, model.x_high, model.y_high * kHeadroom};
  p.save();
  p.setClipRect(plot.adjusted(0, -1, 1, 0));
  if (model.discrete) {
    PaintBars(p, m, model);
  } else {
    PaintCurve(p, m, model);
  }
  p.restore();
  PaintAxes(p, m, model, locale);
  PaintMarks(p, m, view);
  p.restore();
}

QImage PlotImage(const PlotView& view, QSize size, const QLocale& locale) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  PaintPlot(p, QRectF(QPointF(0, 0), QSizeF(size)), view, locale);
  p.end();
  return image;
}

QString SavePlotImage(const QString& path, const PlotView& view, QSize size,
                      const QLocale& locale) {
  QSaveFile file(path);
  auto failure = [&path](const QString& why) {
    return QStringLiteral("The image could not be saved to \"%1\". %2")
        .arg(QDir::toNativeSeparators(path), why);
  };
  if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
  bool written = false;
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Distribution Plot"));
    QPainter p;
    written = p.begin(&svg);
    if (written) {
      PaintPlot(p, QRectF(QPointF(0, 0), QSizeF(size)), view, locale);
      written = p.end();
    }
  } else {
    written = PlotImage(view, size, locale).save(&file, "PNG");
  }
  // Nothing half-written is left: without a commit the temporary file goes away.
  if (!written) {
    file.cancelWriting();
    const QString why = file.errorString();
    return failure(why.isEmpty() || why == QStringLiteral("Unknown error")
                       ? QStringLiteral("The image could not be written.")
                       : why);
  }
  if (!file.commit()) return failure(file.errorString());
  return {};
}

}  // namespace zudira
