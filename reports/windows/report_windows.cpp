#include "reports/windows/report_windows.h"

#include <QApplication>

#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/status_window.h"

namespace zudira {

namespace {

// The status window of one job; closing the job's progress frees the window.
class TStatusScope : public TReportProgress {
 public:
  TStatusScope(TRPOverrideHandlers& handlers, const QString& title)
      : handlers_(handlers), title_(title) {
    handlers_.RepSysOverrideStatus(kRPStepCreate, form_, title_);
    handlers_.RepSysOverrideStatus(kRPStepRun, form_, title_);
  }
  ~TStatusScope() override {
    handlers_.RepSysOverrideStatus(kRPStepFinish, form_, title_);
    handlers_.RepSysOverrideStatus(kRPStepFree, form_, title_);
  }
  void SetStatusText(const QString& text) override {
    if (form_ != nullptr) form_->SetStatusText(text);
  }
  bool CancelRequested() override { return form_ != nullptr && form_->CancelRequested(); }

 private:
  TRPOverrideHandlers& handlers_;
  QString title_;
  TDuzRPStatusForm* form_ = nullptr;
};

// Ties the windows to the owner's lifetime without a member of its own.
class TReportWindowsHolder : public QObject {
 public:
  TReportWindowsHolder(QObject& owner, TRPOverrideHandlers& handlers)
      : QObject(&owner), windows(handlers) {
    setObjectName("ReportWindows");
  }
  TDuzReportWindows windows;
};

}  // namespace

TReportWindows& ReportWindowsOf(QObject& owner, TRPOverrideHandlers& handlers) {
  for (QObject* child : owner.children())
    if (auto* holder = dynamic_cast<TReportWindowsHolder*>(child)) return holder->windows;
  return (new TReportWindowsHolder(owner, handlers))->windows;
}

bool TDuzReportWindows::RunSetup(TReportSetup& setup, const TReportPermissions& permissions,
                                 bool from_preview, int page_count) {
  TRPSetupRequest request{setup, permissions, from_preview, page_count};
  TDuzRPSetupForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    handlers_.RepSysOverrideSetup(step, form, request);
  return request.accepted;
}

std::unique_ptr<TReportProgress> TDuzReportWindows::OpenStatus(const QString& status_title) {
  return std::make_unique<TStatusScope>(handlers_, status_title);
}

void TDuzReportWindows::RunPreview(const QString& preview_title, TPreviewJob& job) {
  TRPPreviewRequest request{preview_title, job};
  TDuzRPPreviewForm* form = nullptr;
  for (int step = kRPStepCreate; step <= kRPStepFree; ++step)
    handlers_.RepSysOverridePreview(step, form, request);
}

void TRPOverrideHandlers::RepSysOverrideSetup(int step, TDuzRPSetupForm*& form,
                                              TRPSetupRequest& request) {
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

void TRPOverrideHandlers::RepSysOverrideStatus(int step, TDuzRPStatusForm*& form,
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

void TRPOverrideHandlers::RepSysOverridePreview(int step, TDuzRPPreviewForm*& form,
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
