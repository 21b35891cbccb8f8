// Balloon hints: how each window shows the hints of its controls, and the balloon itself.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zudira {

// How a window shows the hints (tooltips) of its controls; the numbers are the Hint State
// setting's values.
enum HintState : int {
  hsNone = 0,      // no hints
  hsStandard = 1,  // standard tooltips
  hsBalloon = 2,   // balloons below and to the left of the pointer
};

// Gives the window a hint state; a value that is not a HintState changes nothing. Windows
// never given a state show standard tooltips.
void SetHintState(QWidget* window, int state);
HintState HintStateOf(const QWidget* widget);

// Shows `text` in the balloon with its tail's tip at `tip` (global), for `owner`; it goes
// on the next key or click, or after a while, as a hint's balloon does.
void ShowBalloon(QWidget* owner, const QString& text, QPoint tip);

// The balloon shown for the current hint, or nullptr when none is visible.
QWidget* ShownBalloon();

// Where a balloon of `size` (tail included) goes for the pointer at `pointer`: below and to
// the left of it, its tail's tip just below the pointer; above it when there is no room below, and
// moved sideways to stay on `screen`. `tail_below` tells which side the tail is drawn on.
QRect BalloonGeometry(QPoint pointer, QSize size, const QRect& screen, bool* tail_below);

}  // namespace zudira
