#include "widgets/system_locale_provider.h"

#include <QLocale>
#include <QString>
#include <memory>

#include "numeric/locale_provider.h"
#include "widgets/latin1_text.h"

namespace zudira {
namespace {

// The conversions work on 8-bit text: a separator outside Latin-1 (the narrow no-break
// space of some locales) is written as the closest Latin-1 character, or the fallback.
char Latin1Char(const QString& text, char fallback) {
  if (text.isEmpty()) return fallback;
  const char16_t c = text.at(0).unicode();
  if (c < 256) return static_cast<char>(c);
  if (c == u'\u202F' || c == u'\u2009' || c == u'\u2007') return '\xA0';
  if (c == u'\u066B') return '.';
  if (c == u'\u066C' || c == u'\u060C') return ',';
  return fallback;
}

// The first character of a format that is no pattern letter: the separator between fields.
char FormatSeparator(const QString& format, char fallback) {
  bool quoted = false;
  for (QChar c : format) {
    if (c == u'\'') quoted = !quoted;
    if (!quoted && !c.isLetter() && c != u'\'' && !c.isSpace())
      return Latin1Char(QString(c), fallback);
  }
  return fallback;
}

std::string Latin1Text(const QString& text, const std::string& fallback) {
  for (QChar c : text)
    if (c.unicode() >= 256) return fallback;
  return Latin1Bytes(text);
}

class SystemLocaleProvider : public LocaleProvider {
 public:
  LocaleSettings Current() const override {
    const QLocale locale = QLocale::system();
    LocaleSettings s;
    s.decimal_separator = Latin1Char(locale.decimalPoint(), '.');
    s.thousand_separator = Latin1Char(locale.groupSeparator(), ',');
    if (s.thousand_separator == s.decimal_separator)
      s.thousand_separator = s.decimal_separator == ',' ? '.' : ',';
    const QString date_format = locale.dateFormat(QLocale::ShortFormat);
    s.date_separator = FormatSeparator(date_format, '/');
    s.time_separator = FormatSeparator(locale.timeFormat(QLocale::ShortFormat), ':');
    s.short_date_format = Latin1Text(date_format, "M/d/yyyy");
    // A symbol outside Latin-1 (the euro sign) is written as its ISO code.
    s.currency_symbol =
        Latin1Text(locale.currencySymbol(QLocale::CurrencySymbol),
                   Latin1Text(locale.currencySymbol(QLocale::CurrencyIsoCode), "$"));
    s.time_am = Latin1Text(locale.amText(), "AM");
    s.time_pm = Latin1Text(locale.pmText(), "PM");
    return s;
  }
};

}  // namespace

void InstallSystemLocaleProvider() {
  SetLocaleProvider(std::make_shared<SystemLocaleProvider>());
}

}  // namespace zudira
