// Entry of the program: the command line, then the application titled "Zudira", the two data
// modules and the main window; the message loop runs until the main window closes.
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QIcon>

#include "app/main_window/main_window.h"
#include "app/shell/command_line.h"
#include "app/shell/program_info.h"
#include "app/shell/zudira_application.h"
#include "widgets/system_locale_provider.h"

namespace {

// Whether a window can be opened: a display to show it on, or a platform chosen by
// QT_QPA_PLATFORM or -platform (offscreen for the tests) that may need none. Without one Qt's
// platform plugin would abort the program.
bool CanOpenWindow(const QStringList& arguments) {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
      arguments.contains(QStringLiteral("-platform")) ||
      arguments.contains(QStringLiteral("--platform"))) {
    return true;
  }
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  zudira::SetProgramIdentity(QStringLiteral(ZUDIRA_APP_ID));
  {
    // Read without the GUI: --help and --version need no window and no display.
    QCoreApplication reader(argc, argv);
    const zudira::CommandLineOutcome command_line =
        zudira::ReadCommandLine(QCoreApplication::arguments());
    if (!command_line.open_window) {
      std::fputs(command_line.text.toLocal8Bit().constData(),
                 command_line.is_error ? stderr : stdout);
      return command_line.exit_code;
    }
    if (!CanOpenWindow(QCoreApplication::arguments())) {
      std::fputs(
          "zudira: needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set\n",
          stderr);
      return 1;
    }
  }
  zudira::ZudiraApplication app(argc, argv);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/icons/zudira-%1.png").arg(size));
  }
  zudira::ZudiraApplication::setWindowIcon(icon);
  // Numbers are read and written with the desktop's regional settings, taken afresh each time.
  zudira::InstallSystemLocaleProvider();
  app.StartDataModules();
  zudira::TPDFMainForm main_form;
  main_form.show();
  return zudira::ZudiraApplication::exec();
}
