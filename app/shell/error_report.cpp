#include "app/shell/error_report.h"

#include <exception>

#include "app/shell/message_boxes.h"
#include "stats/exception.h"

namespace zudira {

namespace {

// Catches every error of `call`, reports it and answers `failed`.
template <typename Result>
Result Guarded(const std::function<Result()>& call, Result failed) {
  try {
    return call();
  } catch (const Exception& e) {
    ShowErrorReport(QString::fromStdString(e.Message()));
  } catch (const std::exception& e) {
    ShowErrorReport(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowErrorReport("An unknown error occurred");
  }
  return failed;
}

}  // namespace

void ShowErrorReport(const QString& message) {
  // The report itself must never throw back into the code that is unwinding.
  try {
    ShowBox(ShownBox{BoxKind::bkErrorReport, "Zudira", ReportText(message), QString()});
  } catch (...) {
  }
}

bool RunCommand(const std::function<void()>& command) {
  return Guarded<bool>(
      [&command] {
        command();
        return true;
      },
      false);
}

ZudiraApplication::ZudiraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZudiraApplication::notify(QObject* receiver, QEvent* event) {
  return Guarded<bool>([&] { return QApplication::notify(receiver, event); }, false);
}

}  // namespace zudira
