// The program's modal message boxes and its one-line integer input box.
//
// Every box shows the normal arrow cursor while it is up and puts the previous cursor back
// afterwards; every box is modal and centred on the screen.
//
// Test seam: a script held by the application object (ZudiraApplication::InstallBoxScript())
// replaces the real boxes by a function that receives a description of each box (ShownBox) and
// answers it (BoxAnswer), so no box blocks a test. ScopedBoxScript installs one for a scope
// and records every box shown meanwhile. Without a
// script the real Qt dialogs run; their object names ("ConfirmMsg", "WarningMsg", "ErrorMsg",
// "AskInteger", "ErrorReport") let a QTest timer find and press them.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace zudira {

enum class BoxKind { bkConfirm, bkWarning, bkError, bkAskInteger, bkErrorReport };

// What a box would show.
struct ShownBox {
  BoxKind kind = BoxKind::bkConfirm;
  QString caption;
  QString text;          // the message, or the prompt of the input box
  QString initial_text;  // the input box's line as it opens
};

// How the user closes a box: accepted = Yes / OK; text = the input box's line at that moment.
struct BoxAnswer {
  bool accepted = true;
  QString text;
};

using BoxScript = std::function<BoxAnswer(const ShownBox&)>;

// Installs a script in the running application (which must be the program's
// ZudiraApplication) for its lifetime and records the boxes shown. By default it accepts every
// box, keeping the input box's initial text; Answer() queues answers used one per box.
class ScopedBoxScript {
 public:
  ScopedBoxScript();
  ~ScopedBoxScript();
  ScopedBoxScript(const ScopedBoxScript&) = delete;
  ScopedBoxScript& operator=(const ScopedBoxScript&) = delete;

  void Answer(bool accepted, const QString& text = QString());
  const std::vector<ShownBox>& Shown() const { return shown_; }

 private:
  BoxAnswer Respond(const ShownBox& box);

  BoxScript previous_;
  std::vector<ShownBox> shown_;
  std::vector<BoxAnswer> queued_;
  std::size_t next_ = 0;
};

// Shows a box through the script when one is installed, else as a real modal dialog.
// The kinds map to: Yes/No question, OK warning, OK error, OK error titled by the caller.
BoxAnswer ShowBox(const ShownBox& box);

// Confirmation box with Yes and No; true when Yes was pressed.
bool ConfirmMsg(const QString& text);
// Warning box with OK; true when OK was pressed.
bool WarningMsg(const QString& text);
// Error box with OK; true when OK was pressed.
bool ErrorMsg(const QString& text);

// One-line input box showing `value` as decimal text (an empty line for 0). On OK with a
// non-empty line, `value` becomes the line read as a whole number (no number gives 0, values
// beyond 32 bits are clamped) and the result is true. Cancel, or OK on an empty line, returns
// false and leaves `value` alone.
bool AskInteger(const QString& caption, const QString& prompt, int& value);

// AskInteger for a count that must be typed as one: OK on a line that is no whole number
// ("abc", "1-2") shows "'abc' is not a whole number" in an error box, returns false and
// leaves `value` alone. Blanks around the number are ignored.
bool AskWholeNumber(const QString& caption, const QString& prompt, int& value);

}  // namespace zudira
