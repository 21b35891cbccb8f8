#include "app/apply_appearance.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

#include "app/colour_box.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

namespace zudira {
namespace {

AppearanceSettings Settings(ColourValue heading, ColourValue readOnly, bool flat) {
  AppearanceSettings s;
  s.HeadingColour = heading;
  s.ReadOnlyColour = readOnly;
  s.FlatToolButtons = flat;
  s.FlatComboBoxes = flat;
  return s;
}

QColor TextColour(const QWidget* w) {
  return w->palette().color(QPalette::ButtonText);
}

TEST(ApplyAppearanceTest, EachRuleReachesOnlyItsKindOfDirectChild) {
  QWidget panel;
  auto* tool = new QToolButton(&panel);
  auto* sunkenTool = new QToolButton(&panel);
  sunkenTool->setProperty(kSunkenShadowProperty, true);
  auto* combo = new QComboBox(&panel);
  auto* colourBox = new TColourBox(&panel);
  auto* edit = new TDuzEdit3(&panel);
  auto* heading = new TDuzLabel2(&panel);
  auto* recessed = new TDuzMathLabel(&panel);
  recessed->SetLabelStyle(lsRecessed);
  auto* raised = new TDuzMathLabel(&panel);
  raised->SetLabelStyle(lsRaised);
  auto* plainButton = new QPushButton("Plain", &panel);
  auto* sunkenButton = new QPushButton("Sunken", &panel);
  sunkenButton->setProperty(kSunkenShadowProperty, true);
  auto* group = new QGroupBox("Group", &panel);
  group->setProperty(kSunkenShadowProperty, true);
  auto* plainGroup = new QGroupBox("Plain group", &panel);
  // Grandchildren are not visited.
  auto* inner = new QWidget(&panel);
  auto* innerTool = new QToolButton(inner);
  auto* innerLabel = new TDuzMathLabel(inner);
  innerLabel->SetLabelStyle(lsRecessed);

  const QColor plainText = TextColour(plainButton);
  const QColor raisedColour = raised->FontColour();
  const QColor innerColour = innerLabel->FontColour();
  innerTool->setAutoRaise(false);

  for (const AppearanceSettings& s : {Settings(0x0000FF, 0x00FF00, true),      // red, lime
                                      Settings(0xFF0000, 0xFFFF00, false)}) {  // blue, aqua
    SCOPED_TRACE(s.FlatToolButtons ? "flat" : "raised");
    ApplyAppearance(&panel, s);
    const QColor headingColour = ColourFromValue(s.HeadingColour);
    EXPECT_EQ(tool->autoRaise(), s.FlatToolButtons);
    EXPECT_EQ(sunkenTool->autoRaise(), s.FlatToolButtons);
    EXPECT_EQ(TextColour(sunkenTool), headingColour);
    EXPECT_NE(TextColour(tool), headingColour);
    EXPECT_EQ(combo->hasFrame(), !s.FlatComboBoxes);
    EXPECT_EQ(colourBox->hasFrame(), !s.FlatComboBoxes);
    EXPECT_EQ(edit->ReadOnlyOnColour(), s.ReadOnlyColour);
    EXPECT_EQ(heading->FontColour(), headingColour);
    EXPECT_EQ(recessed->FontColour(), headingColour);
    EXPECT_EQ(raised->FontColour(), raisedColour);
    EXPECT_EQ(TextColour(sunkenButton), headingColour);
    EXPECT_EQ(TextColour(plainButton), plainText);
    EXPECT_TRUE(group->styleSheet().contains(headingColour.name()));
    EXPECT_TRUE(plainGroup->styleSheet().isEmpty());
    EXPECT_FALSE(innerTool->autoRaise());
    EXPECT_EQ(innerLabel->FontColour(), innerColour);
  }
}

}  // namespace
}  // namespace zudira
