// The program's eight appearance settings, their two presets and their place in the user's
// settings store. The record is program-wide (Appearance()); pure code is given plain values
// taken from it, never the record itself.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "appearance/colour_value.h"
#include "appearance/settings_keys.h"

class QSettings;

namespace zudira {

struct AppearanceSettings {
  ColourValue ReadOnlyColour = 13417909;             // 0xCCBDB5, light blue-grey
  ColourValue HeadingColour = 0x800000;              // navy
  ColourValue PickListColour = 12639424;             // 0xC0DCC0, money green
  ColourValue PickListSelectionColour = 0x800000;    // navy
  ColourValue PickListSelectionBGColour = 15780518;  // 0xF0CAA6, sky blue
  int HintState = 2;  // 0 no hints, 1 standard tooltips, 2 balloon hints
  bool FlatToolButtons = true;
  bool FlatComboBoxes = true;

  bool operator==(const AppearanceSettings&) const = default;
};

// The one record of the running program; it starts with the Enhanced values. It lives here
// rather than in the application object because every widget and report window, all below
// app/, reads it, as they read the one palette of QApplication.
AppearanceSettings& Appearance();

void SetEnhancedPreset(AppearanceSettings& settings);
void SetConservativePreset(AppearanceSettings& settings);
void SetEnhancedPreset();      // on Appearance()
void SetConservativePreset();  // on Appearance()

// The user's settings store of the program (organisation "Rozuviza").
std::unique_ptr<QSettings> OpenUserSettings();

// Writes the settings store out; empty when that worked, else the warning for the user, which
// names the settings file and why it could not be written.
QString SettingsSaveFailure(QSettings& store);

// Reads each of the eight values that exists under key + "/Defaults". A value whose text is
// no decimal 32-bit number, or a Hint State outside 0..2, leaves its setting as it was;
// booleans are true for every number but 0.
void ReadSettings(QSettings& store, const QString& key, AppearanceSettings& settings);
// Writes all eight values as decimal texts: colours as signed 32-bit numbers (system
// colours come out negative), booleans as "1" and "0".
void WriteSettings(QSettings& store, const QString& key, const AppearanceSettings& settings);

}  // namespace zudira
