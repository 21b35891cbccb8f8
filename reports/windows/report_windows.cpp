#include "reports/windows/report_windows.h"

#include <QApplication>

#include "app/shell/data_modules.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/status_window.h"

namespace zudira {

namespace {

// The status window of one job; closing the job's progress frees the window.
class TStatusScope : public TReportProgress {
 public:
  TStatusScope(TDuzDataRP& module, const QString& title) : module_(module), title_(title) {
    module_.RepSysOverrideStatus(kRPStepCreate, form_, title_);
    module_.RepSysOverrideStatus(kRPStepRun, form_, title_);
  }
  ~TStatusScope() override {
    module_.RepSysOverrideStatus(kRPStepFinish, form_, title_);
    module_.RepSysOverrideStatus(kRPStepFree, form_, title_);
  }
  void SetStatusText(const QString& text) override {
    if (form_ != nullptr) form_->SetStatusText(text);
  }
  bool CancelRequested() override { return form_ != nullptr && form_->CancelRequested(); }

 private:
  TDuzDataRP& module_;
  QString title_;
  TDuzRPStatusForm* form_ = nullptr;
};

// Ties the windows to the data module's lifetime without a member of its own.
class TReportWindowsHolder : public QObject {
 public:
  explicit TReportWindowsHolder(TDuzDataRP& module) : QObject(&module), windows(module) {
    setObjectName("ReportWindows");
  }
  TDuzReportWindows windows;
};

}  // namespace

TReportWindows& ReportWindowsOf(TDuzDataRP& module) {
  for (QObject* child : module.children())
    if (auto* holder = dynamic_cast<TReportWindowsHolder*>(child)) return holder->windows;
  return (new TReportWindowsHolder(module))->windows;
}

bool TDuzReportWindows::RunSetup(TReportSetup& setup, const TReportPermissions& permissions,
                                 bool from_preview, int page_count) {
  TRPSetupRequest request{setup, permissions, from_preview, page_count};
  TDuzRPSetupForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    module_.RepSysOverrideSetup(step, form, request);
  return request.accepted;
}

std::unique_ptr<TReportProgress> TDuzReportWindows::OpenStatus(const QString& status_title) {
  return std::make_unique<TStatusScope>(module_, status_title);
}

void TDuzReportWindows::RunPreview(const QString& preview_title, TPreviewJob& job) {
  TRPPreviewRequest request{preview_title, job};
  TDuzRPPreviewForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    module_.RepSysOverridePreview(step, form, request);
}

void TDuzDataRP::RepSysOverrideSetup(int step, TDuzRPSetupForm*& form, TRPSetupRequest& request) {
  switch (step) {
    case kRPStepCreate:
      form = new TDuzRPSetupForm(QApplication::activeWindow());
      form->setWindowTitle("Report Setup");
      break;
    case kRPStepRun:
      form->Prepare(request.setup, request.permissions, request.from_preview, request.page_count);
      request.accepted = form->exec() == QDialog::Accepted;
      if (request.accepted) request.setup = form->Setup();
      break;
    case kRPStepFree:
      delete form;
      form = nullptr;
      break;
    default:
      break;
  }
}

void TDuzDataRP::RepSysOverrideStatus(int step, TDuzRPStatusForm*& form,
                                      const QString& status_title) {
  switch (step) {
    case kRPStepCreate:
      form = new TDuzRPStatusForm(QApplication::activeWindow());
      form->setWindowTitle(status_title);
      break;
    case kRPStepRun:
      // Shown without waiting, but no other window takes clicks meanwhile: a second job
      // must not start inside this one.
      form->setWindowModality(Qt::ApplicationModal);
      form->show();
      QApplication::processEvents();
      break;
    case kRPStepFree:
      delete form;
      form = nullptr;
      break;
    default:
      break;
  }
}

void TDuzDataRP::RepSysOverridePreview(int step, TDuzRPPreviewForm*& form,
                                       TRPPreviewRequest& request) {
  switch (step) {
    case kRPStepCreate:
      form = new TDuzRPPreviewForm(QApplication::activeWindow());
      form->setWindowTitle(request.title);
      form->resize(600, 496);
      form->setWindowState(Qt::WindowMaximized);
      break;
    case kRPStepRun:
      form->SetJob(&request.job);
      // The preview is modal: the job ends when the window closes.
      form->exec();
      break;
    case kRPStepFree:
      delete form;
      form = nullptr;
      break;
    default:
      break;
  }
}

}  // namespace zudira
