#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/statistical_tables.h"
#include "reports/report_system.h"
#include "reports/stream_report.h"
#include "reports/table_report.h"
#include "stream_reading.h"

namespace zudira {
namespace {

const Paper kLetter{QSizeF(8.5, 11), QMarginsF(0.25, 0.25, 0.25, 0.25), 600};

// A binomial table of 201 rows and 19 columns takes several pages down and more than one page
// width across: every page carries the frame, the note and the headings of its block of
// columns, every row appears whole once per block, and no row sits below the section bottom.
TEST(TableReport, WideLongTableContinuesWithHeadingsAndRowHeadingsOnEveryPage) {
  TableSettings settings;
  settings.kind = TableKind::kBinomial;
  settings.binomial_n = 200;
  settings.decimals = 6;
  const TableReportContent text = TableReportText(BuildStatTable(settings));
  TReportSystem system;
  StreamReport report(kLetter);
  PrintTableReport(system, report, text);
  const PageStream& s = report.Stream();
  if (const QString dir = qEnvironmentVariable("ZUDIRA_SHOT_DIR"); !dir.isEmpty())
    TReportSystem::SavePdf(s, dir + "/binomial-table.pdf", "binomial table");

  const QRegularExpression block_title(R"(\(columns (\d+) to (\d+) of 19\)$)");
  std::vector<int> columns_seen;
  QStringList rows_of_block;
  int block_first = 0;
  int block_pages = 0;
  for (int p = 0; p < s.PageCount(); ++p) {
    const std::vector<ReadLine> lines = ReadLines(s, p);
    ASSERT_GE(lines.size(), 5u);
    const QRegularExpressionMatch m = block_title.match(lines[0].text);
    ASSERT_TRUE(m.hasMatch()) << lines[0].text.toStdString();
    EXPECT_TRUE(lines[0].text.startsWith(text.title));
    EXPECT_TRUE(lines.back().text.endsWith(QStringLiteral("Page %1.").arg(p + 1)));
    EXPECT_EQ(lines[1].text, text.note);
    const int first = m.captured(1).toInt();
    const int last = m.captured(2).toInt();
    if (first != block_first) {
      // A new block starts on a new page, after the previous one printed every row.
      if (block_first != 0) {
        EXPECT_EQ(rows_of_block.size(), text.rows.size());
      }
      rows_of_block.clear();
      block_first = first;
      for (int c = first; c <= last; ++c) columns_seen.push_back(c);
      ++block_pages;
    }
    QString heading = text.headings[0][0];
    for (int c = first; c <= last; ++c) heading += text.headings[0][c];
    EXPECT_EQ(lines[2].text, heading);
    ASSERT_EQ(lines[2].fonts.size(), static_cast<size_t>(last - first + 2));
    EXPECT_TRUE(s.Font(lines[2].fonts[0]).bold);
    const double row_height = lines[3].baseline - lines[2].baseline;
    for (size_t i = 3; i + 1 < lines.size(); ++i) {
      const QStringList& row = text.rows[rows_of_block.size()];
      QString whole = row[0];
      for (int c = first; c <= last; ++c) whole += row[c];
      EXPECT_EQ(lines[i].text, whole);
      EXPECT_LE(lines[i].baseline, report.SectionBottom() - row_height + 1e-9);
      rows_of_block.push_back(lines[i].text);
    }
  }
  EXPECT_EQ(rows_of_block.size(), text.rows.size());
  EXPECT_GE(block_pages, 2);
  std::vector<int> all(19);
  for (int c = 0; c < 19; ++c) all[static_cast<size_t>(c)] = c + 1;
  EXPECT_EQ(columns_seen, all);
}

// A table narrow enough for the page is one block with the plain title.
TEST(TableReport, NarrowTableKeepsItsTitle) {
  TableSettings settings;
  settings.kind = TableKind::kChiSquared;
  settings.decimals = 2;
  const TableReportContent text = TableReportText(BuildStatTable(settings));
  TReportSystem system;
  StreamReport report(kLetter);
  PrintTableReport(system, report, text);
  const PageStream& s = report.Stream();
  ASSERT_EQ(s.PageCount(), 1);
  EXPECT_EQ(ReadLines(s, 0)[0].text, text.title);
  // Title, note, one heading line, 37 rows and the footer.
  EXPECT_EQ(ReadLines(s, 0).size(), 3u + 37u + 1u);
}

}  // namespace
}  // namespace zudira
