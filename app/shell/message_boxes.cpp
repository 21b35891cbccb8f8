#include "app/shell/message_boxes.h"
#include "widgets/window_placement.h"

#include <QApplication>
#include <QCursor>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

#include "app/shell/zudira_application.h"
#include "numeric/conversions.h"

namespace zudira {

namespace {

// The arrow cursor for the box's lifetime; the override stack restores the previous one.
class ArrowCursor {
 public:
  ArrowCursor() { QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor)); }
  ~ArrowCursor() { QApplication::restoreOverrideCursor(); }
  ArrowCursor(const ArrowCursor&) = delete;
  ArrowCursor& operator=(const ArrowCursor&) = delete;
};

void CentreBox(QWidget& box) {
  box.adjustSize();
  CentreOnScreen(&box);
}

bool RunMessageBox(const ShownBox& shown) {
  QMessageBox box;
  switch (shown.kind) {
    case BoxKind::bkConfirm:
      box.setObjectName("ConfirmMsg");
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case BoxKind::bkWarning:
      box.setObjectName("WarningMsg");
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case BoxKind::bkError:
      box.setObjectName("ErrorMsg");
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    default:
      box.setObjectName("ErrorReport");
      box.setIcon(QMessageBox::Critical);
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  box.setWindowTitle(shown.caption);
  box.setText(shown.text);
  box.setWindowModality(Qt::ApplicationModal);
  CentreBox(box);
  const int pressed = box.exec();
  return pressed == QMessageBox::Yes || pressed == QMessageBox::Ok;
}

BoxAnswer RunInputBox(const ShownBox& shown) {
  QInputDialog box;
  box.setObjectName("AskInteger");
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(shown.caption);
  box.setLabelText(shown.text);
  box.setTextValue(shown.initial_text);
  box.setWindowModality(Qt::ApplicationModal);
  CentreBox(box);
  BoxAnswer answer;
  answer.accepted = box.exec() == QDialog::Accepted;
  answer.text = box.textValue();
  return answer;
}

}  // namespace

ScopedBoxScript::ScopedBoxScript() {
  previous_ = ZudiraApplication::Instance()->InstallBoxScript(
      [this](const ShownBox& box) { return Respond(box); });
}

ScopedBoxScript::~ScopedBoxScript() {
  if (ZudiraApplication* app = ZudiraApplication::Instance()) {
    app->InstallBoxScript(std::move(previous_));
  }
}

void ScopedBoxScript::Answer(bool accepted, const QString& text) {
  queued_.push_back(BoxAnswer{accepted, text});
}

BoxAnswer ScopedBoxScript::Respond(const ShownBox& box) {
  shown_.push_back(box);
  if (next_ < queued_.size()) return queued_[next_++];
  return BoxAnswer{true, box.initial_text};
}

BoxAnswer ShowBox(const ShownBox& box) {
  ArrowCursor arrow;
  const ZudiraApplication* app = ZudiraApplication::Instance();
  if (app != nullptr && app->Script()) return app->Script()(box);
  if (box.kind == BoxKind::bkAskInteger) return RunInputBox(box);
  return BoxAnswer{RunMessageBox(box), QString()};
}

bool ConfirmMsg(const QString& text) {
  return ShowBox(ShownBox{BoxKind::bkConfirm, "Confirm", text, QString()}).accepted;
}

bool WarningMsg(const QString& text) {
  return ShowBox(ShownBox{BoxKind::bkWarning, "Warning", text, QString()}).accepted;
}

bool ErrorMsg(const QString& text) {
  return ShowBox(ShownBox{BoxKind::bkError, "Error", text, QString()}).accepted;
}

bool AskInteger(const QString& caption, const QString& prompt, int& value) {
  const QString initial =
      value == 0 ? QString()
                 : QString::fromStdString(SafeIntToStr(static_cast<std::int32_t>(value)));
  const BoxAnswer answer = ShowBox(ShownBox{BoxKind::bkAskInteger, caption, prompt, initial});
  if (!answer.accepted || answer.text.isEmpty()) return false;
  value = SafeStrToInt(answer.text.toStdString());
  return true;
}

bool AskWholeNumber(const QString& caption, const QString& prompt, int& value) {
  const QString initial =
      value == 0 ? QString()
                 : QString::fromStdString(SafeIntToStr(static_cast<std::int32_t>(value)));
  const BoxAnswer answer = ShowBox(ShownBox{BoxKind::bkAskInteger, caption, prompt, initial});
  const std::string line = answer.text.trimmed().toStdString();
  if (!answer.accepted || line.empty()) return false;
  if (!IsWholeNumberText(line)) {
    ErrorMsg(QString::fromStdString(NotANumberMessage(line, "a whole number")));
    return false;
  }
  value = SafeStrToInt(line);
  return true;
}

}  // namespace zudira
