// The main window driven as a user would: by control names, typing, focus changes and clicks.
#include "app/main_window/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <memory>
#include "app/help/help_contexts.h"
#include "widgets/balloon_hints.h"
#include "widgets/clock_text.h"

#include "app/shell/message_boxes.h"
#include "app/tests/main_window_fixture.h"
#include "appearance/appearance_settings.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"
#include "widgets/range_pictures.h"

namespace zudira {
namespace {

TEST_F(MainWindowTest, StartsWithNormalAndTheFirstRangeType) {
  auto w = MakeWindow();
  EXPECT_TRUE(
      QRegularExpression(R"(^Zudira \(\d+\.\d+\.\d+\.\d+\)$)").match(w->windowTitle()).hasMatch())
      << w->windowTitle().toStdString();
  EXPECT_EQ(Combo(*w, "PDFType")->currentText(), "Normal Distribution");
  EXPECT_EQ(Combo(*w, "PDFType")->count(), kDistributionKindCount + 1);  // with the line
  EXPECT_EQ(w->Range(), rtEqualA);
  EXPECT_EQ(w->FixedEnd(), feFixA);
  EXPECT_TRUE(Shown(*w, "B") == false && Shown(*w, "FixType") == false);
  EXPECT_FALSE(Shown(*w, "BCalcBtn"));
  EXPECT_EQ(LabelText(*w, "LabelA"), "A :");
  EXPECT_EQ(LabelText(*w, "ResultLabel"), "Probability :");
  EXPECT_EQ(w->PictureIndex(), 0);
  for (const char* name : {"Mean", "SDev", "A", "B", "Answer"})
    EXPECT_EQ(Field(*w, name)->Text(), "0.0000000") << name;
  EXPECT_EQ(Field(*w, "SDev")->EditType(), etPosReal);
  EXPECT_TRUE(Field(*w, "Answer")->ReadOnly());
  EXPECT_EQ(w->findChild<QSpinBox*>("Accuracy")->value(), 7);
}

TEST_F(MainWindowTest, ControlsCarryTheirHelpContextsHintsAndToolbarPlaces) {
  auto w = MakeWindow();
  const std::pair<const char*, int> contexts[] = {
      {"PDFType", kHelpDistribution},   {"FixType", kHelpFixEnd},
      {"PDFRange", kHelpRangeType},     {"Mean", kHelpParameters},
      {"SDev", kHelpParameters},        {"A", kHelpParameters},
      {"B", kHelpParameters},           {"Answer", kHelpCalculate},
      {"CalcBtn", kHelpCalculate},      {"Accuracy", kHelpDecimals},
      {"ClientPanel", kHelpMainWindow}, {"Toolbar971", kHelpToolbar},
      {"StatusBar", kHelpStatusBar},
  };
  for (const auto& [name, context] : contexts) {
    QWidget* widget = w->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name;
    EXPECT_EQ(widget->property("helpContext").toInt(), context) << name;
  }
  EXPECT_EQ(w->findChild<QWidget*>("Accuracy")->toolTip(), "Number of Decimal Places displayed");
  EXPECT_EQ(w->findChild<QWidget*>("CalcBtn")->toolTip(), "Calculate the Answer");
  EXPECT_EQ(w->findChild<QPushButton*>("CalcBtn")->text(), "&Calculate!");

  auto* toolbar = w->findChild<QToolBar*>("Toolbar971");
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(toolbar->windowTitle(), "Zudira Toolbar");
  EXPECT_EQ(toolbar->allowedAreas(), Qt::TopToolBarArea | Qt::BottomToolBarArea);
  QStringList order;
  for (QAction* action : toolbar->actions()) {
    if (action->isSeparator()) {
      order << "|";
      continue;
    }
    QWidget* button = toolbar->widgetForAction(action);
    order << button->objectName();
    EXPECT_EQ(button->size(), QSize(23, 22)) << button->objectName().toStdString();
    EXPECT_FALSE(action->icon().isNull());
  }
  EXPECT_EQ(order.join(" "),
            "PrintBtn PlotBtn TablesBtn | OptBtn Def1Btn Def2Btn | AboutBtn HelpBtn | ExitBtn");
  EXPECT_EQ(w->findChild<QToolButton*>("ExitBtn")->toolTip(), "Exit (Alt-F4)");
  EXPECT_EQ(w->findChild<QToolBar*>("MenuToolbar")->windowTitle(), "Main Menu");

  auto* clock = w->findChild<QLabel*>("Clock");
  ASSERT_NE(clock, nullptr);
  EXPECT_TRUE(w->findChild<QLabel*>("CapsIndicator")->text().startsWith("Caps:"));
  EXPECT_TRUE(w->findChild<QLabel*>("ScrollIndicator")->text().startsWith("Scroll:"));
  EXPECT_TRUE(w->findChild<QLabel*>("NumIndicator")->text().startsWith("Num:"));
  EXPECT_TRUE(clock->text().contains(QString::number(QDate::currentDate().year())));
  // The C locale's short time carries seconds; the clock drops them.
  const QDateTime morning(QDate(2026, 12, 8), QTime(5, 1, 1));
  EXPECT_EQ(ClockText(QLocale::c(), morning), "Tue 08 Dec 2026 05:01");
  EXPECT_EQ(ClockText(QLocale(QLocale::English, QLocale::UnitedStates), morning),
            "Tue 08 Dec 2026 5:01 AM");

  const QString fix_hint =
      "When doing an Inverse Normal with A and B,\none of these must be fixed as\n"
      "we can only solve for one unknown.";
  for (const char* name : {"FixType", "FixA", "FixB"})
    EXPECT_EQ(w->findChild<QWidget*>(name)->toolTip(), fix_hint) << name;
  EXPECT_EQ(w->minimumSize(), w->maximumSize());

  // The pointer resting on Fix B shows the balloon (the Enhanced hint state); the picture of
  // the window with it goes to ZUDIRA_SHOT_DIR when that is set.
  ChooseKind(*w, dkInverseNormal);
  ChooseRange(*w, rtInsideOO);
  QWidget* fix_b = Get<QWidget>(*w, "FixB");
  const QPoint local(20, 9);
  QHelpEvent rest(QEvent::ToolTip, local, fix_b->mapToGlobal(local));
  QApplication::sendEvent(fix_b, &rest);
  QWidget* balloon = ShownBalloon();
  ASSERT_NE(balloon, nullptr);
  const QString shots = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  if (!shots.isEmpty()) {
    const QRect area = w->geometry().united(balloon->geometry());
    QImage shot(area.size(), QImage::Format_ARGB32);
    shot.fill(Qt::darkGray);
    QPainter painter(&shot);
    painter.drawPixmap(w->geometry().topLeft() - area.topLeft(), w->grab());
    painter.drawPixmap(balloon->geometry().topLeft() - area.topLeft(), balloon->grab());
    painter.end();
    shot.save(shots + "/main_fixtype_balloon.png");
  }
}

TEST_F(MainWindowTest, MenusHoldEveryCommandInOrder) {
  auto w = MakeWindow();
  auto* bar = w->findChild<QMenuBar*>("MenuBar1");
  ASSERT_NE(bar, nullptr);
  QStringList menus;
  for (QAction* top : bar->actions()) {
    QStringList items;
    for (QAction* item : top->menu()->actions())
      items << (item->isSeparator() ? "-" : item->text());
    menus << top->text() + ": " + items.join(", ");
  }
  EXPECT_EQ(
      menus.join("\n").toStdString(),
      "&File: e&Xit   (Alt-F4)\n"
      "C&alculate: &Calculate Answer, &Plot, C&opy Calculation\n"
      "&Lists: &Binomial Coefficients, &Factorials, &Permutations, -, Statistical &Tables...\n"
      "&Print: P&rint Answer\n"
      "&Options: &Preferences, Use &Enhanced Defaults, Use &Conservative Defaults, -, "
      "Precise &Results\n"
      "&Help: &Contents, &Index, &Tutorial, -, &View Readme File, View &What's New File, -, "
      "&About Zudira, &Resources Used, Contact &Duz");
}

TEST_F(MainWindowTest, BinomialProbabilityOutsideTheUnitRangeShowsTheInputError) {
  auto w = MakeWindow();
  ChooseKind(*w, dkBinomial);
  Type(*w, "SDev", "10");
  Type(*w, "A", "3");
  struct Case {
    const char* p;
    bool error;
  };
  for (const Case& c : {Case{"1.5", true}, Case{"0", false}, Case{"1", false}}) {
    SCOPED_TRACE(c.p);
    Type(*w, "Mean", c.p);
    ScopedBoxScript boxes;
    Calculate(*w);
    if (c.error) {
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkError);
      EXPECT_EQ(boxes.Shown()[0].text, "p must be in [0, 1]");
      EXPECT_EQ(Field(*w, "Answer")->Text(), "");
    } else {
      EXPECT_TRUE(boxes.Shown().empty());
      EXPECT_EQ(Field(*w, "Answer")->Text(), "0.0000000");  // P(X = 3) is 0 when p is 0 or 1
    }
  }
}

// An answer never stays beside inputs it does not answer: a library error or a changed field
// empties it; leaving a field with its value unchanged keeps it.
TEST_F(MainWindowTest, StaleAnswersAreEmptied) {
  auto w = MakeWindow();
  ChooseKind(*w, dkF);
  ChooseRange(*w, rtBelowA);
  Type(*w, "Mean", "5");
  Type(*w, "SDev", "7");
  Type(*w, "A", "1");
  Calculate(*w);
  ASSERT_EQ(Field(*w, "Answer")->Text(), "0.5187061");
  Type(*w, "A", "1");  // the same value again
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.5187061");
  for (const char* name : {"Mean", "SDev", "A"}) {
    SCOPED_TRACE(name);
    Calculate(*w);
    ASSERT_FALSE(Field(*w, "Answer")->Text().isEmpty());
    Type(*w, name, "2");
    EXPECT_EQ(Field(*w, "Answer")->Text(), "");
    Type(*w, name, name == QString("A") ? "1" : name == QString("Mean") ? "5" : "7");
  }
  Calculate(*w);
  ASSERT_FALSE(Field(*w, "Answer")->Text().isEmpty());
  Type(*w, "A", "0");
  ScopedBoxScript boxes;
  Calculate(*w);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkErrorReport);
  EXPECT_EQ(boxes.Shown()[0].caption, "Zudira");
  EXPECT_EQ(boxes.Shown()[0].text, "F must be > 0.");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  EXPECT_EQ(Field(*w, "A")->Text(), "0.0000000");
}

// A change of kind brings no negative value into a field that takes none.
TEST_F(MainWindowTest, KindChangeGivesFieldsWithoutNegativesZero) {
  auto w = MakeWindow();
  Type(*w, "Mean", "-5");
  Type(*w, "A", "-1.96");
  ChooseKind(*w, dkStudentT);
  EXPECT_EQ(Field(*w, "Mean")->Text(), "0");
  EXPECT_EQ(Field(*w, "A")->Text(), "-1.9600000");
  ChooseKind(*w, dkBinomial);
  EXPECT_EQ(Field(*w, "A")->Text(), "0");
  EXPECT_EQ(Field(*w, "A")->AsInteger(), 0);
}

// Text that is no number is told in plain words, keeps the focus and the last good value, and
// Calculate answers nothing for it.
TEST_F(MainWindowTest, TextThatIsNoNumberIsToldAndNothingIsCalculated) {
  auto w = MakeWindow();
  Type(*w, "SDev", "1");
  Type(*w, "A", "0.5");
  ChooseRange(*w, rtBelowA);
  Calculate(*w);
  ASSERT_NE(Field(*w, "Answer")->Text(), "");
  ScopedBoxScript boxes;
  Type(*w, "A", "1-2");
  QApplication::processEvents();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "'1-2' is not a number");
  EXPECT_EQ(QApplication::focusWidget(), Field(*w, "A"));
  Calculate(*w);
  QApplication::processEvents();
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].text, "'1-2' is not a number");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  EXPECT_EQ(Field(*w, "A")->AsFloat(), 0.5L);
  EXPECT_EQ(QApplication::focusWidget(), Field(*w, "A"));
}

// Fewer decimals only show the inputs rounded: 7 -> 0 -> 7 leaves them as typed, even after
// the focus passed through them.
TEST_F(MainWindowTest, DecimalsDoNotChangeTheInputs) {
  auto w = MakeWindow();
  // Classic mode shows 0.25 at 0 decimals as 0 (precise mode writes 2E-01).
  UseMode(*w, CalculationMode::kClassic);
  Type(*w, "SDev", "0.25");
  Type(*w, "A", "0.1");
  ChooseRange(*w, rtBelowA);
  auto* accuracy = w->findChild<QSpinBox*>("Accuracy");
  accuracy->setValue(0);
  EXPECT_EQ(Field(*w, "SDev")->Text(), "0");
  Field(*w, "SDev")->setFocus(Qt::TabFocusReason);
  Field(*w, "A")->setFocus(Qt::TabFocusReason);
  Combo(*w, "PDFType")->setFocus(Qt::TabFocusReason);
  accuracy->setValue(7);
  EXPECT_EQ(Field(*w, "SDev")->Text(), "0.2500000");
  EXPECT_EQ(Field(*w, "A")->Text(), "0.1000000");
  Calculate(*w);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.6554217");  // Phi(0.4) = 0.65542174...
}

// The wheel over the distribution list changes the kind while the focus stays in the field
// being typed in: the typed text is taken over first, then converted.
TEST_F(MainWindowTest, WheelOverTheListKeepsTheTextBeingTyped) {
  auto w = MakeWindow();
  TDuzEdit3* mean = Field(*w, "Mean");
  mean->setFocus(Qt::TabFocusReason);
  mean->selectAll();
  QTest::keyClicks(mean, "3.5");
  QComboBox* list = Combo(*w, "PDFType");
  const QPoint centre = list->rect().center();
  QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &wheel);
  ASSERT_EQ(w->Kind(), dkInverseNormal);
  EXPECT_EQ(QApplication::focusWidget(), mean);
  EXPECT_EQ(mean->Text(), "3.5000000");
  EXPECT_EQ(mean->AsFloat(), 3.5L);
}

TEST_F(MainWindowTest, CalculateFromTheMenuUsesTheTextStillBeingTyped) {
  auto w = MakeWindow();
  Type(*w, "A", "1");
  ChooseRange(*w, rtBelowA);
  TDuzEdit3* sdev = Field(*w, "SDev");
  sdev->setFocus(Qt::TabFocusReason);
  sdev->selectAll();
  QTest::keyClicks(sdev, "1");
  QAction* calculate = nullptr;
  for (QAction* action : w->findChild<QMenuBar*>("MenuBar1")->actions()[1]->menu()->actions())
    if (action->text() == "&Calculate Answer") calculate = action;
  ASSERT_NE(calculate, nullptr);
  ScopedBoxScript boxes;
  calculate->trigger();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(sdev->Text(), "1.0000000");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.8413447");
}

// The decimals change only how the answer shows: 7 -> 0 -> 10 shows the calculated value with
// ten right decimals, not the rounded 1 padded with zeros.
TEST_F(MainWindowTest, DecimalsShowTheAnswerItselfAndAnEmptyAnswerShowsZero) {
  auto w = MakeWindow();
  Type(*w, "SDev", "1");
  Type(*w, "A", "1.96");
  ChooseRange(*w, rtBelowA);
  Calculate(*w);
  ASSERT_EQ(Field(*w, "Answer")->Text(), "0.9750021");  // Phi(1.96) = 0.97500210485177952
  auto* accuracy = w->findChild<QSpinBox*>("Accuracy");
  const struct {
    int decimals;
    const char* a;
    const char* answer;
  } steps[] = {{0, "2", "1"},
               {10, "1.9600000000", "0.9750021049"},
               {3, "1.960", "0.975"},
               {7, "1.9600000", "0.9750021"}};
  for (const auto& step : steps) {
    accuracy->setValue(step.decimals);
    EXPECT_EQ(Field(*w, "A")->Text(), step.a) << step.decimals;
    EXPECT_EQ(Field(*w, "Answer")->Text(), step.answer) << step.decimals;
  }

  ChooseRange(*w, rtEqualA);  // empties Answer
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  accuracy->setValue(2);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.00");
  ChooseRange(*w, rtBelowA);
  Calculate(*w);
  ChooseRange(*w, rtEqualA);
  Calculate(*w);  // an answer equal to the held 0 is still written out
  EXPECT_EQ(Field(*w, "Answer")->Text(), "0.00");
}

TEST_F(MainWindowTest, ChoosingAKindReconfiguresTheInputsAndKeepsValues) {
  auto w = MakeWindow();
  Type(*w, "SDev", "1");
  Type(*w, "A", "2.6");
  ChooseRange(*w, rtInsideCO);
  Calculate(*w);
  ASSERT_NE(Field(*w, "Answer")->Text(), "");
  ChooseKind(*w, dkBinomial);
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
  EXPECT_TRUE(Shown(*w, "PLabel") && Shown(*w, "NLabel"));
  EXPECT_FALSE(Shown(*w, "MeanLabel") || Shown(*w, "SigmaLabel"));
  EXPECT_EQ(LabelText(*w, "PLabel"), "P :");
  EXPECT_EQ(LabelText(*w, "NLabel"), "N :");
  EXPECT_EQ(Field(*w, "A")->EditType(), etPositive);
  EXPECT_EQ(Field(*w, "B")->EditType(), etPositive);
  EXPECT_EQ(Field(*w, "A")->Text(), "3");
  EXPECT_EQ(w->PictureIndex(), 6 + rtInsideCO);
  EXPECT_EQ(Field(*w, "Mean")->toolTip(), "The Probability of Success. Must be in [0, 1]");
  EXPECT_EQ(LabelText(*w, "ResultLabel"), "Probability :");
  EXPECT_EQ(w->findChild<QWidget*>("ResultLabel")->toolTip(), "The Probability");

  ChooseKind(*w, dkPoisson);
  EXPECT_FALSE(Shown(*w, "SDev") || Shown(*w, "StdDevCalcBtn"));
  EXPECT_FALSE(Shown(*w, "SigmaLabel") || Shown(*w, "NLabel"));
  EXPECT_TRUE(Shown(*w, "MeanLabel") && Shown(*w, "MeanCalcBtn") && Shown(*w, "ACalcBtn"));
  EXPECT_EQ(Field(*w, "SDev")->EditType(), etPositive);  // a hidden SDev keeps its kind

  ChooseKind(*w, dkStudentT);
  EXPECT_EQ(LabelText(*w, "PLabel"), "Degress of Freedom :");
  EXPECT_EQ(Field(*w, "Mean")->EditType(), etPositive);
  EXPECT_EQ(Field(*w, "A")->EditType(), etReal);
  EXPECT_EQ(Field(*w, "A")->Text(), "3.0000000");
  EXPECT_EQ(w->PictureIndex(), static_cast<int>(rfInside));
}

TEST_F(MainWindowTest, InverseKindsRelabelTheBoundsByTheFixedEnd) {
  auto w = MakeWindow();
  ChooseKind(*w, dkInverseChiSquared);
  ChooseRange(*w, rtInsideOO);
  EXPECT_TRUE(Shown(*w, "FixType") && Shown(*w, "B"));
  EXPECT_EQ(LabelText(*w, "LabelA"), "Probability :");
  EXPECT_EQ(LabelText(*w, "LabelB"), "A :");
  EXPECT_EQ(LabelText(*w, "ResultLabel"), "B :");

  Type(*w, "Mean", "4");
  Type(*w, "A", "0.5");
  Type(*w, "B", "1");
  Calculate(*w);
  ASSERT_NE(Field(*w, "Answer")->Text(), "");
  w->findChild<QRadioButton*>("FixB")->click();
  EXPECT_EQ(w->FixedEnd(), feFixB);
  EXPECT_EQ(LabelText(*w, "LabelB"), "B :");
  EXPECT_EQ(LabelText(*w, "ResultLabel"), "A :");
  EXPECT_EQ(w->findChild<QWidget*>("ResultLabel")->toolTip(), "The value of A");
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");

  ChooseRange(*w, rtAboveA);
  EXPECT_FALSE(Shown(*w, "FixType") || Shown(*w, "B"));
  EXPECT_EQ(LabelText(*w, "LabelA"), "Probability :");
  EXPECT_EQ(LabelText(*w, "ResultLabel"), "A :");
  EXPECT_EQ(w->PictureIndex(), static_cast<int>(rfUpper));
}

TEST_F(MainWindowTest, RangeLabelsSelectTheirRangeAndReselectingChangesNothing) {
  auto w = MakeWindow();
  auto* label = w->findChild<TDuzMathLabel*>("RangeLabel12");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "P(X ^L A or X ^G B)");
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(w->Range(), rtOutsideCC);
  EXPECT_TRUE(Shown(*w, "B") && Shown(*w, "BCalcBtn"));
  EXPECT_EQ(w->PictureIndex(), static_cast<int>(rfOutside));

  Type(*w, "SDev", "1");
  Calculate(*w);
  const QString answer = Field(*w, "Answer")->Text();
  ASSERT_FALSE(answer.isEmpty());
  QTest::mouseClick(label, Qt::LeftButton);
  EXPECT_EQ(Field(*w, "Answer")->Text(), answer);
  w->findChild<QRadioButton*>("PDFRangeItem12")->click();
  EXPECT_EQ(Field(*w, "Answer")->Text(), answer);
  QTest::mouseClick(w->findChild<TDuzMathLabel*>("RangeLabel3"), Qt::LeftButton);
  EXPECT_EQ(w->Range(), rtAboveA);
  EXPECT_TRUE(w->findChild<QRadioButton*>("PDFRangeItem3")->isChecked());
  EXPECT_EQ(Field(*w, "Answer")->Text(), "");
}

// Clicks and hints at screen positions, through the window as the user's pointer reaches
// them: every range label takes its own click and shows the range hint, and no caption of a
// field lies over a range label or is cut short.
TEST_F(MainWindowTest, EveryLabelTakesTheClicksAndHintsAtItsPlace) {
  auto w = MakeWindow();
  const QString range_hint = Get<QWidget>(*w, "PDFRange")->toolTip();
  const char* captions[] = {"MeanLabel",  "PLabel", "SigmaLabel", "NLabel",
                            "ThirdLabel", "LabelA", "LabelB",     "ResultLabel"};
  for (DistributionKind kind :
       {dkNormal, dkBinomial, dkStudentT, dkF, dkInverseF, dkHypergeometric, dkInverseLogNormal}) {
    ChooseKind(*w, kind);
    for (int r = kRangeTypeCount - 1; r >= 0; --r) {
      SCOPED_TRACE(QString("kind %1, range %2").arg(kind).arg(r).toStdString());
      auto* label = Get<TDuzMathLabel>(*w, QString("RangeLabel%1").arg(r).toLatin1().constData());
      const QPoint at = label->mapTo(w.get(), label->rect().center());
      EXPECT_EQ(w->childAt(at), label);
      EXPECT_EQ(w->childAt(at)->toolTip(), range_hint);
      QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
      EXPECT_EQ(w->Range(), static_cast<RangeType>(r));
      for (const char* name : captions) {
        auto* caption = Get<TDuzLabel>(*w, name);
        if (!caption->isVisible()) continue;
        const QPoint centre = caption->mapTo(w.get(), caption->rect().center());
        EXPECT_EQ(w->childAt(centre), caption) << name;
        EXPECT_GE(caption->width(), caption->sizeHint().width()) << name;
        EXPECT_FALSE(caption->geometry().intersects(label->geometry())) << name;
      }
    }
  }
  // The closed distribution list shows its longest item whole.
  QComboBox* list = Combo(*w, "PDFType");
  QStyleOptionComboBox option;
  option.initFrom(list);
  const QRect text = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                   QStyle::SC_ComboBoxEditField, list);
  for (int k = 0; k < list->count(); ++k)
    EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(k)), text.width())
        << list->itemText(k).toStdString();
}

// Also writes a picture of the window for each kind when ZUDIRA_SHOT_DIR names a folder.
TEST_F(MainWindowTest, EveryKindShowsThePictureOfItsRange) {
  auto w = MakeWindow();
  const std::vector<QImage> pictures = DrawRangePictures();
  const QString shots = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  const RangeType ranges[] = {rtEqualA, rtBelowA, rtAtLeastA, rtInsideOC, rtOutsideCO};
  for (int k = 0; k < kDistributionKindCount; ++k) {
    ChooseKind(*w, static_cast<DistributionKind>(k));
    const RangeType range = ranges[k % std::size(ranges)];
    ChooseRange(*w, range);
    const int expected = IsDiscreteKind(static_cast<DistributionKind>(k))
                             ? 6 + static_cast<int>(range)
                             : static_cast<int>(FamilyOf(range));
    EXPECT_EQ(w->PictureIndex(), expected) << k;
    const QImage shown = Get<QLabel>(*w, "Image")->pixmap().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              pictures[static_cast<size_t>(expected)].convertToFormat(QImage::Format_ARGB32))
        << k;
    if (!shots.isEmpty()) w->grab().save(QString("%1/main_kind_%2.png").arg(shots).arg(k));
  }
}

}  // namespace
}  // namespace zudira
