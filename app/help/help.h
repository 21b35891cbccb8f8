// The program's help: one help document (window_rules/help_document.h, read by app/help/help_document.h) shipped beside the program,
// shown in the help window (contents, an index to find topics, and the topic of a numeric
// help context). The help window is made when first needed and kept for the calls after.
//
// Widgets carry their help context as the dynamic property "helpContext" (int).
#pragma once

#include <QPointer>
#include <QString>

class QWidget;

namespace zudira {

class HelpViewer;

inline constexpr char kHelpContextProperty[] = "helpContext";
// The help document's file name in the program's folder.
inline constexpr char kHelpFileName[] = "Zudira.help";

// The help of the running program, held by the application object (ZudiraApplication::Help()).
struct HelpState {
  // The help file: "Zudira.help" in the working folder until the main window sets it to the
  // program's folder.
  QString file = kHelpFileName;
  // The help window, made from `viewer_file` when first needed and kept for the calls after.
  QPointer<HelpViewer> viewer;
  QString viewer_file;
};

// The help calls of the program. Each opens (or raises) the help window; a missing or
// unreadable help file is reported with ErrorMsg and opens nothing, as does a call made
// without the program's application object. They return whether the
// window shows what was asked (a context without a topic opens the contents with a note).
bool HelpContents();
bool HelpIndex();
bool HelpContext(int context);

// Gives the widget its help context (the "helpContext" property).
void SetHelpContext(QWidget* widget, int context);

// The help context of a widget: its own "helpContext", else the nearest parent's; 0 if none.
int HelpContextOf(const QWidget* widget);

// Gives a window its help topic, and F1 in it: the topic of the focused control, else the
// window's own.
void InstallContextHelpKey(QWidget* window, int context);

// F1 / Context Help: the topic of the focused widget's context; with no focused widget or no
// context, the `fallback` context, or the contents when `fallback` is 0.
bool ContextHelp(const QWidget* focused, int fallback = 0);

}  // namespace zudira
