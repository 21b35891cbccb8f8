#include "reports/report_system.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTemporaryFile>
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

Paper PaperOfLayout(QPageLayout layout, double dpi) {
  layout.setUnits(QPageLayout::Inch);
  Paper paper;
  paper.page_inches = layout.fullRect(QPageLayout::Inch).size();
  paper.unprintable = layout.minimumMargins();
  paper.dpi = dpi;
  return paper;
}

// Draws the chosen pages onto device, each at place (inches) on its paper, telling progress
// which page is printing; false once Cancel was pressed.
bool DrawPages(QPainter& painter, QPagedPaintDevice& device, double dpi, const QRectF& place,
               const PageStream& stream, const std::vector<int>& pages, ReportProgress* progress,
               const QString& failure) {
  const QRectF target(place.x() * dpi, place.y() * dpi, place.width() * dpi, place.height() * dpi);
  bool first = true;
  for (int page : pages) {
    if (progress != nullptr) {
      progress->SetStatusText(
          TReportSystem::PrintingStatus().replace(QStringLiteral("%p"), QString::number(page)));
      if (progress->CancelRequested()) return false;
    }
    if (!first && !device.newPage()) Fail(failure);
    first = false;
    stream.RenderPage(painter, page - 1, target);
  }
  return true;
}

#ifdef ZUDIRA_HAVE_CUPS
// Hands a finished PDF to the printer's CUPS queue with the job's paper, copies, collation
// and sides, the options Qt's own print engine sends; the job's id, or 0 when CUPS refused.
int SubmitToCups(const QPrinterInfo& info, const QString& pdf, const QString& title,
                 const QPageLayout& layout, const ReportSetup& setup) {
  cups_option_t* options = nullptr;
  int count = 0;
  const auto add = [&](const char* name, const QByteArray& value) {
    count = cupsAddOption(name, value.constData(), count, &options);
  };
  add("media", layout.pageSize().key().toUtf8());
  if (setup.copies > 1) {
    add("copies", QByteArray::number(setup.copies));
    if (setup.collate) add("Collate", "True");
  }
  const bool landscape = layout.orientation() == QPageLayout::Landscape;
  const QList<QPrinter::DuplexMode> duplex_modes = info.supportedDuplexModes();
  const bool two_sided = setup.duplex && (duplex_modes.contains(QPrinter::DuplexLongSide) ||
                                          duplex_modes.contains(QPrinter::DuplexAuto));
  add("sides", !two_sided  ? "one-sided"
               : landscape ? "two-sided-short-edge"
                           : "two-sided-long-edge");
  if (landscape) add("landscape", "");
  // CUPS takes the queue without the instance that Qt names after a slash.
  const QByteArray queue = info.printerName().section(u'/', 0, 0).toUtf8();
  const int job = cupsPrintFile(queue.constData(), QFile::encodeName(pdf).constData(),
                                title.toUtf8().constData(), count, options);
  cupsFreeOptions(count, options);
  return job;
}
#endif

// A set-up's copies, collate, duplex and printer become the system's own for the next job;
// a copies count below 1 is no count and leaves the one before.
void KeepChoices(ReportSetup& settings, const ReportSetup& chosen) {
  settings.printer_name = chosen.printer_name;
  if (chosen.copies > 0) settings.copies = chosen.copies;
  settings.collate = chosen.collate;
  settings.duplex = chosen.duplex;
  settings.page_layout = chosen.page_layout;
}

// The pages of a finished job as the preview window shows and prints them.
class StreamPreviewJob : public PreviewJob {
 public:
  StreamPreviewJob(TReportSystem& system, const PageStream& stream, const ReportSetup& setup,
                   QString title)
      : system_(system), stream_(stream), setup_(setup), title_(std::move(title)) {}

  bool Printed() const { return printed_; }

  int PageCount() const override { return stream_.PageCount(); }
  QSizeF PageSizeInches() const override { return stream_.PageSizeInches(); }
  void RenderPage(QPainter& painter, int page_index, const QRectF& target) const override {
    stream_.RenderPage(painter, page_index, target);
  }

  void PrintNow() override {
    ReportSetup all = setup_;
    all.range = PrintRange::kAll;
    Print(all);
  }

  void PrinterOptionsThenPrint() override {
    ReportSetup chosen = setup_;
    chosen.range = PrintRange::kAll;
    chosen.from_page = 1;
    chosen.to_page = PageCount();
    chosen.selection = QStringLiteral("1-%1").arg(PageCount());
    ReportWindows* windows = system_.Windows();
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
  void Print(const ReportSetup& setup) {
    if (auto problem = PrintRangeProblem(setup, PageCount())) Fail(*problem);
    std::unique_ptr<ReportProgress> status;
    if (system_.Windows() != nullptr) status = system_.Windows()->OpenStatus(system_.StatusTitle());
    if (system_.PrintStream(stream_, setup, status.get())) printed_ = true;
  }

  TReportSystem& system_;
  const PageStream& stream_;
  ReportSetup setup_;
  QString title_;
  bool printed_ = false;
};

}  // namespace

PageMargins ComputePageMargins(const TBaseReport& report) {
  PageMargins m;
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

QRectF PlaceOnPaper(const Paper& laid_out, const Paper& printed) {
  const auto margins = [](const QMarginsF& unprintable) {
    return QMarginsF(Margin(unprintable.left()), Margin(unprintable.top()),
                     Margin(unprintable.right()), Margin(unprintable.bottom()));
  };
  const QMarginsF from = margins(laid_out.unprintable);
  const QMarginsF to = margins(printed.unprintable);
  const QRectF from_text = QRectF(QPointF(0, 0), laid_out.page_inches) - from;
  const QRectF to_text = QRectF(QPointF(0, 0), printed.page_inches) - to;
  if (from_text.isEmpty() || to_text.isEmpty()) return QRectF(QPointF(0, 0), printed.page_inches);
  const double scale =
      std::min({1.0, to_text.width() / from_text.width(), to_text.height() / from_text.height()});
  const QPointF text_at(to_text.left() + (to_text.width() - from_text.width() * scale) / 2,
                        to_text.top() + (to_text.height() - from_text.height() * scale) / 2);
  return QRectF(text_at - QPointF(from.left(), from.top()) * scale, laid_out.page_inches * scale);
}

void UsePrinterPaper(QPrinter& printer, const std::optional<QPageLayout>& chosen_layout) {
  if (chosen_layout) {
    printer.setPageLayout(*chosen_layout);
    return;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
  if (!info.isNull() && info.defaultPageSize().isValid())
    printer.setPageSize(info.defaultPageSize());
}

Paper TReportSystem::PaperOf(const QString& printer_name,
                             const std::optional<QPageLayout>& chosen_layout) {
  const QPrinterInfo info =
      printer_name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(printer_name);
  if (info.isNull()) {
    // Letter where the locale measures in inches, A4 elsewhere.
    Paper paper;
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    paper.page_inches = QPageSize(letter ? QPageSize::Letter : QPageSize::A4).size(QPageSize::Inch);
    paper.dpi = kPdfDpi;
    return paper;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  UsePrinterPaper(printer, chosen_layout);
  return PaperOfLayout(printer.pageLayout(), printer.resolution());
}

void TReportSystem::PrintPageFrame(TBaseReport& report, const QString& title) {
  margins_ = ComputePageMargins(report);
  const PageMargins& m = margins_;
  report.SetSectionLeft(m.Left);
  report.SetSectionRight(report.PageWidth() - m.Right);
  report.SetSectionTop(m.Top);
  report.SetSectionBottom(report.PageHeight() - m.Bottom);
  report.Home();
  report.SetFont(QStringLiteral("Arial"), 14);
  report.BoldOn();
  report.PrintHeader(title.left(kTitleLimit), Justify::kCentre);
  report.SetFont(QStringLiteral("Arial"), 8);
  report.BoldOff();
  report.PrintFooter(QLocale::system().toString(clock_(), QStringLiteral("ddd, d MMM yyyy hh:mm")),
                     Justify::kLeft);
  report.PrintFooter(QStringLiteral("Printed by ") + owner_name_, Justify::kCentre);
  report.PrintFooter(
      QStringLiteral("Page ") + QString::fromStdString(SafeIntToStr(report.CurrentPage())) + ".",
      Justify::kRight);
  report.SetSectionBottom(report.PageHeight() - (m.Bottom + 0.05));
  report.SetSectionTop(m.Top + 0.5);
  report.Home();
  report.ClearTabs();
  report.SetFont(QStringLiteral("Arial"), 10);
  report.BoldOff();
}

std::unique_ptr<PageStream> TReportSystem::Generate(const ReportRoutine& routine,
                                                    const Paper& paper,
                                                    ReportProgress* progress) const {
  try {
    StreamReport report(paper, progress, GeneratingStatus());
    routine(report);
    return report.TakeStream();
  } catch (const ReportCancelled&) {
    return nullptr;
  }
}

ReportOutcome TReportSystem::RunReport(const QString& title, const ReportRoutine& routine,
                                       QObject* /*owner*/) {
  preview_title_ = title;
  status_title_ = QStringLiteral("Report Status for ") + title;

  ReportSetup setup = settings_;
  setup.printer_name = CurrentPrinter();
  // A paper chosen for another printer is no choice for this one.
  if (setup.printer_name != settings_.printer_name) setup.page_layout.reset();
  setup.destination = DefaultDestination();
  setup.range = PrintRange::kAll;
  setup.from_page = 1;
  setup.to_page = 9999;
  setup.selection.clear();
  if (windows_ != nullptr) {
    if (!windows_->RunSetup(setup, permissions_, false, 0)) return ReportOutcome::kCancelled;
    if (setup.copies <= 0) setup.copies = settings_.copies;
    KeepChoices(settings_, setup);
  }

  std::unique_ptr<ReportProgress> status;
  if (windows_ != nullptr) status = windows_->OpenStatus(status_title_);
  const std::unique_ptr<PageStream> stream =
      Generate(routine, PaperOf(setup.printer_name, setup.page_layout), status.get());
  if (stream == nullptr) return ReportOutcome::kCancelled;

  switch (setup.destination) {
    case ReportDestination::kPrinter:
      return PrintStream(*stream, setup, status.get()) ? ReportOutcome::kPrinted
                                                       : ReportOutcome::kCancelled;
    case ReportDestination::kFile:
      status.reset();
      SavePdf(*stream, setup.file_name, title);
      return ReportOutcome::kPrinted;
    case ReportDestination::kPreview:
      break;
  }
  status.reset();
  if (windows_ == nullptr) return ReportOutcome::kGenerated;
  StreamPreviewJob job(*this, *stream, setup, title);
  windows_->RunPreview(preview_title_, job);
  return job.Printed() ? ReportOutcome::kPrinted : ReportOutcome::kPreviewed;
}

bool TReportSystem::PrintStream(const PageStream& stream, const ReportSetup& setup,
                                ReportProgress* progress) const {
  if (setup.printer_name.isEmpty()) Fail(QStringLiteral("No printers installed!"));
  const QPrinterInfo info = QPrinterInfo::printerInfo(setup.printer_name);
  if (info.isNull())
    Fail(QStringLiteral("The printer \"%1\" is no longer available.").arg(setup.printer_name));
  const std::vector<int> pages = PagesToPrint(setup, stream.PageCount());
  if (pages.empty()) Fail(QStringLiteral("There is no page to print."));

  QPrinter printer(info, QPrinter::HighResolution);
  UsePrinterPaper(printer, setup.page_layout);
  const QPageLayout layout = printer.pageLayout();
  // Pages laid out for another paper (the printer was changed over the preview) are scaled,
  // never stretched, and keep their margins.
  const QRectF place =
      PlaceOnPaper(Paper{stream.PageSizeInches(), stream.UnprintableInches(), kPdfDpi},
                   PaperOfLayout(layout, printer.resolution()));
  const QString failed = QStringLiteral("The printer \"%1\" failed while printing \"%2\".")
                             .arg(setup.printer_name, preview_title_);

#ifdef ZUDIRA_HAVE_CUPS
  // The pages go to a file of our own first, and only a finished job is handed to CUPS: Qt's
  // print engine cannot abort, and ending its painter always hands the job over.
  QTemporaryFile spool(QDir::temp().filePath(QStringLiteral("zudira-print-XXXXXX.pdf")));
  if (!spool.open()) Fail(failed + QStringLiteral(" ") + spool.errorString());
  {
    QPdfWriter writer(&spool);
    writer.setResolution(static_cast<int>(kPdfDpi));
    writer.setTitle(preview_title_);
    writer.setCreator(QStringLiteral("Zudira"));
    writer.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer)) Fail(failed);
    if (!DrawPages(painter, writer, kPdfDpi, place, stream, pages, progress, failed)) return false;
    if (!painter.end()) Fail(failed);
  }
  if (progress != nullptr && progress->CancelRequested()) return false;
  spool.close();
  if (SubmitToCups(info, spool.fileName(), preview_title_, layout, setup) == 0)
    Fail(failed + QStringLiteral(" CUPS says: ") + QString::fromUtf8(cupsLastErrorString()));
#else
  // Without the CUPS library Qt's print engine hands the job over when its painter ends, so a
  // Cancel stops the pages but cannot withdraw those already drawn.
  printer.setFullPage(true);
  printer.setDocName(preview_title_);
  if (setup.copies > 0) printer.setCopyCount(setup.copies);
  printer.setCollateCopies(setup.collate);
  printer.setDuplex(setup.duplex ? QPrinter::DuplexAuto : QPrinter::DuplexNone);
  QPainter painter;
  if (!painter.begin(&printer)) Fail(failed);
  if (!DrawPages(painter, printer, printer.resolution(), place, stream, pages, progress, failed)) {
    printer.abort();
    painter.end();
    return false;
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) Fail(failed);
#endif
  return true;
}

void TReportSystem::SavePdf(const PageStream& stream, const QString& path, const QString& title) {
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
