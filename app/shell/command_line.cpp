#include "app/shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace zudira {

namespace {

// The options QGuiApplication and QApplication take themselves; listed so that --help shows
// them and the parser lets them through.
struct QtOption {
  const char* name;
  const char* value;  // nullptr for a switch
  const char* description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "name", "The window system plug-in to use (xcb, wayland, offscreen)."},
    {"platformpluginpath", "path", "Where to look for window system plug-ins."},
    {"platformtheme", "name", "The platform theme to use."},
    {"plugin", "name", "Loads an extra input plug-in."},
    {"display", "display", "The X display to use."},
    {"geometry", "geometry", "The main window's place and size."},
    {"qwindowgeometry", "geometry", "The main window's place and size."},
    {"qwindowicon", "icon", "The windows' icon."},
    {"qwindowtitle", "title", "The main window's title."},
    {"style", "style", "The widget style (Fusion, Windows)."},
    {"stylesheet", "file", "A style sheet to apply."},
    {"reverse", nullptr, "Lays the windows out right to left."},
    {"session", "session", "Restores the session of that id."},
    {"widgetcount", nullptr, "Reports the widgets left at exit."},
    {"nograb", nullptr, "Never grabs the mouse or keyboard."},
    {"dograb", nullptr, "Grabs the mouse and keyboard even when debugging."},
    {"qmljsdebugger", "options", "Enables the QML debugger."},
};

}  // namespace

CommandLineOutcome ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Probabilities and bounds of eleven distributions, in a window."));
  // Qt's own options are written with one dash: -platform offscreen.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  for (const QtOption& o : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(o.name), QString::fromUtf8(o.description));
    if (o.value != nullptr) option.setValueName(QString::fromLatin1(o.value));
    parser.addOption(option);
  }

  const QString program =
      arguments.isEmpty() ? QStringLiteral("zudira") : QFileInfo(arguments.first()).fileName();
  CommandLineOutcome outcome;
  auto fail = [&](const QString& why) {
    outcome.open_window = false;
    outcome.exit_code = kCommandLineErrorExit;
    outcome.is_error = true;
    outcome.text = QStringLiteral("%1: %2\nTry '%1 --help' for the options.\n").arg(program, why);
    return outcome;
  };
  if (!parser.parse(arguments)) return fail(parser.errorText());
  // --help-all comes with the help option; the Qt options are in the one list already.
  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    outcome.open_window = false;
    outcome.text = parser.helpText();
    return outcome;
  }
  if (parser.isSet(version)) {
    outcome.open_window = false;
    outcome.text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                 QCoreApplication::applicationVersion());
    return outcome;
  }
  if (!parser.positionalArguments().isEmpty())
    return fail(
        QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
  return outcome;
}

}  // namespace zudira
