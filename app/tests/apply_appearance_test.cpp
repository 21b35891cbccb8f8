#include "app/apply_appearance.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>

#include "app/colour_box.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"

namespace zudira {
namespace {

AppearanceSettings Settings(ColorValue heading, ColorValue readOnly, bool flat) {
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
    const QColor headingColour = ColorFromValue(s.HeadingColour);
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

// Sends the tooltip request the platform sends when the pointer rests on `widget`.
void RestPointerOn(QWidget* widget) {
  const QPoint local(5, 5);
  QHelpEvent event(QEvent::ToolTip, local, widget->mapToGlobal(local));
  QApplication::sendEvent(widget, &event);
}

TEST(HintStateTest, EachStateShowsHintsItsOwnWay) {
  QWidget window;
  window.resize(300, 200);
  auto* button = new QPushButton("Calc", &window);
  button->setToolTip("Calculate the Answer");
  auto* bare = new QWidget(&window);
  bare->setGeometry(100, 100, 50, 50);
  window.show();

  EXPECT_EQ(HintStateOf(button), 1);  // never set: standard tooltips

  SetHintState(&window, 2);
  RestPointerOn(button);
  QWidget* balloon = ShownBalloon();
  ASSERT_NE(balloon, nullptr);
  EXPECT_FALSE(QToolTip::isVisible());
  // Below and to the left of the pointer.
  const QPoint pointer = button->mapToGlobal(QPoint(5, 5));
  EXPECT_GE(balloon->geometry().top(), pointer.y());
  EXPECT_LT(balloon->geometry().left(), pointer.x());
  EXPECT_GE(balloon->geometry().right(), pointer.x());
  EXPECT_GT(balloon->grab().width(), 0);

  SetHintState(&window, 7);  // not a state: nothing changes
  EXPECT_EQ(HintStateOf(button), 2);

  SetHintState(&window, 0);
  EXPECT_EQ(ShownBalloon(), nullptr);
  RestPointerOn(button);
  EXPECT_EQ(ShownBalloon(), nullptr);
  EXPECT_FALSE(QToolTip::isVisible());

  SetHintState(&window, 1);
  RestPointerOn(button);
  EXPECT_EQ(ShownBalloon(), nullptr);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Calculate the Answer");
  QToolTip::hideText();
}

TEST(BalloonGeometryTest, BelowLeftOfThePointerAndKeptOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(200, 60);
  bool tailBelow = true;
  const QRect normal = BalloonGeometry({500, 300}, size, screen, &tailBelow);
  EXPECT_FALSE(tailBelow);
  EXPECT_GT(normal.top(), 300);  // not under the pointer
  EXPECT_LT(normal.top(), 306);
  EXPECT_LT(normal.left(), 500);
  EXPECT_GT(normal.right(), 480);
  EXPECT_EQ(normal.size(), size);

  const QRect nearBottom = BalloonGeometry({500, 780}, size, screen, &tailBelow);
  EXPECT_TRUE(tailBelow);
  EXPECT_LT(nearBottom.bottom(), 780);
  EXPECT_GT(nearBottom.bottom(), 774);

  const QRect nearLeft = BalloonGeometry({20, 300}, size, screen, &tailBelow);
  EXPECT_EQ(nearLeft.left(), 0);
  const QRect nearRight = BalloonGeometry({999, 300}, size, screen, &tailBelow);
  EXPECT_LE(nearRight.right(), 999);
}

}  // namespace
}  // namespace zudira
