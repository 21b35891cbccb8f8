#include <gtest/gtest.h>

#include <QDate>
#include <QTime>

#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "reports/stream_report.h"
#include "stream_reading.h"

namespace zudira {
namespace {

const QSizeF kA4(8.27, 11.69);

Paper PaperWith(QMarginsF unprintable, double dpi = 600) {
  return Paper{kA4, unprintable, dpi};
}

TEST(PageFrame, MarginsFollowTheUnprintableEdges) {
  const struct {
    QMarginsF unprintable;  // left, top, right, bottom
    double left, top, right, bottom;
  } cases[] = {
      {{0, 0, 0, 0}, 0.5, 0.5, 0.5, 0.5},
      {{0.14, 0.14, 0.14, 0.14}, 0.5, 0.5, 0.5, 0.5},
      {{0.489, 0.49, 0.3, 0.0}, 0.5, 0.5, 0.5, 0.5},
      {{0.6, 0.75, 0.495, 1.0}, 0.61, 0.76, 0.505, 1.01},
  };
  for (const auto& c : cases) {
    TReportSystem system;
    StreamReport report(PaperWith(c.unprintable));
    system.PrintPageFrame(report, QStringLiteral("Margins"));
    const PageMargins& m = system.Margins();
    EXPECT_NEAR(m.Left, c.left, 1e-12);
    EXPECT_NEAR(m.Top, c.top, 1e-12);
    EXPECT_NEAR(m.Right, c.right, 1e-12);
    EXPECT_NEAR(m.Bottom, c.bottom, 1e-12);
    EXPECT_NEAR(m.LeftPlusRight, c.left + c.right, 1e-12);
    // Body text runs from the left margin to the right one, half an inch below the top margin,
    // and ends 0.05 inch above the bottom margin.
    EXPECT_NEAR(report.SectionLeft(), c.left, 1e-12);
    EXPECT_NEAR(report.SectionRight(), kA4.width() - c.right, 1e-12);
    EXPECT_NEAR(report.CursorY(), c.top + 0.5, 1e-12);
    EXPECT_NEAR(report.SectionBottom(), kA4.height() - c.bottom - 0.05, 1e-12);
    // Header and footers sit inside the margins.
    const std::vector<ReadLine> lines = ReadLines(report.Stream(), 0);
    ASSERT_EQ(lines.size(), 2u);  // header line, footer line (three runs)
    EXPECT_GT(lines[0].baseline, c.top);
    EXPECT_LT(lines[0].baseline, c.top + 0.5);
    EXPECT_LT(lines[1].baseline, kA4.height() - c.bottom);
    EXPECT_GT(lines[1].baseline, kA4.height() - c.bottom - 0.2);
    EXPECT_GE(lines[1].left, c.left - 1e-9);
  }
}

TEST(PageFrame, HeaderFootersAndFonts) {
  TReportSystem system;
  system.SetOwnerName(QStringLiteral("Ada Lovelace"));
  system.SetClock([] { return QDateTime(QDate(2026, 3, 5), QTime(9, 7)); });
  const QString long_title = QString(300, u'T') + QStringLiteral("END");
  const struct {
    QString title;
    QString printed;
  } cases[] = {
      {QStringLiteral("Zudira"), QStringLiteral("Zudira")},
      {QString(255, u'x'), QString(255, u'x')},
      {long_title, long_title.left(255)},
  };
  for (const auto& c : cases) {
    StreamReport report(PaperWith({}));
    system.PrintPageFrame(report, c.title);
    const PageStream& s = report.Stream();
    const auto runs = TextRuns(s, 0);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0]->text, c.printed);
    EXPECT_EQ(s.Font(runs[0]->font), (FontSpec{"Arial", 14, true, false}));
    // Centred between the margins; a title wider than the page starts at the left margin.
    if (c.title.size() < 20) {
      EXPECT_GT(runs[0]->x, 3.0);
    } else {
      EXPECT_NEAR(runs[0]->x, 0.5, 1e-12);
    }
    const QString date = runs[1]->text;
    EXPECT_TRUE(date.contains(QStringLiteral("2026")) && date.contains(QStringLiteral("09:07")))
        << date.toStdString();
    EXPECT_NEAR(runs[1]->x, 0.5, 1e-12);
    EXPECT_EQ(runs[2]->text, QStringLiteral("Printed by Ada Lovelace"));
    EXPECT_EQ(runs[3]->text, QStringLiteral("Page 1."));
    EXPECT_GT(runs[3]->x, runs[2]->x);
    for (int i = 1; i < 4; ++i)
      EXPECT_EQ(s.Font(runs[i]->font), (FontSpec{"Arial", 8, false, false}));
  }
}

// Every page of a long printout carries its own frame, numbered from 1 across page breaks.
TEST(PageFrame, TextPrintoutNumbersEveryPageAndPrintsEveryLine) {
  const struct {
    int line_count;
    bool one_page;
  } cases[] = {{0, true}, {1, true}, {400, false}};
  for (const auto& c : cases) {
    TReportSystem system;
    StreamReport report(PaperWith({}));
    QStringList lines;
    for (int i = 0; i < c.line_count; ++i) lines.push_back(QStringLiteral("line %1").arg(i));
    PrintTextReport(system, report, QStringLiteral("README File"), lines);
    const PageStream& s = report.Stream();
    EXPECT_EQ(s.PageCount() == 1, c.one_page) << c.line_count;
    QStringList printed;
    for (int p = 0; p < s.PageCount(); ++p) {
      const auto runs = TextRuns(s, p);
      ASSERT_GE(runs.size(), 4u);
      EXPECT_EQ(runs[0]->text, QStringLiteral("README File"));
      EXPECT_EQ(runs[3]->text, QStringLiteral("Page %1.").arg(p + 1));
      for (size_t i = 4; i < runs.size(); ++i) printed.push_back(runs[i]->text);
      EXPECT_EQ(CountKind(s, p, StreamItem::ItemKind::kText), static_cast<int>(runs.size()));
    }
    EXPECT_EQ(printed, lines);
    // The empty file: one page holding only its frame.
    if (c.line_count == 0) {
      EXPECT_EQ(s.Page(0).items.size(), 4u);
    }
  }
}

TEST(StreamReport, TabsMoveToColumnsAndLinesLeftCountsTheCurrentLine) {
  StreamReport report(PaperWith({}));
  report.SetSectionTop(1);
  report.SetSectionBottom(2);
  report.Home();
  const double lh = report.LineHeight();
  EXPECT_GT(lh, 10.0 / 72);  // Arial 10 takes more than its point size
  EXPECT_LT(lh, 14.0 / 72);
  EXPECT_EQ(report.LinesLeft(), static_cast<int>(1.0 / lh));
  while (report.LinesLeft() > 0) report.NewLine();
  EXPECT_GT(report.CursorY() + lh, 2.0 - 1e-9);
  report.Home();
  report.SetTab(3, Justify::kRight, 2, 10, BoxLines{true, false, false, true}, 0);
  report.Print(QStringLiteral("a\tb"));
  report.NewLine();
  report.PrintTab(QStringLiteral("c"));
  const auto runs = TextRuns(report.Stream(), 0);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_NEAR(runs[1]->x, 3.1, 1e-12);  // after the tab: the column's left plus its margin
  // Right-justified inside the column's inner margin, with the left and bottom box lines only.
  EXPECT_GT(runs[2]->x, 4.7);
  EXPECT_LT(runs[2]->x, 4.9);
  EXPECT_NEAR(runs[2]->y - runs[1]->y, lh, 1e-12);
  EXPECT_EQ(CountKind(report.Stream(), 0, StreamItem::ItemKind::kLine), 2);
  EXPECT_EQ(CountKind(report.Stream(), 0, StreamItem::ItemKind::kBox), 0);
}

}  // namespace
}  // namespace zudira
