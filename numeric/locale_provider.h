// The user's regional settings as the number and date conversions read them. The settings
// are asked for afresh at every conversion, so a change of the user's locale takes effect on
// the next one; the program installs a provider over the desktop's locale at start.
#pragma once

#include <memory>
#include <string>

namespace zudira {

// Separators are single 8-bit (Latin-1) characters, like the texts they appear in.
struct LocaleSettings {
  char decimal_separator = '.';
  char thousand_separator = ',';
  char date_separator = '/';
  char time_separator = ':';
  std::string currency_symbol = "$";
  // Pattern letters d, M and y give the order and width of day, month and year; blanks are
  // written as they stand and any other character stands for the date separator.
  std::string short_date_format = "M/d/yyyy";
  std::string time_am = "AM";
  std::string time_pm = "PM";
};

class LocaleProvider {
 public:
  virtual ~LocaleProvider() = default;
  virtual LocaleSettings Current() const = 0;
};

// Answers the same settings every time; the default provider is one with the defaults above.
class FixedLocaleProvider : public LocaleProvider {
 public:
  explicit FixedLocaleProvider(LocaleSettings settings = {}) : settings_(std::move(settings)) {}
  LocaleSettings Current() const override { return settings_; }

 private:
  LocaleSettings settings_;
};

// Replaces the provider of every later conversion; nullptr restores the default provider.
void SetLocaleProvider(std::shared_ptr<const LocaleProvider> provider);

// The settings of the installed provider at this moment.
LocaleSettings CurrentLocale();

}  // namespace zudira
