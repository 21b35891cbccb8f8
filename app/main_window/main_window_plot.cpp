// The main window's side of the plot window and of Copy Calculation: what the fields hold
// and how the last Calculate stands go to the plot, and the calculation goes to the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QSpinBox>

#include "app/main_window/main_window.h"
#include "app/plot/plot_window.h"
#include "app/shell/error_report.h"
#include "core/calculation_text.h"
#include "numeric/locale_provider.h"
#include "widgets/duz_edit.h"

namespace zudira {

ProbabilityRequest TPDFMainForm::CurrentRequest() const {
  auto value_of = [](const TDuzEdit3* field) {
    return FieldValue{field->AsFloat(), field->AsInteger()};
  };
  ProbabilityRequest request;
  request.kind = Kind();
  request.range = Range();
  request.fixed_end = FixedEnd();
  request.mean = value_of(mean_);
  request.sdev = value_of(sdev_);
  request.third = value_of(third_);
  request.a = value_of(a_);
  request.b = value_of(b_);
  return request;
}

void TPDFMainForm::UpdatePlot(PlotStatus status) {
  plot_status_ = status;
  if (plot_form_ == nullptr) return;
  PlotSubject subject;
  subject.status = status;
  subject.request = CurrentRequest();
  subject.answer = answer_->AsFloat();
  subject.answer_text = answer_->Text();
  subject.decimals = accuracy_->value();
  subject.mode = mode_;
  plot_form_->ShowSubject(subject);
}

void TPDFMainForm::PlotBtnClick() {
  RunCommand([this] {
    if (plot_form_ == nullptr) plot_form_ = new PlotWindow(this);
    UpdatePlot(plot_status_);
    plot_form_->Open();
  });
}

void TPDFMainForm::CopyCalcItemClick() {
  RunCommand([this] {
    // Like Print, the command works out the answer of what the fields hold first.
    Calculate();
    if (plot_status_ != PlotStatus::kAnswered) return;
    const CalculationLines lines = CalculationText(CurrentRequest(), answer_->Text().toStdString(),
                                                   CurrentLocale().decimal_separator);
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(lines.words + "\n" + lines.r + "\n" + lines.sheet));
  });
}

}  // namespace zudira
