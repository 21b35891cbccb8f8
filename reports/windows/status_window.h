// The print job's status window (TDuzRPStatusForm): what is being made or printed, and Cancel.
#pragma once

#include <QDialog>

#include "reports/report_job.h"

class QLabel;
class QPushButton;

namespace zudira {

class TDuzRPStatusForm : public QDialog, public ReportProgress {
  Q_OBJECT

 public:
  explicit TDuzRPStatusForm(QWidget* parent = nullptr);

  // "Generating page 3", "Printing page 3".
  void SetStatusText(const QString& text) override;
  // Takes the pending events, a click on Cancel among them, then says whether Cancel was
  // pressed (or the window closed).
  bool CancelRequested() override;

 protected:
  void reject() override;

 private:
  void CancelBtnClick();

  QLabel* status_label_ = nullptr;
  QPushButton* cancel_btn_ = nullptr;
  bool cancelled_ = false;
};

}  // namespace zudira
