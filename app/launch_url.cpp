#include "app/launch_url.h"

#include <QDesktopServices>
#include <array>

namespace zudira {

namespace {

UrlOpener& InstalledOpener() {
  static UrlOpener opener;
  return opener;
}

bool StartsWithNoCase(const QString& text, const char* prefix) {
  return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

}  // namespace

QString UrlWithScheme(int kind, const QString& text) {
  static constexpr std::array<const char*, 9> kPrefixes = {
      "file://", "ftp://", "gopher://", "http://", "https://",
      "mailto:", "news:",  "telnet:",   "wais:"};
  if (kind < 0 || kind >= static_cast<int>(kPrefixes.size())) return text;
  const auto url_kind = static_cast<UrlKind>(kind);
  const char* prefix = kPrefixes[static_cast<std::size_t>(kind)];
  if ((url_kind == UrlKind::ukHttp || url_kind == UrlKind::ukHttps) &&
      StartsWithNoCase(text, prefix))
    return text;
  return QLatin1String(prefix) + text;
}

bool LaunchUrl(int kind, const QString& text) {
  if (text.isEmpty()) return false;
  const QUrl url(UrlWithScheme(kind, text));
  if (const UrlOpener& opener = InstalledOpener()) return opener(url);
  return QDesktopServices::openUrl(url);
}

UrlOpener InstallUrlOpener(UrlOpener opener) {
  UrlOpener previous = std::move(InstalledOpener());
  InstalledOpener() = std::move(opener);
  return previous;
}

}  // namespace zudira
