#include "appearance/colour_value.h"

#include <QGuiApplication>

namespace zudira {

QPalette::ColorRole SystemColourRole(int index) {
  switch (index) {
    case 0:
      return QPalette::Button;  // scroll bar
    case 1:
      return QPalette::Window;  // desktop
    case 2:
      return QPalette::Highlight;  // active caption
    case 3:
      return QPalette::Mid;  // inactive caption
    case 4:
      return QPalette::Window;  // menu
    case 5:
      return QPalette::Base;  // window (the background of fields and lists)
    case 6:
      return QPalette::Shadow;  // window frame
    case 7:
      return QPalette::WindowText;  // menu text
    case 8:
      return QPalette::Text;  // window text
    case 9:
      return QPalette::HighlightedText;  // caption text
    case 10:
      return QPalette::Window;  // active border
    case 11:
      return QPalette::Window;  // inactive border
    case 12:
      return QPalette::Dark;  // application workspace
    case 13:
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    case 15:
      return QPalette::Button;  // button face
    case 16:
      return QPalette::Dark;  // button shadow
    case 17:
      return QPalette::PlaceholderText;  // grey text
    case 18:
      return QPalette::ButtonText;
    case 19:
      return QPalette::Text;  // inactive caption text
    case 20:
      return QPalette::Light;  // button highlight
    case 21:
      return QPalette::Shadow;  // 3-D dark shadow
    case 22:
      return QPalette::Midlight;  // 3-D light
    case 23:
      return QPalette::ToolTipText;
    case 24:
      return QPalette::ToolTipBase;
    case 26:
      return QPalette::Link;  // hot-tracked item
    case 27:
    case 28:
    case 29:
      return QPalette::Highlight;  // caption gradients, menu highlight
    default:
      return QPalette::Window;  // menu bar and unknown indices
  }
}

QColor ColourFromValue(ColourValue value, const QPalette& palette) {
  if (IsSystemColour(value))
    return palette.color(QPalette::Active, SystemColourRole(static_cast<int>(value & 0xFFFFFFu)));
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QColor ColourFromValue(ColourValue value) {
  return ColourFromValue(value, qGuiApp ? QGuiApplication::palette() : QPalette());
}

ColourValue ValueFromColour(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<ColourValue>(rgb.red()) | (static_cast<ColourValue>(rgb.green()) << 8) |
         (static_cast<ColourValue>(rgb.blue()) << 16);
}

}  // namespace zudira
