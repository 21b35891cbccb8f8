// The program's own set-up, status and preview windows as the report system calls them: each
// call runs the override handler of that window through its steps.
#pragma once

#include <QString>
#include <memory>

#include "reports/report_job.h"

class QObject;

namespace zudira {

class TDuzRPPreviewForm;
class TDuzRPSetupForm;
class TDuzRPStatusForm;

// One showing of the set-up window.
struct SetupRequest {
  ReportSetup& setup;
  const ReportPermissions& permissions;
  bool from_preview = false;
  int page_count = 0;
  bool accepted = false;  // set by step 1: false when the window closed with Cancel
};

// One showing of the preview window.
struct PreviewRequest {
  QString title;
  PreviewJob& job;
};

// Steps of the override handlers.
inline constexpr int kRPStepCreate = 0;
inline constexpr int kRPStepRun = 1;
inline constexpr int kRPStepFinish = 2;
inline constexpr int kRPStepFree = 3;

// The three override handlers, each called with step 0 create, 1 run, 2 finish and 3 free and
// the window that the call manages. The program's data module TDuzDataRP takes them on.
class ReportOverrideHandlers {
 public:
  void RepSysOverrideSetup(int step, TDuzRPSetupForm*& form, SetupRequest& request);
  void RepSysOverrideStatus(int step, TDuzRPStatusForm*& form, const QString& status_title);
  void RepSysOverridePreview(int step, TDuzRPPreviewForm*& form, PreviewRequest& request);
};

class ProgramReportWindows : public ReportWindows {
 public:
  explicit ProgramReportWindows(ReportOverrideHandlers& handlers) : handlers_(handlers) {}

  bool RunSetup(ReportSetup& setup, const ReportPermissions& permissions, bool from_preview,
                int page_count) override;
  std::unique_ptr<ReportProgress> OpenStatus(const QString& status_title) override;
  void RunPreview(const QString& preview_title, PreviewJob& job) override;

 private:
  ReportOverrideHandlers& handlers_;
};

// The report windows running through `handlers`, made on first use and freed with `owner`.
ReportWindows& ReportWindowsOf(QObject& owner, ReportOverrideHandlers& handlers);

}  // namespace zudira
