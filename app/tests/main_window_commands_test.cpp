// The main window's commands: the calculator buttons, presets, help, printing,
// and what survives a restart.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <vector>
#include "app/dialogs/about_box.h"

#include "app/dialogs/lists_window.h"
#include "app/dialogs/text_viewer.h"
#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/help/help_viewer.h"
#include "app/shell/apply_appearance.h"
#include "app/shell/data_modules.h"
#include "app/shell/message_boxes.h"
#include "app/tests/main_window_fixture.h"
#include "appearance/appearance_settings.h"
#include "reports/tests/test_windows.h"
#include "testsupport/modal_probe.h"
#include "widgets/balloon_hints.h"
#include "widgets/duz_calc_form.h"

namespace zudira {
namespace {

// A calculator that records the value it was opened with and answers as told.
struct FakeCalculator {
  bool accept = true;
  Real result = 0;
  std::vector<Real> opened_with;
  TPDFMainForm::CalculatorFunction Function() {
    return [this](const QString&, Real& value) {
      opened_with.push_back(value);
      if (accept) value = result;
      return accept;
    };
  }
};

TEST_F(MainWindowTest, CalculatorButtonsWriteTheAcceptedValueToTheirField) {
  auto w = MakeWindow();
  FakeCalculator calc;
  w->SetCalculator(calc.Function());
  Type(*w, "SDev", "2");
  Calculate(*w);
  const QString answer = Field(*w, "Answer")->Text();

  calc.accept = false;
  calc.result = 99;
  QTest::mouseClick(Get<QToolButton>(*w, "StdDevCalcBtn"), Qt::LeftButton);
  EXPECT_EQ(Field(*w, "SDev")->Text(), "2.0000000");
  ASSERT_EQ(calc.opened_with.size(), 1u);
  EXPECT_EQ(calc.opened_with[0], 2.0L);
  EXPECT_EQ(Field(*w, "Answer")->Text(), answer);  // cancelled: nothing changed

  calc.accept = true;
  calc.result = 1.25L;
  QTest::mouseClick(Get<QToolButton>(*w, "MeanCalcBtn"), Qt::LeftButton);
  EXPECT_EQ(Field(*w, "Mean")->Text(), "1.2500000");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");  // the answer was for the old mean
}

// Negative values for these fields are refused: CalculatorNegativesAreRefusedWhereAFieldTakesNone.
TEST_F(MainWindowTest, CalculatorValuesReachWholeNumberFieldsRounded) {
  auto w = MakeWindow();
  FakeCalculator calc;
  w->SetCalculator(calc.Function());
  ChooseKind(*w, dkBinomial);
  ChooseRange(*w, rtInsideCC);
  struct Case {
    const char* button;
    const char* field;
    Real value;
    const char* shown;
  };
  const Case cases[] = {
      {"StdDevCalcBtn", "SDev", 12.5L, "12"},
      {"StdDevCalcBtn", "SDev", 13.5L, "14"},
      {"ACalcBtn", "A", 2.7L, "3"},
      {"BCalcBtn", "B", 1e12L, "2147483647"},
      {"MeanCalcBtn", "Mean", 0.25L, "0.2500000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button + std::string(" ") + std::to_string(static_cast<double>(c.value)));
    calc.result = c.value;
    QTest::mouseClick(Get<QToolButton>(*w, c.button), Qt::LeftButton);
    EXPECT_EQ(Field(*w, c.field)->Text(), c.shown);
  }
  EXPECT_EQ(Field(*w, "SDev")->AsInteger(), 14);
}

// A negative value for a field that takes none is refused by name; the field keeps its value
// instead of holding 0 that the next Calculate would blame.
TEST_F(MainWindowTest, CalculatorNegativesAreRefusedWhereAFieldTakesNone) {
  auto w = MakeWindow();
  FakeCalculator calc;
  w->SetCalculator(calc.Function());
  const struct {
    DistributionKind kind;
    const char* field;
    const char* button;
    const char* typed;
    const char* message;  // nullptr: the value is taken
    const char* shown;
  } cases[] = {
      {dkNormal, "SDev", "StdDevCalcBtn", "2",
       "Standard Dev (\u03c3) takes no negative values: it keeps 2.0000000", "2.0000000"},
      {dkBinomial, "SDev", "StdDevCalcBtn", "12", "N takes no negative values: it keeps 12", "12"},
      {dkNormal, "Mean", "MeanCalcBtn", "1", nullptr, "-5.0000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    ChooseKind(*w, c.kind);
    Type(*w, c.field, c.typed);
    calc.result = -5;
    ScopedBoxScript boxes;
    QTest::mouseClick(Get<QToolButton>(*w, c.button), Qt::LeftButton);
    if (c.message == nullptr) {
      EXPECT_TRUE(boxes.Shown().empty());
    } else {
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].text, QString::fromUtf8(c.message));
    }
    EXPECT_EQ(Field(*w, c.field)->Text(), c.shown);
  }
}

// Enter on the focused button calculates, as Space does; F9, the menu item's shortcut, works
// from any field.
TEST_F(MainWindowTest, EnterOnCalculateAndF9Calculate) {
  auto w = MakeWindow();
  ChooseRange(*w, rtBelowA);
  Type(*w, "SDev", "1");
  TDuzEdit3* a = Field(*w, "A");
  a->setFocus(Qt::TabFocusReason);
  a->selectAll();
  QTest::keyClicks(a, "1");
  QTest::keyClick(a, Qt::Key_Return);  // moves on to B, hidden, so to the button
  auto* calc_btn = Get<QPushButton>(*w, "CalcBtn");
  ASSERT_EQ(QApplication::focusWidget(), calc_btn);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  QTest::keyClick(calc_btn, Qt::Key_Return);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.8413447");

  QAction* calculate = w->findChild<QMenuBar*>("MenuBar1")->actions()[1]->menu()->actions()[0];
  EXPECT_EQ(calculate->shortcut(), QKeySequence(Qt::Key_F9));
  Type(*w, "A", "2");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  Field(*w, "Mean")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Field(*w, "Mean"), Qt::Key_F9);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.9772499");
}

// In a locale that writes decimals with a point, a typed comma is refused with a balloon at the
// field that names the separator it takes; the next key takes the balloon away.
TEST_F(MainWindowTest, ForeignSeparatorShowsABalloonAtTheField) {
  auto w = MakeWindow();
  TDuzEdit3* a = Field(*w, "A");
  a->setFocus(Qt::TabFocusReason);
  a->selectAll();
  QTest::keyClicks(a, "1,");
  ASSERT_NE(ShownBalloon(), nullptr);
  EXPECT_EQ(ShownBalloon()->accessibleName(),
            "This field takes \".\" as its decimal separator, not \",\"");
  EXPECT_EQ(a->text(), "1");
  QTest::keyClicks(a, "5");
  EXPECT_EQ(ShownBalloon(), nullptr);
  EXPECT_EQ(a->text(), "15");
}

// For a continuous distribution P(X = A) is 0 for every A: an inverse kind answers p = 0 and
// refuses any other p instead of showing a bound that solves nothing.
TEST_F(MainWindowTest, InverseKindsAnswerPOfXEqualsAOnlyForZero) {
  auto w = MakeWindow();
  ChooseKind(*w, dkInverseF);
  Type(*w, "Mean", "3");
  Type(*w, "SDev", "4");
  for (const DistributionKind kind :
       {dkInverseF, dkInverseNormal, dkInverseStudentT, dkInverseChiSquared}) {
    SCOPED_TRACE(kind);
    ChooseKind(*w, kind);
    ChooseRange(*w, rtEqualA);
    Type(*w, "A", "0.3");
    {
      ScopedBoxScript boxes;
      Calculate(*w);
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].text,
                "No bound gives this probability: for a continuous distribution P(X = A) is 0 "
                "for every A");
      EXPECT_EQ(Field(*w, "Answer")->Text(), "");
    }
    Type(*w, "A", "0");
    Calculate(*w);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "0.0000000");
  }
}

TEST_F(MainWindowTest, CalculatorReadsTheTextStillBeingTyped) {
  auto w = MakeWindow();
  FakeCalculator calc;
  calc.accept = false;
  w->SetCalculator(calc.Function());
  TDuzEdit3* a = Field(*w, "A");
  a->setFocus(Qt::TabFocusReason);
  a->selectAll();
  QTest::keyClicks(a, "4.5");
  QTest::mouseClick(Get<QToolButton>(*w, "ACalcBtn"), Qt::LeftButton);
  ASSERT_EQ(calc.opened_with.size(), 1u);
  EXPECT_EQ(calc.opened_with[0], 4.5L);
  EXPECT_EQ(QApplication::focusWidget(), a);  // the focus came back to the field
}

TEST_F(MainWindowTest, PresetsAskFirstAndApplyOnlyOnYes) {
  auto w = MakeWindow();
  SetConservativePreset();
  const AppearanceSettings conservative = Appearance();
  {
    // Answering No neither sets the preset nor applies the (changed) settings to the window.
    ScopedBoxScript boxes;
    boxes.Answer(false);
    boxes.Answer(false);
    w->Def1BtnClick();
    w->Def2BtnClick();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkConfirm);
    EXPECT_EQ(boxes.Shown()[0].text, "Set Preferences to Enhanced Defaults?");
    EXPECT_EQ(Appearance(), conservative);
    EXPECT_TRUE(Get<QToolButton>(*w, "MeanCalcBtn")->autoRaise());
    EXPECT_EQ(HintStateOf(w.get()), 2);
  }
  {
    ScopedBoxScript boxes;
    w->Def1BtnClick();
    EXPECT_EQ(Appearance(), AppearanceSettings{});
    w->Def2BtnClick();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].text, "Set Preferences to Conservative Defaults?");
    EXPECT_EQ(Appearance(), conservative);
  }
  // Applied to the window: tool buttons are flat only with the Enhanced values, the hints
  // are standard tooltips, and the Fix End group (caption and items) takes the heading colour.
  EXPECT_FALSE(Get<QToolButton>(*w, "MeanCalcBtn")->autoRaise());
  EXPECT_FALSE(Get<QToolButton>(*w, "ExitBtn")->autoRaise());
  EXPECT_EQ(HintStateOf(w.get()), 1);
  const QColor heading = ColourFromValue(conservative.HeadingColour);
  EXPECT_EQ(Get<QWidget>(*w, "FixType")->palette().color(QPalette::WindowText), heading);
  EXPECT_EQ(Get<QWidget>(*w, "FixB")->palette().color(QPalette::WindowText), heading);
}

TEST_F(MainWindowTest, PreferencesReapplyTheSettingsEvenWhenCancelled) {
  auto w = MakeWindow();
  ASSERT_TRUE(Get<QToolButton>(*w, "MeanCalcBtn")->autoRaise());
  Appearance().FlatToolButtons = false;  // changed, not yet applied to the window
  ModalProbe probe([](QDialog&) {});     // the probe cancels the dialog
  w->OptBtnClick();
  EXPECT_EQ(probe.Seen(), 1);
  EXPECT_FALSE(Appearance().FlatToolButtons);
  EXPECT_FALSE(Get<QToolButton>(*w, "MeanCalcBtn")->autoRaise());
  EXPECT_FALSE(Get<QToolButton>(*w, "ExitBtn")->autoRaise());
}

TEST_F(MainWindowTest, SettingsAndToolbarLayoutSurviveARestart) {
  {
    auto w = MakeWindow();
    Appearance().HintState = 1;
    Appearance().FlatComboBoxes = false;
    Appearance().HeadingColour = 0x0000FF;
    auto* toolbar = Get<QToolBar>(*w, "Toolbar971");
    w->addToolBar(Qt::BottomToolBarArea, toolbar);
    ASSERT_EQ(w->toolBarArea(toolbar), Qt::BottomToolBarArea);
    w->close();
  }
  ASSERT_TRUE(QFile::exists(SettingsFile()));
  Appearance() = AppearanceSettings{};
  {
    // A stored value that is no number keeps its setting and spoils nothing else.
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setValue("Software/Rozuviza/RuvOderu/Zudira/Defaults/Read Only Colour", "oops");
  }
  auto w = MakeWindow();
  EXPECT_EQ(Appearance().HintState, 1);
  EXPECT_FALSE(Appearance().FlatComboBoxes);
  EXPECT_EQ(Appearance().HeadingColour, 0x0000FFu);
  EXPECT_EQ(Appearance().ReadOnlyColour, AppearanceSettings{}.ReadOnlyColour);
  EXPECT_EQ(w->toolBarArea(Get<QToolBar>(*w, "Toolbar971")), Qt::BottomToolBarArea);
  EXPECT_TRUE(Get<QToolBar>(*w, "Toolbar971")->isVisible());
}

TEST_F(MainWindowTest, UnreadableToolbarLayoutLeavesTheToolbarsInPlace) {
  {
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setValue("Software/Rozuviza/RuvOderu/Zudira/ToolBars/Main/Layout", "not a layout");
    store.setValue("Software/Rozuviza/RuvOderu/Zudira/Defaults/Hint State", "1");
  }
  auto w = MakeWindow();
  auto* toolbar = Get<QToolBar>(*w, "Toolbar971");
  EXPECT_EQ(w->toolBarArea(toolbar), Qt::TopToolBarArea);
  EXPECT_TRUE(toolbar->isVisible());
  EXPECT_EQ(Appearance().HintState, 1);
}

TEST_F(MainWindowTest, FirstRunStartsWithTheEnhancedValuesAndWritesThemAtExit) {
  { MakeWindow()->close(); }
  QSettings store(SettingsFile(), QSettings::IniFormat);
  store.beginGroup("Software/Rozuviza/RuvOderu/Zudira/Defaults");
  EXPECT_EQ(store.value("Hint State").toString(), "2");
  EXPECT_EQ(store.value("Flat Tool Buttons").toString(), "1");
  EXPECT_EQ(store.value("Read Only Colour").toString(), "13417909");
}

// A settings file that cannot be written is named once, in a warning at exit.
TEST_F(MainWindowTest, SettingsThatCannotBeSavedAreReportedOnceAtExit) {
  const QString file = SettingsFile();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
  const struct {
    const char* what;
    std::function<bool()> spoil;
    const char* reason;
  } cases[] = {
      {"folder", [&] { return QDir().mkdir(file); }, "There is a folder of that name."},
      {"dangling link",
       [&] { return QFile::link(QFileInfo(file).path() + "/gone/Zudira.conf", file); },
       "It is a link to a file that does not exist."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QDir(file).removeRecursively();
    QFile::remove(file);
    ASSERT_TRUE(c.spoil());
    ScopedBoxScript boxes;
    { MakeWindow()->close(); }
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkWarning);
    EXPECT_TRUE(boxes.Shown()[0].text.contains(QDir::toNativeSeparators(file)));
    EXPECT_TRUE(boxes.Shown()[0].text.contains(c.reason)) << boxes.Shown()[0].text.toStdString();
  }
  QFile::remove(file);
  ScopedBoxScript boxes;
  { MakeWindow()->close(); }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(MainWindowTest, PrintCalculatesThenRunsTheAnswerReport) {
  for (bool accept_setup : {true, false}) {
    TDuzDataRP module;
    RecordingWindows windows;
    windows.accept_setup = accept_setup;
    module.RepSys().SetWindows(&windows);
    auto w = MakeWindow();
    ScopedBoxScript boxes;
    Type(*w, "SDev", "1");
    w->PrintBtnClick();
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Field(*w, "Answer")->Text(), "0.0000000");  // calculated before printing
    EXPECT_EQ(windows.setups, 1);
    EXPECT_EQ(windows.preview_titles, accept_setup ? QStringList{"PDF Details"} : QStringList{});
    if (accept_setup) {
      EXPECT_EQ(windows.preview_pages, 1);
    }
  }
}

HelpViewer* ShownHelpViewer() {
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* viewer = qobject_cast<HelpViewer*>(top); viewer && viewer->isVisible()) return viewer;
  return nullptr;
}

TEST_F(MainWindowTest, ContextHelpOpensTheFocusedControlsTopic) {
  auto w = MakeWindow();
  const QString help_file = ZudiraApplication::Instance()->Help().file;
  ASSERT_TRUE(QFile::exists(help_file)) << help_file.toStdString();
  ScopedBoxScript boxes;
  Get<QSpinBox>(*w, "Accuracy")->setFocus(Qt::TabFocusReason);
  w->HelpBtnClick();
  HelpViewer* viewer = ShownHelpViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->CurrentContext(), kHelpDecimals);
  viewer->close();

  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  Field(*w, "Mean")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Field(*w, "Mean"), Qt::Key_F1);
  viewer = ShownHelpViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_EQ(viewer->CurrentContext(), kHelpParameters);
  viewer->close();

  // With no control of the window focused, Context Help opens the contents.
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  ASSERT_EQ(QApplication::focusWidget(), nullptr);
  w->HelpBtnClick();
  viewer = ShownHelpViewer();
  ASSERT_NE(viewer, nullptr);
  HelpDocument document;
  QString error;
  ASSERT_TRUE(LoadHelpFile(help_file, document, error));
  EXPECT_EQ(viewer->CurrentContext(), document.Topics().front().context);
  viewer->close();
  EXPECT_TRUE(boxes.Shown().empty());
}

// Every window of its own opens its help topic on F1.
TEST_F(MainWindowTest, F1InEveryWindowOpensItsTopic) {
  auto w = MakeWindow();
  ScopedBoxScript boxes;
  const struct {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    int context;
  } windows[] = {
      {"lists", [] { return std::make_unique<TStatListForm>(); }, kHelpLists},
      {"viewer", [] { return std::make_unique<TTFViewForm>(); }, kHelpTextViewer},
      {"about", [] { return std::make_unique<TAboutBox2>(); }, kHelpAboutBox},
      {"calculator",
       [] {
         return std::make_unique<TDuzCalcForm>(nullptr, nullptr,
                                               ZudiraApplication::CalculatorServices());
       },
       kHelpCalculator},
  };
  for (const auto& c : windows) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QWidget> window = c.make();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : window.get(), Qt::Key_F1);
    HelpViewer* viewer = ShownHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->CurrentContext(), c.context);
    viewer->close();
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

}  // namespace
}  // namespace zudira
