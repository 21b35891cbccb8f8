#include "reports/windows/window_services.h"

#include <QImage>
#include <QPixmap>
#include <QtGlobal>

#include "appearance/glyphs.h"

namespace zudira {

namespace {

// Without the program: no help, no appearance beyond Qt's, glyphs drawn afresh, commands run
// as they are, and the error box's text goes to the log rather than nowhere.
ReportWindowServices StandIns() {
  ReportWindowServices s;
  s.set_help_topic = [](QWidget*, ReportHelpTopic) {};
  s.show_help_topic = [](ReportHelpTopic) {};
  s.context_help = [](const QWidget*, ReportHelpTopic) {};
  s.apply_appearance = [](QWidget*) {};
  s.glyph_icon = [](int glyph) {
    if (glyph < 0 || glyph >= kGlyphCount) return QIcon();
    return QIcon(QPixmap::fromImage(DrawGlyph(glyph)));
  };
  s.run_command = [](const std::function<void()>& command) {
    command();
    return true;
  };
  s.error_box = [](const QString& message) { qWarning("%s", qUtf8Printable(message)); };
  return s;
}

ReportWindowServices& InForce() {
  static ReportWindowServices services = StandIns();
  return services;
}

template <typename F>
void Fill(F& field, const F& stand_in) {
  if (!field) field = stand_in;
}

}  // namespace

ReportWindowServices InstallReportWindowServices(ReportWindowServices services) {
  const ReportWindowServices stand_ins = StandIns();
  Fill(services.set_help_topic, stand_ins.set_help_topic);
  Fill(services.show_help_topic, stand_ins.show_help_topic);
  Fill(services.context_help, stand_ins.context_help);
  Fill(services.apply_appearance, stand_ins.apply_appearance);
  Fill(services.glyph_icon, stand_ins.glyph_icon);
  Fill(services.run_command, stand_ins.run_command);
  Fill(services.error_box, stand_ins.error_box);
  ReportWindowServices previous = std::move(InForce());
  InForce() = std::move(services);
  return previous;
}

const ReportWindowServices& WindowServices() {
  return InForce();
}

}  // namespace zudira
