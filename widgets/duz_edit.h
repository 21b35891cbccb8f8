// The numeric edit field of every value in the program's windows.
//
// TDuzEdit2 is a QLineEdit that filters typed keys by an edit type, moves the focus on
// Enter, and shows its own background colours while read-only. TDuzEdit3 adds the held
// values: the text the user typed becomes a whole, real, date-time or money value when the
// field loses the focus, and setting a value rewrites the text in its canonical form.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <cstdint>
#include <string>

#include "appearance/colour_value.h"
#include "numeric/edit_model.h"
#include "numeric/edit_type.h"
#include "numeric/key_filter.h"

namespace zudira {

enum FieldAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

class TDuzEdit2 : public QLineEdit {
  Q_OBJECT

 public:
  // Left aligned, etPositive, no read-only colours; the read-only colour comes from the
  // Read Only Colour appearance setting of this moment.
  explicit TDuzEdit2(QWidget* parent = nullptr);

  FieldAlignment Alignment() const { return alignment_; }
  void SetAlignment(FieldAlignment alignment);

  // While read-only the user can select and copy but not type.
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool on);

  // With read-only colours the background is ReadOnlyOnColour while read-only and
  // ReadOnlyOffColour otherwise; without them it is the colour the field had when they were
  // last switched on (or when it was made).
  bool UseReadOnlyColours() const { return use_read_only_colours_; }
  void SetUseReadOnlyColours(bool on);
  ColourValue ReadOnlyOnColour() const { return read_only_on_colour_; }
  void SetReadOnlyOnColour(ColourValue colour);
  ColourValue ReadOnlyOffColour() const { return read_only_off_colour_; }
  void SetReadOnlyOffColour(ColourValue colour);

  // Changing the type takes the key set of the new type with the locale's separators of
  // this moment (etChoice keeps the set it finds).
  TEditType EditType() const { return edit_type_; }
  virtual void SetEditType(TEditType type);
  const CharSet& ValidChars() const { return valid_chars_; }

  // The tooltip of the field.
  QString Hint() const { return toolTip(); }
  void SetHint(const QString& hint) { setToolTip(hint); }

  // The background now shown.
  QColor BackgroundColour() const;

  // The last hint about a refused decimal separator; empty before one.
  const QString& SeparatorHint() const { return separator_hint_; }

 signals:
  // A refused key was the other usual decimal separator; `hint` says which one the field
  // takes, for the window to show in a balloon at `at`, under the text cursor (global).
  void SeparatorRefused(zudira::TDuzEdit2* sender, const QString& hint, QPoint at);

 public:
 protected:
  // Typed keys, pastes (keys, context menu, middle button), drops and input-method commits all
  // meet the same entry-kind rule; a refused insertion beeps and changes nothing.
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void UpdateColour();

  // Inserts the text over the selection (or at the cursor) when the entry kind takes it.
  void InsertChecked(const QString& text);

 private:
  // Judges `inserted` put in place of [start, start + length) of the text.
  KeyVerdict Judge(const QString& inserted, qsizetype start, qsizetype length) const;
  void PasteChecked(bool selection_clipboard);
  // Says in a balloon which separator the field takes when the refused key was the other one.
  void ShowSeparatorHint(unsigned key);

  FieldAlignment alignment_ = taLeftJustify;
  bool read_only_ = false;
  bool use_read_only_colours_ = false;
  ColourValue read_only_on_colour_;
  ColourValue read_only_off_colour_;
  QColor saved_colour_;
  TEditType edit_type_ = etPositive;
  CharSet valid_chars_;
  QString separator_hint_;
};

class TDuzEdit3 : public TDuzEdit2, private EditControl {
  Q_OBJECT

 public:
  // An etString field with read-only colours, 4 decimals and values on.
  explicit TDuzEdit3(QWidget* parent = nullptr);

  // Converts the held value to the new kind and shows it in the new kind's form.
  void SetEditType(TEditType type) override;

  // Text() reads what the control shows; SetText() shows a text and takes its value, and
  // does nothing when the text equals the one last set or read.
  QString Text();
  void SetText(const QString& text);
  QString TrimmedText() { return Text().trimmed(); }

  // Rereads the value from the text, and shows the held value in its canonical form.
  void ParseText() { model_.ParseText(); }
  // What leaving the field does: text the user changed becomes the held value and is shown in
  // canonical form; unchanged text only shows the held value again, at full precision. Text
  // that does not read back as a number of the kind is not taken: false, nothing changes.
  bool TakeOverText();
  // Tells TextRefused about the text just refused, and keeps the focus in the field.
  void ReportRefusedText();
  // "'1-2' is not a number" for the text now shown.
  QString RefusedMessage() const;
  QString FormatValue() const;
  void Redisplay() { model_.Redisplay(); }

  // Whole store: etPositive and etInteger; AsCurrency shares it as cents for etCurrency.
  std::int32_t AsInteger() const { return model_.AsInteger(); }
  void SetAsInteger(std::int32_t value) { model_.SetAsInteger(value); }
  Cents AsCurrency() const { return model_.AsCurrency(); }
  void SetAsCurrency(Cents value) { model_.SetAsCurrency(value); }
  // Real store for etPosReal and etReal; read, it answers for every kind.
  Real AsFloat() const { return model_.AsFloat(); }
  void SetAsFloat(Real value) { model_.SetAsFloat(value); }
  DateTimeValue AsDateTime() const { return model_.AsDateTime(); }
  void SetAsDateTime(DateTimeValue value) { model_.SetAsDateTime(value); }

  // Decimals of the real kinds.
  std::uint8_t Decimals() const { return model_.Decimals(); }
  void SetDecimals(std::uint8_t decimals) { model_.SetDecimals(decimals); }
  // Whole kinds padded with zeros to MaxLength() characters.
  bool ZeroPad() const { return model_.ZeroPad(); }
  void SetZeroPad(bool on) { model_.SetZeroPad(on); }
  // Whole numbers and money grouped by thousands.
  bool Commas() const { return model_.Commas(); }
  void SetCommas(bool on) { model_.SetCommas(on); }
  // Money with the currency symbol.
  bool Monetary() const { return model_.Monetary(); }
  void SetMonetary(bool on) { model_.SetMonetary(on); }
  // Real kinds: tiny values in scientific form rather than as 0 at the decimals.
  bool TinyInScientificForm() const { return model_.TinyInScientificForm(); }
  void SetTinyInScientificForm(bool on) { model_.SetTinyInScientificForm(on); }
  bool BlankIfZero() const { return model_.BlankIfZero(); }
  void SetBlankIfZero(bool on) { model_.SetBlankIfZero(on); }
  // Off: the field holds no values and is a filtered text field.
  bool UseValues() const { return model_.UseValues(); }
  void SetUseValues(bool on) { model_.SetUseValues(on); }

  // The maximum text length; 0 for none.
  int MaxLength() const override;
  void SetMaxLength(int length);

 signals:
  // After the field got the focus and selected its text.
  void OnEnter(zudira::TDuzEdit3* sender);
  // After the field lost the focus and took over its text.
  void OnExit(zudira::TDuzEdit3* sender);
  // The text is no number of the kind: the field kept its value and the focus.
  void TextRefused(zudira::TDuzEdit3* sender);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::string ControlText() const override;
  void ShowText(const std::string& text) override;

  EditFieldModel model_;
  bool report_pending_ = false;
};

}  // namespace zudira
