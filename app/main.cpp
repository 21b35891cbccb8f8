// Entry of the program: the application titled "Zudira", the two data modules, then the main
// window; the message loop runs until the main window closes.
#include <memory>

#include <QIcon>

#include "app/data_modules.h"
#include "app/error_report.h"
#include "app/help.h"
#include "app/main_window.h"
#include "widgets/duz_calc_form.h"
#include "widgets/system_locale_provider.h"

int main(int argc, char** argv) {
  zudira::TZudiraApplication app(argc, argv);
  zudira::TZudiraApplication::setOrganizationName("Rozuviza");
  zudira::TZudiraApplication::setApplicationName("Zudira");
  zudira::TZudiraApplication::setDesktopFileName(QStringLiteral(ZUDIRA_APP_ID));
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/icons/zudira-%1.png").arg(size));
  }
  zudira::TZudiraApplication::setWindowIcon(icon);
  zudira::SetHelpFile(zudira::kHelpFileName);
  // Numbers are read and written with the desktop's regional settings, taken afresh each time.
  zudira::InstallSystemLocaleProvider();
  // The calculator's own errors go to the same report as every other error.
  zudira::SetCalcErrorReport([](const QString& message) { zudira::ShowErrorReport(message); });

  zudira::TDuzDataRP report_module(&app);
  zudira::TDuzDataLite glyph_module(&app);
  zudira::TPDFMainForm main_form;
  main_form.show();
  return zudira::TZudiraApplication::exec();
}
