// The locale provider of the running program: answers from the desktop's locale
// (QLocale::system()) at every conversion.
#pragma once

namespace zudira {

// Installs the desktop-locale provider for every later conversion. Called once by main()
// and by the widget tests.
void InstallSystemLocaleProvider();

}  // namespace zudira
