// Screen readers find a name for every control of the main window, and the fields are named
// by the captions beside them as those change.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include "app/tests/main_window_fixture.h"

namespace zudira {
namespace {

TEST(AccessibleCaption, ReadsSymbolsDropsAcceleratorsAndTheColon) {
  struct Case {
    const char* caption;
    const char* expected;
  } cases[] = {
      {"Mean (^m):", "Mean (μ)"},        {"P(X ^L A)", "P(X ≤ A)"},
      {"&Calculate!", "Calculate!"},     {"Degress of Freedom :", "Degress of Freedom"},
      {"Fish && Chips", "Fish & Chips"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AccessibleCaption(QString::fromUtf8(c.caption)).toStdString(), c.expected);
}

TEST_F(MainWindowTest, EveryControlHasANameAndFieldsFollowTheirCaptions) {
  auto w = MakeWindow();
  auto name_of = [](QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face == nullptr ? QString() : face->text(QAccessible::Name);
  };
  struct Case {
    DistributionKind kind;
    RangeType range;
    const char* field;
    const char* expected;
  } cases[] = {
      {dkNormal, rtBelowA, "Mean", "Mean (μ)"},
      {dkNormal, rtBelowA, "SDev", "Standard Dev (σ)"},
      {dkNormal, rtInsideOO, "B", "B"},
      {dkInverseStudentT, rtBelowA, "Mean", "Degress of Freedom"},
      {dkInverseStudentT, rtBelowA, "A", "Probability"},
      {dkInverseStudentT, rtBelowA, "Answer", "A"},
  };
  for (const Case& c : cases) {
    ChooseKind(*w, c.kind);
    ChooseRange(*w, c.range);
    EXPECT_EQ(name_of(Field(*w, c.field)).toStdString(), c.expected) << c.field;
  }
  ChooseKind(*w, dkF);
  ChooseRange(*w, rtInsideOO);
  QStringList nameless;
  for (QWidget* control : w->findChildren<QWidget*>()) {
    const bool is_control = qobject_cast<QAbstractButton*>(control) ||
                            qobject_cast<QComboBox*>(control) ||
                            qobject_cast<QAbstractSpinBox*>(control) ||
                            (qobject_cast<QLineEdit*>(control) &&
                             !qobject_cast<QAbstractSpinBox*>(control->parentWidget()) &&
                             !qobject_cast<QComboBox*>(control->parentWidget()));
    if (is_control && control->isVisible() && name_of(control).trimmed().isEmpty())
      nameless << control->metaObject()->className() + QString(" ") + control->objectName();
  }
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(", ").toStdString();
}

}  // namespace
}  // namespace zudira
