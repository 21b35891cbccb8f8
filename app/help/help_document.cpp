#include "app/help/help_document.h"

#include <QFile>

namespace zudira {

bool LoadHelpFile(const QString& path, HelpDocument& document, QString& error) {
  QFile file(path);
  if (!file.exists()) {
    error = QString(
                "The help file \"%1\" was not found, so help cannot be shown.\n"
                "Reinstall Zudira to restore it.")
                .arg(path);
    return false;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    error = QString("The help file \"%1\" cannot be read: %2").arg(path, file.errorString());
    return false;
  }
  // Through QString, so a malformed byte of the file reads as Qt has always read it.
  document = HelpDocument::Parse(QString::fromUtf8(file.readAll()).toStdString());
  if (document.IsEmpty()) {
    error = QString("The help file \"%1\" holds no help topics.").arg(path);
    return false;
  }
  return true;
}

}  // namespace zudira
