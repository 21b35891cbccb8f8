#include <gtest/gtest.h>

#include "numeric/conversions.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "reports/stream_report.h"
#include "stats/combinatorics.h"
#include "stream_reading.h"

namespace zudira {
namespace {

// With ZUDIRA_SHOT_DIR set, a report is also saved there as PDF, for a person to look at.
void SaveForLooking(const PageStream& stream, const QString& name) {
  const QString dir = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  if (!dir.isEmpty()) TReportSystem::SavePdf(stream, dir + "/" + name, name);
}

const Paper kA4{QSizeF(8.27, 11.69), QMarginsF(0.14, 0.14, 0.14, 0.14), 600};

AnswerReportInputs Inputs(DistributionKind kind, const char* text, RangeType range, FixEnd fix,
                          const char* mean, const char* sdev, const char* a, const char* b,
                          const char* answer) {
  return {QString::fromUtf8(text), kind, range, fix, mean, sdev, a, b, answer, false, {}};
}

TEST(AnswerReport, PrintsTheRequestAndItsResult) {
  const struct {
    AnswerReportInputs in;
    std::vector<QString> body;  // the lines between the frame's header and footer
  } cases[] = {
      {Inputs(dkNormal, "Normal Distribution", rtOutsideCC, feFixA, "0.0000000", "1.0000000",
              "-1.0000000", "1.0000000", "0.3173105"),
       {"Distribution Type: Normal Distribution", "Range: P (X ≤ A or X ≥ B)",
        "Mean (μ): 0.0000000", "Standard Deviation (σ): 1.0000000", "A: -1.0000000", "B: 1.0000000",
        "Result", "Probability: 0.3173105"}},
      {Inputs(dkInverseChiSquared, "Inverse Chi-Squared Distribution", rtBelowA, feFixA,
              "4.0000000", "0.0000000", "0.9500000", "0.0000000", "9.4877290"),
       {"Distribution Type: Inverse Chi-Squared Distribution", "Range: P (X < A)",
        "Degrees of Freedom: 4.0000000", "Probability: 0.9500000", "Result", "A: 9.4877290"}},
      {Inputs(dkInverseNormal, "Inverse Normal Distribution", rtInsideCO, feFixA, "0.00", "1.00",
              "0.50", "-1.00", "0.49"),
       {"Distribution Type: Inverse Normal Distribution", "Range: P (A ≤ X < B)", "Mean (μ): 0.00",
        "Standard Deviation (σ): 1.00", "Probability: 0.50", "A: -1.00", "Result", "B: 0.49"}},
      {Inputs(dkInverseF, "Inverse F-Distribution", rtOutsideOC, feFixB, "3", "7", "0.1", "2",
              "0.4"),
       {"Distribution Type: Inverse F-Distribution", "Range: P (X < A or X ≥ B)",
        "Degrees of Freedom 1: 3", "Degrees of Freedom 2: 7", "Probability: 0.1", "B: 2", "Result",
        "A: 0.4"}},
      // A rejected calculation leaves Answer empty: the label stands alone.
      {Inputs(dkBinomial, "Binomial Distribution", rtInsideOC, feFixA, "0.5000000", "10", "2", "5",
              ""),
       {"Distribution Type: Binomial Distribution", "Range: P (A < X ≤ B)",
        "Probability of Success (p):0.5000000", "Number of Tests (n):10", "A: 2", "B: 5", "Result",
        "Probability: "}},
      // The one kind with a third parameter prints it in a row of its own.
      {[] {
         AnswerReportInputs in = Inputs(dkHypergeometric, "Hypergeometric Distribution", rtAtMostA,
                                        feFixA, "50", "10", "2", "0", "0.9517397");
         in.third = "5";
         return in;
       }(),
       {"Distribution Type: Hypergeometric Distribution", "Range: P (X ≤ A)", "Population (N): 50",
        "Successes in the Population (K): 10", "Draws (n): 5", "A: 2", "Result",
        "Probability: 0.9517397"}},
      {Inputs(dkPoisson, "Poisson Distribution", rtAtLeastA, feFixA, "2.5", "0", "3", "0",
              "0.4561869"),
       {"Distribution Type: Poisson Distribution", "Range: P (X ≥ A)",
        "Average Number of Successes in a given period (μ): 2.5", "A: 3", "Result",
        "Probability: 0.4561869"}},
  };
  for (const auto& c : cases) {
    TReportSystem system;
    StreamReport report(kA4);
    PrintAnswerReport(system, report, c.in);
    const PageStream& s = report.Stream();
    SaveForLooking(s, QStringLiteral("answer-%1-%2.pdf").arg(c.in.kind).arg(c.in.range));
    ASSERT_EQ(s.PageCount(), 1);
    const std::vector<ReadLine> lines = ReadLines(s, 0);
    // Under the result the report names the algorithms that made it.
    std::vector<QString> expected = c.body;
    expected.push_back(QStringLiteral("Computed with classic algorithms."));
    ASSERT_EQ(lines.size(), expected.size() + 2) << c.in.distribution_text.toStdString();
    EXPECT_EQ(lines.front().text, QStringLiteral("Zudira"));
    std::vector<QString> body;
    for (size_t i = 1; i + 1 < lines.size(); ++i) body.push_back(lines[i].text);
    EXPECT_EQ(body, expected);
    // Blank lines: two before the distribution, one before the range, one after it, one
    // before "Result" and one after it.
    const double lh = (lines[2].baseline - lines[1].baseline) / 2;
    EXPECT_NEAR(lines[1].baseline - lines[0].baseline, 0.5 + 2 * lh, lh / 2);
    EXPECT_NEAR(lines[3].baseline - lines[2].baseline, 2 * lh, 1e-9);
    const ReadLine& result = lines[lines.size() - 4];
    const ReadLine& answer = lines[lines.size() - 3];
    EXPECT_NEAR(result.baseline - lines[lines.size() - 5].baseline, 2 * lh, 1e-9);
    EXPECT_NEAR(answer.baseline - result.baseline, 2 * lh, 1e-9);
    EXPECT_EQ(s.Font(result.fonts[0]), (FontSpec{"Arial", 12, true, true}));
    EXPECT_EQ(s.Font(answer.fonts[0]), (FontSpec{"Arial", 12, true, false}));
    EXPECT_EQ(s.Font(lines[1].fonts[0]), (FontSpec{"Arial", 12, false, false}));
  }
}

TEST(AnswerReport, PreciseAnswersSaySoUnderTheResult) {
  AnswerReportInputs in = Inputs(dkNormal, "Normal Distribution", rtAboveA, feFixA, "0", "1", "7",
                                 "0", "1.2798125E-12");
  in.precise = true;
  TReportSystem system;
  StreamReport report(kA4);
  PrintAnswerReport(system, report, in);
  const std::vector<ReadLine> lines = ReadLines(report.Stream(), 0);
  ASSERT_GE(lines.size(), 4u);
  const ReadLine& note = lines[lines.size() - 2];
  EXPECT_EQ(lines[lines.size() - 3].text, QStringLiteral("Probability: 1.2798125E-12"));
  EXPECT_EQ(note.text, QStringLiteral("Computed with precise algorithms."));
  EXPECT_EQ(report.Stream().Font(note.fonts[0]), (FontSpec{"Arial", 12, false, false}));
}

QStringList FactorialRows(int n) {
  QStringList rows;
  for (int i = 0; i <= n; ++i)
    rows.push_back(QString::fromStdString(
        SafeIntToStr(i) + "|" + SafeFloatToFixed(Factorial(static_cast<unsigned>(i)), 0)));
  return rows;
}

TEST(ListReport, FactorialsUpTo1547RepeatTheFrameAndHeadingsOnEveryPage) {
  const QString title = QStringLiteral("Factorials up to N = 1547");
  const QStringList rows = FactorialRows(1547);
  TReportSystem system;
  StreamReport report(kA4);
  PrintListReport(system, report, title, QStringLiteral("Factorials"), rows);
  const PageStream& s = report.Stream();
  SaveForLooking(s, QStringLiteral("factorials-1547.pdf"));
  ASSERT_GT(s.PageCount(), 10);
  QStringList printed;
  for (int p = 0; p < s.PageCount(); ++p) {
    const std::vector<ReadLine> lines = ReadLines(s, p);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, title);
    EXPECT_EQ(lines.back().text.endsWith(QStringLiteral("Page %1.").arg(p + 1)), true);
    EXPECT_EQ(lines[1].text, QStringLiteral("ValueFactorials"));
    EXPECT_EQ(s.Font(lines[1].fonts[0]), (FontSpec{"Arial", 10, true, false}));
    // Headings and rows each sit in two boxes: 1.5 inch, then on to the right margin.
    const double row_height = lines[2].baseline - lines[1].baseline;
    const int boxes = CountKind(s, p, StreamItem::ItemKind::kBox);
    EXPECT_EQ(boxes, 2 * static_cast<int>(lines.size() - 2));
    double last_top = 0;
    for (const StreamItem& item : s.Page(p).items) {
      if (item.kind != StreamItem::ItemKind::kBox) continue;
      last_top = std::max(last_top, item.y);
      const bool first = std::abs(item.x - 0.5) < 1e-9;
      EXPECT_NEAR(item.x2, first ? 2.0 : 8.27 - 0.5, 1e-9);
      // At least two lines were left above the section bottom when the row began.
      EXPECT_GE(report.SectionBottom() - item.y, 2 * row_height - 1e-9);
    }
    for (size_t i = 2; i + 1 < lines.size(); ++i) {
      EXPECT_EQ(s.Font(lines[i].fonts[0]), (FontSpec{"Arial", 10, false, false}));
      ASSERT_EQ(lines[i].fonts.size(), 2u);
      printed.push_back(lines[i].text);
    }
    // A page is full: one more row would have left fewer than two lines.
    if (p + 1 < s.PageCount()) {
      EXPECT_LT(report.SectionBottom() - (last_top + row_height), 2 * row_height);
    }
  }
  QStringList expected;
  for (const QString& row : rows) expected.push_back(QString(row).remove(u'|'));
  EXPECT_EQ(printed, expected);
}

TEST(ListReport, RowsWithoutDelimiterPrintNothing) {
  TReportSystem system;
  StreamReport report(kA4);
  PrintListReport(system, report, QString(300, u'C'), QStringLiteral("Coefficient"),
                  {QStringLiteral("0|1"), QStringLiteral("no bar"), QStringLiteral("2|")});
  const std::vector<QString> texts = LineTexts(report.Stream(), 0);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0], QString(255, u'C'));
  EXPECT_EQ(texts[1], QStringLiteral("ValueCoefficient"));
  EXPECT_EQ(texts[2], QStringLiteral("01"));
  EXPECT_EQ(texts[3], QStringLiteral("2"));
}

}  // namespace
}  // namespace zudira
