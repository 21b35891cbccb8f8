#include "app/shell/error_report.h"

#include <exception>

#include "app/shell/message_boxes.h"
#include "stats/exception.h"

namespace zudira {

void ShowErrorReport(const QString& message) {
  // The report itself must never throw back into the code that is unwinding.
  try {
    ShowBox(ShownBox{BoxKind::bkErrorReport, "Zudira", ReportText(message), QString()});
  } catch (...) {
  }
}

bool RunCommand(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const Exception& e) {
    ShowErrorReport(QString::fromStdString(e.Message()));
  } catch (const std::exception& e) {
    ShowErrorReport(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    ShowErrorReport("An unknown error occurred");
  }
  return false;
}

}  // namespace zudira
