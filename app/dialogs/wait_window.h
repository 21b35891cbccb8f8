// The wait window (TDuzWaitForm) shown while a long piece of work runs on the GUI thread.
#pragma once

#include <QWidget>

class QLabel;

namespace zudira {

// A small window captioned "Working....", holding the heading " Please Wait! " in the
// Heading Colour, centred on the screen.
class TDuzWaitForm : public QWidget {
  Q_OBJECT
 public:
  explicit TDuzWaitForm(QWidget* parent = nullptr);
  QLabel* Heading() const { return heading_; }

 private:
  QLabel* heading_ = nullptr;
};

// Shows a wait window for its lifetime: the constructor shows it and lets pending events run
// once so it is drawn; the destructor closes and destroys it, also while an error unwinds.
class WaitWindowScope {
 public:
  explicit WaitWindowScope(QWidget* parent = nullptr);
  ~WaitWindowScope();
  WaitWindowScope(const WaitWindowScope&) = delete;
  WaitWindowScope& operator=(const WaitWindowScope&) = delete;

  TDuzWaitForm* Window() const { return form_; }

 private:
  TDuzWaitForm* form_ = nullptr;
};

}  // namespace zudira
