// Copy Calculation's R expression and spreadsheet formula: each kind's notation applied to the
// request's range, with small tails in forms that keep their digits.
#include <cstdint>
#include <string>

#include "core/calculation_text.h"
#include "core/distribution_functions.h"
#include "core/kinds/kind_record.h"

namespace zudira {

namespace {

// One kind's functions in both notations, given its parameters. Every tail is written in a
// form that keeps its digits when it is small: upper tails never as 1 minus a lower tail.
// Spreadsheet truth values are written 1 and 0, which every locale reads.
class Notation {
 public:
  Notation(const ProbabilityRequest& r, const KindNotation& kind, char separator)
      : r_(r),
        kind_(kind),
        separator_(separator),
        r_name_(kind.r_name),
        r_args_(kind.r_args(r)),
        sheet_args_(kind.sheet_args(r, separator)),
        centre_(kind.centre(r)) {}

  std::string R(Real x) const { return RNumber(x); }
  std::string Sheet(Real x) const { return ShortNumber(x, separator_); }
  // Near the middle of the distribution: at and above it, upper tails are the small ones.
  Real Centre() const { return centre_; }

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

  // P(X <= x) and P(X > x) of a continuous kind.
  std::string SheetLower(Real x) const { return kind_.sheet_lower(Call(), x); }
  std::string SheetUpper(Real x) const { return kind_.sheet_upper(Call(), x); }

  // P(X <= k), P(X > k) and P(X = k) of a discrete kind, for a k in its support.
  std::string SheetCountLower(std::int64_t k) const {
    return std::string(kind_.sheet_count_function) + std::to_string(k) + sheet_args_ + ";1)";
  }
  std::string SheetCountUpper(std::int64_t k) const { return kind_.sheet_count_upper(Call(), k); }
  std::string SheetMass(std::int64_t k) const {
    return std::string(kind_.sheet_count_function) + std::to_string(k) + sheet_args_ + ";0)";
  }
  // What R and the spreadsheet subtract from the kind's counts.
  std::int64_t CountOffset() const { return kind_.count_offset; }
  // Counts outside the support, and parameters the spreadsheet refuses, are written as values.
  bool BeforeFirstCount(std::int64_t k) const {
    return k < (kind_.first_count != nullptr ? kind_.first_count(r_) : 0);
  }
  bool AtOrPastLastCount(std::int64_t k) const {
    return kind_.last_count != nullptr && k >= *kind_.last_count(r_);
  }
  bool PastLastCount(std::int64_t k) const {
    return kind_.last_count != nullptr && k > *kind_.last_count(r_);
  }
  bool SheetRefuses() const { return kind_.sheet_refuses != nullptr && kind_.sheet_refuses(r_); }

  // The x with P(X <= x) = t and with P(X > x) = t, for the target t written as t_text, which
  // is a plain number when plain.
  std::string SheetInvLower(const std::string& t_text, Real t, bool plain) const {
    return kind_.sheet_inv_lower(Call(), t_text, t, plain);
  }
  std::string SheetInvUpper(const std::string& t_text, Real t, bool plain) const {
    return kind_.sheet_inv_upper(Call(), t_text, t, plain);
  }

 private:
  SheetCall Call() const { return SheetCall{r_, separator_, sheet_args_}; }

  const ProbabilityRequest& r_;
  const KindNotation& kind_;
  char separator_;
  std::string r_name_;
  std::string r_args_;
  std::string sheet_args_;
  Real centre_ = 0;
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
Formula DiscreteLower(const Notation& n, std::int64_t k) {
  Formula f{n.RLower(std::to_string(k)), n.SheetCountLower(k)};
  if (n.BeforeFirstCount(k)) {
    f.sheet = "0";
  } else if (n.AtOrPastLastCount(k) || n.SheetRefuses()) {
    f.sheet = "1";
  }
  return f;
}
Formula DiscreteUpper(const Notation& n, std::int64_t k) {
  Formula f{n.RUpper(std::to_string(k)), n.SheetCountUpper(k)};
  if (n.BeforeFirstCount(k)) {
    f.sheet = "1";
  } else if (n.AtOrPastLastCount(k) || n.SheetRefuses()) {
    f.sheet = "0";
  }
  return f;
}

Formula Minus(const Formula& a, const Formula& b) {
  return {a.r + " - " + b.r, a.sheet + "-(" + b.sheet + ")"};
}
Formula Plus(const Formula& a, const Formula& b) {
  return {a.r + " + " + b.r, a.sheet + "+" + b.sheet};
}

// P(low < X <= high) from the tails at low and high: the difference of the two upper tails
// when low lies at or above the middle, where they are the small ones, so that a range far in
// the upper tail keeps its digits.
Formula Between(const Notation& n, Real low, const Formula& lower_low, const Formula& lower_high,
                const Formula& upper_low, const Formula& upper_high) {
  if (low >= n.Centre()) return Minus(upper_low, upper_high);
  return Minus(lower_high, lower_low);
}

Formula DiscreteFormula(const Notation& n, const ProbabilityRequest& r) {
  const std::int64_t a = r.a.whole - n.CountOffset();
  const std::int64_t b = r.b.whole - n.CountOffset();
  auto lower = [&](std::int64_t k) { return DiscreteLower(n, k); };
  auto upper = [&](std::int64_t k) { return DiscreteUpper(n, k); };
  auto between = [&](std::int64_t low, std::int64_t high) {
    return Between(n, static_cast<Real>(low), lower(low), lower(high), upper(low), upper(high));
  };
  const RangeTypeRow& row = RangeTypeOf(r.range);
  const bool a_in = row.a_included;
  const bool b_in = row.b_included;
  // The bounds alone decide an empty or a full range, as in the answer table.
  if (const std::optional<int> decided = AnswerOfBounds(r.range, a, b))
    return Constant(*decided == 0 ? "0" : "1");
  // The last count below the range and the last count in it, at each bound.
  const std::int64_t below_a = a_in ? a - 1 : a;
  const std::int64_t through_a = a_in ? a : a - 1;
  const std::int64_t through_b = b_in ? b : b - 1;
  const std::int64_t below_b = b_in ? b - 1 : b;
  switch (row.family) {
    case rfPoint: {
      Formula f{n.RMass(std::to_string(a)), n.SheetMass(a)};
      if (n.BeforeFirstCount(a) || n.PastLastCount(a)) {
        f.sheet = "0";
      } else if (n.SheetRefuses()) {
        f.sheet = a == 0 ? "1" : "0";
      }
      return f;
    }
    case rfLower:
      return lower(through_a);
    case rfUpper:
      return upper(below_a);
    case rfInside:
      return between(below_a, through_b);
    case rfOutside:
      return Plus(lower(through_a), upper(below_b));
  }
  return Constant("0");
}

Formula ContinuousFormula(const Notation& n, const ProbabilityRequest& r) {
  const Real a = r.a.real;
  // A B below A counts as A, as the answer does.
  const Real b = IsTwoBound(r.range) && r.b.real < a ? a : r.b.real;
  auto lower = [&](Real x) { return Formula{n.RLower(n.R(x)), n.SheetLower(x)}; };
  auto upper = [&](Real x) { return Formula{n.RUpper(n.R(x)), n.SheetUpper(x)}; };
  switch (FamilyOf(r.range)) {
    case rfPoint:
      return Constant("0");
    case rfLower:
      return lower(a);
    case rfUpper:
      return upper(a);
    case rfInside:
      return Between(n, a, lower(a), lower(b), upper(a), upper(b));
    case rfOutside:
      return Plus(lower(a), upper(b));
  }
  return Constant("0");
}

// The solved bound: the inverse of the tail the range leaves to it, at the target that the
// given probability and the fixed bound g set. Where the bound lies above the middle, it is
// solved from its upper tail, which is the small one there.
Formula InverseFormula(const Notation& n, const ProbabilityRequest& r) {
  const Real p = r.a.real;
  const std::string p_r = n.R(p);
  const std::string p_s = n.Sheet(p);
  const Real g = r.b.real;
  const std::string g_r = n.R(g);
  // The target's value picks the accurate form of some inverses.
  const ContinuousFunctions& functions = ContinuousFunctionsOf(r.kind, CalculationMode::kPrecise);
  const DistributionParameters parameters{r.mean, r.sdev, r.third};
  const bool two_bound = IsTwoBound(r.range);
  const Real f_g = two_bound ? functions.F(parameters, g) : 0;
  const Real q_g = two_bound ? functions.Q(parameters, g) : 0;
  auto inv_lower = [&](const std::string& t_r, const std::string& t_s, Real t) {
    return Formula{n.RInvLower(t_r), n.SheetInvLower(t_s, t, !two_bound)};
  };
  auto inv_upper = [&](const std::string& t_r, const std::string& t_s, Real t) {
    return Formula{n.RInvUpper(t_r), n.SheetInvUpper(t_s, t, !two_bound)};
  };
  switch (FamilyOf(r.range)) {
    case rfPoint:
      return Constant("0");
    case rfLower:
      return inv_lower(p_r, p_s, p);
    case rfUpper:
      return inv_upper(p_r, p_s, p);
    case rfInside:
      if (r.fixed_end == feFixA) {
        // B above g: F(B) = F(g) + p, or Q(B) = Q(g) - p.
        if (g >= n.Centre())
          return inv_upper(n.RUpper(g_r) + " - " + p_r, n.SheetUpper(g) + "-" + p_s, q_g - p);
        return inv_lower(n.RLower(g_r) + " + " + p_r, n.SheetLower(g) + "+" + p_s, f_g + p);
      }
      // A below g: F(A) = F(g) - p, or Q(A) = Q(g) + p.
      if (g > n.Centre())
        return inv_upper(n.RUpper(g_r) + " + " + p_r, n.SheetUpper(g) + "+" + p_s, q_g + p);
      return inv_lower(n.RLower(g_r) + " - " + p_r, n.SheetLower(g) + "-" + p_s, f_g - p);
    case rfOutside:
      // Q(B) = p - F(g) with A fixed; F(A) = p - Q(g) with B fixed.
      if (r.fixed_end == feFixA)
        return inv_upper(p_r + " - " + n.RLower(g_r), p_s + "-" + n.SheetLower(g), p - f_g);
      return inv_lower(p_r + " - " + n.RUpper(g_r), p_s + "-" + n.SheetUpper(g), p - q_g);
  }
  return Constant("0");
}

}  // namespace

CalculationLines CalculationText(const ProbabilityRequest& request, std::string_view answer_text,
                                 char decimal_separator) {
  const KindRecord* record = FindKindRecord(request.kind);
  if (record == nullptr) return {};
  const Notation notation(request, *record->notation, decimal_separator);
  const Formula formula = IsDiscreteKind(request.kind)  ? DiscreteFormula(notation, request)
                          : IsInverseKind(request.kind) ? InverseFormula(notation, request)
                                                        : ContinuousFormula(notation, request);
  return {CalculationInWords(request, answer_text, decimal_separator), formula.r,
          "=" + formula.sheet};
}

}  // namespace zudira
