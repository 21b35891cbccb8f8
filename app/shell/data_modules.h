// The two data modules made at start, before the main window, and living until exit: the
// report system shared by every print job, and the shared list of button glyphs.
#pragma once

#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <memory>
#include <vector>

#include "reports/report_system.h"

namespace zudira {

class TDuzRPPreviewForm;
class TDuzRPSetupForm;
class TDuzRPStatusForm;
struct TRPPreviewRequest;
struct TRPSetupRequest;


// Holds RepSys, the report system that every print job runs through; the footers name the
// user read at its creation.
class TDuzDataRP : public QObject {
  Q_OBJECT
 public:
  explicit TDuzDataRP(QObject* parent = nullptr);
  ~TDuzDataRP() override;

  // The report system's own windows (reports/windows/report_windows.h), called with step 0
  // create, 1 run, 2 finish and 3 free, and the window that the call manages.
  void RepSysOverrideSetup(int step, TDuzRPSetupForm*& form, TRPSetupRequest& request);
  void RepSysOverrideStatus(int step, TDuzRPStatusForm*& form, const QString& status_title);
  void RepSysOverridePreview(int step, TDuzRPPreviewForm*& form, TRPPreviewRequest& request);

  // The module made at start, or null before it exists and after it is gone.
  static TDuzDataRP* Instance();

  TReportSystem& RepSys() { return *rep_sys_; }

 private:
  std::unique_ptr<TReportSystem> rep_sys_;
};

// The report system of the module made at start; null when there is none.
TReportSystem* SharedReportSystem();

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
