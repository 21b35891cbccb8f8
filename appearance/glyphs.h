// The one glyph painter: the shared list of 16-pixel button glyphs that every window (and the
// pop-up calculator) takes its pictures from, and the main window's Calculate glyph.
#pragma once

#include <QImage>
#include <vector>

namespace zudira {

// Indices into the shared glyph list; every glyph is 16 by 16 pixels.
enum Glyph : int {
  gPrint = 0,
  gPreferences,
  gEnhancedDefaults,
  gConservativeDefaults,
  gAbout,
  gContextHelp,
  gExit,
  gCalculator,
  gPower,
  gSquare,
  gSquareRoot,
  gInverse,
  gTransfer,
  gCopy,
  gPaste,
  gFirstPage,
  gPriorPage,
  gNextPage,
  gLastPage,
  gZoomIn,
  gZoomOut,
  gPrinterSetup,
  gPreview,
  gFind,
  gList,
  gOpen,
  gCancel,
  gOK,
  gSavePdf,
  gZoomPageWidth,
  gZoomPage,
};
inline constexpr int kGlyphCount = 31;
inline constexpr int kGlyphSize = 16;

// All glyphs in index order.
std::vector<QImage> DrawGlyphs();
// One glyph; an index outside the list gives a null image.
QImage DrawGlyph(int index);

// The 28-pixel glyph of the main window's Calculate button.
QImage DrawCalculateGlyph();

}  // namespace zudira
