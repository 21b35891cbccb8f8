#include "app/program_info.h"

#include <QCoreApplication>
#include <QDir>

#include "version_info.h"

namespace zudira {

namespace {
QString& ProgramDirValue() {
  static QString dir = QStringLiteral("./");
  return dir;
}
}  // namespace

QString ProgramDir() {
  return ProgramDirValue();
}

void SetProgramDir(const QString& folder) {
  QString dir = QDir::fromNativeSeparators(folder);
  if (!dir.endsWith('/')) dir += '/';
  ProgramDirValue() = dir;
}

void SetProgramDirFromApplication() {
  SetProgramDir(QCoreApplication::applicationDirPath());
}

QString VersionText() {
  return QStringLiteral("%1.%2.%3.%4")
      .arg(version::kMajor)
      .arg(version::kMinor)
      .arg(version::kRelease)
      .arg(version::kBuild);
}

}  // namespace zudira
