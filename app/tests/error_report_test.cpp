#include "app/shell/error_report.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <stdexcept>

#include "app/shell/message_boxes.h"
#include "stats/exception.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

TEST(ErrorReportTest, FullStopOnlyAfterCharactersSortingAfterThePoint) {
  const struct {
    const char* message;
    const char* shown;
  } cases[] = {
      {"F must be > 0", "F must be > 0."},
      {"Degrees of Freedom must be > 0", "Degrees of Freedom must be > 0."},
      {"Gamma of non-positive integer is undefined!",
       "Gamma of non-positive integer is undefined!"},
      {"Already ends.", "Already ends."},
      {"", ""},
      {"range (a, b)", "range (a, b)"},  // ')' sorts before '.'
      {"minus -", "minus -"},
      {"slash /", "slash /."},  // '/' sorts right after '.'
      {"Factorial Calculation cannot exceed 1547", "Factorial Calculation cannot exceed 1547."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportText(c.message), QString(c.shown)) << c.message;
  }
}

TEST(ErrorReportTest, EscapingErrorsAreReportedAndTheProgramGoesOn) {
  ScopedBoxScript script;
  EXPECT_FALSE(RunCommand([] { throw Exception("F must be > 0"); }));
  EXPECT_FALSE(RunCommand([] { throw EStException("Bad parameter", StatBadParam); }));
  EXPECT_FALSE(RunCommand([] { throw std::runtime_error("out of range"); }));
  EXPECT_FALSE(RunCommand([] { throw 42; }));
  int ran = 0;
  EXPECT_TRUE(RunCommand([&] { ++ran; }));
  EXPECT_EQ(ran, 1);

  ASSERT_EQ(script.Shown().size(), 4u);
  for (const ShownBox& box : script.Shown()) {
    EXPECT_EQ(box.kind, BoxKind::bkErrorReport);
    EXPECT_EQ(box.caption, "Zudira");
  }
  EXPECT_EQ(script.Shown()[0].text, "F must be > 0.");
  EXPECT_EQ(script.Shown()[1].text, "Bad parameter.");
  EXPECT_EQ(script.Shown()[2].text, "out of range.");
  EXPECT_FALSE(script.Shown()[3].text.isEmpty());
}

TEST(ErrorReportTest, AnEmptyMessageShowsAnEmptyBox) {
  ScopedBoxScript script;
  EXPECT_FALSE(RunCommand([] { throw Exception(""); }));
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].text, "");
}

// Without a script the report is a real modal box titled "Zudira" with the error icon and one OK.
TEST(ErrorReportTest, RealReportBoxHasTheErrorIconAndOneOk) {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  qsizetype buttons = 0;
  ModalProbe probe([&](QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->buttons().size();
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_FALSE(RunCommand([] { throw Exception("Degrees of Freedom must be > 0"); }));
  EXPECT_EQ(title, "Zudira");
  EXPECT_EQ(text, "Degrees of Freedom must be > 0.");
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace zudira
