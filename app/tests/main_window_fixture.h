// Shared set-up of the main-window tests: a private settings folder, and helpers that act on
// the window's controls by name as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>

#include "app/main_window/main_window.h"
#include "app/shell/message_boxes.h"
#include "app/shell/zudira_application.h"
#include "appearance/appearance_settings.h"
#include "core/catalogue.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace zudira {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settings_dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir_.path());
    Appearance() = AppearanceSettings{};
    // A box no test asked for fails the test instead of waiting for a click that never comes;
    // a test that expects boxes installs its own ScopedBoxScript over this one.
    previous_script_ = ZudiraApplication::Instance()->InstallBoxScript([](const ShownBox& box) {
      ADD_FAILURE() << "unexpected box: " << box.text.toStdString();
      return BoxAnswer{true, box.initial_text};
    });
  }

  void TearDown() override {
    ZudiraApplication::Instance()->InstallBoxScript(std::move(previous_script_));
    Appearance() = AppearanceSettings{};
  }

  QString SettingsFile() const { return settings_dir_.path() + "/Rozuviza/Zudira.conf"; }

  static std::unique_ptr<TPDFMainForm> MakeWindow() {
    auto window = std::make_unique<TPDFMainForm>();
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  template <typename T>
  static T* Get(TPDFMainForm& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static TDuzEdit3* Field(TPDFMainForm& w, const char* name) { return Get<TDuzEdit3>(w, name); }
  static QComboBox* Combo(TPDFMainForm& w, const char* name) { return Get<QComboBox>(w, name); }
  static QString LabelText(TPDFMainForm& w, const char* name) {
    return Get<TDuzLabel>(w, name)->text();
  }
  static bool Shown(TPDFMainForm& w, const char* name) {
    return Get<QWidget>(w, name)->isVisible();
  }

  static void ChooseKind(TPDFMainForm& w, DistributionKind kind) {
    Combo(w, "PDFType")->setCurrentIndex(DistributionListRow(kind));
  }
  static void ChooseRange(TPDFMainForm& w, RangeType range) {
    const QByteArray name = "PDFRangeItem" + QByteArray::number(static_cast<int>(range));
    Get<QRadioButton>(w, name.constData())->click();
  }
  // Types into a field and leaves it, so the field takes the text over.
  static void Type(TPDFMainForm& w, const char* name, const QString& text) {
    TDuzEdit3* field = Field(w, name);
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, text);
    Combo(w, "PDFType")->setFocus(Qt::TabFocusReason);
  }
  // Options > Precise Results set as the test needs it (a new user starts precise).
  static void UseMode(TPDFMainForm& w, CalculationMode mode) {
    for (QAction* action : w.findChildren<QAction*>())
      if (action->isCheckable() && action->text() == "Precise &Results")
        action->setChecked(mode == CalculationMode::kPrecise);
    ASSERT_EQ(w.Mode(), mode);
  }
  static void Calculate(TPDFMainForm& w) {
    QTest::mouseClick(Get<QPushButton>(w, "CalcBtn"), Qt::LeftButton);
  }

 private:
  QTemporaryDir settings_dir_;
  BoxScript previous_script_;
};

}  // namespace zudira
