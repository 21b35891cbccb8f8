#include "reports/report_job.h"

#include <gtest/gtest.h>

namespace zudira {
namespace {

TEST(PageSelectionTest, ReadsListsAndRangesAndRefusesWhatNamesNoPage) {
  struct Case {
    const char* text;
    int page_count;
    std::optional<std::vector<int>> pages;
  };
  const Case cases[] = {
      {"1,3,5-7", 9, std::vector<int>{1, 3, 5, 6, 7}},
      {" 2 - 3 , 9 ", 9, std::vector<int>{2, 3, 9}},
      {"4", 4, std::vector<int>{4}},
      {"", 4, std::nullopt},
      {"0", 4, std::nullopt},
      {"5", 4, std::nullopt},
      {"3-2", 4, std::nullopt},
      {"1-2-3", 4, std::nullopt},
      {"1,,2", 4, std::nullopt},
      {"a", 4, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParsePageSelection(QString::fromUtf8(c.text), c.page_count), c.pages) << c.text;
}

TEST(PrintRangeTest, PagesOutsideTheStreamAreRefusedAndSoundRangesPrintTheirPages) {
  ReportSetup all;
  EXPECT_FALSE(PrintRangeProblem(all, 3));
  EXPECT_EQ(PagesToPrint(all, 3), (std::vector<int>{1, 2, 3}));

  ReportSetup pages;
  pages.range = PrintRange::kPages;
  pages.from_page = 2;
  pages.to_page = 3;
  EXPECT_FALSE(PrintRangeProblem(pages, 3));
  EXPECT_EQ(PagesToPrint(pages, 3), (std::vector<int>{2, 3}));
  for (auto [from, to] : {std::pair{0, 2}, std::pair{2, 4}, std::pair{3, 2}}) {
    pages.from_page = from;
    pages.to_page = to;
    EXPECT_TRUE(PrintRangeProblem(pages, 3)) << from << ".." << to;
  }

  ReportSetup selection;
  selection.range = PrintRange::kSelection;
  selection.selection = QStringLiteral("1-2,x");
  EXPECT_TRUE(PrintRangeProblem(selection, 3));
  EXPECT_TRUE(PagesToPrint(selection, 3).empty());
}

}  // namespace
}  // namespace zudira
