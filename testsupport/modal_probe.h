// Runs a check on the next modal dialog once its exec() is running, then closes it, so a test
// can drive a function that shows a dialog and waits for it.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zudira {

class ModalProbe {
 public:
  // `inspect` sees the dialog; unless it closed the dialog itself, the probe rejects it.
  explicit ModalProbe(std::function<void(QDialog&)> inspect) : inspect_(std::move(inspect)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  ~ModalProbe() { timer_.stop(); }
  ModalProbe(const ModalProbe&) = delete;
  ModalProbe& operator=(const ModalProbe&) = delete;

  int Seen() const { return seen_; }

 private:
  void Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    ++seen_;
    timer_.stop();
    inspect_(*dialog);
    if (dialog->isVisible()) dialog->reject();
  }

  std::function<void(QDialog&)> inspect_;
  QTimer timer_;
  int seen_ = 0;
};

}  // namespace zudira
