// What the report windows ask of the program around them: its help, its appearance, its button
// glyphs, its error report and its error box. The program fills the record once at start-up;
// until then (and in the windows' own tests) quiet stand-ins keep the windows working.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>

class QWidget;

namespace zudira {

// The help topics of the report windows; the program maps each to a topic of its document.
enum class ReportHelpTopic { rhSetup, rhPreview, rhSavePdf };

struct ReportWindowServices {
  // Gives a widget its help topic, which F1 on it opens.
  std::function<void(QWidget*, ReportHelpTopic)> set_help_topic;
  // Opens a topic in the help window.
  std::function<void(ReportHelpTopic)> show_help_topic;
  // F1: the topic of the focused widget, else `fallback`.
  std::function<void(const QWidget* focused, ReportHelpTopic fallback)> context_help;
  // Pushes the appearance settings onto the direct children of a container.
  std::function<void(QWidget*)> apply_appearance;
  // The icon of a button glyph (appearance/glyphs.h).
  std::function<QIcon(int glyph)> glyph_icon;
  // Runs a command; an error escaping it is reported and the result is false.
  std::function<bool(const std::function<void()>&)> run_command;
  // The modal error box.
  std::function<void(const QString&)> error_box;
};

// Installs the services; a field left empty keeps its stand-in. Returns the previous record.
ReportWindowServices InstallReportWindowServices(ReportWindowServices services);

// The services in force, every field callable.
const ReportWindowServices& WindowServices();

}  // namespace zudira
