// The print job's set-up window (TDuzRPSetupForm): the printer, the destination before the
// pages are made, or the print range over finished pages, and copies, collation and duplex.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "reports/report_job.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace zudira {

class TDuzEdit3;

// A printer as the set-up window lists it: its name and where it is reached.
struct TPrinterEntry {
  QString name;
  QString port;
};

// The system's printers, the default one first.
std::vector<TPrinterEntry> InstalledPrinters();

// "%s on %s" of the printer, or "No printers installed!" when there is none.
QString PrinterLabelText(const std::vector<TPrinterEntry>& printers, const QString& selected);

class TDuzRPSetupForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDuzRPSetupForm(QWidget* parent = nullptr);

  // Fills the window for one showing. fromPreview: over pageCount finished pages, with the
  // print range instead of the destination.
  void Prepare(const TReportSetup& setup, const TReportPermissions& permissions, bool fromPreview,
               int pageCount, std::vector<TPrinterEntry> printers = InstalledPrinters());
  // The choices, complete once the window closed with OK.
  const TReportSetup& Setup() const { return setup_; }

  // OK takes the choices over, unless the print range is unsound: then it says why and the
  // window stays open.
  void done(int result) override;

  // "&Setup": the printer's own dialog, then the label shows the printer it chose.
  void SetupBBClick();
  void HelpBtnClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void RangeChange();
  void DestChange();
  void BrowseClick();
  void ShowPrinter();
  // The choices of the controls by the rules of OK; false with the complaint when the
  // print range is unsound.
  bool TakeChoices(QString& problem);

  TReportSetup setup_;
  TReportPermissions permissions_;
  bool fromPreview_ = false;
  int pageCount_ = 1;
  std::vector<TPrinterEntry> printers_;

  QLabel* printerLabel_ = nullptr;
  QPushButton* setupBB_ = nullptr;
  QGroupBox* destGB_ = nullptr;
  QRadioButton* destPrinter_ = nullptr;
  QRadioButton* destPreview_ = nullptr;
  QRadioButton* destFile_ = nullptr;
  QLineEdit* fileNameED_ = nullptr;
  QToolButton* browseBtn_ = nullptr;
  QGroupBox* rangeGB_ = nullptr;
  QRadioButton* rangeAll_ = nullptr;
  QRadioButton* rangePages_ = nullptr;
  QRadioButton* rangeSelection_ = nullptr;
  QLabel* fromLabel_ = nullptr;
  TDuzEdit3* fromED_ = nullptr;
  QLabel* toLabel_ = nullptr;
  TDuzEdit3* toED_ = nullptr;
  TDuzEdit3* selectionED_ = nullptr;
  QLabel* copiesLabel_ = nullptr;
  TDuzEdit3* copiesED_ = nullptr;
  QCheckBox* collateCK_ = nullptr;
  QCheckBox* duplexCK_ = nullptr;
};

}  // namespace zudira
