#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "reports/report_system.h"
#include "stats/exception.h"
#include "test_windows.h"

namespace zudira {
namespace {

// A routine that follows the page-break rule over `lines` body lines.
ReportRoutine Lines(TReportSystem& system, int lines, int* printed = nullptr) {
  return [&system, lines, printed](TBaseReport& r) {
    system.PrintPageFrame(r, QStringLiteral("Lines"));
    for (int i = 0; i < lines; ++i) {
      if (r.LinesLeft() < 2) {
        r.NewPage();
        system.PrintPageFrame(r, QStringLiteral("Lines"));
      }
      r.PrintLn(QStringLiteral("line %1").arg(i));
      if (printed != nullptr) ++*printed;
    }
  };
}

TEST(RunReport, SetupStatusAndPreviewInTurn) {
  const struct {
    bool accept_setup;
    int cancel_at_call;
    ReportOutcome outcome;
    bool previewed;
  } cases[] = {
      {false, 0, ReportOutcome::kCancelled, false},
      {true, 0, ReportOutcome::kPreviewed, true},
      // Cancel pressed while a long report is made: generation stops at that operation.
      {true, 40, ReportOutcome::kCancelled, false},
  };
  for (const auto& c : cases) {
    TReportSystem system;
    RecordingWindows windows;
    windows.accept_setup = c.accept_setup;
    windows.cancel_at_call = c.cancel_at_call;
    system.SetWindows(&windows);
    int printed = 0;
    const ReportOutcome outcome =
        system.RunReport(QStringLiteral("Factorials"),
                         Lines(system, c.cancel_at_call > 0 ? 100000 : 150, &printed), nullptr);
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(windows.setups, 1);
    EXPECT_EQ(system.PreviewTitle(), QStringLiteral("Factorials"));
    EXPECT_EQ(system.StatusTitle(), QStringLiteral("Report Status for Factorials"));
    if (!c.accept_setup) {
      EXPECT_EQ(printed, 0);
      EXPECT_TRUE(windows.status_titles.isEmpty());
      continue;
    }
    EXPECT_EQ(windows.status_titles, QStringList{QStringLiteral("Report Status for Factorials")});
    ASSERT_FALSE(windows.status_texts.isEmpty());
    for (int i = 0; i < windows.status_texts.size(); ++i)
      EXPECT_EQ(windows.status_texts[i], QStringLiteral("Generating page %1").arg(i + 1));
    EXPECT_EQ(!windows.preview_titles.isEmpty(), c.previewed);
    if (c.cancel_at_call > 0) {
      EXPECT_EQ(windows.cancel_calls, c.cancel_at_call);
      EXPECT_LT(printed, c.cancel_at_call);
    } else {
      EXPECT_EQ(printed, 150);
      EXPECT_EQ(windows.preview_titles, QStringList{QStringLiteral("Factorials")});
      EXPECT_EQ(windows.preview_pages, windows.status_texts.size());
      EXPECT_GE(windows.preview_pages, 2);
    }
  }
}

TEST(RunReport, CopiesBelowOneAreIgnored) {
  TReportSystem system;
  RecordingWindows windows;
  system.SetWindows(&windows);
  const struct {
    int chosen;
    int kept;
  } cases[] = {{0, 1}, {3, 3}, {-2, 3}, {1, 1}};
  for (const auto& c : cases) {
    windows.choose = [&](ReportSetup& setup) {
      EXPECT_EQ(setup.destination, ReportDestination::kPreview);
      setup.copies = c.chosen;
      setup.collate = true;
    };
    system.RunReport(QStringLiteral("Copies"), Lines(system, 1), nullptr);
    EXPECT_EQ(system.Settings().copies, c.kept);
    EXPECT_TRUE(system.Settings().collate);
  }
}

// A printer that went away between set-up and printing is an error, never a printed job.
TEST(RunReport, PrinterThatIsGoneIsAnError) {
  TReportSystem system;
  RecordingWindows windows;
  windows.choose = [](ReportSetup& setup) {
    setup.printer_name = QStringLiteral("Zudira No Such Printer");
    setup.destination = ReportDestination::kPrinter;
  };
  system.SetWindows(&windows);
  try {
    system.RunReport(QStringLiteral("Gone"), Lines(system, 3), nullptr);
    ADD_FAILURE() << "printed to a printer that does not exist";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "The printer \"Zudira No Such Printer\" is no longer available.");
  }
}

// Pages laid out for one paper and printed on another keep their shape and a text area that
// stays inside the printed paper's margins; nothing is enlarged.
TEST(PlaceOnPaper, ScalesOneWayAndKeepsTheMargins) {
  const QSizeF a4(8.27, 11.69), letter(8.5, 11), letter_turned(11, 8.5);
  const QMarginsF none, wide(0.6, 0.7, 0.6, 0.8);
  const struct {
    QSizeF from;
    QMarginsF from_edges;
    QSizeF to;
    QMarginsF to_edges;
  } cases[] = {
      {a4, none, a4, none},
      {a4, none, letter, none},
      {letter, none, a4, none},
      {letter, wide, a4, none},
      {a4, none, letter, wide},
      {letter, none, letter_turned, none},
      {letter, none, QSizeF(17, 22), none},
  };
  const auto margin = [](double edge) { return std::max(0.5, edge + 0.01); };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from.width() << "x" << c.from.height() << " to "
                                    << c.to.width() << "x" << c.to.height());
    const QRectF place = PlaceOnPaper({c.from, c.from_edges, 1200}, {c.to, c.to_edges, 1200});
    const double scale = place.width() / c.from.width();
    EXPECT_NEAR(place.height() / c.from.height(), scale, 1e-12);
    EXPECT_LE(scale, 1.0);
    // Where the text area of the laid-out page lands on the printed paper.
    const double left = place.left() + scale * margin(c.from_edges.left());
    const double top = place.top() + scale * margin(c.from_edges.top());
    const double right = place.right() - scale * margin(c.from_edges.right());
    const double bottom = place.bottom() - scale * margin(c.from_edges.bottom());
    EXPECT_GE(left, margin(c.to_edges.left()) - 1e-9);
    EXPECT_GE(top, margin(c.to_edges.top()) - 1e-9);
    EXPECT_LE(right, c.to.width() - margin(c.to_edges.right()) + 1e-9);
    EXPECT_LE(bottom, c.to.height() - margin(c.to_edges.bottom()) + 1e-9);
    // As large as that allows: it touches the margins one way, or keeps its own size.
    const bool fills = std::abs(top - margin(c.to_edges.top())) < 1e-9 ||
                       std::abs(left - margin(c.to_edges.left())) < 1e-9;
    EXPECT_TRUE(fills || scale == 1.0);
  }
  EXPECT_EQ(PlaceOnPaper({a4, none, 1200}, {a4, none, 1200}), QRectF(QPointF(0, 0), a4));
}

int PdfPages(const QString& path) {
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {path});
  if (!info.waitForFinished(20000)) return -1;
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

TEST(RunReport, PreviewSavesPdfOrSaysWhyNot) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString good = dir.filePath(QStringLiteral("Lines.pdf"));
  const QString bad = dir.filePath(QStringLiteral("missing/Lines.pdf"));
  TReportSystem system;
  RecordingWindows windows;
  system.SetWindows(&windows);
  QString bad_message;
  QString range_message;
  windows.in_preview = [&](PreviewJob& job) {
    job.SavePdf(good);
    try {
      job.SavePdf(bad);
    } catch (const Exception& e) {
      bad_message = QString::fromStdString(e.Message());
    }
    // A from-preview choice of pages outside the stream prints nothing and says why.
    windows.choose = [](ReportSetup& setup) {
      setup.range = PrintRange::kPages;
      setup.from_page = 2;
      setup.to_page = 99;
    };
    try {
      job.PrinterOptionsThenPrint();
    } catch (const Exception& e) {
      range_message = QString::fromStdString(e.Message());
    }
  };
  system.RunReport(QStringLiteral("Lines"), Lines(system, 150), nullptr);
  ASSERT_GE(windows.preview_pages, 2);
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF"));
  EXPECT_TRUE(bad_message.contains(bad)) << bad_message.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Lines.pdf")});
  EXPECT_FALSE(QFile::exists(bad));
  EXPECT_TRUE(range_message.contains(QStringLiteral("from 1 to %1").arg(windows.preview_pages)))
      << range_message.toStdString();
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
    GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
  EXPECT_EQ(PdfPages(good), windows.preview_pages);
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {good, QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(20000));
  const QString content = QString::fromUtf8(text.readAllStandardOutput());
  for (const char* expected : {"Lines", "line 0", "line 149", "Page 1.", "Page 2."})
    EXPECT_TRUE(content.contains(QLatin1String(expected))) << expected;
}

}  // namespace
}  // namespace zudira
