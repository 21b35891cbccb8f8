#include "widgets/window_placement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zudira {

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

void MinimiseProgramWith(const QWidget* window, const QEvent* event) {
  if (event->type() != QEvent::WindowStateChange || !window->isMinimized()) return;
  for (QWidget* other : QApplication::topLevelWidgets())
    if (other != window && other->isVisible() && !other->isMinimized()) other->showMinimized();
}

}  // namespace zudira
