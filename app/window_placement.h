// Where the program's windows open.
#pragma once

class QWidget;

namespace zudira {

// Moves the window so that it stands in the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace zudira
