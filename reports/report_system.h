// The report system shared by every print job: its fixed settings, the one print-job
// procedure RunReport, and the page frame that every report prints on each of its pages.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

#include "reports/base_report.h"
#include "reports/report_job.h"
#include "reports/stream_report.h"

class QPrinter;

namespace zudira {

// The margins of the last page frame printed, in inches.
struct PageMargins {
  double Left = 0.5;
  double Right = 0.5;
  double Top = 0.5;
  double Bottom = 0.5;
  double LeftPlusRight = 1.0;
};

// Each margin is the larger of 0.5 and the printer's unprintable width at that edge + 0.01.
PageMargins ComputePageMargins(const TBaseReport& report);

// Where a page laid out on paper laid_out goes on paper printed, in inches from the printed
// paper's top left: scaled by one factor both ways (never enlarged) so that its text area fits
// inside the printed paper's margins, and centred there.
QRectF PlaceOnPaper(const Paper& laid_out, const Paper& printed);

// Gives printer the paper of its printer: the layout chosen in the printer's set-up, or else
// the printer's own default paper.
void UsePrinterPaper(QPrinter& printer, const std::optional<QPageLayout>& chosen_layout);

// The page-content routine of a job; it draws every page of the report.
using ReportRoutine = std::function<void(TBaseReport&)>;

enum class ReportOutcome {
  kCancelled,  // the set-up or status window's Cancel
  kGenerated,  // pages made, but no preview window to show them
  kPreviewed,
  kPrinted,
};

inline constexpr int kTitleLimit = 255;

class TReportSystem {
 public:
  TReportSystem();
  ~TReportSystem();
  TReportSystem(const TReportSystem&) = delete;
  TReportSystem& operator=(const TReportSystem&) = delete;

  // The fixed settings.
  const QString& StatusTitle() const { return status_title_; }
  const QString& PreviewTitle() const { return preview_title_; }
  void SetStatusTitle(const QString& title) { status_title_ = title; }
  void SetPreviewTitle(const QString& title) { preview_title_ = title; }
  const ReportPermissions& Permissions() const { return permissions_; }
  ReportDestination DefaultDestination() const { return ReportDestination::kPreview; }
  static QString GeneratingStatus() { return QStringLiteral("Generating page %p"); }
  static QString PrintingStatus() { return QStringLiteral("Printing page %p"); }

  // The system's own printer, copies, collate and duplex, kept from job to job.
  const ReportSetup& Settings() const { return settings_; }
  ReportSetup& Settings() { return settings_; }

  // The program's set-up, status and preview windows (not owned); none set: a job runs with
  // the set-up as it stands and shows nothing.
  void SetWindows(ReportWindows* windows) { windows_ = windows; }
  ReportWindows* Windows() const { return windows_; }

  // The name printed in every footer after "Printed by ".
  void SetOwnerName(const QString& name) { owner_name_ = name; }
  const QString& OwnerName() const { return owner_name_; }
  // The time printed in the footers (the clock, unless a test fixes it).
  void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

  // One print job: set-up window, generation under the status window, then preview or
  // printer. Errors of the printer propagate to the caller's error report.
  ReportOutcome RunReport(const QString& title, const ReportRoutine& routine, QObject* owner);

  void PrintPageFrame(TBaseReport& report, const QString& title);
  const PageMargins& Margins() const { return margins_; }

  // The paper of a printer (its page, unprintable edges and resolution), or, with no such
  // printer, the locale's default paper at 1200 dpi with no unprintable edges.
  static Paper PaperOf(const QString& printer_name,
                       const std::optional<QPageLayout>& chosen_layout = std::nullopt);
  // The printer of the system's settings when it still exists, else the default printer,
  // else the first one; empty when none is installed.
  QString CurrentPrinter() const;

  // The pages of routine laid out for paper; nothing when Cancel was pressed.
  std::unique_ptr<PageStream> Generate(const ReportRoutine& routine, const Paper& paper,
                                       ReportProgress* progress) const;
  // Sends the set-up's pages to its printer, fitted to its paper; false when Cancel aborted the
  // job, and then nothing reaches the printer. Throws zudira::Exception when the printer cannot
  // print.
  bool PrintStream(const PageStream& stream, const ReportSetup& setup,
                   ReportProgress* progress) const;
  // Writes every page as PDF at 1200 dpi through a temporary file beside path.
  static void SavePdf(const PageStream& stream, const QString& path, const QString& title);

 private:
  QString status_title_ = QStringLiteral("Report Status");
  QString preview_title_ = QStringLiteral("Report Preview");
  ReportPermissions permissions_;
  ReportSetup settings_;
  ReportWindows* windows_ = nullptr;
  QString owner_name_;
  std::function<QDateTime()> clock_;
  PageMargins margins_;
};

}  // namespace zudira
