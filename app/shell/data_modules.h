// The two data modules made at start, before the main window, and living until exit: the
// report system shared by every print job, and the shared list of button glyphs. The
// application object owns them and says which are in force (ZudiraApplication::ReportModule(),
// GlyphModule()); a module made for a while (a test's) is in force while it lives.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <memory>
#include <vector>

#include "reports/report_system.h"
#include "reports/windows/report_windows.h"
#include "reports/windows/window_services.h"

namespace zudira {

// Holds RepSys, the report system that every print job runs through; the footers name the
// user read at its creation. It connects the report system's own windows through the override
// handlers RepSysOverrideSetup, RepSysOverrideStatus and RepSysOverridePreview, and while it
// lives those windows reach the program's help, appearance, glyphs and error report.
class TDuzDataRP : public QObject, public ReportOverrideHandlers {
  Q_OBJECT
 public:
  explicit TDuzDataRP(QObject* parent = nullptr);
  ~TDuzDataRP() override;

  TReportSystem& RepSys() { return *rep_sys_; }

 private:
  std::unique_ptr<TReportSystem> rep_sys_;
  ReportWindowServices previous_services_;
  QPointer<TDuzDataRP> previous_module_;
};

// The report system of the report module in force; null when there is none.
TReportSystem* SharedReportSystem();

// The program's report windows for the data module: made on first use, freed with the module.
inline ReportWindows& ReportWindowsOf(TDuzDataRP& module) {
  return ReportWindowsOf(module, module);
}

// Holds Bmps, the glyphs that buttons in every window take their pictures from (indices:
// the Glyph enumeration of appearance/glyphs.h).
class TDuzDataLite : public QObject {
  Q_OBJECT
 public:
  explicit TDuzDataLite(QObject* parent = nullptr);
  ~TDuzDataLite() override;

  const std::vector<QPixmap>& Bmps() const { return bmps_; }

 private:
  std::vector<QPixmap> bmps_;
  QPointer<TDuzDataLite> previous_module_;
};

// The glyph of an index, from the glyph module in force when there is one, else drawn afresh; a
// null pixmap for an index outside the list.
QPixmap GlyphPixmap(int index);
QIcon GlyphIcon(int index);

}  // namespace zudira
