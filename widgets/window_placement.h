// Where the program's windows open, and how they minimise.
#pragma once

class QEvent;
class QWidget;

namespace zudira {

// Moves the window so that it stands in the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

// For a window's changeEvent: once the window is minimised, every other visible window of the
// program is minimised too, so that the program goes down as one application window.
void MinimiseProgramWith(const QWidget* window, const QEvent* event);

}  // namespace zudira
