// Installs a locale for the life of one test and restores the default afterwards; the fixture
// does so for every test of a suite.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>

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

// Pins the default locale for each test; Use switches to another for the rest of the test.
class LocaleFixture : public ::testing::Test {
 protected:
  void Use(LocaleSettings settings) { scope_.emplace(std::move(settings)); }

 private:
  std::optional<LocaleScope> scope_{std::in_place, LocaleSettings{}};
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
