#include "app/dialogs/lists_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include "app/shell/data_modules.h"
#include "reports/tests/test_windows.h"

#include <stdexcept>

#include "app/dialogs/wait_window.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "appearance/appearance_settings.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

int WaitWindowsAlive() {
  int count = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<TDuzWaitForm*>(window) != nullptr) ++count;
  return count;
}

TEST(ListCommand, AsksForNAndChecksTheRange) {
  const struct {
    bool accepted;
    const char* typed;
    bool list_shown;
    const char* caption;
    int rows;
    bool warned;
    const char* refusal;  // the error box for text that is no whole number
  } cases[] = {
      {false, "12", false, "", 0, false, nullptr},  // cancel
      {true, "", false, "", 0, false, nullptr},     // OK on an empty line
      {true, "abc", false, "", 0, false, "'abc' is not a whole number"},
      {true, "1-2", false, "", 0, false, "'1-2' is not a whole number"},
      {true, "0", true, "Binomial Coefficients for N = 0", 1, false, nullptr},
      {true, " 20 ", true, "Binomial Coefficients for N = 20", 21, false, nullptr},
      {true, "1547", true, "Binomial Coefficients for N = 1547", 1548, false, nullptr},
      {true, "1548", false, "", 0, true, nullptr},
      {true, "-1", false, "", 0, true, nullptr},
      {true, "99999999999", false, "", 0, true, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ScopedBoxScript boxes;
    boxes.Answer(c.accepted, QString::fromLatin1(c.typed));
    QString caption;
    int rows = -1;
    ModalProbe probe([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      if (auto* form = qobject_cast<TStatListForm*>(&dialog)) rows = form->Rows().size();
      EXPECT_EQ(WaitWindowsAlive(), 0);
    });
    RunListCommand(ListKind::lkBinomialCoeffs);

    ASSERT_FALSE(boxes.Shown().empty());
    const ShownBox& ask = boxes.Shown().front();
    EXPECT_EQ(ask.kind, BoxKind::bkAskInteger);
    EXPECT_EQ(ask.caption, "Binomial Coefficients");
    EXPECT_EQ(ask.text, "Up to N = ");
    EXPECT_EQ(ask.initial_text, "");
    EXPECT_EQ(probe.Seen(), c.list_shown ? 1 : 0);
    if (c.list_shown) {
      EXPECT_EQ(caption, c.caption);
      EXPECT_EQ(rows, c.rows);
    }
    ASSERT_EQ(boxes.Shown().size(), c.warned || c.refusal != nullptr ? 2u : 1u);
    if (c.warned) {
      EXPECT_EQ(boxes.Shown()[1].kind, BoxKind::bkWarning);
      EXPECT_EQ(boxes.Shown()[1].text, "Zudira can only handles values between 0 and 1547");
    }
    if (c.refusal != nullptr) {
      EXPECT_EQ(boxes.Shown()[1].kind, BoxKind::bkError);
      EXPECT_EQ(boxes.Shown()[1].text, c.refusal);
    }
  }
}

TEST(ListCommand, CaptionsOfTheOtherKinds) {
  const struct {
    ListKind kind;
    const char* ask;
    const char* window;
  } cases[] = {
      {ListKind::lkFactorials, "Factorials", "Factorials up to N = 12"},
      {ListKind::lkPermutations, "Permuations", "Permutations for N = 12"},
  };
  for (const auto& c : cases) {
    ScopedBoxScript boxes;
    boxes.Answer(true, "12");
    QString caption;
    QString last_row;
    ModalProbe probe([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      last_row = static_cast<TStatListForm&>(dialog).Rows().back();
      EXPECT_EQ(static_cast<TStatListForm&>(dialog).Kind(), c.kind);
    });
    RunListCommand(c.kind);
    ASSERT_EQ(probe.Seen(), 1);
    EXPECT_EQ(boxes.Shown().front().caption, c.ask);
    EXPECT_EQ(caption, c.window);
    EXPECT_EQ(last_row, "12|479001600");  // 12! = 12!/0!
  }
}

TEST(ShowList, WaitWindowCoversTheBuildAndGoesAwayAfterAFailure) {
  bool wait_shown_during_build = false;
  QString wait_caption;
  QString wait_heading;
  QColor heading_colour;
  const ListRowBuilder failing = [&](ListKind, int) -> std::vector<std::string> {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* wait = qobject_cast<TDuzWaitForm*>(window); wait && wait->isVisible()) {
        wait_shown_during_build = true;
        wait_caption = wait->windowTitle();
        wait_heading = wait->Heading()->text();
        heading_colour = wait->Heading()->palette().color(QPalette::WindowText);
      }
    throw std::runtime_error("Factorial Calculation cannot exceed 1547");
  };
  ModalProbe probe([](QDialog&) {});
  EXPECT_THROW(ShowList(ListKind::lkFactorials, 5, nullptr, failing), std::runtime_error);
  EXPECT_TRUE(wait_shown_during_build);
  EXPECT_EQ(wait_caption, "Working....");
  EXPECT_EQ(wait_heading, " Please Wait! ");
  EXPECT_EQ(heading_colour, ColourFromValue(Appearance().HeadingColour));
  EXPECT_EQ(WaitWindowsAlive(), 0);
  EXPECT_EQ(probe.Seen(), 0);  // no list after a failed build

  // Run as a command, the failure reaches the general error report.
  ScopedBoxScript boxes;
  EXPECT_FALSE(RunCommand([&] { ShowList(ListKind::lkFactorials, 5, nullptr, failing); }));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkErrorReport);
  EXPECT_EQ(WaitWindowsAlive(), 0);
}

TEST(ListForm, ShowsTwoColumnsOnTheReadOnlyColour) {
  TStatListForm form;
  form.SetRows(ListKind::lkPermutations, {"0|1", "1|5", "2|20", "odd"});
  EXPECT_EQ(form.size(), QSize(315, 361));
  auto* lb = form.findChild<QTableView*>("LB");
  ASSERT_NE(lb, nullptr);
  const QAbstractItemModel* model = lb->model();
  EXPECT_EQ(model->columnCount(), 2);
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "N");
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Value");
  EXPECT_EQ(lb->columnWidth(0), 64);
  EXPECT_GE(lb->columnWidth(1), 247);
  ASSERT_EQ(model->rowCount(), 4);
  EXPECT_EQ(model->index(2, 0).data().toString(), "2");
  EXPECT_EQ(model->index(2, 1).data().toString(), "20");
  EXPECT_EQ(model->index(3, 0).data().toString(), "odd");
  EXPECT_EQ(model->index(3, 1).data().toString(), "");
  EXPECT_TRUE(lb->showGrid());
  EXPECT_TRUE(lb->styleSheet().contains(ColourFromValue(Appearance().ReadOnlyColour).name()));
  EXPECT_EQ(form.Kind(), ListKind::lkPermutations);

  auto* ok = form.findChild<QPushButton*>("OKBtn");
  auto* print = form.findChild<QPushButton*>("PrintBtn");
  ASSERT_TRUE(ok && print);
  EXPECT_TRUE(ok->isDefault());
  EXPECT_EQ(print->text(), "Print");

  ScopedBoxScript boxes;
  TDuzDataRP module;
  RecordingWindows windows;
  module.RepSys().SetWindows(&windows);
  form.show();
  print->click();
  EXPECT_TRUE(boxes.Shown().empty());
  EXPECT_EQ(windows.preview_titles, QStringList{"Permutations"});
  EXPECT_EQ(windows.preview_pages, 1);
  EXPECT_TRUE(form.isVisible());  // printing does not close the window
  ok->click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);

  // Enter in the list presses the default button.
  form.setResult(QDialog::Rejected);
  form.show();
  lb->setFocus();
  QTest::keyClick(lb, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

// The longest list keeps both columns in view wherever the keys take it, and Home and End go
// to the first and last row. Writes the view at the end to ZUDIRA_SHOT_DIR when it is set.
TEST(ListForm, KeysMoveByRowsAndTheColumnsStayInView) {
  TStatListForm form;
  form.setWindowTitle("Factorials up to N = 1547");
  form.SetRows(ListKind::lkFactorials, BuildListRows(ListKind::lkFactorials, 1547));
  form.show();
  QCoreApplication::processEvents();
  auto* lb = form.findChild<QTableView*>("LB");
  lb->setFocus();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int row;
  } steps[] = {
      {Qt::Key_End, Qt::ControlModifier, 1547}, {Qt::Key_PageUp, Qt::NoModifier, -1},
      {Qt::Key_Home, Qt::NoModifier, 0},        {Qt::Key_End, Qt::NoModifier, 1547},
      {Qt::Key_Up, Qt::NoModifier, 1546},       {Qt::Key_Home, Qt::ControlModifier, 0},
  };
  for (const auto& step : steps) {
    QTest::keyClick(lb, step.key, step.modifiers);
    SCOPED_TRACE(step.key);
    const QModelIndex current = lb->currentIndex();
    if (step.row >= 0) {
      EXPECT_EQ(current.row(), step.row);
    }
    EXPECT_LT(current.row(), 1547 + (step.row != -1));
    EXPECT_EQ(lb->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(lb->columnViewportPosition(0), 0);
    EXPECT_LE(lb->columnViewportPosition(1) + lb->columnWidth(1), lb->viewport()->width());
    const QRect row = lb->visualRect(current);
    EXPECT_TRUE(lb->viewport()->rect().contains(row)) << current.row();
    EXPECT_LE(lb->fontMetrics().horizontalAdvance(current.data().toString()) + 6, row.width());
  }
  QTest::keyClick(lb, Qt::Key_End, Qt::ControlModifier);
  const QString shots = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  if (!shots.isEmpty()) form.grab().save(shots + "/lists_end.png");
}

TEST(ListForm, MinimisingMinimisesTheApplication) {
  QWidget main_window;
  main_window.show();
  TStatListForm form;
  form.show();
  form.setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(main_window.isMinimized());
}

}  // namespace
}  // namespace zudira
