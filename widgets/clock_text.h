// The status bar's clock as text.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace zudira {

// The status bar's date and time in `locale`, in the clock's format (window_rules/clock_format.h).
QString ClockText(const QLocale& locale, const QDateTime& now);

}  // namespace zudira
