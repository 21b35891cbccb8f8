#include "core/statistical_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <limits>

#include "core/kinds/kind_record.h"
#include "core/parameter_checks.h"
#include "stats/precise/precise_densities.h"
#include "stats/precise/precise_distributions.h"

namespace zudira {
namespace {

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
const std::string kInfinity = "∞";

// The α of the printed tables, as they are headed; the value is read from the same text, so
// that the heading and the quantile agree to the last bit.
const char* const kTOneTail[] = {"0.25", "0.20",  "0.15",   "0.10",  "0.05",  "0.025",
                                 "0.01", "0.005", "0.0025", "0.001", "0.0005"};
const char* const kTTwoTails[] = {"0.50", "0.40", "0.30",  "0.20",  "0.10", "0.05",
                                  "0.02", "0.01", "0.005", "0.002", "0.001"};
const char* const kChiAlphas[] = {"0.995", "0.99", "0.975", "0.95", "0.90",
                                  "0.10",  "0.05", "0.025", "0.01", "0.005"};

Real ReadAlpha(const char* text) {
  return std::strtold(text, nullptr);
}

std::string Fixed(Real x, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, x);
  return buffer;
}

// A typed value written back as short as it reads (0.05, 2.5, 1e-06).
// A typed column value with at least `fewest` decimals and as many more as it needs (p = 0.10,
// 0.125; λ = 0.5, 2), at most kMaxTableDecimals.
std::string ColumnHeading(Real x, int fewest) {
  int d = fewest;
  // The typed value may differ from the decimal reading in its last bits only.
  while (d < kMaxTableDecimals &&
         std::fabs(std::strtold(Fixed(x, d).c_str(), nullptr) - x) > 1e-15L * std::fabs(x))
    ++d;
  return Fixed(x, d);
}

std::string DfText(std::int32_t df) {
  return df == kInfiniteDf ? kInfinity : std::to_string(df);
}

// A cell the functions refuse, or answer with no number, is left as not-a-number.
Real CellOf(const std::function<Real()>& value) {
  try {
    const Real v = value();
    return std::isfinite(v) ? v : kNaN;
  } catch (const std::exception&) {
    return kNaN;
  }
}

std::vector<std::int32_t> DfRange(std::int32_t first, std::int32_t last,
                                  std::initializer_list<std::int32_t> more) {
  std::vector<std::int32_t> dfs;
  for (std::int32_t df = first; df <= last; ++df) dfs.push_back(df);
  dfs.insert(dfs.end(), more);
  return dfs;
}

std::vector<Real> DefaultPs() {
  std::vector<Real> ps;
  for (int i = 1; i <= 19; ++i) ps.push_back(static_cast<Real>(5 * i) / 100);
  return ps;
}

std::vector<Real> DefaultLambdas() {
  std::vector<Real> lambdas{0.5L};
  for (int i = 1; i <= 10; ++i) lambdas.push_back(i);
  return lambdas;
}

StatTable NormalTable(NormalForm form) {
  StatTable t;
  const bool from_zero = form == NormalForm::kFromZero;
  t.title = from_zero ? "Standard Normal Distribution: P(0 ≤ Z ≤ z)"
                      : "Standard Normal Distribution: Φ(z) = P(Z ≤ z)";
  t.note = from_zero ? "Each cell is P(0 ≤ Z ≤ z) for z = the row's value plus the column's."
                     : "Each cell is Φ(z) = P(Z ≤ z) for z = the row's value plus the column's; "
                       "on a negative row, z = −(row + column).";
  t.row_label = "z";
  TableHeadingLine line;
  line.label = "z";
  for (int c = 0; c <= 9; ++c) line.texts.push_back(".0" + std::to_string(c));
  t.heading_lines.push_back(line);
  // Rows -3.4 ... -0.0 and 0.0 ... 3.4 as tenths; -0.0 reads Φ(-0.0d).
  struct Row {
    int tenths;
    bool negative;
  };
  std::vector<Row> rows;
  if (!from_zero)
    for (int r = 34; r >= 0; --r) rows.push_back({r, true});
  for (int r = 0; r <= 34; ++r) rows.push_back({r, false});
  for (const Row& row : rows) {
    t.row_headings.push_back((row.negative ? "-" : "") + Fixed(Real(row.tenths) / 10, 1));
    for (int c = 0; c <= 9; ++c) {
      const Real z = static_cast<Real>(10 * row.tenths + c) / 100;
      t.cells.push_back(CellOf([&] {
        if (from_zero) return 0.5L - precise::NormalQ(0, 1, z);
        return row.negative ? precise::NormalQ(0, 1, z) : precise::NormalF(0, 1, z);
      }));
    }
  }
  return t;
}

StatTable TTable() {
  StatTable t;
  t.title = "Student t Distribution: Critical Values";
  t.note =
      "Each cell is the t with P(T > t) = α (one tail), or P(|T| > t) = α (two tails), "
      "for the row's degrees of freedom; the ∞ row is the standard normal.";
  t.row_label = "df";
  TableHeadingLine one{"α one tail", {}}, two{"α two tails", {}};
  for (const char* a : kTOneTail) one.texts.push_back(a);
  for (const char* a : kTTwoTails) two.texts.push_back(a);
  t.heading_lines = {one, two};
  for (std::int32_t df : DfRange(1, 30, {40, 50, 60, 80, 100, 120, 1000, kInfiniteDf})) {
    t.row_headings.push_back(DfText(df));
    for (const char* a : kTOneTail)
      t.cells.push_back(CellOf([&] { return TCritical(df, ReadAlpha(a)); }));
  }
  return t;
}

StatTable ChiSquaredTable() {
  StatTable t;
  t.title = "Chi-Squared Distribution: Critical Values";
  t.note = "Each cell is the χ² with P(X > χ²) = α (upper tail) for the row's degrees of freedom.";
  t.row_label = "df";
  TableHeadingLine line{"α", {}};
  for (const char* a : kChiAlphas) line.texts.push_back(a);
  t.heading_lines.push_back(line);
  for (std::int32_t df : DfRange(1, 30, {40, 50, 60, 70, 80, 90, 100})) {
    t.row_headings.push_back(DfText(df));
    for (const char* a : kChiAlphas)
      t.cells.push_back(CellOf([&] { return ChiSquaredCritical(df, ReadAlpha(a)); }));
  }
  return t;
}

StatTable FTable(int alpha_index) {
  const char* alpha_text = kFAlphaTexts[alpha_index];
  const Real alpha = ReadAlpha(alpha_text);
  StatTable t;
  t.title = std::string("F Distribution: Critical Values for α = ") + alpha_text;
  t.note = std::string("Each cell is the F with P(F > f) = ") + alpha_text +
           ", for df1 (numerator, columns) and df2 (denominator, rows).";
  t.row_label = "df2";
  const std::vector<std::int32_t> df1s =
      DfRange(1, 10, {12, 15, 20, 24, 30, 40, 60, 120, kInfiniteDf});
  TableHeadingLine line{"df1", {}};
  for (std::int32_t df1 : df1s) line.texts.push_back(DfText(df1));
  t.heading_lines.push_back(line);
  for (std::int32_t df2 : DfRange(1, 30, {40, 60, 120, kInfiniteDf})) {
    t.row_headings.push_back(DfText(df2));
    for (std::int32_t df1 : df1s)
      t.cells.push_back(CellOf([&] { return FCritical(df1, df2, alpha); }));
  }
  return t;
}

// Rows k = 0 ... last_k, one column per parameter value, cells from mass(k, column value).
void DiscreteCellsOf(StatTable& t, std::int64_t last_k, const std::vector<Real>& values,
                     const std::function<Real(std::int64_t, Real)>& cell) {
  for (std::int64_t k = 0; k <= last_k; ++k) {
    t.row_headings.push_back(std::to_string(k));
    for (Real v : values) t.cells.push_back(CellOf([&] { return cell(k, v); }));
  }
}

StatTable BinomialTable(const TableSettings& s) {
  const std::vector<Real> ps = s.binomial_p.empty() ? DefaultPs() : s.binomial_p;
  const bool mass = s.binomial_cells == DiscreteCells::kMass;
  const std::int32_t n = s.binomial_n;
  StatTable t;
  t.title = std::string("Binomial Distribution: ") + (mass ? "P(X = k)" : "P(X ≤ k)") +
            " for n = " + std::to_string(n);
  t.note = std::string("Each cell is ") + (mass ? "P(X = k)" : "P(X ≤ k)") +
           " for n trials with the column's probability of success p.";
  t.row_label = "k";
  TableHeadingLine line{"p", {}};
  for (Real p : ps) line.texts.push_back(ColumnHeading(p, 2));
  t.heading_lines.push_back(line);
  DiscreteCellsOf(t, n, ps, [&](std::int64_t k, Real p) {
    return mass ? precise::BinomialE(n, p, k) : precise::BinomialL(n, p, k + 1);
  });
  return t;
}

StatTable PoissonTable(const TableSettings& s) {
  const std::vector<Real> lambdas = s.poisson_lambda.empty() ? DefaultLambdas() : s.poisson_lambda;
  const bool mass = s.poisson_cells == DiscreteCells::kMass;
  StatTable t;
  t.title = std::string("Poisson Distribution: ") + (mass ? "P(X = k)" : "P(X ≤ k)");
  t.note = std::string("Each cell is ") + (mass ? "P(X = k)" : "P(X ≤ k)") +
           " for the column's mean λ; the rows end where every P(X > k) rounds to 0.";
  t.row_label = "k";
  TableHeadingLine line{"λ", {}};
  for (Real l : lambdas) line.texts.push_back(ColumnHeading(l, 0));
  t.heading_lines.push_back(line);
  DiscreteCellsOf(t, PoissonLastRow(lambdas, s.decimals), lambdas, [&](std::int64_t k, Real l) {
    return mass ? precise::PoissonE(l, k) : precise::PoissonL(l, k + 1);
  });
  return t;
}

DistributionKind ForwardKind(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr ? record->forward : kind;
}

// A number that is no kind gets the table of the last.
const KindRecord& TableSpecOf(DistributionKind kind) {
  const KindRecord* record = FindKindRecord(kind);
  return record != nullptr ? *record : *FindKindRecord(dkF);
}

StatTable CurrentTable(const TableSettings& s) {
  const DistributionKind kind = ForwardKind(s.current_kind);
  const bool discrete = IsDiscreteKind(kind);
  StatTable t;
  const KindRecord& record = TableSpecOf(kind);
  const DistributionParameters d{s.current_mean, s.current_sdev, s.current_third};
  t.title = record.table_title(d);
  t.note = discrete ? "Each row gives P(X = k), P(X ≤ k) and P(X > k) at its k."
                    : "Each row gives the density f(x), P(X ≤ x) and P(X > x) at its x.";
  t.row_label = discrete ? "k" : "x";
  t.heading_lines.push_back(discrete ? TableHeadingLine{"", {"P(X = k)", "P(X ≤ k)", "P(X > k)"}}
                                     : TableHeadingLine{"", {"f(x)", "P(X ≤ x)", "P(X > x)"}});
  for (int i = 0; i < s.count; ++i) {
    const Real x = s.start + static_cast<Real>(i) * s.step;
    t.row_headings.push_back(discrete ? std::to_string(static_cast<std::int64_t>(x))
                                      : Fixed(x, s.axis_decimals));
    for (int c = 0; c < 3; ++c)
      t.cells.push_back(CellOf([&] { return record.table_cell(d, x, c); }));
  }
  return t;
}

bool IsWhole(Real x) {
  return std::isfinite(x) && std::floor(x) == x;
}

std::string CheckList(const std::vector<Real>& values, const char* name, Real lowest,
                      Real highest) {
  if (values.size() > static_cast<size_t>(kMaxTypedColumns))
    return "At most " + std::to_string(kMaxTypedColumns) + " values of " + name +
           " fit in a table.";
  for (Real v : values) {
    if (!(v >= lowest && v <= highest)) {
      return std::string(name) + " = " + TableNumber(v) + " is outside " + TableNumber(lowest) +
             " to " + (std::isinf(highest) ? std::string("∞") : TableNumber(highest)) + ".";
    }
  }
  return {};
}

std::string CheckCurrent(const TableSettings& s) {
  ProbabilityRequest request;
  request.kind = ForwardKind(s.current_kind);
  request.mean = s.current_mean;
  request.sdev = s.current_sdev;
  request.third = s.current_third;
  if (const char* error = CheckRequestParameters(request)) return error;
  if (s.count < 1 || s.count > kMaxTableRows)
    return "count = " + std::to_string(s.count) + " is outside 1 to " +
           std::to_string(kMaxTableRows) + ".";
  if (!std::isfinite(s.start))
    return "start = " + TableNumber(s.start) + " is not a finite number.";
  if (!(s.step > 0) || !std::isfinite(s.step))
    return "step = " + TableNumber(s.step) + " must be greater than 0.";
  const Real last = s.start + static_cast<Real>(s.count - 1) * s.step;
  if (!std::isfinite(last)) return "The last row, start + (count - 1) × step, is not finite.";
  if (IsDiscreteKind(request.kind)) {
    if (!IsWhole(s.start) || std::fabs(s.start) > 1e15L)
      return "start = " + TableNumber(s.start) + " must be a whole number for k.";
    if (!IsWhole(s.step)) return "step = " + TableNumber(s.step) + " must be a whole number for k.";
    if (std::fabs(last) > 1e15L) return "The last row k is too large.";
  }
  return {};
}

}  // namespace

std::string TableKindName(TableKind kind) {
  switch (kind) {
    case TableKind::kStandardNormal:
      return "Standard Normal";
    case TableKind::kStudentT:
      return "Student t";
    case TableKind::kChiSquared:
      return "Chi-Squared";
    case TableKind::kF:
      return "F";
    case TableKind::kBinomial:
      return "Binomial";
    case TableKind::kPoisson:
      return "Poisson";
    case TableKind::kCurrent:
      return "Current Distribution";
  }
  return {};
}

std::string TableNumber(Real x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.10Lg", x);
  return buffer;
}

TableRows DefaultCurrentRows(DistributionKind kind, const FieldValue& m, const FieldValue& s,
                             const FieldValue& third) {
  return TableSpecOf(ForwardKind(kind)).table_rows({m, s, third});
}

Real TCritical(std::int32_t df, Real alpha) {
  if (df == kInfiniteDf) return precise::NormalInvUpper(0, 1, alpha);
  return precise::StudentTInvUpper(df, alpha);
}

Real ChiSquaredCritical(std::int32_t df, Real alpha) {
  return precise::ChiSquaredInvUpper(df, alpha);
}

// An infinite count takes the limit of F = (X1/df1)/(X2/df2): with df1 = ∞ the numerator is 1,
// so f = df2/χ²(df2) at the lower tail α; with df2 = ∞ the denominator is 1.
Real FCritical(std::int32_t df1, std::int32_t df2, Real alpha) {
  if (df1 == kInfiniteDf && df2 == kInfiniteDf) return 1;
  if (df1 == kInfiniteDf) return Real(df2) / precise::ChiSquaredInvLower(df2, alpha);
  if (df2 == kInfiniteDf) return precise::ChiSquaredInvUpper(df1, alpha) / Real(df1);
  return precise::FDistInvUpper(df1, df2, alpha);
}

// P(X > k) falls with k: double a bound until it is below the threshold, then bisect.
std::int64_t PoissonLastRow(const std::vector<Real>& lambdas, int decimals) {
  const Real threshold = 0.5L * std::pow(10.0L, -decimals);
  std::int64_t last = 0;
  for (Real lambda : lambdas) {
    std::int64_t hi = std::max<std::int64_t>(1, static_cast<std::int64_t>(lambda));
    while (!(precise::PoissonG(lambda, hi) < threshold)) {
      if (hi >= kMaxTableRows) return -1;
      hi *= 2;
    }
    std::int64_t lo = -1;  // P(X > lo) is not below the threshold (or lo is before 0)
    while (hi - lo > 1) {
      const std::int64_t mid = lo + (hi - lo) / 2;
      (precise::PoissonG(lambda, mid) < threshold ? hi : lo) = mid;
    }
    last = std::max(last, hi);
  }
  return last + 1 > kMaxTableRows ? -1 : last;
}

std::string CheckTableSettings(const TableSettings& s) {
  if (s.decimals < 0 || s.decimals > kMaxTableDecimals)
    return "decimals = " + std::to_string(s.decimals) + " is outside 0 to 10.";
  switch (s.kind) {
    case TableKind::kF:
      if (s.f_alpha < 0 || s.f_alpha >= kFAlphaCount) return "There is no F table for that α.";
      return {};
    case TableKind::kBinomial:
      if (s.binomial_n < 1 || s.binomial_n > kMaxBinomialN)
        return "n = " + std::to_string(s.binomial_n) + " is outside 1 to 1547.";
      return CheckList(s.binomial_p, "p", 0, 1);
    case TableKind::kPoisson: {
      std::string error =
          CheckList(s.poisson_lambda, "λ", 0, std::numeric_limits<Real>::infinity());
      if (!error.empty()) return error;
      for (Real lambda : s.poisson_lambda) {
        if (!std::isfinite(lambda) || PoissonLastRow({lambda}, s.decimals) < 0)
          return "λ = " + TableNumber(lambda) + " needs more than " +
                 std::to_string(kMaxTableRows) + " rows.";
      }
      return {};
    }
    case TableKind::kCurrent:
      return CheckCurrent(s);
    default:
      return {};
  }
}

StatTable BuildStatTable(const TableSettings& s) {
  StatTable t;
  switch (s.kind) {
    case TableKind::kStandardNormal:
      t = NormalTable(s.normal_form);
      break;
    case TableKind::kStudentT:
      t = TTable();
      break;
    case TableKind::kChiSquared:
      t = ChiSquaredTable();
      break;
    case TableKind::kF:
      t = FTable(s.f_alpha);
      break;
    case TableKind::kBinomial:
      t = BinomialTable(s);
      break;
    case TableKind::kPoisson:
      t = PoissonTable(s);
      break;
    case TableKind::kCurrent:
      t = CurrentTable(s);
      break;
  }
  t.decimals = s.decimals;
  return t;
}

}  // namespace zudira
