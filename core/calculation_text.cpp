#include "core/calculation_text.h"

#include <cstdio>

namespace zudira {

namespace {

bool Whole(const ProbabilityRequest& r) {
  return IsDiscreteKind(r.kind);
}

std::string BoundText(const ProbabilityRequest& r, const FieldValue& bound, char separator) {
  return Whole(r) ? std::to_string(bound.whole) : ShortNumber(bound.real, separator);
}

// Two-bound types come in the order OO, OC, CO, CC within their family. A's sign reads the
// same inside and outside (A < X, X < A); B's turns round outside (X > B).
const char* SignA(RangeType range) {
  const bool closed = (((range - rtInsideOO) % 4) & 2) != 0;
  return closed ? " ≤ " : " < ";
}
const char* SignB(RangeType range) {
  const bool closed = (((range - rtInsideOO) % 4) & 1) != 0;
  if (range >= rtOutsideOO) return closed ? " ≥ " : " > ";
  return closed ? " ≤ " : " < ";
}

// "P(X < a)", "P(a ≤ X < b)", "P(X < a or X ≥ b)" with the bounds' texts.
std::string Event(RangeType range, const std::string& a, const std::string& b) {
  switch (range) {
    case rtEqualA:
      return "P(X = " + a + ")";
    case rtBelowA:
      return "P(X < " + a + ")";
    case rtAtMostA:
      return "P(X ≤ " + a + ")";
    case rtAboveA:
      return "P(X > " + a + ")";
    case rtAtLeastA:
      return "P(X ≥ " + a + ")";
    default:
      break;
  }
  if (range <= rtInsideCC) return "P(" + a + SignA(range) + "X" + SignB(range) + b + ")";
  return std::string("P(X") + SignA(range) + a + " or X" + SignB(range) + b + ")";
}

}  // namespace

std::string ShortNumber(Real x, char decimal_separator) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", x);
  std::string text = buffer;
  for (char& c : text)
    if (c == '.') c = decimal_separator;
  // "-0" reads as a fault to most readers.
  if (text == "-0") text = "0";
  return text;
}

std::string KindInWords(const ProbabilityRequest& r, char separator) {
  auto real = [separator](Real x) { return ShortNumber(x, separator); };
  const std::string first_real = real(r.mean.real);
  const std::string df = std::to_string(r.mean.whole);
  const std::string prefix = IsInverseKind(r.kind) ? "Inverse " : "";
  switch (r.kind) {
    case dkNormal:
    case dkInverseNormal:
      return prefix + "Normal (μ = " + first_real + ", σ = " + real(r.sdev.real) + ")";
    case dkBinomial:
      return "Binomial (n = " + std::to_string(r.sdev.whole) + ", p = " + first_real + ")";
    case dkPoisson:
      return "Poisson (λ = " + first_real + ")";
    case dkExponential:
      return "Exponential (μ = " + first_real + ")";
    case dkStudentT:
    case dkInverseStudentT:
      return prefix + "Student T (df = " + df + ")";
    case dkChiSquared:
    case dkInverseChiSquared:
      return prefix + "Chi-Squared (df = " + df + ")";
    case dkF:
    case dkInverseF:
      return prefix + "F (df1 = " + df + ", df2 = " + std::to_string(r.sdev.whole) + ")";
  }
  return {};
}

std::string CalculationInWords(const ProbabilityRequest& r, std::string_view answer_text,
                               char separator) {
  const std::string kind = KindInWords(r, separator);
  const std::string answer(answer_text);
  if (!IsInverseKind(r.kind)) {
    return kind + ": " +
           Event(r.range, BoundText(r, r.a, separator), BoundText(r, r.b, separator)) + " = " +
           answer;
  }
  // The A field holds the probability, B the fixed bound; the answer is the other bound.
  const std::string p = ShortNumber(r.a.real, separator);
  if (FamilyOf(r.range) == rfPoint) return kind + ": P(X = A) = 0";
  if (!IsTwoBound(r.range))
    return kind + ": " + Event(r.range, "A", "") + " = " + p + ", A = " + answer;
  const std::string fixed = ShortNumber(r.b.real, separator);
  if (r.fixed_end == feFixA)
    return kind + ": " + Event(r.range, fixed, "B") + " = " + p + ", B = " + answer;
  return kind + ": " + Event(r.range, "A", fixed) + " = " + p + ", A = " + answer;
}

}  // namespace zudira

namespace zudira {

namespace {

// One kind's functions in both notations, given its parameters.
class Notation {
 public:
  Notation(const ProbabilityRequest& r, char separator) : r_(r), separator_(separator) {
    const std::string m = R(r.mean.real);
    const std::string s = R(r.sdev.real);
    const std::string df1 = std::to_string(r.mean.whole);
    const std::string df2 = std::to_string(r.sdev.whole);
    switch (r.kind) {
      case dkNormal:
      case dkInverseNormal:
        r_name_ = "norm";
        r_args_ = ", mean = " + m + ", sd = " + s;
        sheet_args_ = ";" + Sheet(r.mean.real) + ";" + Sheet(r.sdev.real);
        break;
      case dkExponential:
        // R and the spreadsheet take the rate; the window takes the mean.
        r_name_ = "exp";
        r_args_ = ", rate = 1/" + m;
        sheet_args_ = ";1/" + Sheet(r.mean.real);
        break;
      case dkStudentT:
      case dkInverseStudentT:
        r_name_ = "t";
        r_args_ = ", df = " + df1;
        sheet_args_ = ";" + df1;
        break;
      case dkChiSquared:
      case dkInverseChiSquared:
        r_name_ = "chisq";
        r_args_ = ", df = " + df1;
        sheet_args_ = ";" + df1;
        break;
      case dkF:
      case dkInverseF:
        r_name_ = "f";
        r_args_ = ", df1 = " + df1 + ", df2 = " + df2;
        sheet_args_ = ";" + df1 + ";" + df2;
        break;
      case dkBinomial:
        r_name_ = "binom";
        r_args_ = ", size = " + df2 + ", prob = " + m;
        sheet_args_ = ";" + df2 + ";" + Sheet(r.mean.real);
        break;
      case dkPoisson:
        r_name_ = "pois";
        r_args_ = ", lambda = " + m;
        sheet_args_ = ";" + Sheet(r.mean.real);
        break;
    }
  }

  std::string R(Real x) const { return ShortNumber(x, '.'); }
  std::string Sheet(Real x) const { return ShortNumber(x, separator_); }

  // P(X <= x) and P(X > x).
  std::string RLower(const std::string& x) const { return "p" + r_name_ + "(" + x + r_args_ + ")"; }
  std::string RUpper(const std::string& x) const {
    return "p" + r_name_ + "(" + x + r_args_ + ", lower.tail = FALSE)";
  }
  std::string RMass(const std::string& k) const { return "d" + r_name_ + "(" + k + r_args_ + ")"; }
  // The x with P(X <= x) = t, and with P(X > x) = t.
  std::string RInvLower(const std::string& t) const {
    return "q" + r_name_ + "(" + t + r_args_ + ")";
  }
  std::string RInvUpper(const std::string& t) const {
    return "q" + r_name_ + "(" + t + r_args_ + ", lower.tail = FALSE)";
  }

  std::string SheetLower(const std::string& x) const {
    switch (r_.kind) {
      case dkNormal:
      case dkInverseNormal:
        return "NORM.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkExponential:
        return "EXPON.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkStudentT:
      case dkInverseStudentT:
        return "T.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkChiSquared:
      case dkInverseChiSquared:
        return "CHISQ.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkF:
      case dkInverseF:
        return "F.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkBinomial:
        return "BINOM.DIST(" + x + sheet_args_ + ";TRUE)";
      case dkPoisson:
        return "POISSON.DIST(" + x + sheet_args_ + ";TRUE)";
    }
    return {};
  }
  std::string SheetUpper(const std::string& x) const {
    switch (r_.kind) {
      case dkStudentT:
      case dkInverseStudentT:
        return "T.DIST.RT(" + x + sheet_args_ + ")";
      case dkChiSquared:
      case dkInverseChiSquared:
        return "CHISQ.DIST.RT(" + x + sheet_args_ + ")";
      case dkF:
      case dkInverseF:
        return "F.DIST.RT(" + x + sheet_args_ + ")";
      default:
        return "(1-" + SheetLower(x) + ")";
    }
  }
  std::string SheetMass(const std::string& k) const {
    return (r_.kind == dkBinomial ? "BINOM.DIST(" : "POISSON.DIST(") + k + sheet_args_ + ";FALSE)";
  }
  std::string SheetInvLower(const std::string& t) const {
    switch (r_.kind) {
      case dkInverseNormal:
        return "NORM.INV(" + t + sheet_args_ + ")";
      case dkInverseStudentT:
        return "T.INV(" + t + sheet_args_ + ")";
      case dkInverseChiSquared:
        return "CHISQ.INV(" + t + sheet_args_ + ")";
      default:
        return "F.INV(" + t + sheet_args_ + ")";
    }
  }
  std::string SheetInvUpper(const std::string& t) const {
    switch (r_.kind) {
      case dkInverseChiSquared:
        return "CHISQ.INV.RT(" + t + sheet_args_ + ")";
      case dkInverseF:
        return "F.INV.RT(" + t + sheet_args_ + ")";
      default: {
        // A plain number needs no brackets after "1-".
        const bool plain = t.find_first_of("(+-", 1) == std::string::npos;
        return SheetInvLower(plain ? "1-" + t : "1-(" + t + ")");
      }
    }
  }

 private:
  const ProbabilityRequest& r_;
  char separator_;
  std::string r_name_;
  std::string r_args_;
  std::string sheet_args_;
};

// Both notations of one term or sum.
struct Formula {
  std::string r;
  std::string sheet;
};

Formula Constant(const char* value) {
  return {value, value};
}

// A discrete count k: P(X <= k) and P(X > k) of counts outside the support are written as
// their values, which the spreadsheet's functions would refuse.
Formula DiscreteLower(const Notation& n, const ProbabilityRequest& r, std::int64_t k) {
  Formula f{n.RLower(std::to_string(k)), n.SheetLower(std::to_string(k))};
  if (k < 0) f.sheet = "0";
  if (r.kind == dkBinomial && k >= r.sdev.whole) f.sheet = "1";
  return f;
}
Formula DiscreteUpper(const Notation& n, const ProbabilityRequest& r, std::int64_t k) {
  Formula f{n.RUpper(std::to_string(k)), "1-" + n.SheetLower(std::to_string(k))};
  if (k < 0) f.sheet = "1";
  if (r.kind == dkBinomial && k >= r.sdev.whole) f.sheet = "0";
  return f;
}

Formula Minus(const Formula& a, const Formula& b) {
  return {a.r + " - " + b.r, a.sheet + "-(" + b.sheet + ")"};
}
Formula Plus(const Formula& a, const Formula& b) {
  return {a.r + " + " + b.r, a.sheet + "+" + b.sheet};
}

Formula DiscreteFormula(const Notation& n, const ProbabilityRequest& r) {
  const std::int64_t a = r.a.whole;
  const std::int64_t b = r.b.whole;
  auto lower = [&](std::int64_t k) { return DiscreteLower(n, r, k); };
  auto upper = [&](std::int64_t k) { return DiscreteUpper(n, r, k); };
  // The bounds alone decide an empty or a full range, as in the answer table.
  switch (r.range) {
    case rtInsideOO:
    case rtInsideOC:
    case rtInsideCO:
      if (b <= a) return Constant("0");
      break;
    case rtInsideCC:
      if (b < a) return Constant("0");
      break;
    case rtOutsideOO:
    case rtOutsideOC:
    case rtOutsideCO:
      if (b < a) return Constant("1");
      break;
    case rtOutsideCC:
      if (b <= a) return Constant("1");
      break;
    default:
      break;
  }
  switch (r.range) {
    case rtEqualA: {
      const std::string k = std::to_string(a);
      Formula f{n.RMass(k), n.SheetMass(k)};
      if (a < 0 || (r.kind == dkBinomial && a > r.sdev.whole)) f.sheet = "0";
      return f;
    }
    case rtBelowA:
      return lower(a - 1);
    case rtAtMostA:
      return lower(a);
    case rtAboveA:
      return upper(a);
    case rtAtLeastA:
      return upper(a - 1);
    case rtInsideOO:
      return Minus(lower(b - 1), lower(a));
    case rtInsideOC:
      return Minus(lower(b), lower(a));
    case rtInsideCO:
      return Minus(lower(b - 1), lower(a - 1));
    case rtInsideCC:
      return Minus(lower(b), lower(a - 1));
    case rtOutsideOO:
      return Plus(lower(a - 1), upper(b));
    case rtOutsideOC:
      return Plus(lower(a - 1), upper(b - 1));
    case rtOutsideCO:
      return Plus(lower(a), upper(b));
    case rtOutsideCC:
      return Plus(lower(a), upper(b - 1));
  }
  return Constant("0");
}

Formula ContinuousFormula(const Notation& n, const ProbabilityRequest& r) {
  const Real a = r.a.real;
  // A B below A counts as A, as the answer does.
  const Real b = IsTwoBound(r.range) && r.b.real < a ? a : r.b.real;
  auto lower = [&](Real x) { return Formula{n.RLower(n.R(x)), n.SheetLower(n.Sheet(x))}; };
  auto upper = [&](Real x) { return Formula{n.RUpper(n.R(x)), n.SheetUpper(n.Sheet(x))}; };
  switch (FamilyOf(r.range)) {
    case rfPoint:
      return Constant("0");
    case rfLower:
      return lower(a);
    case rfUpper:
      return upper(a);
    case rfInside:
      return Minus(lower(b), lower(a));
    case rfOutside:
      return Plus(lower(a), upper(b));
  }
  return Constant("0");
}

// The solved bound: the inverse of the tail the range leaves to it, at the target that the
// given probability and the fixed bound g set.
Formula InverseFormula(const Notation& n, const ProbabilityRequest& r) {
  const std::string p_r = n.R(r.a.real);
  const std::string p_s = n.Sheet(r.a.real);
  const std::string g_r = n.R(r.b.real);
  const std::string g_s = n.Sheet(r.b.real);
  const bool fix_a = r.fixed_end == feFixA;
  switch (FamilyOf(r.range)) {
    case rfPoint:
      return Constant("0");
    case rfLower:
      return {n.RInvLower(p_r), n.SheetInvLower(p_s)};
    case rfUpper:
      return {n.RInvUpper(p_r), n.SheetInvUpper(p_s)};
    case rfInside:
      // F(B) = F(g) + p with A fixed; F(A) = F(g) - p with B fixed.
      return fix_a ? Formula{n.RInvLower(n.RLower(g_r) + " + " + p_r),
                             n.SheetInvLower(n.SheetLower(g_s) + "+" + p_s)}
                   : Formula{n.RInvLower(n.RLower(g_r) + " - " + p_r),
                             n.SheetInvLower(n.SheetLower(g_s) + "-" + p_s)};
    case rfOutside:
      // Q(B) = p - F(g) with A fixed; F(A) = p - Q(g) with B fixed.
      return fix_a ? Formula{n.RInvUpper(p_r + " - " + n.RLower(g_r)),
                             n.SheetInvUpper(p_s + "-" + n.SheetLower(g_s))}
                   : Formula{n.RInvLower(p_r + " - " + n.RUpper(g_r)),
                             n.SheetInvLower(p_s + "-" + n.SheetUpper(g_s))};
  }
  return Constant("0");
}

}  // namespace

CalculationLines CalculationText(const ProbabilityRequest& request, std::string_view answer_text,
                                 char decimal_separator) {
  const Notation notation(request, decimal_separator);
  const Formula formula = IsDiscreteKind(request.kind)  ? DiscreteFormula(notation, request)
                          : IsInverseKind(request.kind) ? InverseFormula(notation, request)
                                                        : ContinuousFormula(notation, request);
  return {CalculationInWords(request, answer_text, decimal_separator), formula.r,
          "=" + formula.sheet};
}

}  // namespace zudira
