#include "reports/windows/report_windows.h"

#include <QApplication>

#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/status_window.h"

namespace zudira {

namespace {

// The status window of one job; closing the job's progress frees the window.
class StatusScope : public ReportProgress {
 public:
  StatusScope(ReportOverrideHandlers& handlers, const QString& title)
      : handlers_(handlers), title_(title) {
    handlers_.RepSysOverrideStatus(kRPStepCreate, form_, title_);
    handlers_.RepSysOverrideStatus(kRPStepRun, form_, title_);
  }
  ~StatusScope() override {
    handlers_.RepSysOverrideStatus(kRPStepFinish, form_, title_);
    handlers_.RepSysOverrideStatus(kRPStepFree, form_, title_);
  }
  void SetStatusText(const QString& text) override {
    if (form_ != nullptr) form_->SetStatusText(text);
  }
  bool CancelRequested() override { return form_ != nullptr && form_->CancelRequested(); }

 private:
  ReportOverrideHandlers& handlers_;
  QString title_;
  TDuzRPStatusForm* form_ = nullptr;
};

// Ties the windows to the owner's lifetime without a member of its own.
class ReportWindowsHolder : public QObject {
 public:
  ReportWindowsHolder(QObject& owner, ReportOverrideHandlers& handlers)
      : QObject(&owner), windows(handlers) {
    setObjectName("ReportWindows");
  }
  ProgramReportWindows windows;
};

}  // namespace

ReportWindows& ReportWindowsOf(QObject& owner, ReportOverrideHandlers& handlers) {
  for (QObject* child : owner.children())
    if (auto* holder = dynamic_cast<ReportWindowsHolder*>(child)) return holder->windows;
  return (new ReportWindowsHolder(owner, handlers))->windows;
}

bool ProgramReportWindows::RunSetup(ReportSetup& setup, const ReportPermissions& permissions,
                                    bool from_preview, int page_count) {
  SetupRequest request{setup, permissions, from_preview, page_count};
  TDuzRPSetupForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    handlers_.RepSysOverrideSetup(step, form, request);
  return request.accepted;
}

std::unique_ptr<ReportProgress> ProgramReportWindows::OpenStatus(const QString& status_title) {
  return std::make_unique<StatusScope>(handlers_, status_title);
}

void ProgramReportWindows::RunPreview(const QString& preview_title, PreviewJob& job) {
  PreviewRequest request{preview_title, job};
  TDuzRPPreviewForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    handlers_.RepSysOverridePreview(step, form, request);
}

void ReportOverrideHandlers::RepSysOverrideSetup(int step, TDuzRPSetupForm*& form,
                                                 SetupRequest& request) {
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

void ReportOverrideHandlers::RepSysOverrideStatus(int step, TDuzRPStatusForm*& form,
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

void ReportOverrideHandlers::RepSysOverridePreview(int step, TDuzRPPreviewForm*& form,
                                                   PreviewRequest& request) {
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
