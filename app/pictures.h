// The pictures the program draws for itself: the main window's picture list (the range
// pictures and the Calculate glyph) and the shared list of button glyphs.
#pragma once

#include <QImage>
#include <vector>

#include "core/request.h"

namespace zudira {

// Size of a range picture (the main window's Image).
inline constexpr int kPictureWidth = 154;
inline constexpr int kPictureHeight = 97;

// Every drawing takes the device pixel ratio to draw for: at 2 the picture has twice the
// pixels each way and the same logical size, so it stays sharp on a scaled desktop.

// The 19 pictures of the main window, in catalogue numbering: 0-4 the density curve with the
// area of range family 0-4 filled, 5 the Calculate glyph, 6-18 the bars of range type 0-12
// with the counted values filled.
std::vector<QImage> DrawRangePictures(qreal ratio = 1);

// The picture of one range family on a density curve; of one range type on bars.
QImage DrawFamilyPicture(RangeFamily family, qreal ratio = 1);
QImage DrawDiscretePicture(RangeType range, qreal ratio = 1);
QImage DrawCalculateGlyph(qreal ratio = 1);

// The bars of the discrete pictures: values 0 .. kBarCount-1, A and B at these values.
inline constexpr int kBarCount = 9;
inline constexpr int kBarA = 3;
inline constexpr int kBarB = 5;
// Whether the value k lies in the range (the event of the range type, with A and B as above).
bool RangeCounts(RangeType range, int k, int a = kBarA, int b = kBarB);

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

// All glyphs in index order.
std::vector<QImage> DrawGlyphs(qreal ratio = 1);
// One glyph; an index outside the list gives a null image.
QImage DrawGlyph(int index, qreal ratio = 1);

}  // namespace zudira
