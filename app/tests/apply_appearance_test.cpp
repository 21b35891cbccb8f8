#include "app/shell/apply_appearance.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>

#include "widgets/colour_box.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

namespace zudira {
namespace {

AppearanceSettings Settings(ColourValue heading, ColourValue read_only, bool flat) {
  AppearanceSettings s;
  s.HeadingColour = heading;
  s.ReadOnlyColour = read_only;
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
  auto* sunken_tool = new QToolButton(&panel);
  sunken_tool->setProperty(kSunkenShadowProperty, true);
  auto* combo = new QComboBox(&panel);
  auto* colour_box = new ColourBox(&panel);
  auto* edit = new TDuzEdit3(&panel);
  auto* heading = new TDuzLabel2(&panel);
  auto* recessed = new TDuzMathLabel(&panel);
  recessed->SetLabelStyle(lsRecessed);
  auto* raised = new TDuzMathLabel(&panel);
  raised->SetLabelStyle(lsRaised);
  auto* plain_button = new QPushButton("Plain", &panel);
  auto* sunken_button = new QPushButton("Sunken", &panel);
  sunken_button->setProperty(kSunkenShadowProperty, true);
  auto* group = new QGroupBox("Group", &panel);
  group->setProperty(kSunkenShadowProperty, true);
  auto* plain_group = new QGroupBox("Plain group", &panel);
  // Grandchildren are not visited.
  auto* inner = new QWidget(&panel);
  auto* inner_tool = new QToolButton(inner);
  auto* inner_label = new TDuzMathLabel(inner);
  inner_label->SetLabelStyle(lsRecessed);

  const QColor plain_text = TextColour(plain_button);
  const QColor raised_colour = raised->FontColour();
  const QColor inner_colour = inner_label->FontColour();
  inner_tool->setAutoRaise(false);

  for (const AppearanceSettings& s : {Settings(0x0000FF, 0x00FF00, true),      // red, lime
                                      Settings(0xFF0000, 0xFFFF00, false)}) {  // blue, aqua
    SCOPED_TRACE(s.FlatToolButtons ? "flat" : "raised");
    ApplyAppearance(&panel, s);
    const QColor heading_colour = ColourFromValue(s.HeadingColour);
    EXPECT_EQ(tool->autoRaise(), s.FlatToolButtons);
    EXPECT_EQ(sunken_tool->autoRaise(), s.FlatToolButtons);
    EXPECT_EQ(TextColour(sunken_tool), heading_colour);
    EXPECT_NE(TextColour(tool), heading_colour);
    EXPECT_EQ(combo->hasFrame(), !s.FlatComboBoxes);
    EXPECT_EQ(colour_box->hasFrame(), !s.FlatComboBoxes);
    EXPECT_EQ(edit->ReadOnlyOnColour(), s.ReadOnlyColour);
    EXPECT_EQ(heading->FontColour(), heading_colour);
    EXPECT_EQ(recessed->FontColour(), heading_colour);
    EXPECT_EQ(raised->FontColour(), raised_colour);
    EXPECT_EQ(TextColour(sunken_button), heading_colour);
    EXPECT_EQ(TextColour(plain_button), plain_text);
    EXPECT_TRUE(group->styleSheet().contains(heading_colour.name()));
    EXPECT_TRUE(plain_group->styleSheet().isEmpty());
    EXPECT_FALSE(inner_tool->autoRaise());
    EXPECT_EQ(inner_label->FontColour(), inner_colour);
  }
}

}  // namespace
}  // namespace zudira
