// The choice between the classic and the precise algorithms as the user meets it: the Options
// item, the status-bar panes, the notice and the error line of classic mode, and the
// scientific form of tiny answers.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>

#include "app/tests/main_window_fixture.h"

namespace zudira {
namespace {

class PreciseModeTest : public MainWindowTest {
 protected:
  static QAction* PreciseItem(TPDFMainForm& w) {
    for (QAction* top : w.findChild<QMenuBar*>("MenuBar1")->actions())
      for (QAction* item : top->menu()->actions())
        if (item->text() == "Precise &Results") return item;
    ADD_FAILURE() << "no Precise Results item";
    return nullptr;
  }

  static QLabel* Notice(TPDFMainForm& w) { return Get<QLabel>(w, "NoticePane"); }
  // What the notice pane tells the user: nothing while it is hidden.
  static QString NoticeText(TPDFMainForm& w) {
    return Notice(w)->isVisible() ? Notice(w)->text() : QString();
  }

  // ν = 1, P(X < A) = 0.975: the classic bound is far from the true 12.7062047.
  static void AskInverseStudentT(TPDFMainForm& w) {
    ChooseKind(w, dkInverseStudentT);
    ChooseRange(w, rtBelowA);
    Type(w, "Mean", "1");
    Type(w, "A", "0.975");
    Calculate(w);
  }
};

TEST_F(PreciseModeTest, ClassicModeNamesTheDifferingPreciseAnswerInAPaneOfItsOwn) {
  auto w = MakeWindow();
  UseMode(*w, CalculationMode::kClassic);
  EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Classic");

  AskInverseStudentT(*w);
  const QString classic = Field(*w, "Answer")->Text();
  EXPECT_NE(classic, "12.7062047");
  EXPECT_FALSE(classic.isEmpty());
  EXPECT_EQ(NoticeText(*w), "Precise result: 12.7062047");
  // The lock keys and the clock stay in sight beside it.
  for (const char* pane : {"CapsIndicator", "ScrollIndicator", "NumIndicator", "Clock"})
    EXPECT_TRUE(Shown(*w, pane)) << pane;
  // Crossing a menu clears the status bar's message; the notice is no message and stays.
  QStatusTipEvent crossing{QString()};
  QApplication::sendEvent(w.get(), &crossing);
  EXPECT_EQ(NoticeText(*w), "Precise result: 12.7062047");
  // It follows the decimals, as the answer does.
  w->findChild<QSpinBox*>("Accuracy")->setValue(3);
  EXPECT_EQ(NoticeText(*w), "Precise result: 12.706");
  Type(*w, "A", "0.9");
  EXPECT_EQ(NoticeText(*w), "");

  // An answer the classic algorithms get right at the shown decimals says nothing.
  w->findChild<QSpinBox*>("Accuracy")->setValue(7);
  ChooseKind(*w, dkNormal);
  ChooseRange(*w, rtBelowA);
  Type(*w, "Mean", "0");
  Type(*w, "SDev", "1");
  Type(*w, "A", "1");
  Calculate(*w);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.8413447");
  EXPECT_EQ(NoticeText(*w), "");
}

TEST_F(PreciseModeTest, ClassicErrorsThatThePreciseAlgorithmsAnswerSaySo) {
  ScopedBoxScript boxes;
  auto w = MakeWindow();
  UseMode(*w, CalculationMode::kClassic);
  // Poisson's classic point probability needs 1548!, past the library's limit.
  ChooseKind(*w, dkPoisson);
  Type(*w, "Mean", "2.5");
  Type(*w, "A", "1548");
  Calculate(*w);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text,
            "Factorial Calculation cannot exceed 1547.\n"
            "Options > Precise Results answers this request.");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  PreciseItem(*w)->trigger();
  Calculate(*w);
  EXPECT_EQ(boxes.Shown().size(), 1u);
  // e^-2.5 2.5^1548 / 1548! = 2.843256162706e-3653 (mpmath).
  EXPECT_EQ(Field(*w, "Answer")->Text(), "2.8432562E-3653");
}

TEST_F(PreciseModeTest, PreciseIsTheStartForANewUserAndAStoredChoiceIsKept) {
  {
    auto w = MakeWindow();
    ASSERT_NE(PreciseItem(*w), nullptr);
    EXPECT_TRUE(PreciseItem(*w)->isCheckable());
    EXPECT_TRUE(PreciseItem(*w)->isChecked());
    EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Precise");
    // A click on the pane switches, and empties the answer of the other algorithms.
    AskInverseStudentT(*w);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "12.7062047");
    QTest::mouseClick(Get<QWidget>(*w, "ModePane"), Qt::LeftButton);
    EXPECT_FALSE(PreciseItem(*w)->isChecked());
    EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Classic");
    EXPECT_EQ(Field(*w, "Answer")->Text(), "");
    QTest::mouseClick(Get<QWidget>(*w, "ModePane"), Qt::LeftButton);
    EXPECT_TRUE(PreciseItem(*w)->isChecked());

    // P(X > 7) for the standard normal is 1.2798125e-12.
    ChooseKind(*w, dkNormal);
    ChooseRange(*w, rtAboveA);
    Type(*w, "Mean", "0");
    Type(*w, "SDev", "1");
    Type(*w, "A", "7");
    Calculate(*w);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "1.2798125E-12");
    w->findChild<QSpinBox*>("Accuracy")->setValue(3);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "1.280E-12");
    // A target far below the shown decimals is taken as typed, not as 0: the upper 1e-30
    // point of the standard normal is 11.4640247 (mpmath).
    ChooseKind(*w, dkInverseNormal);
    ChooseRange(*w, rtAboveA);
    Type(*w, "A", "1E-30");
    EXPECT_EQ(Field(*w, "A")->Text(), "1.000E-30");
    Calculate(*w);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "11.464");
    PreciseItem(*w)->trigger();
    w->close();  // the settings are written when the window closes
  }
  {
    QSettings store(SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(store.value(kPreciseResultsKey).toString(), "0");
  }
  // Only the stored choice of the classic algorithms turns them on.
  const struct {
    const char* stored;  // nullptr: no stored choice
    bool precise;
  } cases[] = {{"0", false}, {"1", true}, {nullptr, true}, {"oops", true}};
  for (const auto& c : cases) {
    {
      QSettings store(SettingsFile(), QSettings::IniFormat);
      if (c.stored == nullptr) {
        store.remove(kPreciseResultsKey);
      } else {
        store.setValue(kPreciseResultsKey, c.stored);
      }
    }
    auto w = MakeWindow();
    EXPECT_EQ(PreciseItem(*w)->isChecked(), c.precise) << (c.stored ? c.stored : "none");
    EXPECT_EQ(w->Mode() == CalculationMode::kPrecise, c.precise);
  }
}

}  // namespace
}  // namespace zudira
