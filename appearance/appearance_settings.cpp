#include "appearance/appearance_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>

namespace zudira {
namespace {

// One entry per stored value, in the order they are read and written.
struct Entry {
  const char* name;
  ColourValue AppearanceSettings::*colour;
  int AppearanceSettings::*integer;
  bool AppearanceSettings::*flag;
};

const std::array<Entry, 8> kEntries = {{
    {"Read Only Colour", &AppearanceSettings::ReadOnlyColour, nullptr, nullptr},
    {"Heading Colour", &AppearanceSettings::HeadingColour, nullptr, nullptr},
    {"Pick List Colour", &AppearanceSettings::PickListColour, nullptr, nullptr},
    {"Pick List Selection Colour", &AppearanceSettings::PickListSelectionColour, nullptr, nullptr},
    {"Pick List Selection BG Colour", &AppearanceSettings::PickListSelectionBGColour, nullptr,
     nullptr},
    {"Hint State", nullptr, &AppearanceSettings::HintState, nullptr},
    {"Flat Tool Buttons", nullptr, nullptr, &AppearanceSettings::FlatToolButtons},
    {"Flat ComboBoxes", nullptr, nullptr, &AppearanceSettings::FlatComboBoxes},
}};

QString DefaultsGroup(const QString& key) {
  return key + QStringLiteral("/Defaults");
}

}  // namespace

AppearanceSettings& Appearance() {
  static AppearanceSettings settings;
  return settings;
}

void SetEnhancedPreset(AppearanceSettings& settings) {
  settings = AppearanceSettings{};
}

void SetConservativePreset(AppearanceSettings& settings) {
  settings.ReadOnlyColour = SystemColour(kColourBtnFace);
  settings.HeadingColour = SystemColour(kColourHighlight);
  settings.PickListColour = SystemColour(kColourWindow);
  settings.PickListSelectionColour = SystemColour(kColourHighlightText);
  settings.PickListSelectionBGColour = SystemColour(kColourHighlight);
  settings.HintState = 1;
  settings.FlatToolButtons = false;
  settings.FlatComboBoxes = false;
}

void SetEnhancedPreset() {
  SetEnhancedPreset(Appearance());
}
void SetConservativePreset() {
  SetConservativePreset(Appearance());
}

std::unique_ptr<QSettings> OpenUserSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Rozuviza"), QStringLiteral("Zudira"));
}

void ReadSettings(QSettings& store, const QString& key, AppearanceSettings& settings) {
  store.beginGroup(DefaultsGroup(key));
  for (const Entry& e : kEntries) {
    const QVariant stored = store.value(QString::fromLatin1(e.name));
    if (!stored.isValid()) continue;
    bool ok = false;
    const int value = stored.toString().trimmed().toInt(&ok, 10);
    if (!ok) continue;
    if (e.colour) settings.*e.colour = static_cast<ColourValue>(value);
    if (e.integer && value >= 0 && value <= 2) settings.*e.integer = value;
    if (e.flag) settings.*e.flag = value != 0;
  }
  store.endGroup();
}

void WriteSettings(QSettings& store, const QString& key, const AppearanceSettings& settings) {
  store.beginGroup(DefaultsGroup(key));
  for (const Entry& e : kEntries) {
    int value = 0;
    if (e.colour) value = static_cast<std::int32_t>(settings.*e.colour);
    if (e.integer) value = settings.*e.integer;
    if (e.flag) value = settings.*e.flag ? 1 : 0;
    store.setValue(QString::fromLatin1(e.name), QString::number(value));
  }
  store.endGroup();
}

QString SettingsSaveFailure(QSettings& store) {
  store.sync();
  if (store.status() == QSettings::NoError) return {};
  const QString path = QDir::toNativeSeparators(store.fileName());
  const QFileInfo file(store.fileName());
  QString reason;
  if (file.isDir()) {
    reason = QStringLiteral("There is a folder of that name.");
  } else if (file.isSymLink() && !file.exists()) {
    reason = QStringLiteral("It is a link to a file that does not exist.");
  } else if (file.exists() && !file.isWritable()) {
    reason = QStringLiteral("The file cannot be written.");
  } else {
    reason = QStringLiteral("Its folder cannot be written.");
  }
  return QStringLiteral(
             "Your settings could not be saved to \"%1\". %2\n"
             "The changes of this session are lost.")
      .arg(path, reason);
}

}  // namespace zudira
