// Copy Calculation's lines run where the user pastes them: the R lines in R, the formulas in
// LibreOffice Calc with English and German settings. Each must give the program's precise
// answer, far tails included. One R process and one Calc conversion per locale serve every
// request; a missing tool skips its test.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/calculation_text.h"
#include "core/evaluate_request.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::RealField;

struct Row {
  DistributionKind kind;
  RangeType range;
  Real first, second, a, b;
  FixEnd fixed_end = feFixA;
  Real third = 0;
};

// Every kind and range family, with small tails at both ends and parameters at their edges.
const Row kRows[] = {
    {dkNormal, rtEqualA, 10, 2.5, 7.3, 0},
    {dkNormal, rtBelowA, 10, 2.5, 7.3, 0},
    {dkNormal, rtAtMostA, 10, 2.5, -40, 0},
    {dkNormal, rtAboveA, 10, 2.5, 40, 0},
    {dkNormal, rtAtLeastA, 0, 1, 1.96, 0},
    {dkNormal, rtInsideOC, 10, 2.5, 8, 12.5},
    {dkNormal, rtInsideCC, 10, 2.5, 30, 35},
    {dkNormal, rtOutsideOO, 10, 2.5, -15, 45},
    {dkExponential, rtBelowA, 2, 0, 1e-9, 0},
    {dkExponential, rtAtMostA, 2, 0, 3, 0},
    {dkExponential, rtAboveA, 2, 0, 100, 0},
    {dkExponential, rtInsideCO, 2, 0, -1, 3},
    {dkExponential, rtInsideOO, 2, 0, 50, 60},
    {dkExponential, rtOutsideCC, 2, 0, 0.5, 4},
    {dkStudentT, rtBelowA, 5, 0, -50, 0},
    {dkStudentT, rtAtLeastA, 10, 0, 2.228, 0},
    {dkStudentT, rtAboveA, 1, 0, 1e6, 0},
    {dkStudentT, rtInsideCC, 5, 0, -1, 2},
    {dkStudentT, rtInsideOO, 5, 0, 20, 30},
    {dkStudentT, rtOutsideOC, 3, 0, -40, 60},
    {dkChiSquared, rtBelowA, 4, 0, 0.01, 0},
    {dkChiSquared, rtAboveA, 4, 0, 100, 0},
    {dkChiSquared, rtAtMostA, 3, 0, 0, 0},
    {dkChiSquared, rtInsideOO, 4, 0, 1, 9},
    {dkChiSquared, rtInsideCC, 4, 0, 60, 70},
    {dkChiSquared, rtOutsideCO, 30, 0, 5, 90},
    {dkF, rtBelowA, 5, 10, 0.01, 0},
    {dkF, rtAboveA, 5, 10, 200, 0},
    {dkF, rtAtLeastA, 5, 10, 1e-5, 0},
    {dkF, rtInsideOC, 5, 10, 0.5, 2},
    {dkF, rtInsideCO, 2, 8, 40, 50},
    {dkF, rtOutsideOO, 2, 8, 0.5, 4},
    {dkBinomial, rtEqualA, 0.3, 20, 3, 0},
    {dkBinomial, rtBelowA, 0.3, 20, 1, 0},
    {dkBinomial, rtAtMostA, 0.1, 1000, 2, 0},
    {dkBinomial, rtAboveA, 0.3, 20, 18, 0},
    {dkBinomial, rtAtLeastA, 0.01, 1000, 60, 0},
    {dkBinomial, rtAtLeastA, 0.5, 20, 0, 0},
    {dkBinomial, rtEqualA, 0.3, 10, 11, 0},
    {dkBinomial, rtInsideCO, 0.3, 20, 3, 7},
    {dkBinomial, rtInsideCC, 0.3, 20, 16, 19},
    {dkBinomial, rtInsideCC, 0.25, 1000, 400, 420},
    {dkBinomial, rtOutsideOC, 0.3, 20, 3, 7},
    {dkBinomial, rtOutsideCC, 0.3, 20, 2, 25},
    {dkBinomial, rtAboveA, 0, 20, 3, 0},
    {dkBinomial, rtAtMostA, 1, 20, 3, 0},
    {dkPoisson, rtEqualA, 2.5, 0, 3, 0},
    {dkPoisson, rtBelowA, 1000, 0, 900, 0},
    {dkPoisson, rtAboveA, 1000, 0, 1030, 0},
    {dkPoisson, rtAboveA, 3, 0, 30, 0},
    {dkPoisson, rtAtLeastA, 1000, 0, 1200, 0},
    {dkPoisson, rtInsideCC, 2.5, 0, 1, 4},
    {dkPoisson, rtInsideOC, 3, 0, 8, 12},
    {dkPoisson, rtInsideOC, 1000, 0, 1100, 1200},
    {dkPoisson, rtOutsideCC, 2.5, 0, 1, 4},
    {dkPoisson, rtEqualA, 0, 0, 0, 0},
    {dkPoisson, rtAtMostA, 0, 0, 3, 0},
    {dkPoisson, rtAboveA, 0, 0, 0, 0},
    {dkPoisson, rtOutsideOO, 0, 0, 0, 2},
    {dkPoisson, rtInsideOC, 3, 0, 20, 25},
    {dkInverseNormal, rtEqualA, 10, 2.5, 0.3, 0},
    {dkInverseNormal, rtBelowA, 10, 2.5, 0.9, 0},
    {dkInverseNormal, rtAtMostA, 10, 2.5, 1e-100, 0},
    {dkInverseNormal, rtAboveA, 0, 1, 1e-12, 0},
    {dkInverseNormal, rtAtLeastA, 10, 2.5, 0.025, 0},
    {dkInverseNormal, rtInsideOO, 0, 1, 0.3, 0.5, feFixA},
    {dkInverseNormal, rtInsideOC, 10, 2.5, 1e-10, 25, feFixA},
    {dkInverseNormal, rtInsideCC, 10, 2.5, 0.2, 14, feFixB},
    {dkInverseNormal, rtOutsideOO, 10, 2.5, 0.2, 7, feFixA},
    {dkInverseNormal, rtOutsideCC, 10, 2.5, 0.2, 13, feFixB},
    {dkInverseStudentT, rtBelowA, 5, 0, 1e-10, 0},
    {dkInverseStudentT, rtAtMostA, 5, 0, 0.9, 0},
    {dkInverseStudentT, rtAboveA, 1, 0, 1e-12, 0},
    {dkInverseStudentT, rtAtLeastA, 5, 0, 0.7, 0},
    {dkInverseStudentT, rtInsideOO, 5, 0, 0.2, 1, feFixB},
    {dkInverseStudentT, rtInsideCO, 5, 0, 1e-9, 10, feFixA},
    {dkInverseStudentT, rtOutsideOO, 5, 0, 0.2, 1, feFixB},
    {dkInverseStudentT, rtOutsideCC, 5, 0, 0.9, -3, feFixA},
    {dkInverseChiSquared, rtAtMostA, 4, 0, 0.95, 0},
    {dkInverseChiSquared, rtBelowA, 4, 0, 1e-12, 0},
    {dkInverseChiSquared, rtAboveA, 4, 0, 1e-12, 0},
    {dkInverseChiSquared, rtInsideOO, 4, 0, 0.5, 1, feFixA},
    {dkInverseChiSquared, rtInsideCC, 4, 0, 1e-8, 40, feFixB},
    {dkInverseChiSquared, rtOutsideCC, 4, 0, 0.2, 1, feFixA},
    {dkInverseF, rtEqualA, 5, 10, 0.05, 0},
    {dkInverseF, rtBelowA, 5, 10, 1e-10, 0},
    {dkInverseF, rtAboveA, 5, 10, 1e-10, 0},
    {dkInverseF, rtInsideOO, 5, 10, 0.5, 2, feFixB},
    {dkInverseF, rtInsideOC, 5, 10, 1e-6, 30, feFixA},
    {dkInverseF, rtOutsideOC, 5, 10, 0.3, 0.5, feFixA},
    // Log-normal, Weibull, logistic and Cauchy, and their inverses.
    {dkLogNormal, rtBelowA, 0, 1, 1e-5, 0},
    {dkLogNormal, rtAboveA, 0, 1, 1e5, 0},
    {dkLogNormal, rtAtMostA, 2, 0.5, -1, 0},
    {dkLogNormal, rtInsideOC, 1, 0.25, 2, 4},
    {dkLogNormal, rtInsideCC, 0, 1, 2e4, 1e5},
    {dkLogNormal, rtOutsideOO, -1, 2, 1e-3, 50},
    {dkInverseLogNormal, rtBelowA, 0, 1, 1e-30, 0},
    {dkInverseLogNormal, rtAboveA, 2, 0.5, 1e-12, 0},
    {dkInverseLogNormal, rtInsideOO, 0, 1, 0.2, 1, feFixA},
    {dkInverseLogNormal, rtOutsideCC, 0, 1, 0.3, 3, feFixB},
    {dkWeibull, rtBelowA, 2, 3, 1e-12, 0},
    {dkWeibull, rtAtMostA, 0.5, 2, 5, 0},
    {dkWeibull, rtAboveA, 2, 3, 25, 0},
    {dkWeibull, rtInsideCO, 3, 1, 2, 2.5},
    {dkWeibull, rtOutsideOC, 0.7, 10, 1e-4, 60},
    {dkInverseWeibull, rtBelowA, 2, 3, 1e-20, 0},
    {dkInverseWeibull, rtAtMostA, 1.5, 2, 0.9, 0},
    {dkInverseWeibull, rtAboveA, 0.5, 2, 1e-15, 0},
    {dkInverseWeibull, rtInsideCC, 2, 3, 0.1, 5, feFixB},
    {dkLogistic, rtBelowA, 0, 1, -70, 0},
    {dkLogistic, rtAboveA, 5, 2, 200, 0},
    {dkLogistic, rtInsideOO, -2, 0.5, -1, 3},
    {dkLogistic, rtInsideCC, 0, 1, 40, 41},
    {dkLogistic, rtOutsideCO, 1, 2, -30, 50},
    {dkInverseLogistic, rtBelowA, 0, 1, 1e-30, 0},
    {dkInverseLogistic, rtAtLeastA, 5, 2, 0.8, 0},
    {dkInverseLogistic, rtInsideOC, 0, 1, 1e-8, 30, feFixB},
    {dkInverseLogistic, rtOutsideOO, -1, 1, 0.3, -2, feFixA},
    {dkCauchy, rtBelowA, 0, 1, -1e30, 0},
    {dkCauchy, rtAtMostA, -2, 0.5, 3, 0},
    {dkCauchy, rtAboveA, 3, 0.5, 1e100, 0},
    {dkCauchy, rtAtLeastA, 3, 0.5, -7, 0},
    {dkCauchy, rtInsideOO, 0, 1, 1e10, 2e10},
    {dkCauchy, rtOutsideCC, 1, 2, -100, 1e6},
    {dkInverseCauchy, rtBelowA, 0, 1, 1e-30, 0},
    {dkInverseCauchy, rtAtMostA, 2, 3, 0.7, 0},
    {dkInverseCauchy, rtAboveA, -3, 0.5, 1e-100, 0},
    {dkInverseCauchy, rtAtLeastA, -3, 0.5, 0.9, 0},
    {dkInverseCauchy, rtInsideCO, 0, 1, 1e-6, 1e4, feFixA},
    {dkInverseCauchy, rtOutsideOC, 1, 1, 0.5, 3, feFixB},
    // Hypergeometric (N, K, then n as the third field), geometric (trials, written as the
    // failures before the first success) and negative binomial (p, r): both tails, the
    // support's ends and counts past them.
    {dkHypergeometric, rtEqualA, 50, 20, 4, 0, feFixA, 10},
    {dkHypergeometric, rtAtMostA, 50, 20, 3, 0, feFixA, 10},
    {dkHypergeometric, rtAboveA, 50, 20, 8, 0, feFixA, 10},
    {dkHypergeometric, rtBelowA, 2000, 600, 40, 0, feFixA, 400},
    {dkHypergeometric, rtAtLeastA, 2000, 600, 230, 0, feFixA, 400},
    {dkHypergeometric, rtInsideOC, 2000, 600, 200, 210, feFixA, 400},
    {dkHypergeometric, rtAtMostA, 50, 45, 4, 0, feFixA, 10},
    {dkHypergeometric, rtAboveA, 50, 45, 3, 0, feFixA, 10},
    {dkHypergeometric, rtEqualA, 50, 45, 2, 0, feFixA, 10},
    {dkHypergeometric, rtOutsideCC, 50, 45, 6, 12, feFixA, 10},
    {dkGeometric, rtEqualA, 0.25, 0, 3, 0},
    {dkGeometric, rtAtMostA, 0.25, 0, 1, 0},
    {dkGeometric, rtBelowA, 0.25, 0, 1, 0},
    {dkGeometric, rtAboveA, 0.25, 0, 200, 0},
    {dkGeometric, rtAtLeastA, 0.25, 0, 0, 0},
    {dkGeometric, rtInsideCC, 0.5, 0, 100, 120, feFixA},
    {dkGeometric, rtOutsideOO, 0.3, 0, 2, 9},
    {dkGeometric, rtAboveA, 1, 0, 1, 0},
    {dkNegativeBinomial, rtEqualA, 5, 0.25, 10, 0},
    {dkNegativeBinomial, rtBelowA, 5, 0.25, 2, 0},
    {dkNegativeBinomial, rtAboveA, 5, 0.25, 300, 0},
    {dkNegativeBinomial, rtAtLeastA, 3, 0.75, 100, 0},
    {dkNegativeBinomial, rtInsideCO, 5, 0.25, 10, 20},
    {dkNegativeBinomial, rtInsideOO, 5, 0.25, 170, 180},
    {dkNegativeBinomial, rtOutsideOC, 5, 0.25, -3, 20},
    {dkNegativeBinomial, rtEqualA, 2, 1, 0, 0},
    // Uniform, Gamma, Beta, their inverse kinds and the Inverse Exponential.
    {dkUniform, rtBelowA, 2, 5, 3, 0},
    {dkUniform, rtAboveA, 2, 5, 4.9999, 0},
    {dkUniform, rtInsideCO, 2, 5, 1, 3},
    {dkUniform, rtOutsideOC, -1, 1, -0.5, 0.75},
    {dkInverseUniform, rtBelowA, 2, 5, 0.3, 0},
    {dkInverseUniform, rtAboveA, 2, 5, 0.01, 0},
    {dkInverseUniform, rtInsideOO, 2, 5, 0.5, 3, feFixA},
    {dkInverseUniform, rtOutsideCC, 2, 5, 0.5, 4, feFixB},
    {dkInverseExponential, rtBelowA, 2, 0, 1e-12, 0},
    {dkInverseExponential, rtAboveA, 2, 0, 1e-100, 0},
    {dkInverseExponential, rtAtMostA, 2, 0, 0.9, 0},
    {dkInverseExponential, rtInsideOO, 2, 0, 0.3, 1, feFixA},
    {dkInverseExponential, rtOutsideCC, 2, 0, 0.5, 3, feFixB},
    {dkGamma, rtBelowA, 2.5, 3, 1, 0},
    {dkGamma, rtBelowA, 2.5, 3, 1e-6, 0},
    {dkGamma, rtAboveA, 2.5, 3, 300, 0},
    {dkGamma, rtAboveA, 1.7, 2, 5, 0},
    {dkGamma, rtInsideCC, 2.5, 3, 2, 4},
    {dkGamma, rtInsideOO, 2, 3, 60, 70},
    {dkGamma, rtOutsideOO, 2.5, 3, 1, 20},
    {dkInverseGamma, rtBelowA, 2.5, 3, 0.3, 0},
    {dkInverseGamma, rtBelowA, 2.5, 3, 1e-10, 0},
    {dkInverseGamma, rtAboveA, 2.5, 3, 1e-12, 0},
    {dkInverseGamma, rtAtMostA, 1.7, 2, 0.9, 0},
    {dkInverseGamma, rtAboveA, 1.7, 2, 0.2, 0},
    {dkInverseGamma, rtInsideOO, 2.5, 3, 0.2, 10, feFixB},
    {dkInverseGamma, rtOutsideOC, 2.5, 3, 0.3, 2, feFixA},
    {dkBeta, rtBelowA, 2.5, 3, 0.3, 0},
    {dkBeta, rtBelowA, 2.5, 3, 1e-5, 0},
    {dkBeta, rtAboveA, 2.5, 3, 0.999, 0},
    {dkBeta, rtAboveA, 2, 50, 0.6, 0},
    {dkBeta, rtInsideCO, 2.5, 3, 0.2, 0.6},
    {dkBeta, rtInsideOO, 2, 50, 0.2, 0.3},
    {dkBeta, rtOutsideCC, 2.5, 3, 0.1, 0.9},
    {dkInverseBeta, rtBelowA, 2.5, 3, 0.3, 0},
    {dkInverseBeta, rtBelowA, 2.5, 3, 1e-12, 0},
    {dkInverseBeta, rtAboveA, 2.5, 3, 1e-12, 0},
    {dkInverseBeta, rtAtMostA, 2.5, 3, 0.95, 0},
    {dkInverseBeta, rtInsideOO, 2.5, 3, 0.25, 0.4, feFixA},
    {dkInverseBeta, rtOutsideOO, 2.5, 3, 0.3, 0.8, feFixB},
};

ProbabilityRequest RequestOf(const Row& row) {
  return {row.kind,
          row.range,
          row.fixed_end,
          RealField(row.first),
          RealField(row.second),
          RealField(row.a),
          RealField(row.b),
          RealField(row.third)};
}

bool HasProgram(const std::string& name) {
  return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// CI installs both tools, so there a missing one fails the test instead of skipping it.
bool InCi() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && std::string(ci) == "true";
}

// A folder of its own for one run, removed at the end.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zudira-lines-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The numbers of a tool's output, one a line; text that is no number (an error) reads as NaN.
std::vector<double> ReadValues(const std::string& file) {
  std::vector<double> values;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    std::string text;
    for (char c : line) {
      if (c == ',') c = '.';
      if (c != '"' && c != '\r') text += c;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    values.push_back(end != text.c_str() && *end == '\0' ? value : std::nan(""));
  }
  return values;
}

// The tools compute in double precision; Calc writes 15 digits and its inverses iterate, R
// does better. A line that loses digits in a small tail misses by far more.
void ExpectPreciseAnswers(const std::vector<double>& values, const std::vector<std::string>& lines,
                          Real tolerance, const char* tool) {
  ASSERT_EQ(values.size(), std::size(kRows)) << tool << " gave too few values";
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    SCOPED_TRACE(lines[i]);
    const EvaluationOutcome outcome =
        EvaluateRequest(RequestOf(kRows[i]), CalculationMode::kPrecise);
    ASSERT_TRUE(outcome.IsAnswer()) << outcome.ErrorText();
    const Real expected = outcome.Value();
    EXPECT_LE(std::fabs(values[i] - expected), tolerance * std::fabs(expected) + 1e-300L)
        << tool << ": " << lines[i] << " gave " << values[i] << ", the answer is "
        << static_cast<double>(expected);
  }
}

TEST(CopiedLines, RLinesGiveThePreciseAnswerInR) {
  if (!HasProgram("Rscript")) {
    const char* missing = "R (Rscript, Debian r-base-core) is not installed";
    if (InCi()) FAIL() << missing;
    GTEST_SKIP() << missing;
  }
  WorkFolder folder;
  ASSERT_FALSE(folder.path().empty());
  std::vector<std::string> lines;
  std::ofstream script(folder.path() + "/lines.R");
  for (const Row& row : kRows) {
    lines.push_back(CalculationText(RequestOf(row), "", '.').r);
    script << "cat(sprintf('%.17g\\n', tryCatch(" << lines.back()
           << ", error = function(e) NaN)))\n";
  }
  script.close();
  const std::string out = folder.path() + "/values.txt";
  ASSERT_EQ(std::system(("Rscript --vanilla " + folder.path() + "/lines.R > " + out).c_str()), 0);
  ExpectPreciseAnswers(ReadValues(out), lines, 1e-10L, "R");
}

// Pasted into Calc with the locale's settings: each formula is a line of a text file that
// Calc opens with formulas evaluated and writes back as values.
void ExpectCalcGivesThePreciseAnswers(const char* locale, const char* language,
                                      char decimal_separator) {
  if (!HasProgram("soffice")) {
    const char* missing =
        "LibreOffice Calc (soffice, Debian libreoffice-calc-nogui) is not installed";
    if (InCi()) FAIL() << missing;
    GTEST_SKIP() << missing;
  }
  WorkFolder folder;
  ASSERT_FALSE(folder.path().empty());
  std::vector<std::string> lines;
  std::ofstream sheet(folder.path() + "/lines.csv");
  for (const Row& row : kRows) {
    lines.push_back(CalculationText(RequestOf(row), "", decimal_separator).sheet);
    sheet << lines.back() << "\n";
  }
  sheet.close();
  // Tab-separated text in UTF-8, the formulas evaluated; its own profile, so that it neither
  // meets a running Calc nor leaves settings behind.
  const std::string options =
      std::string("9,34,76,1,,") + language + ",false,false,false,false,false";
  const std::string command = std::string("LC_ALL=") + locale + " LANG=" + locale +
                              " soffice -env:UserInstallation=file://" + folder.path() +
                              "/profile --headless --infilter=CSV:" + options + ",-1,true" +
                              " --convert-to 'csv:Text - txt - csv (StarCalc):" + options +
                              "' --outdir " + folder.path() + "/out " + folder.path() +
                              "/lines.csv > " + folder.path() + "/soffice.log 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  ExpectPreciseAnswers(ReadValues(folder.path() + "/out/lines.csv"), lines, 1e-9L, locale);
}

TEST(CopiedLines, FormulasGiveThePreciseAnswerInEnglishCalc) {
  ExpectCalcGivesThePreciseAnswers("en_US.UTF-8", "1033", '.');
}

TEST(CopiedLines, FormulasGiveThePreciseAnswerInGermanCalc) {
  ExpectCalcGivesThePreciseAnswers("de_DE.UTF-8", "1031", ',');
}

}  // namespace
}  // namespace zudira
