// The value model of the numeric edit field: the three stores (whole, real, date-time), how
// text becomes a value and a value text, and the change rules of every setting. The widget
// (widgets/duz_edit.h) gives the model its text through EditControl and only applies it.
#pragma once

#include <cstdint>
#include <string>

#include "numeric/conversions.h"
#include "numeric/edit_type.h"
#include "stats/real.h"

namespace zudira {

// The text control under the model.
class EditControl {
 public:
  virtual ~EditControl() = default;
  virtual std::string ControlText() const = 0;
  virtual void ShowText(const std::string& text) = 0;
  // The control's maximum text length; 0 for none.
  virtual int MaxLength() const = 0;
};

class EditFieldModel {
 public:
  // Starts as an etString field and parses the control's text.
  explicit EditFieldModel(EditControl& control);

  TEditType EditType() const { return edit_type_; }
  // Converts the held value to the new kind (whole, real, date-time or cents) and shows it.
  void SetEditType(TEditType type);

  // Reads the control's text into the text cache.
  std::string Text();
  // Shows the text and, with UseValues, parses it; nothing happens when it equals the cache.
  void SetText(const std::string& text);

  // Clears the three stores and reads the control's text into the store of the kind. A real
  // text past the extended range holds the largest value of its sign; a kind that takes no
  // negative values holds 0 for a negative one.
  void ParseText();
  // True when the control's text reads as a number of the field's kind, as it is written
  // (the empty text reads as 0). Kinds that are no numbers always read back.
  bool TextReadsBack() const;
  // The canonical text of the held value.
  std::string FormatValue() const;
  // Shows FormatValue() (and so holds the value as shown).
  void Redisplay();

  // Setting a value of another kind (or with UseValues off) zeroes that store and leaves the
  // text alone; setting the value already held does nothing. etPositive and etPosReal hold 0
  // for a negative value, whichever way it arrives (a setter, a text, a change of kind).
  std::int32_t AsInteger() const { return whole_; }
  void SetAsInteger(std::int32_t value);
  // By kind: the whole, real or date-time store, the cents / 100, or the text read as a real.
  Real AsFloat() const;
  void SetAsFloat(Real value);
  DateTimeValue AsDateTime() const { return date_time_; }
  void SetAsDateTime(DateTimeValue value);
  Cents AsCurrency() const { return whole_; }
  void SetAsCurrency(Cents value);

  std::uint8_t Decimals() const { return decimals_; }
  void SetDecimals(std::uint8_t decimals);
  bool ZeroPad() const { return zero_pad_; }
  void SetZeroPad(bool on);
  bool Commas() const { return commas_; }
  void SetCommas(bool on);
  bool Monetary() const { return monetary_; }
  void SetMonetary(bool on);
  bool BlankIfZero() const { return blank_if_zero_; }
  void SetBlankIfZero(bool on);
  // Real kinds: a value that is not 0 but would show as 0 at the decimals is shown (and held)
  // in scientific form with that many decimals instead, as precise answers are.
  bool TinyInScientificForm() const { return tiny_in_scientific_form_; }
  void SetTinyInScientificForm(bool on);
  bool UseValues() const { return use_values_; }
  void SetUseValues(bool on);

 private:
  void ConvertHeldValue(TEditType from, TEditType to);

  EditControl& control_;
  TEditType edit_type_ = etString;
  bool blank_if_zero_ = false;
  bool commas_ = false;
  std::uint8_t decimals_ = 4;
  bool monetary_ = false;
  bool tiny_in_scientific_form_ = false;
  bool use_values_ = true;
  bool zero_pad_ = false;
  std::int32_t whole_ = 0;
  Real real_ = 0;
  DateTimeValue date_time_ = 0;
  std::string text_cache_;
};

}  // namespace zudira
