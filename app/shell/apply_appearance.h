// Pushing the appearance settings onto a window's controls.
#pragma once

#include "appearance/appearance_settings.h"
#include "appearance/sunken_shadow.h"

class QWidget;

namespace zudira {

// For each direct child of `container` (grandchildren are not visited), the first rule that
// matches applies:
//  1. a tool button: flat (auto-raise) when Flat Tool Buttons, raised otherwise; with a
//     sunken-shadow caption also the Heading Colour;
//  2. a combo box (colour boxes included): frameless when Flat ComboBoxes, framed otherwise;
//  3. a numeric field TDuzEdit3: its read-only colour becomes the Read Only Colour;
//  4. a heading label TDuzLabel2: the Heading Colour;
//  5. a symbol label TDuzMathLabel in the recessed style: the Heading Colour;
//  6. another button with a sunken-shadow caption: the Heading Colour;
//  7. a group box with a sunken-shadow caption: its caption in the Heading Colour.
// Other controls are left alone. Reads the settings each time; keeps no state.
void ApplyAppearance(QWidget* container, const AppearanceSettings& settings);
void ApplyAppearance(QWidget* container);  // with Appearance()

}  // namespace zudira
