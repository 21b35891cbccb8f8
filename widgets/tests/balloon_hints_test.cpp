#include "widgets/balloon_hints.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QToolTip>
#include <QWidget>

namespace zudira {
namespace {

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

  EXPECT_EQ(HintStateOf(button), hsStandard);  // never set: standard tooltips

  SetHintState(&window, hsBalloon);
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
  EXPECT_EQ(HintStateOf(button), hsBalloon);

  SetHintState(&window, hsNone);
  EXPECT_EQ(ShownBalloon(), nullptr);
  RestPointerOn(button);
  EXPECT_EQ(ShownBalloon(), nullptr);
  EXPECT_FALSE(QToolTip::isVisible());

  SetHintState(&window, hsStandard);
  RestPointerOn(button);
  EXPECT_EQ(ShownBalloon(), nullptr);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Calculate the Answer");
  QToolTip::hideText();
}

TEST(BalloonGeometryTest, BelowLeftOfThePointerAndKeptOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(200, 60);
  bool tail_below = true;
  const QRect normal = BalloonGeometry({500, 300}, size, screen, &tail_below);
  EXPECT_FALSE(tail_below);
  EXPECT_GT(normal.top(), 300);  // not under the pointer
  EXPECT_LT(normal.top(), 306);
  EXPECT_LT(normal.left(), 500);
  EXPECT_GT(normal.right(), 480);
  EXPECT_EQ(normal.size(), size);

  const QRect near_bottom = BalloonGeometry({500, 780}, size, screen, &tail_below);
  EXPECT_TRUE(tail_below);
  EXPECT_LT(near_bottom.bottom(), 780);
  EXPECT_GT(near_bottom.bottom(), 774);

  const QRect near_left = BalloonGeometry({20, 300}, size, screen, &tail_below);
  EXPECT_EQ(near_left.left(), 0);
  const QRect near_right = BalloonGeometry({999, 300}, size, screen, &tail_below);
  EXPECT_LE(near_right.right(), 999);
}

}  // namespace
}  // namespace zudira
