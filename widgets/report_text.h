// How an error message is worded when it is reported, by the general error report and by the
// calculator alike.
#pragma once

#include <QString>

namespace zudira {

// A full stop is appended when the message is not empty and its last character sorts after
// "." ("F must be > 0" -> "F must be > 0."; "Error!" stays).
inline QString ReportText(const QString& message) {
  if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
  return message;
}

}  // namespace zudira
