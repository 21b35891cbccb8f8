// The choice between the classic and the precise algorithms as the user meets it: the Options
// item, the status-bar pane, the notice of classic mode and the scientific form of tiny answers.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>

#include "app/tests/main_window_fixture.h"

namespace zudira {
namespace {

class PreciseModeTest : public MainWindowTest {
 protected:
  static QAction* PreciseItem(TPDFMainForm& w) {
    for (QAction* top : w.findChild<QMenuBar*>("MenuBar1")->actions())
      for (QAction* item : top->menu()->actions())
        if (item->text() == "&Precise Results") return item;
    ADD_FAILURE() << "no Precise Results item";
    return nullptr;
  }

  static QString Notice(TPDFMainForm& w) { return w.statusBar()->currentMessage(); }

  // ν = 1, P(X < A) = 0.975: the classic bound is far from the true 12.7062047.
  static void AskInverseStudentT(TPDFMainForm& w) {
    ChooseKind(w, dkInverseStudentT);
    ChooseRange(w, rtBelowA);
    Type(w, "Mean", "1");
    Type(w, "A", "0.975");
    Calculate(w);
  }
};

TEST_F(PreciseModeTest, ClassicModeNamesTheDifferingPreciseAnswerUntilAnInputChanges) {
  auto w = MakeWindow();
  ASSERT_NE(PreciseItem(*w), nullptr);
  EXPECT_TRUE(PreciseItem(*w)->isCheckable());
  EXPECT_FALSE(PreciseItem(*w)->isChecked());
  EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Classic");

  AskInverseStudentT(*w);
  const QString classic = Field(*w, "Answer")->Text();
  EXPECT_NE(classic, "12.7062047");
  EXPECT_FALSE(classic.isEmpty());
  EXPECT_EQ(Notice(*w), "Precise result: 12.7062047 (Options > Precise Results)");
  Type(*w, "A", "0.9");
  EXPECT_EQ(Notice(*w), "");

  // An answer the classic algorithms get right at the shown decimals says nothing.
  ChooseKind(*w, dkNormal);
  ChooseRange(*w, rtBelowA);
  Type(*w, "Mean", "0");
  Type(*w, "SDev", "1");
  Type(*w, "A", "1");
  Calculate(*w);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.8413447");
  EXPECT_EQ(Notice(*w), "");
}

TEST_F(PreciseModeTest, PrecisePaneTogglesShowsTinyAnswersInScientificFormAndIsKept) {
  {
    auto w = MakeWindow();
    AskInverseStudentT(*w);
    ASSERT_FALSE(Notice(*w).isEmpty());
    // A click on the pane switches, empties the outdated answer and the notice.
    QTest::mouseClick(Get<QWidget>(*w, "ModePane"), Qt::LeftButton);
    EXPECT_TRUE(PreciseItem(*w)->isChecked());
    EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Precise");
    EXPECT_EQ(Field(*w, "Answer")->Text(), "");
    EXPECT_EQ(Notice(*w), "");
    Calculate(*w);
    EXPECT_EQ(Field(*w, "Answer")->Text(), "12.7062047");
    EXPECT_EQ(Notice(*w), "");

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
    w->close();  // the settings are written when the window closes
  }
  {
    auto w = MakeWindow();
    EXPECT_TRUE(PreciseItem(*w)->isChecked());
    EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Precise");
    PreciseItem(*w)->trigger();
    EXPECT_EQ(Get<QLabel>(*w, "ModePane")->text(), "Classic");
  }
  for (const char* stored : {"oops", "", "0"}) {
    {
      QSettings store(SettingsFile(), QSettings::IniFormat);
      store.setValue(kPreciseResultsKey, stored);
    }
    auto w = MakeWindow();
    EXPECT_FALSE(PreciseItem(*w)->isChecked()) << stored;
  }
}

}  // namespace
}  // namespace zudira
