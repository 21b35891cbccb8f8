#include <gtest/gtest.h>

#include "core/range_counts.h"
#include "request_builders.h"

namespace zudira {
namespace {

using testing::AnswerOf;
using testing::BinomialRequest;

// The values a range type counts are the ones whose probabilities its answer sums, so the bar
// pictures fill exactly what the calculation adds up.
TEST(RangeCounts, CountsTheValuesTheAnswerSums) {
  constexpr int kN = 10;
  for (const auto& [a, b] : {std::pair{3, 6}, std::pair{4, 4}, std::pair{6, 3}}) {
    for (int r = 0; r < kRangeTypeCount; ++r) {
      const auto range = static_cast<RangeType>(r);
      Real sum = 0;
      for (int k = 0; k <= kN; ++k) {
        if (RangeCounts(range, k, a, b)) sum += AnswerOf(BinomialRequest(rtEqualA, 0.3L, kN, k));
      }
      EXPECT_NEAR(sum, AnswerOf(BinomialRequest(range, 0.3L, kN, a, b)), 1e-15)
          << "range " << r << ", a " << a << ", b " << b;
    }
  }
}

}  // namespace
}  // namespace zudira
