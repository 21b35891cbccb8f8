#include "app/shell/program_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "app/shell/zudira_application.h"
#include "version_info.h"

namespace zudira {

QString ProgramDir() {
  const ZudiraApplication* app = ZudiraApplication::Instance();
  return app != nullptr ? app->ProgramFolder() : QStringLiteral("./");
}

void SetProgramDir(const QString& folder) {
  QString dir = QDir::fromNativeSeparators(folder);
  if (!dir.endsWith('/')) dir += '/';
  if (ZudiraApplication* app = ZudiraApplication::Instance()) app->SetProgramFolder(dir);
}

void SetProgramDirFromApplication() {
  SetProgramDir(QCoreApplication::applicationDirPath());
}

QString ShippedFilePath(const QString& file_name) {
  const QString beside = ProgramDir() + file_name;
  if (QFileInfo::exists(beside)) return beside;
  const QString shared = QDir::cleanPath(ProgramDir() + QStringLiteral("../share/zudira"));
  if (QFileInfo(shared).isDir()) return shared + '/' + file_name;
  return beside;
}

void SetProgramIdentity(const QString& desktop_file_id) {
  QCoreApplication::setOrganizationName(QString::fromUtf8(version::kCompanyName));
  QCoreApplication::setApplicationName(QString::fromUtf8(version::kProductName));
  QCoreApplication::setApplicationVersion(VersionText());
  QGuiApplication::setDesktopFileName(desktop_file_id);
}

QString VersionText() {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(version::kMajor)
      .arg(version::kMinor)
      .arg(version::kRelease)
      .arg(version::kBuild);
}

}  // namespace zudira
