// The two data modules made at start, before the main window, and living until exit: the
// report system shared by every print job, and the shared list of button glyphs.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
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

  // The module made at start, or null before it exists and after it is gone.
  static TDuzDataRP* Instance();

  TReportSystem& RepSys() { return *rep_sys_; }

 private:
  std::unique_ptr<TReportSystem> rep_sys_;
  ReportWindowServices previous_services_;
};

// The report system of the module made at start; null when there is none.
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
  static TDuzDataLite* Instance();

  const std::vector<QPixmap>& Bmps() const { return bmps_; }

 private:
  std::vector<QPixmap> bmps_;
};

// The glyph of an index, from the data module when it exists, else drawn afresh; a null
// pixmap for an index outside the list.
QPixmap GlyphPixmap(int index);
QIcon GlyphIcon(int index);

}  // namespace zudira
