// What one print job hands between its parts: the set-up choices, the progress shown while
// pages are made or printed, the finished pages as the preview sees them, and the program's
// own set-up, status and preview windows that the report system calls.
#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace zudira {

enum class ReportDestination { kPrinter, kPreview, kFile };
enum class PrintRange { kAll, kPages, kSelection };

// Which controls of the set-up window the report system allows.
struct ReportPermissions {
  bool setup = true;
  bool copies = true;
  bool collate = true;
  bool duplex = true;
  bool dest_preview = true;
  bool dest_printer = true;
  bool dest_file = false;
  bool printer_setup = true;
};

// The choices made in the set-up window for one job. An empty printer name means that no
// printer is installed.
struct ReportSetup {
  QString printer_name;
  ReportDestination destination = ReportDestination::kPreview;
  PrintRange range = PrintRange::kAll;
  int from_page = 1;
  int to_page = 9999;
  QString selection;
  int copies = 1;
  bool collate = false;
  bool duplex = false;
  QString file_name;
  // Paper and orientation chosen in the printer's own set-up dialog; unset, the printer's
  // defaults hold.
  std::optional<QPageLayout> page_layout;
};

// A page list such as "1,3,5-7" (blanks allowed, pages counted from 1) read against a page
// count; nothing when the text is empty, malformed or names a page outside 1..page_count.
std::optional<std::vector<int>> ParsePageSelection(const QString& text, int page_count);

// The user-facing complaint about a set-up's print range for a stream of page_count pages, or
// nothing when the range is sound.
std::optional<QString> PrintRangeProblem(const ReportSetup& setup, int page_count);

// The pages (counted from 1) that a sound set-up prints from a stream of page_count pages.
std::vector<int> PagesToPrint(const ReportSetup& setup, int page_count);

// Progress of generation and printing, shown by the status window.
class ReportProgress {
 public:
  virtual ~ReportProgress() = default;
  // "Generating page 3", "Printing page 3".
  virtual void SetStatusText(const QString& text) = 0;
  // Lets the window take a pending click on Cancel, then says whether Cancel was pressed.
  virtual bool CancelRequested() = 0;
};

// The pages of a finished generation, as the preview sees them.
class ReportPages {
 public:
  virtual ~ReportPages() = default;
  virtual int PageCount() const = 0;
  // The full paper size in inches; every page of a job has the same size.
  virtual QSizeF PageSizeInches() const = 0;
  // Draws page page_index (counted from 0) scaled into target, in the painter's coordinates.
  virtual void RenderPage(QPainter& painter, int page_index, const QRectF& target) const = 0;
};

// What the preview window asks of the job that shows it.
class PreviewJob : public ReportPages {
 public:
  // Prints every page to the set-up's printer at once.
  virtual void PrintNow() = 0;
  // Shows the set-up window over the finished pages, then prints what it chose.
  virtual void PrinterOptionsThenPrint() = 0;
  // Writes every page to a PDF file through a temporary file in the same folder; throws
  // zudira::Exception with a message naming the path when it cannot.
  virtual void SavePdf(const QString& path) = 0;
};

// The program's own set-up, status and preview windows, supplied by the application.
class ReportWindows {
 public:
  virtual ~ReportWindows() = default;
  // Shows the set-up window modally; false when it was closed with Cancel. from_preview is set
  // when the window is shown over finished pages (page_count of them).
  virtual bool RunSetup(ReportSetup& setup, const ReportPermissions& permissions, bool from_preview,
                        int page_count) = 0;
  // Opens the status window, captioned status_title, without waiting; closed when destroyed.
  virtual std::unique_ptr<ReportProgress> OpenStatus(const QString& status_title) = 0;
  // Shows the preview window modally, captioned preview_title.
  virtual void RunPreview(const QString& preview_title, PreviewJob& job) = 0;
};

}  // namespace zudira
