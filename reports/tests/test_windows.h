// A set-up, status and preview stand-in that records what a print job asks of its windows.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "reports/report_job.h"

namespace zudira {

struct TRecordingWindows : TReportWindows {
  // What the set-up window answers.
  bool acceptSetup = true;
  std::function<void(TReportSetup&)> choose;
  // The status window's Cancel is pressed at this call of CancelRequested (0: never).
  int cancelAtCall = 0;
  // What the preview does with its job.
  std::function<void(TPreviewJob&)> inPreview;

  int setups = 0;
  QStringList statusTitles;
  QStringList statusTexts;
  int cancelCalls = 0;
  QStringList previewTitles;
  int previewPages = 0;

  bool RunSetup(TReportSetup& setup, const TReportPermissions&, bool, int) override {
    ++setups;
    if (choose) choose(setup);
    return acceptSetup;
  }

  struct TProgress : TReportProgress {
    TRecordingWindows& w;
    explicit TProgress(TRecordingWindows& windows) : w(windows) {}
    void SetStatusText(const QString& text) override { w.statusTexts.push_back(text); }
    bool CancelRequested() override { return ++w.cancelCalls == w.cancelAtCall; }
  };
  std::unique_ptr<TReportProgress> OpenStatus(const QString& title) override {
    statusTitles.push_back(title);
    return std::make_unique<TProgress>(*this);
  }

  void RunPreview(const QString& title, TPreviewJob& job) override {
    previewTitles.push_back(title);
    previewPages = job.PageCount();
    if (inPreview) inPreview(job);
  }
};

}  // namespace zudira
