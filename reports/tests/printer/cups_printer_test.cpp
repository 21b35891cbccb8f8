// Prints through a real CUPS queue: a private scheduler on a loopback port with a CUPS-PDF
// queue, so the machine's own printers are left alone. The PDFs that the queue writes are
// counted with pdfinfo.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/statistical_tables.h"
#include "numeric/conversions.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "reports/table_report.h"
#include "reports/tests/test_windows.h"
#include "stats/combinatorics.h"
#include "stats/exception.h"

namespace zudira {
namespace {

const QString kQueue = QStringLiteral("ZudiraTestPDF");
// A second queue whose own paper is Letter (the first one's is A4).
const QString kLetterQueue = QStringLiteral("ZudiraTestLetter");
// Every job title of this process carries this mark, and CUPS-PDF puts the title into the name
// of the file it writes: another test's scheduler writes into the same folder.
const QString kRunMark = QStringLiteral("zt%1").arg(QCoreApplication::applicationPid());

// A loopback port that nothing listens on now.
int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  socklen_t len = sizeof addr;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
    port = ntohs(addr.sin_port);
  close(fd);
  return port;
}

QString RunTool(const QString& program, const QStringList& args, int* exit_code = nullptr) {
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  p.waitForFinished(30000);
  if (exit_code != nullptr) *exit_code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return QString::fromUtf8(p.readAll());
}

// Jobs that a queue holds or has held: which is "completed", "not-completed" or "all".
int QueueJobs(const QString& queue, const QString& which) {
  const QString out = RunTool("lpstat", {"-W", which, "-o", queue});
  return static_cast<int>(out.split(u'\n', Qt::SkipEmptyParts).size());
}

class CupsPrinterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (geteuid() != 0) {
      skip_reason_ =
          "needs root: the private cupsd runs its queue as user lp, which only root "
          "can start";
      return;
    }
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "pdfinfo"}) {
      if (QStandardPaths::findExecutable(tool).isEmpty() &&
          !QFileInfo::exists(QStringLiteral("/usr/sbin/") + tool)) {
        skip_reason_ = std::string(tool) + " is not installed (scripts/install-deps.sh)";
        return;
      }
    }
    dir_ = new QTemporaryDir();
    const QString d = dir_->path();
    for (const char* sub : {"spool", "cache", "state", "log"}) QDir(d).mkpath(sub);
    port_ = FreePort();
    auto write = [&](const QString& name, const QString& text) {
      QFile f(d + "/" + name);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(text.toUtf8());
    };
    write("cups-files.conf",
          QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                         "StateDir %1/state\nAccessLog %1/log/access_log\n"
                         "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                         "User lp\nGroup lp\nSystemGroup root\n")
              .arg(d));
    write("cupsd.conf", QStringLiteral("Listen 127.0.0.1:%1\nLogLevel warn\nWebInterface No\n"
                                       "<Policy default>\n<Limit All>\nAuthType None\n"
                                       "Order allow,deny\nAllow all\n</Limit>\n</Policy>\n")
                            .arg(port_));
    // The scheduler drops to lp, which must be able to write its folders.
    RunTool("chgrp", {"-R", "lp", d});
    RunTool("chmod", {"-R", "g+rwx", d});
    cupsd_ = new QProcess();
    cupsd_->setProcessChannelMode(QProcess::MergedChannels);
    cupsd_->start(QStringLiteral("cupsd"),
                  {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    server_ = QStringLiteral("127.0.0.1:%1").arg(port_);
    qputenv("CUPS_SERVER", server_.toUtf8());
    QElapsedTimer waited;
    waited.start();
    // lpstat answers 0 also while the scheduler is not up yet, so its text is what counts.
    bool running = false;
    while (!running && waited.elapsed() < 15000) {
      running = RunTool("lpstat", {"-r"}) == QStringLiteral("scheduler is running\n");
      if (!running) QThread::msleep(200);
    }
    if (!running) {
      start_failure_ = "the private cupsd did not start: " + cupsd_->readAll().toStdString();
      return;
    }
    int rc = -1;
    const QString added = RunTool(
        "lpadmin",
        {"-p", kQueue, "-v", "cups-pdf:/", "-E", "-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}, &rc);
    if (rc != 0) start_failure_ = "lpadmin failed: " + added.toStdString();
    const QString letter = RunTool("lpadmin",
                                   {"-p", kLetterQueue, "-v", "cups-pdf:/", "-E", "-m",
                                    "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd", "-o", "PageSize=Letter"},
                                   &rc);
    if (rc != 0) start_failure_ = "lpadmin failed: " + letter.toStdString();
    RunTool("lpadmin", {"-d", kQueue});
  }

  static void TearDownTestSuite() {
    if (cupsd_ != nullptr) {
      RunTool("lpadmin", {"-x", kQueue});
      RunTool("lpadmin", {"-x", kLetterQueue});
      cupsd_->terminate();
      if (!cupsd_->waitForFinished(10000)) cupsd_->kill();
      delete cupsd_;
      cupsd_ = nullptr;
    }
    delete dir_;
    dir_ = nullptr;
    qunsetenv("CUPS_SERVER");
  }

  void SetUp() override {
    if (!skip_reason_.empty()) GTEST_SKIP() << skip_reason_;
    ASSERT_TRUE(start_failure_.empty()) << start_failure_;
  }

  static QString OutputDir() {
    const passwd* pw = getpwuid(geteuid());
    return QString::fromLocal8Bit(pw != nullptr ? pw->pw_dir : "/root") + "/PDF";
  }

  static inline QTemporaryDir* dir_ = nullptr;
  static inline QProcess* cupsd_ = nullptr;
  static inline int port_ = 0;
  static inline QString server_;
  static inline std::string skip_reason_;
  static inline std::string start_failure_;
};

bool QPrinterInfoHasQueue() {
  return QPrinterInfo::availablePrinterNames().contains(kQueue);
}

// The file that the next completed job of a queue, titled with kRunMark, leaves in the
// CUPS-PDF folder.
class QueueOutput {
 public:
  explicit QueueOutput(const QString& queue, const QString& dir)
      : queue_(queue), dir_(dir), completed_(QueueJobs(queue, QStringLiteral("completed"))) {
    // Job numbers start again with every scheduler, so an old file may carry the new name:
    // the new output is the file that is new or was written again.
    for (const QFileInfo& f : QDir(dir_).entryInfoList({"*.pdf"}, QDir::Files))
      before_[f.fileName()] = f.lastModified();
  }
  QString Wait() const {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000) {
      if (QueueJobs(queue_, QStringLiteral("completed")) > completed_) {
        for (const QFileInfo& f : QDir(dir_).entryInfoList({"*.pdf"}, QDir::Files))
          if (f.fileName().contains(kRunMark) &&
              (!before_.count(f.fileName()) || before_.at(f.fileName()) != f.lastModified()))
            return f.filePath();
      }
      QThread::msleep(200);
    }
    return {};
  }

 private:
  QString queue_;
  QString dir_;
  int completed_;
  std::map<QString, QDateTime> before_;
};

int PdfPages(const QString& path) {
  for (const QString& line : RunTool("pdfinfo", {path}).split(u'\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

TEST_F(CupsPrinterTest, AnswerAndListReportsComeOutOfTheQueue) {
  QStringList rows;
  for (int i = 0; i <= 200; ++i)
    rows.push_back(QString::fromStdString(
        SafeIntToStr(i) + "|" + SafeFloatToFixed(Factorial(static_cast<unsigned>(i)), 0)));
  TReportSystem system;
  const struct {
    QString title;
    ReportRoutine routine;
    int min_pages;
    bool landscape;  // turned in the printer's own set-up dialog
  } cases[] = {
      {QStringLiteral("PDF Details"),
       [&](TBaseReport& r) {
         PrintAnswerReport(
             system, r,
             {QStringLiteral("Inverse Normal Distribution"), dkInverseNormal, rtInsideCO, feFixA,
              "0.0000000", "1.0000000", "0.5000000", "-1.0000000", "0.4307273"});
       },
       1, false},
      {QStringLiteral("Factorials"),
       [&](TBaseReport& r) {
         PrintListReport(system, r, QStringLiteral("Factorials up to N = 200"),
                         QStringLiteral("Factorials"), rows);
       },
       3, false},
      {QStringLiteral("Factorials turned"),
       [&](TBaseReport& r) {
         PrintListReport(system, r, QStringLiteral("Factorials up to N = 200"),
                         QStringLiteral("Factorials"), rows);
       },
       4, true},
  };
  ASSERT_TRUE(QPrinterInfoHasQueue()) << "Qt does not list the queue " << kQueue.toStdString();
  int portrait_list_pages = 0;
  for (const auto& c : cases) {
    RecordingWindows windows;
    QString chosen_printer;
    windows.choose = [&](ReportSetup& setup) {
      chosen_printer = setup.printer_name;
      setup.printer_name = kQueue;
      setup.destination = ReportDestination::kPrinter;
      if (c.landscape) {
        QPrinter printer(QPrinterInfo::printerInfo(kQueue));
        QPageLayout layout = printer.pageLayout();
        layout.setOrientation(QPageLayout::Landscape);
        setup.page_layout = layout;
      }
    };
    system.SetWindows(&windows);
    const QueueOutput output(kQueue, OutputDir());
    EXPECT_EQ(system.RunReport(c.title + " " + kRunMark, c.routine, nullptr),
              ReportOutcome::kPrinted);
    EXPECT_EQ(chosen_printer, kQueue);  // the default printer is offered
    const int pages =
        static_cast<int>(windows.status_texts.filter(QStringLiteral("Generating page")).size());
    EXPECT_GE(pages, c.min_pages);
    EXPECT_EQ(windows.status_texts.filter(QStringLiteral("Printing page")).size(), pages);

    // The queue completes the job and CUPS-PDF writes one new file.
    const QString produced = output.Wait();
    ASSERT_FALSE(produced.isEmpty()) << "no completed job for " << c.title.toStdString() << ": "
                                     << RunTool("lpstat", {"-l", "-o", kQueue}).toStdString();
    EXPECT_EQ(PdfPages(produced), pages) << produced.toStdString();
    // Turned, the page holds fewer rows, so the same list takes more pages; the printer
    // itself lays the turned pages onto its paper.
    if (c.landscape) {
      EXPECT_GT(pages, portrait_list_pages);
    }
    if (c.title == QStringLiteral("Factorials")) portrait_list_pages = pages;
    if (qEnvironmentVariableIsSet("ZUDIRA_SHOT_DIR"))
      QFile::copy(produced, qEnvironmentVariable("ZUDIRA_SHOT_DIR") + "/" + c.title + ".pdf");
    QFile::remove(produced);
  }

  // A queue that refuses the job: the error reaches the caller, and nothing counts as printed.
  RecordingWindows windows;
  windows.choose = [&](ReportSetup& setup) {
    setup.printer_name = kQueue;
    setup.destination = ReportDestination::kPrinter;
  };
  system.SetWindows(&windows);
  int rc = -1;
  RunTool("cupsreject", {kQueue}, &rc);
  ASSERT_EQ(rc, 0);
  QString message;
  try {
    system.RunReport(cases[0].title, cases[0].routine, nullptr);
  } catch (const Exception& e) {
    message = QString::fromStdString(e.Message());
  }
  RunTool("cupsaccept", {kQueue});
  EXPECT_TRUE(message.contains(kQueue)) << message.toStdString();
  system.SetWindows(nullptr);
}

// The first page's size in points and the box of its ink, in points from the top left: the
// queue's PDF keeps no readable text, so the page is rendered at 72 dpi and looked at.
struct PdfPage {
  QSizeF points;
  QRect ink;
};

PdfPage ReadPdfPage(const QString& path) {
  PdfPage page;
  const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
  const QRegularExpressionMatch sized = size.match(RunTool("pdfinfo", {path}));
  if (sized.hasMatch())
    page.points = QSizeF(sized.captured(1).toDouble(), sized.captured(2).toDouble());
  QTemporaryDir dir;
  const QString prefix = dir.filePath(QStringLiteral("page"));
  RunTool("pdftoppm", {"-r", "72", "-gray", "-f", "1", "-l", "1", "-singlefile", path, prefix});
  const QImage image(prefix + QStringLiteral(".pgm"));
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) page.ink |= QRect(x, y, 1, 1);
  return page;
}

ReportRoutine AnswerRoutine(TReportSystem& system) {
  return [&system](TBaseReport& r) {
    PrintAnswerReport(system, r,
                      {QStringLiteral("Inverse Normal Distribution"), dkInverseNormal, rtInsideCO,
                       feFixA, "0.0000000", "1.0000000", "0.5000000", "-1.0000000", "0.4307273"});
  };
}

// A job takes the paper of its printer unless another was chosen in the printer's set-up, and
// pages laid out for one printer and printed on another keep their shape and margins.
TEST_F(CupsPrinterTest, JobsPrintOnThePrintersPaper) {
  ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(kLetterQueue));
  ASSERT_EQ(QPrinterInfo::printerInfo(kLetterQueue).defaultPageSize().id(), QPageSize::Letter);
  const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
  const struct {
    const char* what;
    QString queue;
    std::optional<QPageLayout> chosen;
    QString from_preview_to;  // printed from the preview on this queue; empty: printed at once
    QSizeF points;
  } cases[] = {
      {"Letter queue", kLetterQueue, std::nullopt, QString(), QSizeF(612, 792)},
      {"A4 chosen on the Letter queue", kLetterQueue, a4, QString(), QSizeF(595, 842)},
      {"A4 queue", kQueue, std::nullopt, QString(), QSizeF(595, 842)},
      {"A4 pages printed on the Letter queue", kQueue, std::nullopt, kLetterQueue,
       QSizeF(612, 792)},
  };
  TReportSystem system;
  double a4_shape = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingWindows windows;
    windows.choose = [&](ReportSetup& setup) {
      setup.printer_name = c.queue;
      setup.page_layout = c.chosen;
      setup.destination =
          c.from_preview_to.isEmpty() ? ReportDestination::kPrinter : ReportDestination::kPreview;
    };
    windows.in_preview = [&](PreviewJob& job) {
      windows.choose = [&](ReportSetup& setup) { setup.printer_name = c.from_preview_to; };
      job.PrinterOptionsThenPrint();
    };
    system.SetWindows(&windows);
    const QueueOutput output(c.from_preview_to.isEmpty() ? c.queue : c.from_preview_to,
                             OutputDir());
    EXPECT_EQ(system.RunReport("PDF Details " + kRunMark, AnswerRoutine(system), nullptr),
              ReportOutcome::kPrinted);
    const QString produced = output.Wait();
    ASSERT_FALSE(produced.isEmpty()) << RunTool("lpstat", {"-l", "-o"}).toStdString();
    const PdfPage page = ReadPdfPage(produced);
    EXPECT_NEAR(page.points.width(), c.points.width(), 1);
    EXPECT_NEAR(page.points.height(), c.points.height(), 1);
    // Everything printed stays half an inch (36 points) inside the paper's edges.
    ASSERT_FALSE(page.ink.isEmpty()) << produced.toStdString();
    EXPECT_GE(page.ink.left(), 35);
    EXPECT_GE(page.ink.top(), 35);
    EXPECT_LE(page.ink.right(), page.points.width() - 35);
    EXPECT_LE(page.ink.bottom(), page.points.height() - 35);
    // A4 pages printed on Letter keep the shape they have on A4.
    const double shape = static_cast<double>(page.ink.width()) / page.ink.height();
    if (c.queue == kQueue && c.from_preview_to.isEmpty()) a4_shape = shape;
    if (!c.from_preview_to.isEmpty()) {
      EXPECT_NEAR(shape, a4_shape, 0.01 * a4_shape);
    }
    if (qEnvironmentVariableIsSet("ZUDIRA_SHOT_DIR"))
      QFile::copy(produced, qEnvironmentVariable("ZUDIRA_SHOT_DIR") + "/" + c.what + ".pdf");
    QFile::remove(produced);
  }
  system.SetWindows(nullptr);
}

// The t table (two blocks of columns across) and the F table for α = 0.05 (three blocks),
// printed to the queue: the PDF holds exactly the pages the report generated, and the counts
// are those of the layout, so a change of the column widths or page breaks shows here.
constexpr int kTTablePages = 2;
constexpr int kFTablePages = 3;

TEST_F(CupsPrinterTest, StatisticalTablesComeOutOfTheQueueWithTheirPageCounts) {
  const struct {
    const char* title;
    TableKind kind;
    int pages;
  } cases[] = {
      {"t table", TableKind::kStudentT, kTTablePages},
      {"F table 0.05", TableKind::kF, kFTablePages},
  };
  TReportSystem system;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    TableSettings settings;
    settings.kind = c.kind;
    const TableReportContent text = TableReportText(BuildStatTable(settings));
    RecordingWindows windows;
    windows.choose = [&](ReportSetup& setup) {
      setup.printer_name = kQueue;
      setup.destination = ReportDestination::kPrinter;
    };
    system.SetWindows(&windows);
    const QueueOutput output(kQueue, OutputDir());
    EXPECT_EQ(system.RunReport(
                  QString::fromUtf8(c.title) + " " + kRunMark,
                  [&](TBaseReport& r) { PrintTableReport(system, r, text); }, nullptr),
              ReportOutcome::kPrinted);
    EXPECT_EQ(windows.status_texts.filter(QStringLiteral("Generating page")).size(), c.pages);
    const QString produced = output.Wait();
    ASSERT_FALSE(produced.isEmpty()) << "no completed job";
    EXPECT_EQ(PdfPages(produced), c.pages) << produced.toStdString();
    if (qEnvironmentVariableIsSet("ZUDIRA_SHOT_DIR"))
      QFile::copy(produced, qEnvironmentVariable("ZUDIRA_SHOT_DIR") + "/" + c.title + ".pdf");
    QFile::remove(produced);
  }
  system.SetWindows(nullptr);
}

// Cancel in the status window while the pages print, or after the last one: the queue never
// hears of the job.
TEST_F(CupsPrinterTest, CancelWhilePrintingSendsNothing) {
  QStringList rows;
  for (int i = 0; i < 400; ++i) rows.push_back(QStringLiteral("%1|%2").arg(i).arg(i * i));
  TReportSystem system;
  const std::unique_ptr<PageStream> stream = system.Generate(
      [&](TBaseReport& r) {
        PrintListReport(system, r, QStringLiteral("Squares"), QStringLiteral("Squares"), rows);
      },
      TReportSystem::PaperOf(kQueue), nullptr);
  ASSERT_NE(stream, nullptr);
  const int pages = stream->PageCount();
  ASSERT_GE(pages, 4);
  system.SetPreviewTitle("Squares " + kRunMark);
  ReportSetup setup;
  setup.printer_name = kQueue;
  for (int cancel_at : {3, pages + 1}) {
    const int jobs = QueueJobs(kQueue, QStringLiteral("all"));
    RecordingWindows windows;
    windows.cancel_at_call = cancel_at;
    const std::unique_ptr<ReportProgress> status = windows.OpenStatus(QStringLiteral("Squares"));
    EXPECT_FALSE(system.PrintStream(*stream, setup, status.get())) << cancel_at;
    EXPECT_EQ(windows.status_texts.back(),
              QStringLiteral("Printing page %1").arg(std::min(cancel_at, pages)));
    EXPECT_EQ(QueueJobs(kQueue, QStringLiteral("all")), jobs) << cancel_at;
  }
  // The same job not cancelled reaches the queue, so the count above can see a job.
  const int jobs = QueueJobs(kQueue, QStringLiteral("all"));
  const QueueOutput output(kQueue, OutputDir());
  EXPECT_TRUE(system.PrintStream(*stream, setup, nullptr));
  EXPECT_EQ(QueueJobs(kQueue, QStringLiteral("all")), jobs + 1);
  const QString produced = output.Wait();
  EXPECT_EQ(PdfPages(produced), pages);
  QFile::remove(produced);
}

}  // namespace
}  // namespace zudira
