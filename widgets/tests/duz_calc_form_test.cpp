#include "widgets/duz_calc_form.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "numeric/locale_provider.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

class DuzCalcFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // PopupCalculator opens the user's own store: keep it inside the test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    store_ = std::make_unique<QSettings>(dir_.filePath("calc.ini"), QSettings::IniFormat);
  }

  // Errors the window reports go to reports_.
  CalcServices Reporting() {
    return CalcServices{[this](const QString& m) { reports_ << m; }, nullptr};
  }

  QString Shown(TDuzCalcForm& form, const char* display = "ValueDisplay") {
    return form.findChild<QLabel*>(display)->text();
  }
  void Click(TDuzCalcForm& form, const char* button) {
    QToolButton* b = form.findChild<QToolButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }

  QTemporaryDir dir_;
  std::unique_ptr<QSettings> store_;
  QStringList reports_;
};

TEST_F(DuzCalcFormTest, EveryKeyHasItsNameCaptionHintAndPlace) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  EXPECT_EQ(form.windowTitle(), "Duz Calculator v1.0.2");
  EXPECT_TRUE(form.windowFlags() & Qt::Tool);
  EXPECT_EQ(form.size(), QSize(155, 242));
  struct {
    const char* name;
    QString caption;
    QString hint;
    QRect place;
  } keys[] = {
      {"ZeroBtn", "0", "", {6, 170, 23, 22}},
      {"PointBtn", ".", "", {30, 170, 23, 22}},
      {"ChangeSignBtn", QString::fromUtf8("\u00B1"), "Change Sign", {54, 170, 23, 22}},
      {"NineBtn", "9", "", {54, 104, 23, 22}},
      {"EqualsBtn", "=", "", {80, 193, 69, 22}},
      {"DivideBtn", QString::fromUtf8("\u00F7"), "Divide", {80, 126, 23, 22}},
      {"MultiplyBtn", QString::fromUtf8("\u00D7"), "Multiply", {80, 104, 23, 22}},
      {"MemorySubtractBtn", "M-", "Subtract From Memory", {126, 148, 23, 22}},
      {"MemoryRecall", "MR", "Memory Recall", {126, 170, 23, 22}},
      {"PowerBtn", "", "Raised to the Power of", {8, 79, 23, 22}},
      {"PiButton", QString::fromUtf8("\u03C0"), "Pi (Constant)", {103, 148, 23, 22}},
      {"CopyBtn", "", "Copy Value to ClipBoard", {7, 31, 23, 22}},
      {"CancelBtn", "", "Exit and Do Not Transfer Result", {102, 30, 23, 22}},
      {"BackSpaceBtn", QString::fromUtf8("\u2190"), "BackSpace", {54, 193, 23, 22}},
      {"RadBtn", "rad", "Radians or Degrees", {103, 52, 23, 22}},
      {"TanBtn", "tan", "Tangent of Value", {55, 57, 23, 22}},
  };
  for (const auto& k : keys) {
    QToolButton* b = form.findChild<QToolButton*>(k.name);
    ASSERT_NE(b, nullptr) << k.name;
    EXPECT_EQ(b->text(), k.caption) << k.name;
    EXPECT_EQ(b->toolTip(), k.hint) << k.name;
    EXPECT_EQ(b->geometry(), k.place) << k.name;
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << k.name;
  }
  EXPECT_EQ(form.findChildren<QToolButton*>().size(), 43);
  EXPECT_EQ(form.Bmps().size(), 8);
  QSpinBox* decimals = form.findChild<QSpinBox*>("Decimals");
  ASSERT_NE(decimals, nullptr);
  EXPECT_EQ(decimals->geometry(), QRect(60, 30, 40, 21));
  EXPECT_EQ(decimals->maximum(), 18);
  EXPECT_EQ(decimals->value(), 4);
  EXPECT_EQ(form.findChild<QLabel*>("ValueDisplay")->geometry(), QRect(6, 5, 142, 24));
  EXPECT_EQ(form.findChild<QLabel*>("MemoryDisplay")->toolTip(), "Contents of Memory");
  EXPECT_EQ(Shown(form), "0");
}

TEST_F(DuzCalcFormTest, ButtonsAndKeysReachTheSameKeys) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.show();
  struct {
    const char* button;  // clicked when set, else `keys` are typed
    const char* keys;
    const char* shown;
  } steps[] = {
      {"TwoBtn", nullptr, "2.0000"}, {"AddBtn", nullptr, "2.0000"},
      {nullptr, "3", "3.0000"},      {"MultiplyBtn", nullptr, "3.0000"},
      {nullptr, "4\r", "14.0000"},   {nullptr, "(2+3)*4\r", "20.0000"},
      {nullptr, "12\b", "1.0000"},   {"BackSpaceBtn", nullptr, "0.0000"},
      {nullptr, "7/2", "2.0000"},    {nullptr, "C", "0"},
      {nullptr, "4\r", "1.7500"},    {nullptr, "5+3A", "0"},
      {nullptr, "a", "0"},           {nullptr, "9", "9.0000"},
      {"InvBtn", nullptr, "9.0000"}, {"SquareBtn", nullptr, "3.0000"},
      {"RadBtn", nullptr, "3.0000"}, {nullptr, "30", "30.0000"},
      {"SinBtn", nullptr, "0.5000"}, {"AllClearBtn", nullptr, "0"},
      {nullptr, "7/0\r", "Error!"},
  };
  for (const auto& s : steps) {
    if (s.button != nullptr) {
      Click(form, s.button);
    } else {
      QTest::keyClicks(&form, QString::fromLatin1(s.keys));
    }
    EXPECT_EQ(Shown(form), s.shown) << (s.button ? s.button : s.keys);
  }
  EXPECT_EQ(form.findChild<QToolButton*>("RadBtn")->text(), "deg");
  EXPECT_TRUE(reports_.isEmpty());
  // The keypad's decimal key is the separator even when the keymap sends a comma.
  QTest::keyClicks(&form, "1");
  QTest::keyClick(&form, Qt::Key_Comma, Qt::KeypadModifier);
  QTest::keyClicks(&form, "5");
  EXPECT_EQ(Shown(form), "1.5000");
  QTest::keyClick(&form, Qt::Key_Comma);
  EXPECT_EQ(form.Engine().Entry(), "1.5");
}

TEST_F(DuzCalcFormTest, KeysActOnTheCalculatorWhileTheDecimalsBoxHasTheFocus) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.show();
  QSpinBox* decimals = form.findChild<QSpinBox*>("Decimals");
  decimals->setFocus();
  QTest::keyClicks(decimals, "12");
  EXPECT_EQ(Shown(form), "12.0000");
  EXPECT_EQ(decimals->value(), 4);
  decimals->setValue(1);
  EXPECT_EQ(Shown(form), "12.0");
  EXPECT_EQ(Shown(form, "MemoryDisplay"), "0.0");
}

TEST_F(DuzCalcFormTest, ClipboardKeysCopyTheDisplayAndPasteANumber) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.show();
  QTest::keyClicks(&form, "6/4\r");
  QTest::keyClick(&form, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "1.5000");
  QGuiApplication::clipboard()->setText("2.25");
  QTest::keyClick(&form, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Shown(form), "2.2500");
  QGuiApplication::clipboard()->setText("no number");
  Click(form, "PasteBtn");
  EXPECT_EQ(Shown(form), "0.0000");
  QTest::keyClicks(&form, "7/0\r");
  Click(form, "CopyBtn");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "Error!");
}

TEST_F(DuzCalcFormTest, RightBracketErrorReachesTheErrorReport) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.show();
  QTest::keyClicks(&form, "(7/0)");
  EXPECT_EQ(Shown(form), "Error!");
  EXPECT_EQ(reports_, QStringList{"Division by Zero"});
}

TEST_F(DuzCalcFormTest, WithoutAnInstalledReportTheErrorBoxReadsLikeTheGeneralReport) {
  TDuzCalcForm form(store_.get());
  form.show();
  struct Box {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
  };
  QList<Box> boxes;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    boxes.append(
        {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
    box->accept();
  });
  watcher.start(10);
  struct {
    const char* keys;
    std::string text;
  } cases[] = {{"(7/0)", "Division by Zero."}, {"2+)", "Missing Operand."}};
  for (const auto& c : cases) {
    boxes.clear();
    QTest::keyClicks(&form, QString::fromLatin1(c.keys));
    EXPECT_EQ(Shown(form), "Error!") << c.keys;
    ASSERT_EQ(boxes.size(), 1) << c.keys;
    EXPECT_EQ(boxes[0].title.toStdString(), "Zudira");
    EXPECT_EQ(boxes[0].text.toStdString(), c.text);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].buttons, 1);
  }
}

TEST_F(DuzCalcFormTest, SettingsSurviveBetweenOpeningsAndBadValuesFallBack) {
  {
    TDuzCalcForm form(store_.get(), nullptr, Reporting());
    Click(form, "RadBtn");
    form.findChild<QSpinBox*>("Decimals")->setValue(6);
    QTest::keyClicks(&form, "2.5");
    Click(form, "MemoryAddBtn");
    EXPECT_EQ(Shown(form, "MemoryDisplay"), "2.500000");
  }
  store_->beginGroup(kCalcSettingsKey);
  EXPECT_EQ(store_->value("Radians").toString(), "0");
  EXPECT_EQ(store_->value("Decimals").toString(), "6");
  EXPECT_EQ(store_->value("Memory").toString(), "2.5");
  store_->endGroup();
  {
    TDuzCalcForm form(store_.get(), nullptr, Reporting());
    EXPECT_FALSE(form.Engine().Radians());
    EXPECT_EQ(form.findChild<QToolButton*>("RadBtn")->text(), "deg");
    EXPECT_EQ(form.findChild<QSpinBox*>("Decimals")->value(), 6);
    EXPECT_EQ(Shown(form, "MemoryDisplay"), "2.500000");
  }
  // A damaged memory reads as 0, a damaged decimals as 4, out-of-range decimals are clamped.
  struct {
    const char* decimals;
    const char* memory;
    int shown_decimals;
    const char* memory_shown;
  } cases[] = {{"99", "oops", 18, "0.00000000000000"}, {"x", "1E17", 4, "1000000000000000"}};
  for (const auto& c : cases) {
    store_->beginGroup(kCalcSettingsKey);
    store_->setValue("Decimals", c.decimals);
    store_->setValue("Memory", c.memory);
    store_->endGroup();
    TDuzCalcForm form(store_.get(), nullptr, Reporting());
    EXPECT_EQ(form.findChild<QSpinBox*>("Decimals")->value(), c.shown_decimals);
    EXPECT_EQ(Shown(form, "MemoryDisplay"), c.memory_shown);
  }
}

TEST_F(DuzCalcFormTest, SixteenCharacterValuesFitWhollyInBothDisplays) {
  // Right-aligned text wider than the display loses its first characters, the sign among them.
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.findChild<QSpinBox*>("Decimals")->setValue(18);
  struct {
    Real value;
    const char* shown;
  } cases[] = {
      {-1234567.89L, "-1234567.8900000"},
      {-888888888888888.0L, "-888888888888888"},
      {8888888888888888.0L, "8888888888888888"},
      {-1.5e30L, "-1.5E30"},
  };
  for (const auto& c : cases) {
    form.Engine().SetMemory(c.value);
    form.Start(c.value);
    for (const char* name : {"ValueDisplay", "MemoryDisplay"}) {
      const QLabel* display = form.findChild<QLabel*>(name);
      EXPECT_EQ(display->text().toStdString(), c.shown) << name;
      EXPECT_LE(display->fontMetrics().horizontalAdvance(display->text()),
                display->contentsRect().width())
          << name << " " << c.shown;
    }
  }
}

TEST_F(DuzCalcFormTest, TypingThousandsOfDigitsKeepsTheDisplayShort) {
  TDuzCalcForm form(store_.get(), nullptr, Reporting());
  form.show();
  const QString digits(3000, QLatin1Char('7'));
  QTest::keyClicks(&form, digits);
  EXPECT_EQ(form.Engine().Entry().size(), 3000u);
  EXPECT_LE(Shown(form).size(), 16);
  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_LE(Shown(form).size(), 16);
}

// Runs PopupCalculator while `act` works the window once it is up.
bool RunPopup(const QString& caption, Real& value, const std::function<void(TDuzCalcForm&)>& act,
              QString* title = nullptr) {
  ModalProbe probe([&](QDialog& dialog) {
    auto* form = qobject_cast<TDuzCalcForm*>(&dialog);
    ASSERT_NE(form, nullptr) << "no calculator window";
    if (title != nullptr) *title = form->windowTitle();
    act(*form);
  });
  return PopupCalculator(caption, value);
}

TEST_F(DuzCalcFormTest, PopupCalculatorHandsBackTheValueUnlessCancelled) {
  auto click = [](const char* name) {
    return [name](TDuzCalcForm& f) {
      QTest::mouseClick(f.findChild<QToolButton*>(name), Qt::LeftButton);
    };
  };
  struct {
    const char* name;
    std::function<void(TDuzCalcForm&)> act;
    bool accepted;
    Real value;
  } cases[] = {
      {"exit at once", click("ExitBtn"), true, 2.5L},
      {"cancel", click("CancelBtn"), false, 2.5L},
      {"title-bar close", [](TDuzCalcForm& f) { f.close(); }, true, 2.5L},
      {"escape", [](TDuzCalcForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }, true, 2.5L},
      {"square root then exit",
       [](TDuzCalcForm& f) {
         QTest::keyClicks(&f, "9");
         QTest::mouseClick(f.findChild<QToolButton*>("SqRootBtn"), Qt::LeftButton);
         QTest::mouseClick(f.findChild<QToolButton*>("ExitBtn"), Qt::LeftButton);
       },
       true, 3},
      {"typed entry with ctrl+x",
       [](TDuzCalcForm& f) {
         QTest::keyClicks(&f, "+1");
         QTest::keyClick(&f, Qt::Key_X, Qt::ControlModifier);
       },
       true, 1},
      {"full precision",
       [](TDuzCalcForm& f) {
         QTest::keyClicks(&f, "/3\r");
         QTest::keyClick(&f, Qt::Key_Escape);
       },
       true, 2.5L / 3},
      {"typed number replaces the opening value: 3 + = has no second operand",
       [](TDuzCalcForm& f) {
         QTest::keyClicks(&f, "3+\r");
         EXPECT_EQ(f.Engine().Display(), "Error!");
         QTest::keyClick(&f, Qt::Key_Escape);
       },
       true, 2.5L},
      {"AC then escape hands back the 0 shown",
       [](TDuzCalcForm& f) {
         QTest::keyClicks(&f, "A");
         QTest::keyClick(&f, Qt::Key_Escape);
       },
       true, 0},
  };
  for (const auto& c : cases) {
    Real value = 2.5L;
    QString title;
    EXPECT_EQ(RunPopup(QString(), value, c.act, &title), c.accepted) << c.name;
    EXPECT_EQ(value, c.value) << c.name;
    EXPECT_EQ(title, "Duz Calculator v1.0.2") << c.name;
  }
  Real value = 1;
  QString title;
  RunPopup("Mean", value, click("ExitBtn"), &title);
  EXPECT_EQ(title, "Mean");
}

}  // namespace
}  // namespace zudira
