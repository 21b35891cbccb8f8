#include "numeric/markup.h"

#include <gtest/gtest.h>

namespace zudira {
namespace {

constexpr MarkupFont S = MarkupFont::mfSymbol;

struct ParseCase {
  std::u32string caption;
  std::u32string shown;
  std::u32string fonts;  // one letter per piece: L label font, S symbol font
};

TEST(MarkupTest, CaptionsParseIntoOneCharacterPiecesWithTheirFont) {
  const ParseCase cases[] = {
      {U"P(X ^L A)", U"P(X \u2264 A)", U"LLLLSLLL"},
      {U"P(X ^G A)", U"P(X \u2265 A)", U"LLLLSLLL"},
      {U"Mean (^m):", U"Mean (\u03BC):", U"LLLLLLSLL"},
      {U"Standard Dev (^s):", U"Standard Dev (\u03C3):", U"LLLLLLLLLLLLLLSLL"},
      {U"a^^b", U"a^b", U"LLL"},
      {U"P(A ^L X ^L B)", U"P(A \u2264 X \u2264 B)", U"LLLLSLLLSLLL"},
      // Codes are case-sensitive: an upper M is no mu, a lower l no sign.
      {U"^M^l", U"Ml", U"LL"},
      {U"end^", U"end", U"LLL"},
      {U"^", U"", U""},
      {U"", U"", U""},
      {U"^^^m", U"^\u03BC", U"LS"},
  };
  for (const ParseCase& c : cases) {
    const std::vector<MarkupPiece> pieces = ParseMarkup(c.caption);
    std::u32string shown, fonts;
    for (const MarkupPiece& p : pieces) {
      shown.push_back(p.ch);
      fonts.push_back(p.font == S ? U'S' : U'L');
    }
    EXPECT_EQ(shown, c.shown) << std::string(c.caption.begin(), c.caption.end());
    EXPECT_EQ(fonts, c.fonts) << std::string(c.caption.begin(), c.caption.end());
    EXPECT_EQ(MarkupPlainText(c.caption), c.shown);
  }
}

TEST(MarkupTest, LayoutAdvancesByEachPieceWidthInItsFont) {
  // Symbol pieces are 7 wide, label pieces 5: the pen moves by the width of the font in use.
  const PieceWidth width = [](const MarkupPiece& p) { return p.font == S ? 7.0 : 5.0; };
  const auto placed = LayoutMarkup(ParseMarkup(U"X ^L A"), 2, 100, width);
  ASSERT_EQ(placed.size(), 5u);
  const double xs[] = {2, 7, 12, 19, 24};
  for (std::size_t i = 0; i < placed.size(); ++i) EXPECT_DOUBLE_EQ(placed[i].x, xs[i]) << i;
  EXPECT_EQ(placed[2].piece, (MarkupPiece{U'\u2264', S}));
  EXPECT_DOUBLE_EQ(MarkupWidth(ParseMarkup(U"X ^L A"), width), 27);
}

TEST(MarkupTest, LayoutStopsAtTheFirstPieceStartingAtOrBeyondTheRightEdge) {
  const PieceWidth width = [](const MarkupPiece&) { return 10.0; };
  const auto pieces = ParseMarkup(U"abcdefgh");
  struct {
    double right;
    std::size_t drawn;
  } cases[] = {{0, 0}, {1, 1}, {25, 3}, {30, 3}, {31, 4}, {1000, 8}};
  for (const auto& c : cases) {
    const auto placed = LayoutMarkup(pieces, 0, c.right, width);
    EXPECT_EQ(placed.size(), c.drawn) << "right " << c.right;
    // The last one drawn may run past the edge (it is clipped), but it starts inside.
    if (!placed.empty()) {
      EXPECT_LT(placed.back().x, c.right);
    }
  }
}

}  // namespace
}  // namespace zudira
