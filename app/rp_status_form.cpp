#include "app/rp_status_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

#include "app/apply_appearance.h"
#include "app/balloon_hints.h"
#include "app/data_modules.h"
#include "appearance/glyphs.h"

namespace zudira {

TDuzRPStatusForm::TDuzRPStatusForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPStatusForm");
  setWindowTitle("Report Status");
  setFixedSize(300, 104);
  statusLabel_ = new QLabel(this);
  statusLabel_->setObjectName("StatusLabel");
  statusLabel_->setAlignment(Qt::AlignCenter);
  statusLabel_->setGeometry(8, 10, 284, 40);
  cancelBtn_ = new QPushButton("Cancel", this);
  cancelBtn_->setObjectName("CancelBtn");
  cancelBtn_->setIcon(GlyphIcon(gCancel));
  cancelBtn_->setGeometry(110, 62, 80, 28);
  ApplyAppearance(this);
  SetHintState(this, Appearance().HintState);
  connect(cancelBtn_, &QPushButton::clicked, this, &TDuzRPStatusForm::CancelBtnClick);
}

void TDuzRPStatusForm::SetStatusText(const QString& text) {
  statusLabel_->setText(text);
}

bool TDuzRPStatusForm::CancelRequested() {
  QApplication::processEvents();
  return cancelled_;
}

void TDuzRPStatusForm::WaitForOK() {
  waitingForOK_ = true;
  cancelBtn_->setText("OK");
  cancelBtn_->setIcon(GlyphIcon(gOK));
  if (!isVisible()) show();
  while (!closed_) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TDuzRPStatusForm::CancelBtnClick() {
  if (waitingForOK_) {
    closed_ = true;
    hide();
    return;
  }
  cancelled_ = true;
  cancelBtn_->setEnabled(false);
}

// The close box and Escape stand for the button: they cancel the job, or end the wait.
void TDuzRPStatusForm::reject() {
  CancelBtnClick();
}

}  // namespace zudira
