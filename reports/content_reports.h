// The page contents of the program's printouts: the answer report, the list reports and the
// printout of a text file. Each draws through TBaseReport in the frame of the report system.
#pragma once

#include <QString>
#include <QStringList>

#include "core/request.h"
#include "reports/base_report.h"

namespace zudira {

class TReportSystem;

// What the answer report reads from the main window: the kind's text, the selectors, and the
// fields' texts exactly as shown.
struct AnswerReportInputs {
  QString distribution_text;
  DistributionKind kind = dkNormal;
  RangeType range = rtEqualA;
  FixEnd fixed_end = feFixA;
  QString mean;
  QString sdev;
  QString a;
  QString b;
  QString answer;
  // The answer came from the precise algorithms, else from the classic ones; the report says
  // which under the result.
  bool precise = false;
  QString third = {};  // the third parameter field's text, where the kind has one
};

// The range as printed: "P (A ≤ X < B)".
QString AnswerRangeText(RangeType range);

// The answer report: one page in the frame titled "Zudira".
void PrintAnswerReport(TReportSystem& system, TBaseReport& report,
                       const AnswerReportInputs& inputs);

// A list report: the frame titled page_title (cut to 255), two boxed columns headed "Value"
// and value_heading, one row per "argument|value" text (a row without "|" prints nothing),
// with the frame and the headings again on every new page.
void PrintListReport(TReportSystem& system, TBaseReport& report, const QString& page_title,
                     const QString& value_heading, const QStringList& rows);

// A text file's lines, one printed line each, in the frame titled page_title on every page.
void PrintTextReport(TReportSystem& system, TBaseReport& report, const QString& page_title,
                     const QStringList& lines);

}  // namespace zudira
