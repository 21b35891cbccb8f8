// The kinds below the line of the distribution list, driven through the real widgets: the line
// itself, the hypergeometric's third field, an answer per family in both modes, and where the
// third value travels (print, tables, help).
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "app/dialogs/statistical_tables_window.h"
#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/tests/main_window_fixture.h"
#include "core/catalogue.h"
#include "core/kinds/kind_record.h"
#include "reports/stream_report.h"
#include "reports/tests/stream_reading.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

void Wheel(QComboBox* list, int delta) {
  const QPoint centre = list->rect().center();
  QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &wheel);
}

TEST_F(MainWindowTest, TheListsLineTakesNeitherKeysNorWheelNorClicks) {
  auto w = MakeWindow();
  QComboBox* list = Combo(*w, "PDFType");
  ASSERT_EQ(list->count(), 30);
  EXPECT_EQ(list->itemText(10), "Inverse F-Distribution");
  EXPECT_EQ(list->itemText(12), "Hypergeometric Distribution");
  EXPECT_EQ(list->itemText(29), "Inverse Cauchy Distribution");
  const QModelIndex line = list->model()->index(11, 0);
  EXPECT_FALSE(line.flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(line.data(Qt::AccessibleDescriptionRole).toString(), "separator");

  ChooseKind(*w, dkInverseF);
  list->setFocus(Qt::TabFocusReason);
  const struct {
    std::function<void()> act;
    DistributionKind kind;
  } steps[] = {
      {[&] { QTest::keyClick(list, Qt::Key_Down); }, dkHypergeometric},
      {[&] { QTest::keyClick(list, Qt::Key_Up); }, dkInverseF},
      {[&] { Wheel(list, -120); }, dkHypergeometric},
      {[&] { Wheel(list, 120); }, dkInverseF},
      {[&] { QTest::keyClick(list, Qt::Key_End); }, dkInverseCauchy},
      {[&] { QTest::keyClick(list, Qt::Key_Home); }, dkNormal},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(w->Kind(), step.kind);
    EXPECT_NE(list->currentIndex(), 11);
  }

  // The open list: the arrow key steps over the line, and a click on it chooses nothing.
  ChooseKind(*w, dkInverseF);
  list->showPopup();
  QAbstractItemView* view = list->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    view->visualRect(line).center());
  EXPECT_EQ(w->Kind(), dkInverseF);
  if (!view->isVisible()) {
    list->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  }
  view->setCurrentIndex(list->model()->index(10, 0));
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Return);
  EXPECT_EQ(w->Kind(), dkHypergeometric);
  EXPECT_FALSE(view->isVisible());
}

TEST_F(MainWindowTest, OnlyTheHypergeometricShowsAThirdFieldBelowTheSecond) {
  auto w = MakeWindow();
  const QRect normal_a = Field(*w, "A")->geometry();
  const QRect normal_answer = Field(*w, "Answer")->geometry();
  for (int k = 0; k < kDistributionKindCount; ++k) {
    const auto kind = static_cast<DistributionKind>(k);
    SCOPED_TRACE(k);
    ChooseKind(*w, kind);
    const bool third = kind == dkHypergeometric;
    for (const char* name : {"Third", "ThirdLabel", "ThirdCalcBtn"})
      EXPECT_EQ(Shown(*w, name), third) << name;
    if (!third) {
      // Every other kind keeps the window as it was: no gap where the third row would be.
      EXPECT_EQ(Field(*w, "A")->geometry(), normal_a);
      EXPECT_EQ(Field(*w, "Answer")->geometry(), normal_answer);
    }
  }
  ChooseKind(*w, dkHypergeometric);
  ChooseRange(*w, rtInsideCC);
  const char* column[] = {"Mean", "SDev", "Third", "A", "B", "Answer", "CalcBtn", "Image"};
  for (size_t i = 1; i < std::size(column); ++i) {
    const QRect above = Get<QWidget>(*w, column[i - 1])->geometry();
    const QRect here = Get<QWidget>(*w, column[i])->geometry();
    EXPECT_GT(here.top(), above.bottom()) << column[i];
    EXPECT_LE(here.bottom(), Get<QWidget>(*w, "ClientPanel")->height()) << column[i];
  }
  EXPECT_EQ(Field(*w, "Third")->geometry().left(), Field(*w, "SDev")->geometry().left());
  EXPECT_EQ(LabelText(*w, "ThirdLabel"), "Draws (n):");
  EXPECT_EQ(Field(*w, "Third")->EditType(), etPositive);
  // F1 opens the third field's own topic, and in the list or a parameter the kind's topic.
  EXPECT_EQ(Field(*w, "Third")->property("helpContext").toInt(), kHelpThirdParameter);
  for (const char* name : {"PDFType", "Mean", "SDev"})
    EXPECT_EQ(Get<QWidget>(*w, name)->property("helpContext").toInt(), 5111) << name;
  EXPECT_EQ(Get<QWidget>(*w, "A")->property("helpContext").toInt(), kHelpParameters);

  // Tab runs from the list through the chosen range type and the fields in their order.
  Combo(*w, "PDFType")->setFocus(Qt::TabFocusReason);
  for (const char* next : {"PDFRangeItem8", "Mean", "SDev", "Third", "A", "B"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }

  // Its calculator button fills it, rounded to a whole number.
  w->SetCalculator([](const QString&, Real& value) {
    value = 6.6L;
    return true;
  });
  QTest::mouseClick(Get<QToolButton>(*w, "ThirdCalcBtn"), Qt::LeftButton);
  EXPECT_EQ(Field(*w, "Third")->Text(), "7");
  EXPECT_EQ(w->CurrentRequest().third.whole, 7);
}

// One kind of each family, typed into the fields and calculated in both modes: the kinds below
// the line answer alike in both, and the classic mode never shows the precise notice for them.
// References: mpmath at 30 digits (hypergeometric sum of binomials, gammainc, betainc).
TEST_F(MainWindowTest, EachFamilyBelowTheLineAnswersAlikeInBothModes) {
  const struct {
    DistributionKind kind;
    RangeType range;
    FixEnd fixed;
    std::vector<std::pair<const char*, const char*>> typed;
    const char* answer;
  } cases[] = {
      // N = 50, K = 10, n = 5: P(X <= 2) = 0.95173969680...
      {dkHypergeometric,
       rtAtMostA,
       feFixA,
       {{"Mean", "50"}, {"SDev", "10"}, {"Third", "5"}, {"A", "2"}},
       "0.9517397"},
      // k = 2, theta = 3: P(X < 4) = 0.38494001106...
      {dkGamma, rtBelowA, feFixA, {{"Mean", "2"}, {"SDev", "3"}, {"A", "4"}}, "0.3849400"},
      // alpha = 2, beta = 3: the median 0.38572756813...
      {dkInverseBeta, rtBelowA, feFixA, {{"Mean", "2"}, {"SDev", "3"}, {"A", "0.5"}}, "0.3857276"},
      // P(0.2 < X < B) = 0.3 with A fixed: I(B) = 0.1808 + 0.3, B = 0.37477179164...
      {dkInverseBeta,
       rtInsideOO,
       feFixA,
       {{"Mean", "2"}, {"SDev", "3"}, {"A", "0.3"}, {"B", "0.2"}},
       "0.3747718"},
  };
  auto w = MakeWindow();
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("kind %1, range %2").arg(c.kind).arg(c.range).toStdString());
    ChooseKind(*w, c.kind);
    ChooseRange(*w, c.range);
    if (c.fixed == feFixB) Get<QRadioButton>(*w, "FixB")->click();
    for (const auto& [field, text] : c.typed) Type(*w, field, text);
    for (CalculationMode mode : {CalculationMode::kPrecise, CalculationMode::kClassic}) {
      UseMode(*w, mode);
      ScopedBoxScript boxes;
      Calculate(*w);
      for (const ShownBox& box : boxes.Shown()) ADD_FAILURE() << box.text.toStdString();
      EXPECT_EQ(Field(*w, "Answer")->Text(), c.answer);
      EXPECT_FALSE(Get<QLabel>(*w, "NoticePane")->isVisible());
    }
  }
}

// The third value reaches the printed answer, Copy Calculation and the current distribution;
// the report of a kind without classic algorithms says the precise ones made it, in either mode.
TEST_F(MainWindowTest, TheThirdValueIsPrintedCopiedAndReachesTheTables) {
  TDuzDataRP module;
  auto w = MakeWindow();
  UseMode(*w, CalculationMode::kClassic);
  ChooseKind(*w, dkHypergeometric);
  ChooseRange(*w, rtAtMostA);
  for (const auto& [field, text] :
       {std::pair{"Mean", "50"}, std::pair{"SDev", "10"}, std::pair{"Third", "5"}})
    Type(*w, field, text);
  StreamReport report(Paper{QSizeF(8.27, 11.69), QMarginsF(0.14, 0.14, 0.14, 0.14), 600});
  w->rPrintInfo(report);
  QStringList lines;
  for (const ReadLine& line : ReadLines(report.Stream(), 0)) lines << line.text;
  const std::string_view caption = FindKindRecord(dkHypergeometric)->report_captions[2];
  EXPECT_TRUE(lines.contains(QString::fromUtf8(caption.data(), caption.size()) + "5"))
      << lines.join("\n").toStdString();
  EXPECT_TRUE(lines.contains("Computed with precise algorithms."))
      << lines.join("\n").toStdString();
  // Copy Calculation's R line draws the third value's k from the urn.
  Type(*w, "A", "2");
  w->CopyCalcItemClick();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("m = 10, n = 40, k = 5"))
      << QGuiApplication::clipboard()->text().toStdString();

  TableSettings seen;
  ModalProbe probe([&](QDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>("TableList");
    ASSERT_NE(list, nullptr);
    list->setCurrentRow(static_cast<int>(TableKind::kCurrent));
    seen = static_cast<StatisticalTablesWindow&>(dialog).Settings();
  });
  w->TablesItemClick();
  EXPECT_EQ(probe.Seen(), 1);
  EXPECT_EQ(seen.current_kind, dkHypergeometric);
  EXPECT_EQ(seen.current_third.whole, 5);
  EXPECT_EQ(seen.current_sdev.whole, 10);
}

}  // namespace
}  // namespace zudira
