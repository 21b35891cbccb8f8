#include "reports/windows/status_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>

#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "reports/windows/window_services.h"
#include "widgets/balloon_hints.h"

namespace zudira {

TDuzRPStatusForm::TDuzRPStatusForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPStatusForm");
  setWindowTitle("Report Status");
  setFixedSize(300, 104);
  status_label_ = new QLabel(this);
  status_label_->setObjectName("StatusLabel");
  status_label_->setAlignment(Qt::AlignCenter);
  status_label_->setGeometry(8, 10, 284, 40);
  cancel_btn_ = new QPushButton("Cancel", this);
  cancel_btn_->setObjectName("CancelBtn");
  cancel_btn_->setIcon(WindowServices().glyph_icon(gCancel));
  cancel_btn_->setGeometry(110, 62, 80, 28);
  WindowServices().apply_appearance(this);
  SetHintState(this, Appearance().HintState);
  connect(cancel_btn_, &QPushButton::clicked, this, &TDuzRPStatusForm::CancelBtnClick);
}

void TDuzRPStatusForm::SetStatusText(const QString& text) {
  status_label_->setText(text);
}

bool TDuzRPStatusForm::CancelRequested() {
  QApplication::processEvents();
  return cancelled_;
}

void TDuzRPStatusForm::CancelBtnClick() {
  cancelled_ = true;
  cancel_btn_->setEnabled(false);
}

// The close box and Escape stand for the button: they cancel the job.
void TDuzRPStatusForm::reject() {
  CancelBtnClick();
}

}  // namespace zudira
