// Installs a locale for the life of one test and restores the default afterwards.
#pragma once

#include <memory>

#include "numeric/locale_provider.h"

namespace zudira {

class LocaleScope {
 public:
  explicit LocaleScope(LocaleSettings settings) {
    SetLocaleProvider(std::make_shared<FixedLocaleProvider>(std::move(settings)));
  }
  ~LocaleScope() { SetLocaleProvider(nullptr); }
  LocaleScope(const LocaleScope&) = delete;
  LocaleScope& operator=(const LocaleScope&) = delete;
};

// Comma for decimals, point for thousands, day first: a second locale unlike the default.
inline LocaleSettings GermanLikeLocale() {
  LocaleSettings s;
  s.decimal_separator = ',';
  s.thousand_separator = '.';
  s.date_separator = '.';
  s.time_separator = ':';
  s.currency_symbol = "EUR";
  s.short_date_format = "dd.MM.yyyy";
  return s;
}

}  // namespace zudira
