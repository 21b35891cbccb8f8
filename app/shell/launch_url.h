// Opening an address with the desktop's default handler, after putting the scheme of its
// kind in front.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace zudira {

// The address kinds, with the prefix each puts before the text.
enum class UrlKind {
  ukFile = 0,    // "file://"
  ukFtp = 1,     // "ftp://"
  ukGopher = 2,  // "gopher://"
  ukHttp = 3,    // "http://" unless the text starts with it (any case)
  ukHttps = 4,   // "https://" unless the text starts with it (any case)
  ukMailTo = 5,  // "mailto:"
  ukNews = 6,    // "news:"
  ukTelnet = 7,  // "telnet:"
  ukWais = 8,    // "wais:"
};

// The text with its kind's prefix; a kind outside 0..8 leaves the text as it is.
QString UrlWithScheme(int kind, const QString& text);

// Opens the text with its kind's prefix through the shell; false for an empty text or when
// nothing could open the address (no mail program or browser: xdg-open's exit status).
bool LaunchUrl(int kind, const QString& text);

// The shell call: xdg-open, or QDesktopServices::openUrl where there is none, unless the
// application object holds another (ZudiraApplication::InstallUrlOpener; tests install a
// recorder there).
using UrlOpener = std::function<bool(const QUrl&)>;

}  // namespace zudira
