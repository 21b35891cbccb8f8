#include "app/shell/launch_url.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <array>

#include "app/shell/zudira_application.h"

namespace zudira {

namespace {

// How long xdg-open may take to say whether anything took the address. A handler that runs
// in its place (a text browser in a terminal) keeps it longer: that counts as opened.
constexpr int kOpenerVerdictMs = 3000;

// QDesktopServices only reports that xdg-open started; xdg-open's exit status says whether a
// mail program or browser took the address (3: no method available, 4: it failed).
bool OpenWithDesktop(const QUrl& url) {
  const QString xdg_open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (xdg_open.isEmpty()) return QDesktopServices::openUrl(url);
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(xdg_open);
  process->setArguments({url.toString(QUrl::FullyEncoded)});
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  process->start();
  if (!process->waitForStarted()) {
    process->deleteLater();
    return false;
  }
  if (!process->waitForFinished(kOpenerVerdictMs)) return true;
  return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
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
  const ZudiraApplication* app = ZudiraApplication::Instance();
  if (app != nullptr && app->Opener()) return app->Opener()(url);
  return OpenWithDesktop(url);
}

}  // namespace zudira
