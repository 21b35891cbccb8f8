#include "app/shell/message_boxes.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

struct AskCase {
  const char* name;
  int start;
  bool accept;
  const char* typed;
  bool result;
  int value;
  const char* shown_line;
};

TEST(AskIntegerTest, ReadsTheLineAsTheBoxWasClosed) {
  const AskCase cases[] = {
      {"zero shows an empty line", 0, true, "12", true, 12, ""},
      {"value shown as decimal", -345, true, "-345", true, -345, "-345"},
      {"cancel keeps the value", 7, false, "99", false, 7, "7"},
      {"empty OK keeps the value", 7, true, "", false, 7, "7"},
      {"no number gives 0", 7, true, "abc", true, 0, "7"},
      {"clamped above", 1, true, "99999999999", true, 2147483647, "1"},
      {"clamped below", 1, true, "-99999999999", true, -2147483647 - 1, "1"},
  };
  for (const AskCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedBoxScript script;
    script.Answer(c.accept, c.typed);
    int value = c.start;
    EXPECT_EQ(AskInteger("Lists", "Enter N", value), c.result);
    EXPECT_EQ(value, c.value);
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].kind, BoxKind::bkAskInteger);
    EXPECT_EQ(script.Shown()[0].caption, "Lists");
    EXPECT_EQ(script.Shown()[0].text, "Enter N");
    EXPECT_EQ(script.Shown()[0].initial_text, c.shown_line);
  }
}

TEST(MessageBoxesTest, EachBoxReportsItsKindTextAndAnswer) {
  ScopedBoxScript script;
  script.Answer(false);
  script.Answer(true);
  script.Answer(true);
  script.Answer(true);
  EXPECT_FALSE(ConfirmMsg("Set Preferences to Enhanced Defaults?"));
  EXPECT_TRUE(ConfirmMsg("Again?"));
  EXPECT_TRUE(WarningMsg("Careful"));
  EXPECT_TRUE(ErrorMsg("p must be in [0, 1]"));
  ASSERT_EQ(script.Shown().size(), 4u);
  EXPECT_EQ(script.Shown()[0].kind, BoxKind::bkConfirm);
  EXPECT_EQ(script.Shown()[0].text, "Set Preferences to Enhanced Defaults?");
  EXPECT_EQ(script.Shown()[2].kind, BoxKind::bkWarning);
  EXPECT_EQ(script.Shown()[3].kind, BoxKind::bkError);
  EXPECT_EQ(script.Shown()[3].text, "p must be in [0, 1]");
}

TEST(MessageBoxesTest, NestedScriptsRestoreTheOuterOne) {
  ScopedBoxScript outer;
  {
    ScopedBoxScript inner;
    ErrorMsg("inner");
    EXPECT_EQ(inner.Shown().size(), 1u);
  }
  ErrorMsg("outer");
  ASSERT_EQ(outer.Shown().size(), 1u);
  EXPECT_EQ(outer.Shown()[0].text, "outer");
}

// The real box: modal, centred, arrow cursor while shown, previous cursor back afterwards.
TEST(MessageBoxesTest, RealConfirmBoxAnswersNoAndRestoresTheCursor) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Qt::CursorShape shape_while_shown = Qt::BlankCursor;
  QString seen_name;
  bool seen_modal = false;
  ModalProbe probe([&](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    ASSERT_NE(box, nullptr);
    seen_name = box->objectName();
    seen_modal = box->isModal();
    shape_while_shown = QApplication::overrideCursor()->shape();
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(ConfirmMsg("Set Preferences to Conservative Defaults?"));
  EXPECT_EQ(seen_name, "ConfirmMsg");
  EXPECT_TRUE(seen_modal);
  EXPECT_EQ(shape_while_shown, Qt::ArrowCursor);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QApplication::restoreOverrideCursor();
}

TEST(MessageBoxesTest, RealInputBoxStartsEmptyForZeroAndReadsTheTypedLine) {
  QString shown_line = "not seen";
  QString caption;
  ModalProbe probe([&](QDialog& dialog) {
    auto* box = qobject_cast<QInputDialog*>(&dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->objectName(), "AskInteger");
    caption = box->windowTitle();
    shown_line = box->textValue();
    box->setTextValue("25");
    box->accept();
  });
  int value = 0;
  EXPECT_TRUE(AskInteger("Binomial Coefficients", "Enter N (0 to 1547)", value));
  EXPECT_EQ(caption, "Binomial Coefficients");
  EXPECT_EQ(shown_line, "");
  EXPECT_EQ(value, 25);
}

}  // namespace
}  // namespace zudira
