// The program's command line: --help, --version and the standard Qt options, read before any
// window or display exists.
#pragma once

#include <QString>
#include <QStringList>

namespace zudira {

// Exit code of a command line that cannot be understood.
inline constexpr int kCommandLineErrorExit = 2;

struct CommandLineOutcome {
  bool open_window = true;  // false: print the text and exit with exit_code
  int exit_code = 0;
  QString text;           // what to print, ending in a line break; empty when nothing
  bool is_error = false;  // the text goes to standard error
};

// Reads the arguments, the program's name first. The application name and version must be
// set. The Qt options (-platform, -style, ...) are accepted and left to the application.
CommandLineOutcome ReadCommandLine(const QStringList& arguments);

}  // namespace zudira
