#include "widgets/clock_text.h"

#include "window_rules/clock_format.h"

namespace zudira {

QString ClockText(const QLocale& locale, const QDateTime& now) {
  const ClockFormat format = ClockFormatFor(locale.timeFormat(QLocale::ShortFormat).toStdString());
  return locale.toString(now, QString::fromStdString(format.date)) + QLatin1Char(' ') +
         locale.toString(now.time(), QString::fromStdString(format.time));
}

}  // namespace zudira
