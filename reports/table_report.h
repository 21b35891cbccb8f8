// The printout of a statistical table: boxed columns under the table's name, the column
// headings on every page, and a table wider than the page continued on further pages, each
// block of columns with the row headings again.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/statistical_tables.h"
#include "reports/base_report.h"

namespace zudira {

class TReportSystem;

struct TableReportContent {
  QString title;  // the table's name and parameters
  QString note;   // what a cell is
  // Each heading line and each row: its corner or row heading, then one text per column.
  QList<QStringList> headings;
  QList<QStringList> rows;
};

// The table's texts as the grid shows them, with the locale's decimal separator.
TableReportContent TableReportText(const StatTable& table);

// Which columns (counted from 1, after the row headings) go on one page width: consecutive
// blocks [first, last] that fit `available` inches beside the row-heading column.
struct ColumnBlock {
  int first = 1;
  int last = 1;
};
std::vector<ColumnBlock> TableColumnBlocks(const std::vector<double>& widths, double available);

// Width in inches that a column of these texts takes in Arial 10, box margins included.
double TableColumnWidth(const TableReportContent& text, int column);

// The page content: for each block of columns, every row in order, never split, with the frame
// and the heading lines again on each new page.
void PrintTableReport(TReportSystem& system, TBaseReport& report, const TableReportContent& text);

}  // namespace zudira
