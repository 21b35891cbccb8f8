#include "appearance/appearance_settings.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace zudira {
namespace {

const QString kDefaults = kZudiraSettingsKey + "/Defaults/";

class AppearanceStore : public ::testing::Test {
 protected:
  QSettings Open() { return QSettings(dir_.filePath("zudira.conf"), QSettings::IniFormat); }
  QTemporaryDir dir_;
};

TEST_F(AppearanceStore, FirstRunKeepsEnhancedAndWritesAllEightValuesAsDecimalText) {
  AppearanceSettings s;
  SetConservativePreset(s);
  SetEnhancedPreset(s);
  {
    QSettings store = Open();
    ReadSettings(store, kZudiraSettingsKey, s);
    EXPECT_EQ(s, AppearanceSettings{});
    SetConservativePreset(s);
    s.HintState = 0;
    WriteSettings(store, kZudiraSettingsKey, s);
  }
  QSettings store = Open();
  const std::pair<const char*, const char*> expected[] = {
      {"Read Only Colour", "-2147483633"},
      {"Heading Colour", "-2147483635"},
      {"Pick List Colour", "-2147483643"},
      {"Pick List Selection Colour", "-2147483634"},
      {"Pick List Selection BG Colour", "-2147483635"},
      {"Hint State", "0"},
      {"Flat Tool Buttons", "0"},
      {"Flat ComboBoxes", "0"},
  };
  for (const auto& [name, text] : expected) {
    const QVariant v = store.value(kDefaults + name);
    EXPECT_EQ(v.typeId(), QMetaType::QString) << name;
    EXPECT_EQ(v.toString(), QString(text)) << name;
  }
  AppearanceSettings back;
  ReadSettings(store, kZudiraSettingsKey, back);
  EXPECT_EQ(back, s);
  EXPECT_EQ(back.ReadOnlyColour, 0x8000000Fu);

  SetEnhancedPreset(back);
  WriteSettings(store, kZudiraSettingsKey, back);
  EXPECT_EQ(store.value(kDefaults + "Read Only Colour").toString(), "13417909");
  EXPECT_EQ(store.value(kDefaults + "Pick List Selection BG Colour").toString(), "15780518");
  EXPECT_EQ(store.value(kDefaults + "Flat ComboBoxes").toString(), "1");
}

TEST_F(AppearanceStore, StoredTextsReadAsNumbersAndCorruptOnesAreIgnored) {
  AppearanceSettings enhanced, flat_off, grey, hint0;
  flat_off.FlatToolButtons = false;
  grey.ReadOnlyColour = 0x8000000Fu;
  hint0.HintState = 0;
  struct Case {
    const char* name;
    const char* text;
    AppearanceSettings before;
    AppearanceSettings expected;
  } cases[] = {
      {"Flat Tool Buttons", "0", enhanced, flat_off},
      {"Flat Tool Buttons", "7", flat_off, enhanced},
      {"Flat Tool Buttons", "-1", flat_off, enhanced},
      {"Flat Tool Buttons", "yes", flat_off, flat_off},
      {"Read Only Colour", "-2147483633", enhanced, grey},
      {"Read Only Colour", "not a colour", enhanced, enhanced},
      {"Read Only Colour", "", grey, grey},
      {"Read Only Colour", "99999999999", enhanced, enhanced},
      {"Hint State", " 0 ", enhanced, hint0},
      {"Hint State", "3", enhanced, enhanced},
      {"Hint State", "1.5", enhanced, enhanced},
  };
  for (const Case& c : cases) {
    QSettings store = Open();
    store.clear();
    store.setValue(kDefaults + c.name, QString(c.text));
    AppearanceSettings s = c.before;
    ReadSettings(store, kZudiraSettingsKey, s);
    EXPECT_EQ(s, c.expected) << c.name << " = '" << c.text << "'";
  }
}

TEST(AppearancePresets, ConservativeUsesSystemColoursAndEnhancedTheInitialValues) {
  AppearanceSettings s;
  SetConservativePreset(s);
  EXPECT_EQ(s.ReadOnlyColour, 0x8000000Fu);
  EXPECT_EQ(s.HeadingColour, 0x8000000Du);
  EXPECT_EQ(s.PickListColour, 0x80000005u);
  EXPECT_EQ(s.PickListSelectionColour, 0x8000000Eu);
  EXPECT_EQ(s.PickListSelectionBGColour, 0x8000000Du);
  EXPECT_EQ(s.HintState, 1);
  EXPECT_FALSE(s.FlatToolButtons);
  EXPECT_FALSE(s.FlatComboBoxes);
  SetEnhancedPreset(s);
  EXPECT_EQ(s.ReadOnlyColour, 13417909u);
  EXPECT_EQ(s.HeadingColour, 0x800000u);
  EXPECT_EQ(s.HintState, 2);
  EXPECT_TRUE(s.FlatToolButtons && s.FlatComboBoxes);
}

TEST(ColourValues, FixedColoursAreBgrAndSystemColoursComeFromThePalette) {
  EXPECT_EQ(ColourFromValue(0xCCBDB5u), QColor(0xB5, 0xBD, 0xCC));
  EXPECT_EQ(ColourFromValue(0x800000u), QColor(0, 0, 0x80));
  EXPECT_EQ(ValueFromColour(QColor(0xB5, 0xBD, 0xCC)), 0xCCBDB5u);
  EXPECT_EQ(ValueFromColour(ColourFromValue(15780518u)), 15780518u);
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  palette.setColor(QPalette::Base, QColor(4, 5, 6));
  palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
  EXPECT_EQ(ColourFromValue(0x8000000Fu, palette), QColor(1, 2, 3));
  EXPECT_EQ(ColourFromValue(0x80000005u, palette), QColor(4, 5, 6));
  EXPECT_EQ(ColourFromValue(0x8000000Du, palette), QColor(7, 8, 9));
  EXPECT_TRUE(IsSystemColour(SystemColour(kColourBtnFace)));
  EXPECT_FALSE(IsSystemColour(0x800000u));
}

}  // namespace
}  // namespace zudira
