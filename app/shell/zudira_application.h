// The application object: the one QApplication of the program, which also holds the state that
// belongs to the whole running program: the two data modules, the program's folder, the help
// (its file and its window), and the two doors to the outside that tests replace, the URL opener
// and the message-box script. Code of app/ reaches it as ZudiraApplication::Instance(), the way
// Qt's own code reaches qApp.
#pragma once

#include <QApplication>
#include <memory>

#include "app/help/help.h"
#include "app/shell/launch_url.h"
#include "app/shell/message_boxes.h"

namespace zudira {

class TDuzDataRP;
class TDuzDataLite;
struct CalcServices;

class ZudiraApplication : public QApplication {
  Q_OBJECT
 public:
  ZudiraApplication(int& argc, char** argv);
  ~ZudiraApplication() override;

  // The running application, or null when the program's application object is not (or no
  // longer) the one QApplication.
  static ZudiraApplication* Instance();

  // Delivers the event; an error escaping the receiver is reported and the event counts as
  // not handled.
  bool notify(QObject* receiver, QEvent* event) override;

  // Makes the program's two data modules, owned by the application until it ends.
  void StartDataModules();

  // The data modules in force: the latest made that still lives, null when there is none.
  // A module puts itself in force when made and gives way to the previous one when it goes.
  TDuzDataRP* ReportModule() const { return report_module_; }
  TDuzDataLite* GlyphModule() const { return glyph_module_; }
  TDuzDataRP* SetReportModule(TDuzDataRP* module);
  TDuzDataLite* SetGlyphModule(TDuzDataLite* module);

  HelpState& Help() { return help_; }

  // The folder the program's shipped files are looked for in, with a trailing separator.
  const QString& ProgramFolder() const { return program_folder_; }
  void SetProgramFolder(const QString& folder) { program_folder_ = folder; }

  // What the pop-up calculator is given of the program: its error report and the help topic
  // of the calculator.
  static CalcServices CalculatorServices();

  // The shell call that LaunchUrl goes through; empty: the desktop's. Returns the previous.
  const UrlOpener& Opener() const { return url_opener_; }
  UrlOpener InstallUrlOpener(UrlOpener opener);

  // The script answering every box instead of the real dialogs; empty: the real boxes.
  // Returns the previous.
  const BoxScript& Script() const { return box_script_; }
  BoxScript InstallBoxScript(BoxScript script);

 private:
  TDuzDataRP* report_module_ = nullptr;
  TDuzDataLite* glyph_module_ = nullptr;
  std::unique_ptr<TDuzDataRP> own_report_module_;
  std::unique_ptr<TDuzDataLite> own_glyph_module_;
  HelpState help_;
  QString program_folder_ = QStringLiteral("./");
  UrlOpener url_opener_;
  BoxScript box_script_;
};

}  // namespace zudira
