#include "reports/report_system.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <algorithm>

#ifdef ZUDIRA_HAVE_CUPS
#include <cups/cups.h>
#endif

#include "numeric/conversions.h"
#include "stats/exception.h"

namespace zudira {

namespace {

constexpr double kMinimumMargin = 0.5;
constexpr double kEdgeAllowance = 0.01;
constexpr double kPdfDpi = 1200;

double Margin(double unprintable) {
  return std::max(kMinimumMargin, unprintable + kEdgeAllowance);
}

[[noreturn]] void Fail(const QString& message) {
  throw Exception(message.toStdString());
}

// A set-up's copies, collate, duplex and printer become the system's own for the next job;
// a copies count below 1 is no count and leaves the one before.
void KeepChoices(TReportSetup& settings, const TReportSetup& chosen) {
  settings.printer_name = chosen.printer_name;
  if (chosen.copies > 0) settings.copies = chosen.copies;
  settings.collate = chosen.collate;
  settings.duplex = chosen.duplex;
  settings.page_layout = chosen.page_layout;
}

// The pages of a finished job as the preview window shows and prints them.
class TStreamPreviewJob : public TPreviewJob {
 public:
  TStreamPreviewJob(TReportSystem& system, const TPageStream& stream, const TReportSetup& setup,
                    QString title)
      : system_(system), stream_(stream), setup_(setup), title_(std::move(title)) {}

  bool Printed() const { return printed_; }

  int PageCount() const override { return stream_.PageCount(); }
  QSizeF PageSizeInches() const override { return stream_.PageSizeInches(); }
  void RenderPage(QPainter& painter, int page_index, const QRectF& target) const override {
    stream_.RenderPage(painter, page_index, target);
  }

  void PrintNow() override {
    TReportSetup all = setup_;
    all.range = TPrintRange::kAll;
    Print(all);
  }

  void PrinterOptionsThenPrint() override {
    TReportSetup chosen = setup_;
    chosen.range = TPrintRange::kAll;
    chosen.from_page = 1;
    chosen.to_page = PageCount();
    chosen.selection = QStringLiteral("1-%1").arg(PageCount());
    TReportWindows* windows = system_.Windows();
    if (system_.Permissions().setup && windows != nullptr) {
      if (!windows->RunSetup(chosen, system_.Permissions(), true, PageCount())) return;
      if (chosen.copies <= 0) chosen.copies = setup_.copies;
      KeepChoices(system_.Settings(), chosen);
      setup_.copies = chosen.copies;
      setup_.collate = chosen.collate;
      setup_.duplex = chosen.duplex;
      setup_.printer_name = chosen.printer_name;
      setup_.page_layout = chosen.page_layout;
    }
    Print(chosen);
  }

  void SavePdf(const QString& path) override { TReportSystem::SavePdf(stream_, path, title_); }

 private:
  void Print(const TReportSetup& setup) {
    if (auto problem = PrintRangeProblem(setup, PageCount())) Fail(*problem);
    std::unique_ptr<TReportProgress> status;
    if (system_.Windows() != nullptr) status = system_.Windows()->OpenStatus(system_.StatusTitle());
    if (system_.PrintStream(stream_, setup, status.get())) printed_ = true;
  }

  TReportSystem& system_;
  const TPageStream& stream_;
  TReportSetup setup_;
  QString title_;
  bool printed_ = false;
};

}  // namespace

TPageMargins ComputePageMargins(const TBaseReport& report) {
  TPageMargins m;
  m.Left = Margin(report.UnprintableLeft());
  m.Right = Margin(report.UnprintableRight());
  m.Top = Margin(report.UnprintableTop());
  m.Bottom = Margin(report.UnprintableBottom());
  m.LeftPlusRight = m.Left + m.Right;
  return m;
}

TReportSystem::TReportSystem() : clock_([] { return QDateTime::currentDateTime(); }) {
  permissions_.dest_file = false;
}

TReportSystem::~TReportSystem() = default;

QString TReportSystem::CurrentPrinter() const {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  if (names.isEmpty()) return {};
  if (names.contains(settings_.printer_name)) return settings_.printer_name;
  const QString by_default = QPrinterInfo::defaultPrinterName();
  return names.contains(by_default) ? by_default : names.front();
}

TPaper TReportSystem::PaperOf(const QString& printer_name,
                              const std::optional<QPageLayout>& chosen_layout) {
  TPaper paper;
  const QPrinterInfo info =
      printer_name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(printer_name);
  if (info.isNull()) {
    // Letter where the locale measures in inches, A4 elsewhere.
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    paper.page_inches = QPageSize(letter ? QPageSize::Letter : QPageSize::A4).size(QPageSize::Inch);
    paper.dpi = kPdfDpi;
    return paper;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  if (chosen_layout) printer.setPageLayout(*chosen_layout);
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Inch);
  paper.page_inches = layout.fullRect(QPageLayout::Inch).size();
  paper.unprintable = layout.minimumMargins();
  paper.dpi = printer.resolution();
  return paper;
}

void TReportSystem::PrintPageFrame(TBaseReport& report, const QString& title) {
  margins_ = ComputePageMargins(report);
  const TPageMargins& m = margins_;
  report.SetSectionLeft(m.Left);
  report.SetSectionRight(report.PageWidth() - m.Right);
  report.SetSectionTop(m.Top);
  report.SetSectionBottom(report.PageHeight() - m.Bottom);
  report.Home();
  report.SetFont(QStringLiteral("Arial"), 14);
  report.BoldOn();
  report.PrintHeader(title.left(kTitleLimit), TJustify::kCentre);
  report.SetFont(QStringLiteral("Arial"), 8);
  report.BoldOff();
  report.PrintFooter(QLocale::system().toString(clock_(), QStringLiteral("ddd, d MMM yyyy hh:mm")),
                     TJustify::kLeft);
  report.PrintFooter(QStringLiteral("Printed by ") + owner_name_, TJustify::kCentre);
  report.PrintFooter(
      QStringLiteral("Page ") + QString::fromStdString(SafeIntToStr(report.CurrentPage())) + ".",
      TJustify::kRight);
  report.SetSectionBottom(report.PageHeight() - (m.Bottom + 0.05));
  report.SetSectionTop(m.Top + 0.5);
  report.Home();
  report.ClearTabs();
  report.SetFont(QStringLiteral("Arial"), 10);
  report.BoldOff();
}

std::unique_ptr<TPageStream> TReportSystem::Generate(const TReportRoutine& routine,
                                                     const TPaper& paper,
                                                     TReportProgress* progress) const {
  try {
    TStreamReport report(paper, progress, GeneratingStatus());
    routine(report);
    return report.TakeStream();
  } catch (const TReportCancelled&) {
    return nullptr;
  }
}

TReportOutcome TReportSystem::RunReport(const QString& title, const TReportRoutine& routine,
                                        QObject* owner) {
  preview_title_ = title;
  status_title_ = QStringLiteral("Report Status for ") + title;
  owner_ = owner;
  struct TOwnerReset {
    QObject*& owner;
    ~TOwnerReset() { owner = nullptr; }
  } owner_reset{owner_};

  TReportSetup setup = settings_;
  setup.printer_name = CurrentPrinter();
  setup.destination = DefaultDestination();
  setup.range = TPrintRange::kAll;
  setup.from_page = 1;
  setup.to_page = 9999;
  setup.selection.clear();
  if (windows_ != nullptr) {
    if (!windows_->RunSetup(setup, permissions_, false, 0)) return TReportOutcome::kCancelled;
    if (setup.copies <= 0) setup.copies = settings_.copies;
    KeepChoices(settings_, setup);
  }

  std::unique_ptr<TReportProgress> status;
  if (windows_ != nullptr) status = windows_->OpenStatus(status_title_);
  const std::unique_ptr<TPageStream> stream =
      Generate(routine, PaperOf(setup.printer_name, setup.page_layout), status.get());
  if (stream == nullptr) return TReportOutcome::kCancelled;

  switch (setup.destination) {
    case TReportDestination::kPrinter:
      return PrintStream(*stream, setup, status.get()) ? TReportOutcome::kPrinted
                                                       : TReportOutcome::kCancelled;
    case TReportDestination::kFile:
      status.reset();
      SavePdf(*stream, setup.file_name, title);
      return TReportOutcome::kPrinted;
    case TReportDestination::kPreview:
      break;
  }
  status.reset();
  if (windows_ == nullptr) return TReportOutcome::kGenerated;
  TStreamPreviewJob job(*this, *stream, setup, title);
  windows_->RunPreview(preview_title_, job);
  return job.Printed() ? TReportOutcome::kPrinted : TReportOutcome::kPreviewed;
}

bool TReportSystem::PrintStream(const TPageStream& stream, const TReportSetup& setup,
                                TReportProgress* progress) const {
  if (setup.printer_name.isEmpty()) Fail(QStringLiteral("No printers installed!"));
  const QPrinterInfo info = QPrinterInfo::printerInfo(setup.printer_name);
  if (info.isNull())
    Fail(QStringLiteral("The printer \"%1\" is no longer available.").arg(setup.printer_name));
  const std::vector<int> pages = PagesToPrint(setup, stream.PageCount());
  if (pages.empty()) Fail(QStringLiteral("There is no page to print."));

  QPrinter printer(info, QPrinter::HighResolution);
  if (setup.page_layout) printer.setPageLayout(*setup.page_layout);
  printer.setFullPage(true);
  printer.setDocName(preview_title_);
  if (setup.copies > 0) printer.setCopyCount(setup.copies);
  printer.setCollateCopies(setup.collate);
  printer.setDuplex(setup.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
  const auto failed = [&] {
    return QStringLiteral("The printer \"%1\" failed while printing \"%2\".")
        .arg(setup.printer_name, preview_title_);
  };

  QPainter painter;
  if (!painter.begin(&printer)) Fail(failed());
  const QRectF paper_rect = printer.pageLayout().fullRectPixels(printer.resolution());
  bool first = true;
  for (int page : pages) {
    if (!first && !printer.newPage()) {
      painter.end();
      Fail(failed());
    }
    first = false;
    if (progress != nullptr) {
      progress->SetStatusText(
          PrintingStatus().replace(QStringLiteral("%p"), QString::number(page)));
      if (progress->CancelRequested()) {
        printer.abort();
        painter.end();
        return false;
      }
    }
    stream.RenderPage(painter, page - 1, paper_rect);
  }
  const bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Error) Fail(failed());
#ifdef ZUDIRA_HAVE_CUPS
  // Qt hands the finished job to CUPS at the end and keeps no word of a refusal; the CUPS
  // library does, for the call it made last on this thread.
  if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
    Fail(failed() + QStringLiteral(" CUPS says: ") + QString::fromUtf8(cupsLastErrorString()));
#endif
  return true;
}

void TReportSystem::SavePdf(const TPageStream& stream, const QString& path, const QString& title) {
  const auto failed = [&](const QString& why) {
    Fail(QStringLiteral("The PDF file \"%1\" cannot be written: %2").arg(path, why));
  };
  if (path.isEmpty()) failed(QStringLiteral("no file name was given."));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) failed(file.errorString());
  {
    QPdfWriter writer(&file);
    writer.setResolution(static_cast<int>(kPdfDpi));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zudira"));
    writer.setPageSize(
        QPageSize(stream.PageSizeInches(), QPageSize::Inch, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      failed(QStringLiteral("the PDF writer could not start."));
    }
    const QRectF paper_rect(0, 0, stream.PageSizeInches().width() * kPdfDpi,
                            stream.PageSizeInches().height() * kPdfDpi);
    for (int i = 0; i < std::max(1, stream.PageCount()); ++i) {
      if (i > 0) writer.newPage();
      stream.RenderPage(painter, i, paper_rect);
    }
    painter.end();
  }
  if (!file.commit()) failed(file.errorString());
}

}  // namespace zudira
