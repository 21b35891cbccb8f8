#include "numeric/markup.h"

namespace zudira {

namespace {

// The legacy symbol face put mu, sigma, <= and >= at "m", "s", 0xA3 and 0xB3; here the
// code names the Unicode character directly.
bool SymbolForCode(char32_t code, char32_t& symbol) {
  switch (code) {
    case U'm':
      symbol = U'\u03BC';
      return true;
    case U's':
      symbol = U'\u03C3';
      return true;
    case U'L':
      symbol = U'\u2264';
      return true;
    case U'G':
      symbol = U'\u2265';
      return true;
    default:
      return false;
  }
}

}  // namespace

std::vector<MarkupPiece> ParseMarkup(std::u32string_view caption) {
  std::vector<MarkupPiece> pieces;
  pieces.reserve(caption.size());
  bool escape = false;
  for (char32_t ch : caption) {
    if (escape) {
      escape = false;
      char32_t symbol = 0;
      if (SymbolForCode(ch, symbol)) {
        pieces.push_back({symbol, MarkupFont::mfSymbol});
      } else {
        pieces.push_back({ch, MarkupFont::mfLabel});
      }
    } else if (ch == kMarkupEscape) {
      escape = true;
    } else {
      pieces.push_back({ch, MarkupFont::mfLabel});
    }
  }
  return pieces;
}

std::u32string MarkupPlainText(std::u32string_view caption) {
  std::u32string text;
  for (const MarkupPiece& piece : ParseMarkup(caption)) text.push_back(piece.ch);
  return text;
}

std::vector<PlacedPiece> LayoutMarkup(const std::vector<MarkupPiece>& pieces, double left,
                                      double right, const PieceWidth& width) {
  std::vector<PlacedPiece> placed;
  double pen = left;
  for (const MarkupPiece& piece : pieces) {
    if (pen >= right) break;
    placed.push_back({piece, pen});
    pen += width(piece);
  }
  return placed;
}

double MarkupWidth(const std::vector<MarkupPiece>& pieces, const PieceWidth& width) {
  double total = 0;
  for (const MarkupPiece& piece : pieces) total += width(piece);
  return total;
}

}  // namespace zudira
