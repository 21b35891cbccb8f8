#include "numeric/edit_model.h"

#include <cmath>
#include <limits>

#include "numeric/answer_text.h"
#include "numeric/locale_provider.h"
#include "stats/float_compare.h"
#include "stats/nearest_whole.h"

namespace zudira {
namespace {

enum class Family { kWhole, kReal, kDate, kCurrency, kOther };

Family FamilyOf(TEditType t) {
  if (IsWholeKind(t)) return Family::kWhole;
  if (IsRealKind(t)) return Family::kReal;
  if (IsDateKind(t)) return Family::kDate;
  if (t == etCurrency) return Family::kCurrency;
  return Family::kOther;
}

// Nearest integer with halves to even, clamped to the 32-bit range (NaN gives 0).
std::int32_t RoundToInt32(Real v) {
  if (std::isnan(v)) return 0;
  constexpr Real kMax = std::numeric_limits<std::int32_t>::max();
  constexpr Real kMin = std::numeric_limits<std::int32_t>::min();
  const Real r = NearestWhole(std::fmax(kMin, std::fmin(kMax, v)));
  return static_cast<std::int32_t>(r);
}

// The kinds that take no negative value hold 0 for one.
std::int32_t SignRuled(TEditType t, std::int32_t v) {
  return t == etPositive && v < 0 ? 0 : v;
}
Real SignRuled(TEditType t, Real v) {
  return t == etPosReal && v < 0 ? 0 : v;
}

}  // namespace

EditFieldModel::EditFieldModel(EditControl& control) : control_(control) {
  ParseText();
}

std::string EditFieldModel::Text() {
  text_cache_ = control_.ControlText();
  return text_cache_;
}

void EditFieldModel::SetText(const std::string& text) {
  if (text == text_cache_) return;
  text_cache_ = text;
  control_.ShowText(text);
  if (use_values_) ParseText();
}

void EditFieldModel::ParseText() {
  whole_ = 0;
  real_ = 0;
  date_time_ = 0;
  text_cache_ = control_.ControlText();
  if (!use_values_) return;
  switch (FamilyOf(edit_type_)) {
    case Family::kWhole: {
      // Grouped text is this field's own output with Commas on: read it back to its number.
      std::string digits = text_cache_;
      if (commas_) std::erase(digits, CurrentLocale().thousand_separator);
      whole_ = SignRuled(edit_type_, SafeStrToInt(digits));
      break;
    }
    case Family::kReal: {
      const RealTextReading reading = ReadRealText(text_cache_);
      if (reading.kind == RealTextKind::kNumber) real_ = reading.value;
      if (reading.kind == RealTextKind::kTooLarge)
        real_ = reading.value * std::numeric_limits<Real>::max();
      real_ = SignRuled(edit_type_, real_);
      break;
    }
    case Family::kDate:
      date_time_ = edit_type_ == etDate ? TextToDate(text_cache_) : TextToTime(text_cache_);
      break;
    case Family::kCurrency:
      whole_ = StrToCents(text_cache_);
      break;
    case Family::kOther:
      break;
  }
}

bool EditFieldModel::TextReadsBack() const {
  if (!use_values_) return true;
  const std::string text = control_.ControlText();
  switch (FamilyOf(edit_type_)) {
    case Family::kWhole: {
      std::string digits = text;
      if (commas_) std::erase(digits, CurrentLocale().thousand_separator);
      return IsWholeNumberText(digits);
    }
    case Family::kReal:
      return text.empty() || ReadRealText(text).kind != RealTextKind::kNotANumber;
    default:
      return true;
  }
}

std::string EditFieldModel::FormatValue() const {
  if (!use_values_) return control_.ControlText();
  switch (FamilyOf(edit_type_)) {
    case Family::kWhole:
      if (blank_if_zero_ && whole_ == 0) return {};
      if (zero_pad_) return IntToZeroPaddedStr(whole_, control_.MaxLength() & 0xFF);
      return commas_ ? IntToGroupedStr(whole_) : SafeIntToStr(whole_);
    case Family::kReal:
      if (blank_if_zero_ && FloatIsZero(real_)) return {};
      if (tiny_in_scientific_form_) {
        return AnswerText(real_, decimals_, CalculationMode::kPrecise);
      }
      return SafeFloatToFixed(real_, decimals_);
    case Family::kDate:
      if (blank_if_zero_ && FloatIsZero(date_time_)) return {};
      return edit_type_ == etDate ? DateToTextOrBlank(date_time_) : TimeToHoursMinutes(date_time_);
    case Family::kCurrency:
      if (blank_if_zero_ && whole_ == 0) return {};
      if (monetary_) return commas_ ? CentsToGroupedMoneyStr(whole_) : CentsToMoneyStr(whole_);
      return commas_ ? CentsToGroupedStr(whole_) : CentsToStr(whole_);
    case Family::kOther:
      break;
  }
  return text_cache_;
}

void EditFieldModel::Redisplay() {
  SetText(FormatValue());
}

void EditFieldModel::SetEditType(TEditType type) {
  if (type == edit_type_) return;
  const TEditType old = edit_type_;
  edit_type_ = type;
  ConvertHeldValue(old, type);
  Redisplay();
}

void EditFieldModel::ConvertHeldValue(TEditType from, TEditType to) {
  const Family f = FamilyOf(from);
  const Family t = FamilyOf(to);
  if (f == t || f == Family::kOther) {
    whole_ = IsWholeKind(to) ? SignRuled(to, whole_) : whole_;
    real_ = SignRuled(to, real_);
    return;
  }
  switch (f) {
    case Family::kWhole:
      if (t == Family::kReal) real_ = whole_;
      if (t != Family::kCurrency) whole_ = 0;
      break;
    case Family::kReal:
      if (t == Family::kWhole) whole_ = RoundToInt32(real_);
      if (t == Family::kDate) date_time_ = static_cast<DateTimeValue>(real_);
      if (t == Family::kCurrency) whole_ = RoundToInt32(real_ * 100);
      real_ = 0;
      break;
    case Family::kDate:
      if (t == Family::kReal) real_ = date_time_;
      date_time_ = 0;
      break;
    case Family::kCurrency:
      if (t == Family::kReal) real_ = static_cast<Real>(whole_) / 100;
      if (t != Family::kWhole) whole_ = 0;
      break;
    case Family::kOther:
      break;
  }
  if (IsWholeKind(to)) whole_ = SignRuled(to, whole_);
  real_ = SignRuled(to, real_);
}

void EditFieldModel::SetAsInteger(std::int32_t value) {
  if (!IsWholeKind(edit_type_) || !use_values_) {
    whole_ = 0;
    return;
  }
  value = SignRuled(edit_type_, value);
  if (value == whole_) return;
  whole_ = value;
  Redisplay();
}

Real EditFieldModel::AsFloat() const {
  switch (FamilyOf(edit_type_)) {
    case Family::kWhole:
      return whole_;
    case Family::kReal:
      return real_;
    case Family::kDate:
      return date_time_;
    case Family::kCurrency:
      return static_cast<Real>(whole_) / 100;
    case Family::kOther:
      break;
  }
  return SafeStrToFloat(control_.ControlText());
}

void EditFieldModel::SetAsFloat(Real value) {
  if (!IsRealKind(edit_type_) || !use_values_) {
    real_ = 0;
    return;
  }
  value = SignRuled(edit_type_, value);
  if (value == real_) return;
  real_ = value;
  Redisplay();
}

void EditFieldModel::SetAsDateTime(DateTimeValue value) {
  if (!IsDateKind(edit_type_) || !use_values_) {
    date_time_ = 0;
    return;
  }
  if (value == date_time_) return;
  date_time_ = value;
  Redisplay();
}

void EditFieldModel::SetAsCurrency(Cents value) {
  if (edit_type_ != etCurrency || !use_values_) {
    whole_ = 0;
    return;
  }
  if (value == whole_) return;
  whole_ = value;
  Redisplay();
}

void EditFieldModel::SetDecimals(std::uint8_t decimals) {
  if (decimals == decimals_) return;
  decimals_ = decimals;
  if (IsRealKind(edit_type_)) Redisplay();
}

void EditFieldModel::SetZeroPad(bool on) {
  if (on == zero_pad_) return;
  zero_pad_ = on;
  if (IsWholeKind(edit_type_)) Redisplay();
}

void EditFieldModel::SetCommas(bool on) {
  if (on == commas_) return;
  commas_ = on;
  if (IsWholeKind(edit_type_) || edit_type_ == etCurrency) Redisplay();
}

void EditFieldModel::SetMonetary(bool on) {
  if (on == monetary_) return;
  monetary_ = on;
  if (edit_type_ == etCurrency) Redisplay();
}

void EditFieldModel::SetTinyInScientificForm(bool on) {
  if (on == tiny_in_scientific_form_) return;
  tiny_in_scientific_form_ = on;
  if (FamilyOf(edit_type_) == Family::kReal) Redisplay();
}

void EditFieldModel::SetBlankIfZero(bool on) {
  if (on == blank_if_zero_) return;
  blank_if_zero_ = on;
  Redisplay();
}

void EditFieldModel::SetUseValues(bool on) {
  if (on == use_values_) return;
  use_values_ = on;
  ParseText();
}

}  // namespace zudira
