#include "reports/table_report.h"

#include <algorithm>

#include "numeric/statistical_table_text.h"
#include "reports/report_system.h"

namespace zudira {
namespace {

const QString kArial = QStringLiteral("Arial");
constexpr int kInnerMargin = 5;  // hundredths of an inch
// Arial's digits are 0.556 em, 0.077 inch at 10 points; bold headings are a little wider.
constexpr double kCharWidth = 0.085;
constexpr double kBoxAllowance = 0.14;
constexpr double kMinColumn = 0.45;
constexpr double kNotePoints = 9;
constexpr double kNoteCharWidth = 0.07;
constexpr double kBodyPoints = 10;
// A body line needs this many lines left on the page, else it goes to the next one.
constexpr int kLinesNeeded = 2;

// The note in lines that fit the section: Arial 9 averages under 0.07 inch a character.
QStringList WrappedNote(const QString& note, double width) {
  const qsizetype most = std::max<qsizetype>(20, static_cast<qsizetype>(width / kNoteCharWidth));
  QStringList lines;
  QString line;
  for (const QString& word : note.split(u' ', Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > most) {
      lines << line;
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

void Headings(TReportSystem& system, TBaseReport& r, const TableReportContent& text,
              const QString& title, const std::vector<double>& widths, ColumnBlock block) {
  system.PrintPageFrame(r, title.left(kTitleLimit));
  if (!text.note.isEmpty()) {
    r.SetFont(kArial, kNotePoints);
    for (const QString& line : WrappedNote(text.note, r.SectionRight() - r.SectionLeft()))
      r.PrintLn(line);
    r.SetFont(kArial, kBodyPoints);
  }
  r.SetTab(system.Margins().Left, Justify::kLeft, widths[0], kInnerMargin, BoxLines::All(), 0);
  for (int c = block.first; c <= block.last; ++c)
    r.SetTab(kTabAfterPrevious, Justify::kRight, widths[static_cast<size_t>(c)], kInnerMargin,
             BoxLines::All(), 0);
  r.BoldOn();
  for (const QStringList& line : text.headings) {
    r.PrintTab(line.value(0));
    for (int c = block.first; c <= block.last; ++c) r.PrintTab(line.value(c));
    r.NewLine();
  }
  r.BoldOff();
}

}  // namespace

TableReportContent TableReportText(const StatTable& table) {
  TableReportContent text;
  text.title = QString::fromStdString(table.title);
  text.note = QString::fromStdString(table.note);
  const auto grid = TableTextGrid(table);
  const size_t heading_lines = table.heading_lines.size();
  for (size_t i = 0; i < grid.size(); ++i) {
    QStringList fields;
    for (const std::string& f : grid[i]) fields << QString::fromStdString(f);
    (i < heading_lines ? text.headings : text.rows).push_back(fields);
  }
  return text;
}

double TableColumnWidth(const TableReportContent& text, int column) {
  qsizetype chars = 0;
  for (const QStringList& line : text.headings) chars = std::max(chars, line.value(column).size());
  for (const QStringList& row : text.rows) chars = std::max(chars, row.value(column).size());
  return std::max(kMinColumn, static_cast<double>(chars) * kCharWidth + kBoxAllowance);
}

std::vector<ColumnBlock> TableColumnBlocks(const std::vector<double>& widths, double available) {
  std::vector<ColumnBlock> blocks;
  const int columns = static_cast<int>(widths.size()) - 1;
  const double room = available - (widths.empty() ? 0 : widths[0]);
  int first = 1;
  while (first <= columns) {
    // Every block takes at least one column, however narrow the paper.
    int last = first;
    double used = widths[static_cast<size_t>(first)];
    while (last < columns && used + widths[static_cast<size_t>(last + 1)] <= room + 1e-9)
      used += widths[static_cast<size_t>(++last)];
    blocks.push_back({first, last});
    first = last + 1;
  }
  return blocks;
}

void PrintTableReport(TReportSystem& system, TBaseReport& r, const TableReportContent& text) {
  const int columns = text.headings.isEmpty() ? 0 : static_cast<int>(text.headings[0].size()) - 1;
  std::vector<double> widths;
  for (int c = 0; c <= columns; ++c) widths.push_back(TableColumnWidth(text, c));
  // The frame of each page sets these margins again; the blocks need them before the first.
  const double available = r.PageWidth() - ComputePageMargins(r).LeftPlusRight;
  std::vector<ColumnBlock> blocks = TableColumnBlocks(widths, available);
  if (blocks.empty()) blocks.push_back({1, 0});  // a table without columns still shows its rows

  for (size_t b = 0; b < blocks.size(); ++b) {
    QString title = text.title;
    if (blocks.size() > 1) {
      title += QStringLiteral(" (columns %1 to %2 of %3)")
                   .arg(blocks[b].first)
                   .arg(blocks[b].last)
                   .arg(columns);
    }
    if (b > 0) r.NewPage();
    Headings(system, r, text, title, widths, blocks[b]);
    for (const QStringList& row : text.rows) {
      if (r.LinesLeft() < kLinesNeeded) {
        r.NewPage();
        Headings(system, r, text, title, widths, blocks[b]);
      }
      r.PrintTab(row.value(0));
      for (int c = blocks[b].first; c <= blocks[b].last; ++c) r.PrintTab(row.value(c));
      r.NewLine();
    }
  }
}

}  // namespace zudira
