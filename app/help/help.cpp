#include "app/help/help.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include "app/help/help_viewer.h"
#include "app/shell/message_boxes.h"
#include "app/shell/zudira_application.h"
#include "widgets/window_placement.h"

namespace zudira {

namespace {

// The help window for the current help file, made when needed. While a modal window runs, the
// help window is made its child window so the user can still reach it.
HelpViewer* AcquireViewer() {
  ZudiraApplication* app = ZudiraApplication::Instance();
  if (app == nullptr) return nullptr;
  HelpState& state = app->Help();
  QWidget* modal = QApplication::activeModalWidget();
  const bool reusable = state.viewer && state.viewer_file == state.file &&
                        (modal == nullptr || state.viewer->parentWidget() == modal);
  if (reusable) return state.viewer;

  HelpDocument document;
  QString error;
  if (!LoadHelpFile(state.file, document, error)) {
    ErrorMsg(error);
    return nullptr;
  }
  delete state.viewer.data();
  auto* viewer = new HelpViewer(std::move(document), modal);
  viewer->setWindowFlag(Qt::Window, true);
  viewer->setAttribute(Qt::WA_QuitOnClose, false);
  if (modal == nullptr) {
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer, &QObject::deleteLater);
  }
  CentreOnScreen(viewer);
  state.viewer = viewer;
  state.viewer_file = state.file;
  return viewer;
}

void Present(HelpViewer* viewer) {
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace

bool HelpContents() {
  HelpViewer* viewer = AcquireViewer();
  if (viewer == nullptr) return false;
  viewer->ClearIndexFilter();
  viewer->ShowContents();
  Present(viewer);
  return true;
}

bool HelpIndex() {
  HelpViewer* viewer = AcquireViewer();
  if (viewer == nullptr) return false;
  viewer->ShowIndex();
  Present(viewer);
  return true;
}

bool HelpContext(int context) {
  HelpViewer* viewer = AcquireViewer();
  if (viewer == nullptr) return false;
  viewer->ClearIndexFilter();
  const bool found = viewer->ShowTopic(context);
  Present(viewer);
  return found;
}

void SetHelpContext(QWidget* widget, int context) {
  widget->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QVariant value = widget->property(kHelpContextProperty);
    if (value.isValid() && value.toInt() != 0) return value.toInt();
  }
  return 0;
}

bool ContextHelp(const QWidget* focused, int fallback) {
  int context = HelpContextOf(focused);
  if (context == 0) context = fallback;
  return context == 0 ? HelpContents() : HelpContext(context);
}

void InstallContextHelpKey(QWidget* window, int context) {
  SetHelpContext(window, context);
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
  QObject::connect(key, &QShortcut::activated, window, [window, context] {
    QWidget* focused = QApplication::focusWidget();
    ContextHelp(focused != nullptr && window->isAncestorOf(focused) ? focused : window, context);
  });
}

HelpViewer* OpenHelpViewer() {
  ZudiraApplication* app = ZudiraApplication::Instance();
  return app != nullptr ? app->Help().viewer.data() : nullptr;
}

}  // namespace zudira
