// A set-up, status and preview stand-in that records what a print job asks of its windows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "reports/report_job.h"

namespace zudira {

struct RecordingWindows : ReportWindows {
  // What the set-up window answers.
  bool accept_setup = true;
  std::function<void(ReportSetup&)> choose;
  // The status window's Cancel is pressed at this call of CancelRequested (0: never).
  int cancel_at_call = 0;
  // What the preview does with its job.
  std::function<void(PreviewJob&)> in_preview;

  int setups = 0;
  QStringList status_titles;
  QStringList status_texts;
  int cancel_calls = 0;
  QStringList preview_titles;
  int preview_pages = 0;

  bool RunSetup(ReportSetup& setup, const ReportPermissions&, bool, int) override {
    ++setups;
    if (choose) choose(setup);
    return accept_setup;
  }

  struct RecordingProgress : ReportProgress {
    RecordingWindows& w;
    explicit RecordingProgress(RecordingWindows& windows) : w(windows) {}
    void SetStatusText(const QString& text) override { w.status_texts.push_back(text); }
    bool CancelRequested() override { return ++w.cancel_calls == w.cancel_at_call; }
  };
  std::unique_ptr<ReportProgress> OpenStatus(const QString& title) override {
    status_titles.push_back(title);
    return std::make_unique<RecordingProgress>(*this);
  }

  void RunPreview(const QString& title, PreviewJob& job) override {
    preview_titles.push_back(title);
    preview_pages = job.PageCount();
    if (in_preview) in_preview(job);
  }
};

}  // namespace zudira
