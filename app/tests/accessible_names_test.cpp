// Screen readers find a name for every control of the main window, and the fields are named
// by the captions beside them as those change.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <QAbstractItemView>
#include <QAbstractScrollArea>

#include "app/dialogs/about_box.h"
#include "app/dialogs/preferences_dialog.h"
#include "app/help/help.h"
#include "app/help/help_viewer.h"
#include "app/tests/main_window_fixture.h"
#include "widgets/accessible_caption.h"

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

QString NameOf(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face == nullptr ? QString() : face->text(QAccessible::Name);
}

// The shown controls below `root` that a screen reader could name only by their kind.
QStringList NamelessControls(QWidget* root) {
  QStringList nameless;
  for (QWidget* control : root->findChildren<QWidget*>()) {
    QWidget* parent = control->parentWidget();
    const bool inner = qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent);
    const bool is_control =
        qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
        qobject_cast<QAbstractSpinBox*>(control) || (qobject_cast<QLineEdit*>(control) && !inner) ||
        (qobject_cast<QAbstractScrollArea*>(control) && !inner);
    if (is_control && control->isVisibleTo(root) && NameOf(control).trimmed().isEmpty())
      nameless << control->metaObject()->className() + QString(" ") + control->objectName();
  }
  return nameless;
}

TEST_F(MainWindowTest, EveryControlOfEveryWindowHasAName) {
  TPrefForm preferences;
  HelpViewer help(HelpDocument::Parse("== 1 | Contents\nkeywords: word\nText.\n"));
  TAboutBox2 about;
  for (QWidget* window : std::initializer_list<QWidget*>{&preferences, &help, &about})
    EXPECT_EQ(NamelessControls(window).join(", ").toStdString(), "")
        << window->metaObject()->className();
}

TEST_F(MainWindowTest, EveryControlHasANameAndFieldsFollowTheirCaptions) {
  auto w = MakeWindow();
  auto name_of = NameOf;
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
      {dkHypergeometric, rtBelowA, "SDev", "Successes (K)"},
      {dkHypergeometric, rtBelowA, "Third", "Draws (n)"},
      {dkGamma, rtBelowA, "Mean", "Shape (k)"},
      {dkInverseBeta, rtInsideOO, "B", "A"},
  };
  for (const Case& c : cases) {
    ChooseKind(*w, c.kind);
    ChooseRange(*w, c.range);
    EXPECT_EQ(name_of(Field(*w, c.field)).toStdString(), c.expected) << c.field;
  }
  EXPECT_EQ(name_of(Get<QWidget>(*w, "ThirdCalcBtn")).toStdString(), "Calculator for Draws (n)");
  for (DistributionKind kind : {dkF, dkHypergeometric}) {
    ChooseKind(*w, kind);
    ChooseRange(*w, rtInsideOO);
    const QStringList nameless = NamelessControls(w.get());
    EXPECT_TRUE(nameless.isEmpty()) << kind << ": " << nameless.join(", ").toStdString();
  }
}

}  // namespace
}  // namespace zudira
