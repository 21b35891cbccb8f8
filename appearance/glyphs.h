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
  gPlot,
};
inline constexpr int kGlyphCount = 32;
inline constexpr int kGlyphSize = 16;

// Every drawing takes the device pixel ratio to draw for: at 2 the picture has twice the
// pixels each way and the same logical size, so it stays sharp on a scaled desktop.

// All glyphs in index order.
std::vector<QImage> DrawGlyphs(qreal ratio = 1);
// One glyph; an index outside the list gives a null image.
QImage DrawGlyph(int index, qreal ratio = 1);

// The 28-pixel glyph of the main window's Calculate button.
QImage DrawCalculateGlyph(qreal ratio = 1);

// An image of the logical size with `ratio` device pixels per logical pixel; painting on it
// takes logical coordinates.
QImage ScaledImage(int width, int height, qreal ratio);

}  // namespace zudira
