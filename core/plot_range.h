// What the plot of a request shows, as plain values: the stretch of the x axis, the density
// curve or the bars of the mass, the shaded range and the marks at A and B. The plot window
// only paints this.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/request.h"
#include "stats/real.h"

namespace zudira {

// A bound of the range on the x axis; `included` when the relation sign holds its end.
struct PlotMark {
  bool shown = false;
  char name = 'A';
  Real x = 0;
  bool included = false;
};

// The bounds of a request on the x axis: A and B themselves, or for an inverse kind the
// solved bound (the answer) with the fixed one. Marks of a range type that has no B are
// not shown.
std::array<PlotMark, 2> PlotMarksOf(const ProbabilityRequest& request, std::optional<Real> answer);

// Whether x lies in the range type's range between a and b, as its relation signs say.
bool InPlotRange(RangeType range, Real x, Real a, Real b);

struct PlotPoint {
  Real x = 0;
  Real y = 0;
};

// A stretch of the x axis under the curve that is shaded.
struct PlotShade {
  Real low = 0;
  Real high = 0;
};

// One bar: the counts first..last (one count, or a group of neighbours when the support is
// too wide for a bar each), drawn at the mean mass of its counts so areas stay to scale.
struct PlotBar {
  std::int64_t first = 0;
  std::int64_t last = 0;
  Real height = 0;
  bool shaded = false;
};

struct PlotModel {
  bool discrete = false;
  Real x_low = 0;  // always below x_high, and finite
  Real x_high = 1;
  Real y_high = 1;  // top of the value axis; the curve is cut there where it is unbounded
  std::vector<PlotPoint> curve;   // continuous kinds, ordered by x
  std::vector<PlotShade> shades;  // continuous kinds, inside [x_low, x_high]
  std::vector<PlotBar> bars;      // discrete kinds, ordered by count
  std::array<PlotMark, 2> marks;
};

inline constexpr int kMaxPlotBars = 300;

// The plot of a request at its parameters, computed with the precise functions. `answer` is
// the current answer (for an inverse kind, the solved bound), if any. Nothing when the
// parameters have no distribution to draw (outside their domain, not finite, or a support
// too wide to count); never a value that is not finite.
std::optional<PlotModel> MakePlot(const ProbabilityRequest& request, std::optional<Real> answer);

}  // namespace zudira
