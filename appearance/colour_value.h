// The program's 32-bit colour values: 0x00BBGGRR for a fixed colour (red in the low byte),
// or 0x80000000 plus a system colour index for a colour of the desktop's palette.
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace zudira {

using ColourValue = std::uint32_t;

inline constexpr ColourValue kSystemColourFlag = 0x80000000u;

// System colour indices as the stored values number them.
inline constexpr int kColourWindow = 5;
inline constexpr int kColourWindowText = 8;
inline constexpr int kColourHighlight = 13;
inline constexpr int kColourHighlightText = 14;
inline constexpr int kColourBtnFace = 15;

constexpr ColourValue SystemColour(int index) {
  return kSystemColourFlag | static_cast<ColourValue>(index);
}
constexpr bool IsSystemColour(ColourValue v) {
  return (v & 0xFF000000u) == kSystemColourFlag;
}

// The palette role that stands for a system colour index on this desktop.
QPalette::ColorRole SystemColourRole(int index);

// A system colour is taken from the palette (the application's palette by default); any
// other value from its low three bytes.
QColor ColourFromValue(ColourValue value, const QPalette& palette);
QColor ColourFromValue(ColourValue value);

// The fixed colour value (0x00BBGGRR) of a colour.
ColourValue ValueFromColour(const QColor& colour);

}  // namespace zudira
