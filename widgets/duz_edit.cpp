#include "widgets/duz_edit.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <string>

#include "appearance/appearance_settings.h"
#include "numeric/locale_provider.h"
#include "widgets/latin1_text.h"

namespace zudira {
namespace {

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
      read_only_off_colour_(SystemColour(kColourWindow)),
      saved_colour_(BackgroundColour()),
      valid_chars_(ValidCharsFor(etPositive, CurrentLocale(), CharSet())) {}

QColor TDuzEdit2::BackgroundColour() const {
  return palette().color(QPalette::Base);
}

void TDuzEdit2::SetAlignment(FieldAlignment alignment) {
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

void TDuzEdit2::SetReadOnlyOnColour(ColourValue colour) {
  if (colour == read_only_on_colour_) return;
  read_only_on_colour_ = colour;
  UpdateColour();
}

void TDuzEdit2::SetReadOnlyOffColour(ColourValue colour) {
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
    colour = ColourFromValue(read_only_ ? read_only_on_colour_ : read_only_off_colour_,
                             QApplication::palette(this));
  QPalette p = palette();
  p.setColor(QPalette::Base, colour);
  setPalette(p);
}

KeyVerdict TDuzEdit2::Judge(const QString& inserted, qsizetype start, qsizetype length) const {
  const QString all = QLineEdit::text();
  start = std::clamp<qsizetype>(start, 0, all.size());
  const qsizetype end = std::clamp<qsizetype>(start + length, start, all.size());
  const std::string before = Latin1Bytes(all.left(start));
  const std::string after = Latin1Bytes(all.mid(end));
  const std::u16string codes(reinterpret_cast<const char16_t*>(inserted.utf16()),
                             static_cast<std::size_t>(inserted.size()));
  return FilterInsertion(edit_type_, valid_chars_, codes, before, after,
                         CurrentLocale().decimal_separator);
}

void TDuzEdit2::InsertChecked(const QString& text) {
  // A copied cell or line often brings a line end or blanks along; they are not the number.
  const QString inserted = text.trimmed();
  const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  const qsizetype length = hasSelectedText() ? selectionLength() : 0;
  if (inserted.isEmpty() || Judge(inserted, start, length) != KeyVerdict::kPass) {
    QApplication::beep();
    return;
  }
  insert(inserted);
}

void TDuzEdit2::PasteChecked(bool selection_clipboard) {
  if (isReadOnly()) return;
  InsertChecked(QGuiApplication::clipboard()->text(selection_clipboard ? QClipboard::Selection
                                                                       : QClipboard::Clipboard));
}

void TDuzEdit2::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    event->accept();
    PasteChecked(false);
    return;
  }
  unsigned key = 0;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = kEnterKey;
  QString typed = event->text();
  // The keypad's decimal key types the locale's separator, whatever the keyboard layout says.
  const bool keypad_decimal = (event->modifiers() & Qt::KeypadModifier) &&
                              (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
  if (keypad_decimal) typed = QString(QChar(CurrentLocale().decimal_separator));
  // X11 gives Delete the DEL character (127); it is an editing key, not a typed one.
  if (key == 0 && (typed.isEmpty() || event->key() == Qt::Key_Delete))
    return QLineEdit::keyPressEvent(event);

  KeyVerdict verdict = KeyVerdict::kPass;
  if (key == kEnterKey) {
    verdict = FilterKey(edit_type_, valid_chars_, kEnterKey, {}, CurrentLocale().decimal_separator);
  } else {
    // The selection is what the key replaces: a separator there does not count.
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype length = hasSelectedText() ? selectionLength() : 0;
    verdict = Judge(typed, start, length);
  }
  switch (verdict) {
    case KeyVerdict::kMoveFocus:
      event->accept();
      focusNextChild();
      return;
    case KeyVerdict::kRefuse:
      event->accept();
      QApplication::beep();
      if (typed.size() == 1) ShowSeparatorHint(typed.front().unicode());
      return;
    case KeyVerdict::kPass:
      if (keypad_decimal) {
        insert(typed);
      } else {
        QLineEdit::keyPressEvent(event);
      }
      return;
  }
}

void TDuzEdit2::ShowSeparatorHint(unsigned key) {
  const std::string hint = ForeignSeparatorHint(edit_type_, key, CurrentLocale().decimal_separator);
  if (hint.empty()) return;
  separator_hint_ = QString::fromStdString(hint);
  emit SeparatorRefused(this, separator_hint_, mapToGlobal(cursorRect().bottomLeft()));
}

void TDuzEdit2::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's own Paste would insert the clipboard unchecked. It is known by its shortcut,
  // which the menu writes after a tab, whatever the language of its caption.
  const QString paste_keys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction* action : menu->actions()) {
    if (action->isSeparator() || action->text().section('\t', 1) != paste_keys) continue;
    action->setObjectName("edit-paste");
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { PasteChecked(false); });
  }
  menu->popup(event->globalPos());
}

void TDuzEdit2::mouseReleaseEvent(QMouseEvent* event) {
  // X11's middle button pastes the selection clipboard.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      rect().contains(event->position().toPoint())) {
    event->accept();
    if (!isReadOnly()) {
      setCursorPosition(cursorPositionAt(event->position().toPoint()));
      PasteChecked(true);
    }
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TDuzEdit2::dropEvent(QDropEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data != nullptr && data->hasText() && !isReadOnly()) {
    const qsizetype at = cursorPositionAt(event->position().toPoint());
    if (Judge(data->text(), at, 0) != KeyVerdict::kPass) {
      event->ignore();
      QApplication::beep();
      return;
    }
  }
  QLineEdit::dropEvent(event);
}

void TDuzEdit2::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (!commit.isEmpty()) {
    const qsizetype start =
        (hasSelectedText() ? selectionStart() : cursorPosition()) + event->replacementStart();
    const qsizetype length = hasSelectedText() && event->replacementLength() == 0
                                 ? selectionLength()
                                 : event->replacementLength();
    if (Judge(commit, start, length) != KeyVerdict::kPass) {
      QApplication::beep();
      QInputMethodEvent without_commit(event->preeditString(), event->attributes());
      QLineEdit::inputMethodEvent(&without_commit);
      event->accept();
      return;
    }
  }
  QLineEdit::inputMethodEvent(event);
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

bool TDuzEdit3::TakeOverText() {
  if (!isModified()) {
    // The text shows the held value: reading it back would cut the value to the decimals.
    model_.Redisplay();
    return true;
  }
  if (!model_.TextReadsBack()) return false;
  model_.ParseText();
  model_.Redisplay();
  setModified(false);
  return true;
}

void TDuzEdit3::ReportRefusedText() {
  report_pending_ = false;
  // A window that shows no message for it still tells the user that the text was refused.
  if (!isSignalConnected(QMetaMethod::fromSignal(&TDuzEdit3::TextRefused))) QApplication::beep();
  emit TextRefused(this);
  setFocus(Qt::OtherFocusReason);
  selectAll();
}

QString TDuzEdit3::RefusedMessage() const {
  return Latin1(NotANumberMessage(Latin1Bytes(QLineEdit::text())));
}

void TDuzEdit3::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!IsRealFocusChange(event->reason())) return;
  if (!TakeOverText()) {
    // Told once the focus has settled; a command that meets the text first tells it instead.
    report_pending_ = true;
    QTimer::singleShot(0, this, [this] {
      // A field hidden meanwhile (its window closed, its kind changed) is not mended now.
      if (report_pending_ && isVisible()) ReportRefusedText();
      report_pending_ = false;
    });
    return;
  }
  emit OnExit(this);
}

}  // namespace zudira
