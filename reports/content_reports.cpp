#include "reports/content_reports.h"

#include "core/kinds/kind_record.h"
#include "reports/report_system.h"

namespace zudira {

namespace {

const QString kArial = QStringLiteral("Arial");
constexpr double kAnswerPoints = 12;
constexpr double kListFirstColumn = 1.5;
constexpr int kListInnerMargin = 5;  // hundredths of an inch

// A body line needs this many lines left on the page, else it goes to the next one.
constexpr int kLinesNeeded = 2;

void ParameterLines(TBaseReport& r, const AnswerReportInputs& in) {
  const KindRecord* record = FindKindRecord(in.kind);
  if (record == nullptr) return;
  const QString values[3] = {in.mean, in.sdev, in.third};
  for (int i = 0; i < 3; ++i) {
    const std::string_view caption = record->report_captions[static_cast<std::size_t>(i)];
    if (caption.empty()) continue;
    r.PrintLn(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())) +
              values[i]);
  }
}

void ListHeadings(TReportSystem& system, TBaseReport& r, const QString& page_title,
                  const QString& value_heading) {
  system.PrintPageFrame(r, page_title.left(kTitleLimit));
  const PageMargins& m = system.Margins();
  r.SetTab(m.Left, Justify::kLeft, kListFirstColumn, kListInnerMargin, BoxLines::All(), 0);
  r.SetTab(kTabAfterPrevious, Justify::kLeft, r.PageWidth() - (m.LeftPlusRight + kListFirstColumn),
           kListInnerMargin, BoxLines::All(), 0);
  r.BoldOn();
  r.PrintTab(QStringLiteral("Value"));
  r.PrintTab(value_heading);
  r.NewLine();
  r.BoldOff();
}

}  // namespace

QString AnswerRangeText(RangeType range) {
  if (!ValidRangeType(range)) return {};
  return QStringLiteral("P (") +
         QString::fromStdString(RangeEventText(range, std::string("A"), std::string("B"))) +
         QStringLiteral(")");
}

void PrintAnswerReport(TReportSystem& system, TBaseReport& r, const AnswerReportInputs& in) {
  system.PrintPageFrame(r, QStringLiteral("Zudira"));
  r.SetFont(kArial, kAnswerPoints);
  r.NewLine();
  r.NewLine();
  r.PrintLn(QStringLiteral("Distribution Type: ") + in.distribution_text);
  r.NewLine();
  r.Print(QStringLiteral("Range: ") + AnswerRangeText(in.range));
  r.NewLine();
  r.NewLine();
  ParameterLines(r, in);

  const bool inverse = IsInverseKind(in.kind);
  const bool two_bound = IsTwoBound(in.range);
  if (inverse) {
    r.PrintLn(QStringLiteral("Probability: ") + in.a);
    if (two_bound)
      r.PrintLn((in.fixed_end == feFixA ? QStringLiteral("A: ") : QStringLiteral("B: ")) + in.b);
  } else {
    r.PrintLn(QStringLiteral("A: ") + in.a);
    if (two_bound) r.PrintLn(QStringLiteral("B: ") + in.b);
  }

  r.NewLine();
  r.BoldOn();
  r.UnderlineOn();
  r.PrintLn(QStringLiteral("Result"));
  r.UnderlineOff();
  r.NewLine();
  QString label = QStringLiteral("Probability: ");
  if (inverse && !two_bound) label = QStringLiteral("A: ");
  if (inverse && two_bound)
    label = in.fixed_end == feFixA ? QStringLiteral("B: ") : QStringLiteral("A: ");
  r.PrintLn(label + in.answer);
  r.BoldOff();
  r.PrintLn(in.precise ? QStringLiteral("Computed with precise algorithms.")
                       : QStringLiteral("Computed with classic algorithms."));
}

void PrintListReport(TReportSystem& system, TBaseReport& r, const QString& page_title,
                     const QString& value_heading, const QStringList& rows) {
  ListHeadings(system, r, page_title, value_heading);
  for (const QString& row : rows) {
    if (r.LinesLeft() < kLinesNeeded) {
      r.NewPage();
      ListHeadings(system, r, page_title, value_heading);
    }
    const qsizetype bar = row.indexOf(u'|');
    if (bar < 0) continue;
    r.PrintTab(row.left(bar));
    r.PrintTab(row.mid(bar + 1));
    r.NewLine();
  }
}

void PrintTextReport(TReportSystem& system, TBaseReport& r, const QString& page_title,
                     const QStringList& lines) {
  const QString title = page_title.left(kTitleLimit);
  system.PrintPageFrame(r, title);
  for (const QString& line : lines) {
    if (r.LinesLeft() < kLinesNeeded) {
      r.NewPage();
      system.PrintPageFrame(r, title);
    }
    r.PrintLn(line);
  }
}

}  // namespace zudira
