// The small markup of the symbol labels: "^" followed by a code switches one character to the
// symbol font ("^m" mu, "^s" sigma, "^L" less-or-equal, "^G" greater-or-equal, "^^" a literal
// circumflex). Parsing and placing are pure so the label widget only measures and draws.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zudira {

inline constexpr char32_t kMarkupEscape = U'^';

enum class MarkupFont { mfLabel, mfSymbol };

// One drawn character and the font it is drawn in.
struct MarkupPiece {
  char32_t ch = 0;
  MarkupFont font = MarkupFont::mfLabel;

  bool operator==(const MarkupPiece&) const = default;
};

// The pieces of a caption, one per drawn character, left to right. The codes are
// case-sensitive; a trailing "^" draws nothing. An escape before a character outside the code
// table draws that character in the label's font.
std::vector<MarkupPiece> ParseMarkup(std::u32string_view caption);

// The caption as a person reads it (the symbols as Unicode characters).
std::u32string MarkupPlainText(std::u32string_view caption);

struct PlacedPiece {
  MarkupPiece piece;
  double x = 0;
};

using PieceWidth = std::function<double(const MarkupPiece&)>;

// Places the pieces from `left`, each advancing the pen by its width. A piece is placed only
// while the pen is left of `right` (exclusive), so a caption wider than the label stops at the
// first character that would start beyond its right edge.
std::vector<PlacedPiece> LayoutMarkup(const std::vector<MarkupPiece>& pieces, double left,
                                      double right, const PieceWidth& width);

// The width of all pieces side by side.
double MarkupWidth(const std::vector<MarkupPiece>& pieces, const PieceWidth& width);

}  // namespace zudira
