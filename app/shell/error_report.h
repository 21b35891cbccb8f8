// The general error report: every error that escapes a command ends that command, is shown in
// the modal "Zudira" box with the error icon and one OK, and the program goes on.
//
// One routine catches and one box reports. Two doors lead to that routine: RunCommand() wraps
// each command where it starts (menu items, buttons, shortcuts, and handlers called from code
// or from a modal loop), so that its errors end there and never unwind through Qt's signal and
// slot machinery; ZudiraApplication::notify() (zudira_application.h) runs each event through it,
// the last place before Qt's event loop.
#pragma once

#include <QString>
#include <functional>

#include "widgets/report_text.h"

namespace zudira {

// Shows the report box titled with the application title "Zudira" (goes through the box
// script of message_boxes.h when one is installed).
void ShowErrorReport(const QString& message);

// Runs `command`; an error escaping it is shown by the report. Returns true when the command
// ended normally.
bool RunCommand(const std::function<void()>& command);

}  // namespace zudira
