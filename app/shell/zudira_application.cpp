#include "app/shell/zudira_application.h"

#include <utility>

#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "widgets/duz_calc_form.h"

namespace zudira {

ZudiraApplication::ZudiraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

ZudiraApplication::~ZudiraApplication() {
  // The modules go while the application is still whole: they take their services back from it.
  own_glyph_module_.reset();
  own_report_module_.reset();
}

ZudiraApplication* ZudiraApplication::Instance() {
  return qobject_cast<ZudiraApplication*>(QCoreApplication::instance());
}

bool ZudiraApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunCommand([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void ZudiraApplication::StartDataModules() {
  own_report_module_ = std::make_unique<TDuzDataRP>();
  // Print jobs show the program's own set-up, status and preview windows.
  own_report_module_->RepSys().SetWindows(&ReportWindowsOf(*own_report_module_));
  own_glyph_module_ = std::make_unique<TDuzDataLite>();
}

TDuzDataRP* ZudiraApplication::SetReportModule(TDuzDataRP* module) {
  return std::exchange(report_module_, module);
}

TDuzDataLite* ZudiraApplication::SetGlyphModule(TDuzDataLite* module) {
  return std::exchange(glyph_module_, module);
}

CalcServices ZudiraApplication::CalculatorServices() {
  return CalcServices{[](const QString& message) { ShowErrorReport(message); },
                      [] { RunCommand([] { HelpContext(kHelpCalculator); }); }};
}

UrlOpener ZudiraApplication::InstallUrlOpener(UrlOpener opener) {
  return std::exchange(url_opener_, std::move(opener));
}

BoxScript ZudiraApplication::InstallBoxScript(BoxScript script) {
  return std::exchange(box_script_, std::move(script));
}

}  // namespace zudira
