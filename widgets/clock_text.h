// The status bar's clock as text.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace zudira {

// The status bar's date and time: short day and month names, then the locale's short time
// without seconds.
QString ClockText(const QLocale& locale, const QDateTime& now);

}  // namespace zudira
