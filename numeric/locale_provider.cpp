#include "numeric/locale_provider.h"

#include <utility>

namespace zudira {
namespace {

std::shared_ptr<const LocaleProvider>& InstalledProvider() {
  static std::shared_ptr<const LocaleProvider> provider = std::make_shared<FixedLocaleProvider>();
  return provider;
}

}  // namespace

void SetLocaleProvider(std::shared_ptr<const LocaleProvider> provider) {
  if (!provider) provider = std::make_shared<FixedLocaleProvider>();
  InstalledProvider() = std::move(provider);
}

LocaleSettings CurrentLocale() {
  return InstalledProvider()->Current();
}

}  // namespace zudira
