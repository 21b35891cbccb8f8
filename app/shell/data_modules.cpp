#include "app/shell/data_modules.h"

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/apply_appearance.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "app/shell/platform_info.h"
#include "app/shell/zudira_application.h"
#include "appearance/glyphs.h"

namespace zudira {

namespace {
int ReportTopicContext(ReportHelpTopic topic) {
  switch (topic) {
    case ReportHelpTopic::rhSetup:
      return kHelpReportSetup;
    case ReportHelpTopic::rhPreview:
      return kHelpReportPreview;
    case ReportHelpTopic::rhSavePdf:
      return kHelpSavePdf;
  }
  return 0;
}

ReportWindowServices ProgramServices() {
  ReportWindowServices s;
  s.set_help_topic = [](QWidget* widget, ReportHelpTopic topic) {
    SetHelpContext(widget, ReportTopicContext(topic));
  };
  s.show_help_topic = [](ReportHelpTopic topic) { HelpContext(ReportTopicContext(topic)); };
  s.context_help = [](const QWidget* focused, ReportHelpTopic fallback) {
    ContextHelp(focused, ReportTopicContext(fallback));
  };
  s.apply_appearance = [](QWidget* container) { ApplyAppearance(container); };
  s.glyph_icon = [](int glyph) { return GlyphIcon(glyph); };
  s.run_command = [](const std::function<void()>& command) { return RunCommand(command); };
  s.error_box = [](const QString& message) { ErrorMsg(message); };
  return s;
}
}  // namespace

TDuzDataRP::TDuzDataRP(QObject* parent)
    : QObject(parent),
      rep_sys_(std::make_unique<TReportSystem>()),
      previous_services_(InstallReportWindowServices(ProgramServices())) {
  setObjectName("DuzDataRP");
  rep_sys_->SetOwnerName(WindowsOwner());
  if (ZudiraApplication* app = ZudiraApplication::Instance()) {
    previous_module_ = app->SetReportModule(this);
  }
}

TDuzDataRP::~TDuzDataRP() {
  ZudiraApplication* app = ZudiraApplication::Instance();
  if (app != nullptr && app->ReportModule() == this) app->SetReportModule(previous_module_);
  InstallReportWindowServices(std::move(previous_services_));
}

TReportSystem* SharedReportSystem() {
  const ZudiraApplication* app = ZudiraApplication::Instance();
  TDuzDataRP* module = app != nullptr ? app->ReportModule() : nullptr;
  return module != nullptr ? &module->RepSys() : nullptr;
}

TDuzDataLite::TDuzDataLite(QObject* parent) : QObject(parent) {
  setObjectName("DuzDataLite");
  for (const QImage& glyph : DrawGlyphs()) bmps_.push_back(QPixmap::fromImage(glyph));
  if (ZudiraApplication* app = ZudiraApplication::Instance()) {
    previous_module_ = app->SetGlyphModule(this);
  }
}

TDuzDataLite::~TDuzDataLite() {
  ZudiraApplication* app = ZudiraApplication::Instance();
  if (app != nullptr && app->GlyphModule() == this) app->SetGlyphModule(previous_module_);
}

QPixmap GlyphPixmap(int index) {
  if (index < 0 || index >= kGlyphCount) return QPixmap();
  const ZudiraApplication* app = ZudiraApplication::Instance();
  if (const TDuzDataLite* module = app != nullptr ? app->GlyphModule() : nullptr) {
    return module->Bmps()[static_cast<size_t>(index)];
  }
  return QPixmap::fromImage(DrawGlyph(index));
}

QIcon GlyphIcon(int index) {
  const QPixmap pixmap = GlyphPixmap(index);
  if (pixmap.isNull()) return QIcon();
  QIcon icon(pixmap);
  // Drawn anew with twice the pixels, the glyph stays sharp on a desktop scaled by 2.
  QImage sharp = DrawGlyph(index, 2);
  sharp.setDevicePixelRatio(1);
  icon.addPixmap(QPixmap::fromImage(sharp));
  return icon;
}

}  // namespace zudira
