// Stands in for the shell while it lives: records the addresses the program hands it and
// answers with a set result.
#pragma once

#include <QString>
#include <QUrl>
#include <vector>

#include "app/shell/zudira_application.h"

namespace zudira {

class UrlRecorder {
 public:
  explicit UrlRecorder(bool result) {
    previous_ = ZudiraApplication::Instance()->InstallUrlOpener([this, result](const QUrl& url) {
      opened.push_back(url.toString());
      return result;
    });
  }
  ~UrlRecorder() { ZudiraApplication::Instance()->InstallUrlOpener(previous_); }
  std::vector<QString> opened;

 private:
  UrlOpener previous_;
};

}  // namespace zudira
