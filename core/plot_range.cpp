#include "core/plot_range.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "core/distribution_functions.h"
#include "core/kinds/kind_checks.h"
#include "core/kinds/kind_record.h"
#include "stats/exception.h"

namespace zudira {

namespace {

constexpr Real kTailMass = 0.0005L;
constexpr int kEvenSamples = 300;
constexpr int kCoreSamples = 200;

bool Finite(Real x) {
  return Drawable(x);
}

// The x with F(x) = t, for t inside (0, 1).
Real Quantile(const ProbabilityRequest& r, const DistributionParameters& d, Real t) {
  const KindRecord& record = *FindKindRecord(r.kind);
  if (record.closed_quantile != nullptr) return record.closed_quantile(r, t);
  const ContinuousFunctions& fn = ContinuousFunctionsOf(r.kind, CalculationMode::kPrecise);
  const std::optional<Real> x = t <= 0.5L ? fn.InvLower(d, t) : fn.InvUpper(d, 1 - t);
  if (!x || !std::isfinite(*x)) throw Exception("No quantile");
  return *x;
}

// Widens [low, high] to hold the shown marks, with a margin on a side a mark widened.
void HoldMarks(const std::array<PlotMark, 2>& marks, Real& low, Real& high, Real margin_share) {
  const Real low0 = low;
  const Real high0 = high;
  for (const PlotMark& m : marks) {
    if (!m.shown) continue;
    low = std::min(low, m.x);
    high = std::max(high, m.x);
  }
  const Real margin = (high - low) * margin_share;
  if (low < low0) low -= margin;
  if (high > high0) high += margin;
}

// Never a range of zero width, nor one finer than a double can label.
void KeepWidth(Real& low, Real& high) {
  const Real mid = low / 2 + high / 2;
  const Real least = std::max<Real>(std::fabs(mid) * 1e-12L, 1e-290L);
  if (high - low >= 2 * least) return;
  low = mid - least;
  high = mid + least;
}

// The x range of a continuous plot: the body of the mass, stretched to a near support end and
// to the shown marks.
void ContinuousRange(const ProbabilityRequest& r, const DistributionParameters& d,
                     const std::array<PlotMark, 2>& marks, Real& low, Real& high) {
  low = Quantile(r, d, kTailMass);
  high = Quantile(r, d, 1 - kTailMass);
  const KindRecord& record = *FindKindRecord(r.kind);
  // A bounded support (uniform, beta) is drawn from an end that lies close to the curve, so
  // that its whole shape shows, and never past an end unless a mark lies there.
  if (record.support_ends != nullptr) {
    Real support_low = low;
    Real support_high = high;
    record.support_ends(r, support_low, support_high);
    const Real near = (high - low) / 4;
    if (low - support_low < near) low = support_low;
    if (support_high - high < near) high = support_high;
  }
  HoldMarks(marks, low, high, 0.04L);
  // The margin never reaches below a support that starts at 0, unless a mark lies there.
  const bool from_zero = record.support_from_zero;
  if (from_zero && low < 0) {
    Real least_mark = 0;
    for (const PlotMark& mark : marks)
      if (mark.shown) least_mark = std::min(least_mark, mark.x);
    low = std::max(low, least_mark);
  }
  // A curve that starts close to the support's end is drawn from the end itself.
  if (from_zero && low > 0 && low < 0.05L * (high - low)) low = 0;
  KeepWidth(low, high);
}

// The sorted, distinct x where the density is drawn: evenly over the range, denser over the
// middle of the mass, and at each shown mark.
std::vector<Real> ContinuousSamples(const ProbabilityRequest& r, const DistributionParameters& d,
                                    const std::array<PlotMark, 2>& marks, Real low, Real high) {
  std::vector<Real> xs;
  for (int i = 0; i <= kEvenSamples; ++i)
    xs.push_back(std::min(high, low + (high - low) * i / kEvenSamples));
  // Denser where the mass is, so that a narrow peak in a wide range keeps its shape.
  const Real core_low = std::max(low, Quantile(r, d, 0.01L));
  const Real core_high = std::min(high, Quantile(r, d, 0.99L));
  if (core_high > core_low) {
    for (int i = 0; i <= kCoreSamples; ++i)
      xs.push_back(std::min(core_high, core_low + (core_high - core_low) * i / kCoreSamples));
  }
  for (const PlotMark& mark : marks)
    if (mark.shown) xs.push_back(mark.x);
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  return xs;
}

// The density at each x into m.curve, and the height of the plot, the curve cut to it.
void DrawDensity(const ProbabilityRequest& r, const DistributionParameters& d,
                 const std::vector<Real>& xs, PlotModel& m) {
  const KindRecord& record = *FindKindRecord(r.kind);
  Real top = 0;
  for (Real x : xs) {
    const Real y = record.density(r, x);
    m.curve.push_back({x, y});
    if (std::isfinite(y)) top = std::max(top, y);
  }
  // An unbounded density (chi-squared or F with one degree of freedom) is cut well above
  // its body, where the median's density gives the scale.
  const Real body = record.density(r, Quantile(r, d, 0.5L));
  if (std::isfinite(body) && body > 0) top = std::min(top, 5 * body);
  if (!(top > 0)) top = 1;
  m.y_high = top;
  for (PlotPoint& p : m.curve) p.y = std::min(p.y, top);
}

// The shaded spans of the range asked about, within [m.x_low, m.x_high].
void ShadeRange(RangeType range, PlotModel& m) {
  const Real low = m.x_low;
  const Real high = m.x_high;
  const PlotMark& a = m.marks[0];
  const PlotMark& b = m.marks[1];
  auto shade = [&](Real from, Real to) {
    from = std::max(from, low);
    to = std::min(to, high);
    if (to > from) m.shades.push_back({from, to});
  };
  if (!a.shown) return;
  switch (FamilyOf(range)) {
    case rfPoint:
      break;
    case rfLower:
      shade(low, a.x);
      break;
    case rfUpper:
      shade(a.x, high);
      break;
    case rfInside:
      if (b.shown) shade(a.x, b.x);
      break;
    case rfOutside:
      if (!b.shown) break;
      if (b.x <= a.x) {
        shade(low, high);
      } else {
        shade(low, a.x);
        shade(b.x, high);
      }
      break;
  }
}

void Continuous(const ProbabilityRequest& r, PlotModel& m) {
  const DistributionParameters d{r.mean, r.sdev, r.third};
  Real low = 0;
  Real high = 0;
  ContinuousRange(r, d, m.marks, low, high);
  m.x_low = low;
  m.x_high = high;
  DrawDensity(r, d, ContinuousSamples(r, d, m.marks, low, high), m);
  ShadeRange(r.range, m);
}

// The smallest count k in [bottom, top] where more(k) holds; more must be monotone.
template <class Test>
std::int64_t FirstCount(std::int64_t bottom, std::int64_t top, Test more) {
  std::int64_t lo = bottom;
  std::int64_t hi = top;
  while (lo < hi) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    if (more(mid)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

// The counts the bars span: where the tails fall below the cut, widened to show A and B.
void DiscreteSpan(const ProbabilityRequest& r, const DiscreteFunctions& fn,
                  const DistributionParameters& d, const PlotModel& m, std::int64_t& first,
                  std::int64_t& last) {
  const KindRecord& record = *FindKindRecord(r.kind);
  const std::int64_t top = record.plot_top(r);
  // A support that starts above 0 (the hypergeometric's) is searched from its start.
  std::int64_t bottom = 0;
  if (record.support_ends != nullptr) {
    Real low = 0;
    Real high = static_cast<Real>(top);
    record.support_ends(r, low, high);
    if (low > 0 && low <= static_cast<Real>(top)) bottom = static_cast<std::int64_t>(low);
  }
  first = FirstCount(bottom, top, [&](std::int64_t k) { return fn.L(d, k + 1) >= kTailMass; });
  last = FirstCount(bottom, top, [&](std::int64_t k) { return fn.G(d, k) <= kTailMass; });
  last = std::max(last, first);
  for (const PlotMark& mark : m.marks) {
    if (!mark.shown) continue;
    first = std::min(first, static_cast<std::int64_t>(mark.x));
    last = std::max(last, static_cast<std::int64_t>(mark.x));
  }
}

// Bar edges on the grid of groups, and where the range starts or stops, so that every bar
// is wholly in or out of the range.
std::vector<std::int64_t> BarEdges(const PlotModel& m, std::int64_t first, std::int64_t last) {
  const std::int64_t count = last - first + 1;
  const std::int64_t group = (count + kMaxPlotBars - 1) / kMaxPlotBars;
  std::vector<std::int64_t> edges;
  for (std::int64_t e = first; e <= last; e += group) edges.push_back(e);
  edges.push_back(last + 1);
  for (const PlotMark& mark : m.marks) {
    if (!mark.shown) continue;
    const auto k = static_cast<std::int64_t>(mark.x);
    for (std::int64_t e : {k, k + 1})
      if (e > first && e <= last) edges.push_back(e);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

// The mass of the counts [from, to).
Real BarMass(const DiscreteFunctions& fn, const DistributionParameters& d, std::int64_t from,
             std::int64_t to) {
  if (to - from == 1) return fn.E(d, from);
  // From the tail that is small here, so that nothing cancels.
  const Real below = fn.L(d, from);
  return below <= 0.5L ? fn.L(d, to) - below : fn.G(d, from - 1) - fn.G(d, to - 1);
}

void Discrete(const ProbabilityRequest& r, PlotModel& m) {
  const DiscreteFunctions& fn = DiscreteFunctionsOf(r.kind, CalculationMode::kPrecise);
  const DistributionParameters d{r.mean, r.sdev, r.third};
  std::int64_t first = 0;
  std::int64_t last = 0;
  DiscreteSpan(r, fn, d, m, first, last);
  const std::vector<std::int64_t> edges = BarEdges(m, first, last);

  const Real a = m.marks[0].x;
  const Real b = m.marks[1].x;
  Real highest = 0;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const std::int64_t from = edges[i];
    const std::int64_t to = edges[i + 1];  // one past the bar
    PlotBar bar;
    bar.first = from;
    bar.last = to - 1;
    bar.height = std::max<Real>(BarMass(fn, d, from, to), 0) / static_cast<Real>(to - from);
    bar.shaded = m.marks[0].shown && InPlotRange(r.range, static_cast<Real>(from), a, b) &&
                 (!IsTwoBound(r.range) || m.marks[1].shown);
    highest = std::max(highest, bar.height);
    m.bars.push_back(bar);
  }
  m.x_low = static_cast<Real>(first) - 0.5L;
  m.x_high = static_cast<Real>(last) + 0.5L;
  m.y_high = highest > 0 ? highest : 1;
}

}  // namespace

bool InPlotRange(RangeType range, Real x, Real a, Real b) {
  return InRange(range, x, a, b);
}

std::array<PlotMark, 2> PlotMarksOf(const ProbabilityRequest& request, std::optional<Real> answer) {
  std::array<PlotMark, 2> marks;
  marks[0].name = 'A';
  marks[1].name = 'B';
  const bool two = IsTwoBound(request.range);
  const bool discrete = IsDiscreteKind(request.kind);
  if (!IsInverseKind(request.kind)) {
    marks[0].x = discrete ? request.a.whole : request.a.real;
    marks[0].shown = true;
    marks[1].x = discrete ? request.b.whole : request.b.real;
    marks[1].shown = two;
  } else if (FamilyOf(request.range) != rfPoint) {
    // The A field holds the probability and B the fixed bound; the answer is the other one.
    const int solved = !two || request.fixed_end == feFixB ? 0 : 1;
    if (answer) {
      marks[solved].x = *answer;
      marks[solved].shown = true;
    }
    if (two) {
      marks[1 - solved].x = request.b.real;
      marks[1 - solved].shown = true;
    }
  }
  for (int i = 0; i < 2; ++i) {
    marks[i].included = IncludesBound(request.range, i);
    // A bound too far out to draw is left off the axis; the shading still reaches the edge.
    if (!Finite(marks[i].x)) marks[i].shown = false;
  }
  return marks;
}

std::optional<PlotModel> MakePlot(const ProbabilityRequest& request, std::optional<Real> answer) {
  const KindRecord* record = FindKindRecord(request.kind);
  if (record == nullptr || !ValidRangeType(request.range)) return std::nullopt;
  if (!record->plot_valid(request)) return std::nullopt;
  PlotModel model;
  model.discrete = IsDiscreteKind(request.kind);
  model.marks = PlotMarksOf(request, answer);
  try {
    if (model.discrete) {
      Discrete(request, model);
    } else {
      Continuous(request, model);
    }
  } catch (const std::exception&) {
    return std::nullopt;
  }
  // Whatever went on above, only values a double can draw leave here.
  bool drawable = Finite(model.x_low) && Finite(model.x_high) && model.x_low < model.x_high &&
                  Finite(model.y_high) && model.y_high > 0;
  for (const PlotPoint& p : model.curve) drawable = drawable && Finite(p.x) && Finite(p.y);
  for (const PlotBar& bar : model.bars) drawable = drawable && Finite(bar.height);
  if (!drawable) return std::nullopt;
  return model;
}

}  // namespace zudira
