#include "widgets/clock_text.h"

#include <QRegularExpression>

namespace zudira {

QString ClockText(const QLocale& locale, const QDateTime& now) {
  // Some locales' short time (the C locale's "HH:mm:ss") carries seconds; the clock leaves
  // them out, with the separator before them.
  QString time_format = locale.timeFormat(QLocale::ShortFormat);
  static const QRegularExpression seconds(QStringLiteral("[^Hhmapt ]?s+(\\.z+)?"));
  time_format.remove(seconds);
  // "ddd dd mmm yyyy t": short day and month names, then the short time.
  return locale.toString(now, QStringLiteral("ddd dd MMM yyyy")) + QLatin1Char(' ') +
         locale.toString(now.time(), time_format.trimmed());
}

}  // namespace zudira
