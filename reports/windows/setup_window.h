// The print job's set-up window (TDuzRPSetupForm): the printer, the destination before the
// pages are made, or the print range over finished pages, and copies, collation and duplex.
#pragma once

#include <QDialog>
#include <QRect>
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
struct PrinterEntry {
  QString name;
  QString port;
};

// The system's printers, the default one first.
std::vector<PrinterEntry> InstalledPrinters();

// "%s on %s" of the printer, or "No printers installed!" when there is none.
QString PrinterLabelText(const std::vector<PrinterEntry>& printers, const QString& selected);

class TDuzRPSetupForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDuzRPSetupForm(QWidget* parent = nullptr);

  // Fills the window for one showing. from_preview: over page_count finished pages, with the
  // print range instead of the destination.
  void Prepare(const ReportSetup& setup, const ReportPermissions& permissions, bool from_preview,
               int page_count, std::vector<PrinterEntry> printers = InstalledPrinters());
  // The choices, complete once the window closed with OK.
  const ReportSetup& Setup() const { return setup_; }

  // OK takes the choices over, unless the print range is unsound: then it says why and the
  // window stays open.
  void done(int result) override;

  // "&Setup": the printer's own dialog, then the label shows the printer it chose.
  void SetupBBClick();
  void HelpBtnClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The constructor's parts, each group with its controls and their wiring.
  void CreateDestinationGroup(const QRect& place);
  void CreateRangeGroup(const QRect& place);
  void CreateOptionsGroup();
  void CreateButtons();
  void RangeChange();
  void DestChange();
  void BrowseClick();
  void ShowPrinter();
  void ShowPageRange();
  void ShowDestination(bool have_printers);
  // The choices of the controls by the rules of OK; false with the complaint when the
  // print range is unsound.
  bool TakeChoices(QString& problem);

  ReportSetup setup_;
  ReportPermissions permissions_;
  bool from_preview_ = false;
  int page_count_ = 1;
  std::vector<PrinterEntry> printers_;

  QLabel* printer_label_ = nullptr;
  QPushButton* setup_bb_ = nullptr;
  QGroupBox* dest_gb_ = nullptr;
  QRadioButton* dest_printer_ = nullptr;
  QRadioButton* dest_preview_ = nullptr;
  QRadioButton* dest_file_ = nullptr;
  QLineEdit* file_name_ed_ = nullptr;
  QToolButton* browse_btn_ = nullptr;
  QGroupBox* range_gb_ = nullptr;
  QRadioButton* range_all_ = nullptr;
  QRadioButton* range_pages_ = nullptr;
  QRadioButton* range_selection_ = nullptr;
  QLabel* from_label_ = nullptr;
  TDuzEdit3* from_ed_ = nullptr;
  QLabel* to_label_ = nullptr;
  TDuzEdit3* to_ed_ = nullptr;
  TDuzEdit3* selection_ed_ = nullptr;
  QLabel* copies_label_ = nullptr;
  TDuzEdit3* copies_ed_ = nullptr;
  QCheckBox* collate_ck_ = nullptr;
  QCheckBox* duplex_ck_ = nullptr;
};

}  // namespace zudira
