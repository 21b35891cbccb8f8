// The help document read from the help file that ships beside the program.
#pragma once

#include <QString>

#include "window_rules/help_document.h"

namespace zudira {

// Reads the help file; on failure returns false with a message for the user in `error`.
bool LoadHelpFile(const QString& path, HelpDocument& document, QString& error);

}  // namespace zudira
