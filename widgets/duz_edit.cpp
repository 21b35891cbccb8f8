#include "widgets/duz_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "appearance/appearance_settings.h"
#include "numeric/locale_provider.h"
#include "widgets/latin1_text.h"

namespace zudira {
namespace {

// The key code FilterKey takes for Enter (the character code of carriage return).
constexpr unsigned kEnterKey = 13;

// Focus that leaves for a menu or another window comes back to the same field: neither
// end of it is an arrival or a departure.
bool IsRealFocusChange(Qt::FocusReason reason) {
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// QLineEdit's own "no limit".
constexpr int kNoMaxLength = 32767;

}  // namespace

TDuzEdit2::TDuzEdit2(QWidget* parent)
    : QLineEdit(parent),
      read_only_on_colour_(Appearance().ReadOnlyColour),
      read_only_off_colour_(SystemColour(kColorWindow)),
      saved_colour_(BackgroundColour()),
      valid_chars_(ValidCharsFor(etPositive, CurrentLocale(), CharSet())) {}

QColor TDuzEdit2::BackgroundColour() const {
  return palette().color(QPalette::Base);
}

void TDuzEdit2::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  const Qt::Alignment h = alignment == taRightJustify ? Qt::AlignRight
                          : alignment == taCenter     ? Qt::AlignHCenter
                                                      : Qt::AlignLeft;
  setAlignment(h | Qt::AlignVCenter);
}

void TDuzEdit2::SetReadOnly(bool on) {
  if (on == read_only_) return;
  read_only_ = on;
  setReadOnly(on);
  UpdateColour();
}

void TDuzEdit2::SetUseReadOnlyColours(bool on) {
  if (on == use_read_only_colours_) return;
  if (on) saved_colour_ = BackgroundColour();
  use_read_only_colours_ = on;
  UpdateColour();
}

void TDuzEdit2::SetReadOnlyOnColour(ColorValue colour) {
  if (colour == read_only_on_colour_) return;
  read_only_on_colour_ = colour;
  UpdateColour();
}

void TDuzEdit2::SetReadOnlyOffColour(ColorValue colour) {
  if (colour == read_only_off_colour_) return;
  read_only_off_colour_ = colour;
  UpdateColour();
}

void TDuzEdit2::SetEditType(TEditType type) {
  if (type == edit_type_) return;
  edit_type_ = type;
  valid_chars_ = ValidCharsFor(type, CurrentLocale(), valid_chars_);
}

void TDuzEdit2::UpdateColour() {
  QColor colour = saved_colour_;
  if (use_read_only_colours_)
    colour = ColorFromValue(read_only_ ? read_only_on_colour_ : read_only_off_colour_,
                            QApplication::palette(this));
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

void TDuzEdit2::keyPressEvent(QKeyEvent* event) {
  unsigned key = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = kEnterKey;
  const QString typed = event->text();
  // X11 gives Delete the DEL character (127); it is an editing key, not a typed one.
  if (key == 0 && (typed.isEmpty() || event->key() == Qt::Key_Delete))
    return QLineEdit::keyPressEvent(event);

  // The selection is what the key replaces: a separator there does not count.
  const qsizetype start = hasSelectedText() ? selectionStart() : 0;
  const qsizetype length = hasSelectedText() ? selectionLength() : 0;
  const std::string text =
      TextKeptByKey(Latin1Bytes(QLineEdit::text()), static_cast<std::size_t>(start),
                    static_cast<std::size_t>(length));
  const char separator = CurrentLocale().decimal_separator;
  auto judge = [&](unsigned code) {
    return FilterKey(edit_type_, valid_chars_, code, text, separator);
  };
  KeyVerdict verdict = KeyVerdict::kPass;
  if (key == kEnterKey) {
    verdict = judge(kEnterKey);
  } else {
    for (QChar c : typed) {
      verdict = judge(c.unicode());
      if (verdict != KeyVerdict::kPass) break;
    }
  }
  switch (verdict) {
    case KeyVerdict::kMoveFocus:
      event->accept();
      focusNextChild();
      return;
    case KeyVerdict::kRefuse:
      event->accept();
      QApplication::beep();
      return;
    case KeyVerdict::kPass:
      QLineEdit::keyPressEvent(event);
      return;
  }
}

TDuzEdit3::TDuzEdit3(QWidget* parent) : TDuzEdit2(parent), model_(*this) {
  TDuzEdit2::SetEditType(etString);
  SetUseReadOnlyColours(true);
  model_.ParseText();
}

void TDuzEdit3::SetEditType(TEditType type) {
  if (type == EditType()) return;
  TDuzEdit2::SetEditType(type);
  model_.SetEditType(type);
}

QString TDuzEdit3::Text() {
  return Latin1(model_.Text());
}
void TDuzEdit3::SetText(const QString& text) {
  model_.SetText(Latin1Bytes(text));
}
QString TDuzEdit3::FormatValue() const {
  return Latin1(model_.FormatValue());
}

int TDuzEdit3::MaxLength() const {
  const int length = maxLength();
  return length >= kNoMaxLength ? 0 : length;
}

void TDuzEdit3::SetMaxLength(int length) {
  setMaxLength(length <= 0 ? kNoMaxLength : length);
}

std::string TDuzEdit3::ControlText() const {
  return Latin1Bytes(QLineEdit::text());
}
void TDuzEdit3::ShowText(const std::string& text) {
  setText(Latin1(text));
}

void TDuzEdit3::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (!IsRealFocusChange(event->reason())) return;
  selectAll();
  emit OnEnter(this);
}

void TDuzEdit3::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!IsRealFocusChange(event->reason())) return;
  model_.ParseText();
  model_.Redisplay();
  emit OnExit(this);
}

}  // namespace zudira
