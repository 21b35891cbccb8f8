// Painting the distribution plot, shared by the window, the clipboard image and the saved
// PNG and SVG files, so that every copy shows what the window shows.
#pragma once

#include <QLocale>
#include <QSize>
#include <QString>
#include <optional>

#include "core/distribution_functions.h"
#include "core/plot_range.h"

class QPainter;
class QRectF;
class QImage;

namespace zudira {

// Everything one picture of the plot shows: the model (absent when there is nothing to
// draw), the caption line and a short message (empty when there is none).
struct PlotView {
  std::optional<PlotModel> model;
  QString caption;
  QString message;
  // How the main window shows values, for the labels of A and B.
  int decimals = 7;
  CalculationMode mode = CalculationMode::kClassic;
};

// The text of a tick value with as many decimals as the step between ticks needs, in the
// locale's number format.
QString TickText(const QLocale& locale, Real value, Real step);

void PaintPlot(QPainter& painter, const QRectF& area, const PlotView& view, const QLocale& locale);

QImage PlotImage(const PlotView& view, QSize size, const QLocale& locale);

// Writes the plot as PNG, or as SVG when the path ends in ".svg", through a temporary file
// renamed into place; empty when that worked, else the message for the user, which names
// the path.
QString SavePlotImage(const QString& path, const PlotView& view, QSize size, const QLocale& locale);

}  // namespace zudira
