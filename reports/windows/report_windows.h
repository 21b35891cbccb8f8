// The program's own set-up, status and preview windows as the report system calls them: each
// call runs the data module's override handler of that window through its steps.
#pragma once

#include <QString>
#include <memory>

#include "reports/report_job.h"

namespace zudira {

class TDuzDataRP;

// One showing of the set-up window.
struct TRPSetupRequest {
  TReportSetup& setup;
  const TReportPermissions& permissions;
  bool from_preview = false;
  int page_count = 0;
  bool accepted = false;  // set by step 1: false when the window closed with Cancel
};

// One showing of the preview window.
struct TRPPreviewRequest {
  QString title;
  TPreviewJob& job;
};

// Steps of the override handlers.
inline constexpr int kRPStepCreate = 0;
inline constexpr int kRPStepRun = 1;
inline constexpr int kRPStepFinish = 2;
inline constexpr int kRPStepFree = 3;

class TDuzReportWindows : public TReportWindows {
 public:
  explicit TDuzReportWindows(TDuzDataRP& module) : module_(module) {}

  bool RunSetup(TReportSetup& setup, const TReportPermissions& permissions, bool from_preview,
                int page_count) override;
  std::unique_ptr<TReportProgress> OpenStatus(const QString& status_title) override;
  void RunPreview(const QString& preview_title, TPreviewJob& job) override;

 private:
  TDuzDataRP& module_;
};

// The program's report windows for the data module: made on first use, freed with the module.
TReportWindows& ReportWindowsOf(TDuzDataRP& module);

}  // namespace zudira
