// The plot's x range, bars and shading over every kind, with parameters at their edges.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/distribution_functions.h"
#include "core/evaluate_request.h"
#include "core/plot_range.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::RealField;
using testing::WholeField;

struct PlotRow {
  const char* name;
  ProbabilityRequest request;
  bool drawable;
  bool widened;  // a mark lies beyond the central 99.9 %
};

ProbabilityRequest Make(DistributionKind kind, RangeType range, FieldValue first, FieldValue second,
                        FieldValue a, FieldValue b, FixEnd end = feFixA) {
  return {kind, range, end, first, second, a, b, {}};
}

const PlotRow kRows[] = {
    {"normal inside",
     Make(dkNormal, rtInsideCC, RealField(0), RealField(1), RealField(-1), RealField(1.5L)), true,
     false},
    {"normal tiny sigma",
     Make(dkNormal, rtBelowA, RealField(1e6L), RealField(1e-12L), RealField(1e6L), {}), true,
     false},
    {"normal far A", Make(dkNormal, rtAboveA, RealField(0), RealField(1), RealField(1e6L), {}),
     true, true},
    {"normal B below A",
     Make(dkNormal, rtOutsideOO, RealField(0), RealField(1), RealField(1), RealField(-1)), true,
     false},
    {"exponential", Make(dkExponential, rtAtMostA, RealField(2), {}, RealField(3), {}), true,
     false},
    {"t one df", Make(dkStudentT, rtOutsideCO, WholeField(1), {}, RealField(-2), RealField(2)),
     true, false},
    {"t huge df", Make(dkStudentT, rtAboveA, WholeField(2000000000), {}, RealField(1), {}), true,
     false},
    {"chi one df", Make(dkChiSquared, rtAboveA, WholeField(1), {}, RealField(0), {}), true, true},
    {"chi three", Make(dkChiSquared, rtAboveA, WholeField(3), {}, RealField(7.8L), {}), true,
     false},
    {"chi huge df",
     Make(dkChiSquared, rtBelowA, WholeField(2000000000), {}, RealField(2000000000), {}), true,
     false},
    {"f one one",
     Make(dkF, rtInsideOO, WholeField(1), WholeField(1), RealField(0.5L), RealField(2)), true,
     false},
    {"f huge",
     Make(dkF, rtAboveA, WholeField(2000000000), WholeField(2000000000), RealField(1), {}), true,
     false},
    {"binomial 20", Make(dkBinomial, rtAtMostA, RealField(0.3L), WholeField(20), WholeField(7), {}),
     true, false},
    {"binomial 1547",
     Make(dkBinomial, rtInsideOC, RealField(0.4L), WholeField(1547), WholeField(600),
          WholeField(640)),
     true, false},
    {"binomial grouped",
     Make(dkBinomial, rtOutsideCC, RealField(0.5L), WholeField(2000000000), WholeField(999990000),
          WholeField(1000020000)),
     true, false},
    {"binomial p 0", Make(dkBinomial, rtEqualA, RealField(0), WholeField(10), WholeField(0), {}),
     true, false},
    {"binomial p 1", Make(dkBinomial, rtAtLeastA, RealField(1), WholeField(10), WholeField(4), {}),
     true, true},
    {"poisson 1000",
     Make(dkPoisson, rtInsideCO, RealField(1000), {}, WholeField(980), WholeField(1010)), true,
     false},
    {"poisson 0", Make(dkPoisson, rtEqualA, RealField(0), {}, WholeField(0), {}), true, false},
    {"poisson far A", Make(dkPoisson, rtBelowA, RealField(3), {}, WholeField(1000000000), {}), true,
     true},
    {"inverse normal",
     Make(dkInverseNormal, rtBelowA, RealField(10), RealField(2), RealField(0.9L), {}), true,
     false},
    {"inverse t fix B",
     Make(dkInverseStudentT, rtInsideOO, WholeField(5), {}, RealField(0.3L), RealField(1), feFixB),
     true, false},
    {"inverse chi outside",
     Make(dkInverseChiSquared, rtOutsideOO, WholeField(4), {}, RealField(0.2L), RealField(1)), true,
     false},
    {"inverse f inside",
     Make(dkInverseF, rtInsideCC, WholeField(5), WholeField(10), RealField(0.5L), RealField(0.5L)),
     true, false},
    {"sigma 0", Make(dkNormal, rtBelowA, RealField(0), RealField(0), RealField(0), {}), false,
     false},
    {"mean NaN", Make(dkNormal, rtBelowA, RealField(NAN), RealField(1), RealField(0), {}), false,
     false},
    {"no df", Make(dkChiSquared, rtBelowA, WholeField(0), {}, RealField(1), {}), false, false},
    {"poisson too wide", Make(dkPoisson, rtBelowA, RealField(1e12L), {}, WholeField(0), {}), false,
     false},
    {"binomial negative n",
     Make(dkBinomial, rtBelowA, RealField(0.5L), WholeField(-3), WholeField(0), {}), false, false},
};

// The mass the shading covers, from the distribution functions.
Real ShadedMass(const ProbabilityRequest& r, const PlotModel& m) {
  Real mass = 0;
  if (m.discrete) {
    for (const PlotBar& bar : m.bars)
      if (bar.shaded) mass += bar.height * static_cast<Real>(bar.last - bar.first + 1);
    return mass;
  }
  const ContinuousFunctions& fn = ContinuousFunctionsOf(r.kind, CalculationMode::kPrecise);
  const DistributionParameters d{r.mean, r.sdev, r.third};
  for (const PlotShade& s : m.shades) mass += fn.Q(d, s.low) - fn.Q(d, s.high);
  return mass;
}

TEST(PlotRange, EveryKindDrawsAFiniteRangeAndShadesTheAnswer) {
  for (const PlotRow& row : kRows) {
    SCOPED_TRACE(row.name);
    const ProbabilityRequest& r = row.request;
    const EvaluationOutcome outcome = [&] {
      try {
        return EvaluateRequest(r, CalculationMode::kPrecise);
      } catch (const std::exception&) {
        return EvaluationOutcome::WithInputError("raised");
      }
    }();
    const std::optional<Real> answer =
        outcome.IsAnswer() ? std::optional<Real>(outcome.Value()) : std::nullopt;
    const std::optional<PlotModel> plot = MakePlot(r, answer);
    ASSERT_EQ(plot.has_value(), row.drawable);
    if (!plot) continue;
    const PlotModel& m = *plot;
    ASSERT_TRUE(std::isfinite(m.x_low) && std::isfinite(m.x_high));
    EXPECT_LT(m.x_low, m.x_high);
    EXPECT_TRUE(std::isfinite(m.y_high) && m.y_high > 0);
    for (const PlotMark& mark : m.marks) {
      if (!mark.shown) continue;
      EXPECT_GE(mark.x, m.x_low);
      EXPECT_LE(mark.x, m.x_high);
    }
    if (m.discrete) {
      ASSERT_FALSE(m.bars.empty());
      EXPECT_LE(m.bars.size(), static_cast<size_t>(kMaxPlotBars + 5));
      Real total = 0;
      for (size_t i = 0; i < m.bars.size(); ++i) {
        EXPECT_TRUE(std::isfinite(m.bars[i].height) && m.bars[i].height >= 0);
        if (i > 0) {
          EXPECT_EQ(m.bars[i].first, m.bars[i - 1].last + 1);
        }
        total += m.bars[i].height * static_cast<Real>(m.bars[i].last - m.bars[i].first + 1);
      }
      // The 0.0005 tails on either side are the most that may be left out.
      EXPECT_GT(total, 0.9989L);
      EXPECT_LE(total, 1 + 1e-12L);
    } else {
      ASSERT_GE(m.curve.size(), 2u);
      for (const PlotPoint& p : m.curve) {
        EXPECT_TRUE(std::isfinite(p.y) && p.y >= 0 && p.y <= m.y_high) << p.x;
        EXPECT_TRUE(p.x >= m.x_low && p.x <= m.x_high) << p.x;
      }
      const ContinuousFunctions& fn = ContinuousFunctionsOf(r.kind, CalculationMode::kPrecise);
      const DistributionParameters d{r.mean, r.sdev, r.third};
      // Wider than the central 99.9 %, and no wider unless a mark asks for it; a density too
      // narrow to label is drawn over a minimal width instead.
      const bool from_zero =
          m.x_low <= 0 && (r.kind == dkChiSquared || r.kind == dkF || r.kind == dkExponential ||
                           r.kind == dkInverseChiSquared || r.kind == dkInverseF);
      EXPECT_FALSE(from_zero && m.x_low < 0) << "below the support";
      const Real below = from_zero ? 0 : fn.F(d, m.x_low);
      EXPECT_LE(below, 0.0005L + 1e-9L);
      EXPECT_LE(fn.Q(d, m.x_high), 0.0005L + 1e-9L);
      if (!row.widened && std::string_view(row.name) != "normal tiny sigma") {
        if (!from_zero) {
          EXPECT_GT(below, 0.0004L);
        }
        EXPECT_GT(fn.Q(d, m.x_high), 0.0004L);
      }
    }
    if (!answer) continue;
    const Real wanted = IsInverseKind(r.kind) ? r.a.real : *answer;
    EXPECT_NEAR(ShadedMass(r, m), wanted, 1.01e-3L);
  }
}

// A bounded support is drawn whole and to scale, and past its ends only to reach a mark; a
// discrete support that starts above 0 starts its bars there.
TEST(PlotRange, SupportsThatEndOrStartAboveZeroDrawToScale) {
  ProbabilityRequest hypergeometric =
      Make(dkHypergeometric, rtAtMostA, WholeField(20), WholeField(15), WholeField(8), {});
  hypergeometric.third = WholeField(10);  // 10 draws: at least 5 successes
  const struct {
    const char* name;
    ProbabilityRequest request;
    Real x_low, x_high;  // NaN where the end is not fixed
    std::int64_t first_bar;
  } cases[] = {
      {"uniform", Make(dkUniform, rtBelowA, RealField(2), RealField(5), RealField(3), {}), 2, 5, 0},
      {"uniform mark past b",
       Make(dkUniform, rtBelowA, RealField(2), RealField(5), RealField(7), {}), 2, NAN, 0},
      {"beta 2 3", Make(dkBeta, rtAboveA, RealField(2), RealField(3), RealField(0.5L), {}), 0, 1,
       0},
      {"beta narrow", Make(dkBeta, rtAboveA, RealField(1000), RealField(1000), RealField(0.5L), {}),
       NAN, NAN, 0},
      {"geometric", Make(dkGeometric, rtAtMostA, RealField(0.3L), {}, WholeField(3), {}), NAN, NAN,
       1},
      {"hypergeometric", hypergeometric, NAN, NAN, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<PlotModel> plot = MakePlot(c.request, std::nullopt);
    EXPECT_TRUE(plot.has_value());
    if (!plot) continue;
    const PlotModel& m = *plot;
    if (!std::isnan(c.x_low)) {
      EXPECT_EQ(m.x_low, c.x_low);
    }
    if (!std::isnan(c.x_high)) {
      EXPECT_EQ(m.x_high, c.x_high);
    }
    if (c.request.kind == dkUniform) {
      // Flat at 1 / (b - a) across the support, 0 beyond it.
      const Real a = c.request.mean.real;
      const Real b = c.request.sdev.real;
      for (const PlotPoint& p : m.curve)
        EXPECT_NEAR(p.y, p.x <= b ? 1 / (b - a) : 0, 1e-15L) << p.x;
    } else if (c.request.kind == dkBeta && std::isnan(c.x_low)) {
      // A narrow beta keeps the view on its mass rather than on all of [0, 1].
      EXPECT_GT(m.x_low, 0.4L);
      EXPECT_LT(m.x_high, 0.6L);
    }
    if (m.discrete) {
      ASSERT_FALSE(m.bars.empty());
      EXPECT_EQ(m.bars.front().first, c.first_bar);
      EXPECT_EQ(m.x_low, static_cast<Real>(c.first_bar) - 0.5L);
    }
  }
}

}  // namespace
}  // namespace zudira
