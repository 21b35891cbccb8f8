// The range pictures: the main window's picture list (the range pictures around the
// Calculate glyph) and the family pictures the About box shows.
#pragma once

#include <QImage>
#include <vector>

#include "core/request.h"

namespace zudira {

// Size of a range picture (the main window's Image).
inline constexpr int kPictureWidth = 154;
inline constexpr int kPictureHeight = 97;

// The 19 pictures of the main window, in catalogue numbering: 0-4 the density curve with the
// area of range family 0-4 filled, 5 the Calculate glyph, 6-18 the bars of range type 0-12
// with the counted values filled.
std::vector<QImage> DrawRangePictures(qreal ratio = 1);

// The picture of one range family on a density curve; of one range type on bars.
QImage DrawFamilyPicture(RangeFamily family, qreal ratio = 1);
QImage DrawDiscretePicture(RangeType range, qreal ratio = 1);

// The bars of the discrete pictures: values 0 .. kBarCount-1, A and B at these values.
inline constexpr int kBarCount = 9;
inline constexpr int kBarA = 3;
inline constexpr int kBarB = 5;

}  // namespace zudira
