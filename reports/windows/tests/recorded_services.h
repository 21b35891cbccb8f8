// Window services for one scope that record what the report windows ask of the program: the
// error boxes they show, where they apply the appearance, the help topics they give their
// widgets and the topics they open.
#pragma once

#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "reports/windows/window_services.h"

namespace zudira {

class RecordedServices {
 public:
  RecordedServices() {
    ReportWindowServices s = WindowServices();
    s.error_box = [this](const QString& message) { errors.push_back(message); };
    s.set_help_topic = [this](QWidget* widget, ReportHelpTopic topic) {
      tagged.emplace_back(widget->objectName(), topic);
    };
    s.apply_appearance = [this](QWidget* container) { styled.push_back(container->objectName()); };
    s.show_help_topic = [this](ReportHelpTopic topic) { opened.push_back(topic); };
    s.context_help = [this](const QWidget*, ReportHelpTopic fallback) {
      opened.push_back(fallback);
    };
    previous_ = InstallReportWindowServices(std::move(s));
  }
  ~RecordedServices() { InstallReportWindowServices(std::move(previous_)); }
  RecordedServices(const RecordedServices&) = delete;
  RecordedServices& operator=(const RecordedServices&) = delete;

  std::vector<QString> errors;
  std::vector<QString> styled;  // object names of the containers given the appearance
  std::vector<std::pair<QString, ReportHelpTopic>> tagged;  // widget's object name, topic
  std::vector<ReportHelpTopic> opened;

 private:
  ReportWindowServices previous_;
};

}  // namespace zudira
