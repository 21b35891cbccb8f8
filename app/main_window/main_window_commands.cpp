// The main window's commands: Calculate, the input handlers and the menu and toolbar
// commands.
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/dialogs/about_box.h"
#include "app/dialogs/lists_window.h"
#include "app/dialogs/preferences_dialog.h"
#include "app/dialogs/text_viewer.h"
#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/main_window/main_window.h"
#include "app/main_window/qstring_text.h"
#include "app/shell/apply_appearance.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "app/shell/program_info.h"
#include "app/shell/zudira_application.h"
#include "appearance/appearance_settings.h"
#include "core/catalogue.h"
#include "core/evaluate_request.h"
#include "numeric/answer_text.h"
#include "reports/content_reports.h"
#include "reports/report_system.h"
#include "stats/exception.h"
#include "widgets/balloon_hints.h"
#include "widgets/duz_calc_form.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"
#include "window_rules/answer_rules.h"

namespace zudira {

namespace {

TEditType EditTypeOf(InputEntry entry) {
  switch (entry) {
    case InputEntry::iePositive:
      return etPositive;
    case InputEntry::iePosReal:
      return etPosReal;
    case InputEntry::ieReal:
      break;
  }
  return etReal;
}

// The calculator handed back a negative value for a field that takes none.
QString NegativeRefusal(TDuzEdit3* field) {
  return QStringLiteral("%1 takes no negative values: it keeps %2")
      .arg(field->accessibleName(), field->Text());
}

}  // namespace

DistributionKind TPDFMainForm::Kind() const {
  return KindOfListRow(pdf_type_->currentIndex()).value_or(dkNormal);
}

RangeType TPDFMainForm::Range() const {
  const int id = range_buttons_->checkedId();
  return id < 0 ? rtEqualA : static_cast<RangeType>(id);
}

FixEnd TPDFMainForm::FixedEnd() const {
  return fix_buttons_->checkedId() == feFixB ? feFixB : feFixA;
}

void TPDFMainForm::CalcBtnClick() {
  RunCommand([this] { Calculate(); });
}

bool TPDFMainForm::TakeOverTypedText() {
  // A menu command leaves the focus where it was, so a field being typed in has not taken
  // over its text yet; it does now, as it would on losing the focus.
  for (TDuzEdit3* field : InputFields()) {
    // A hidden field takes no part in the request, and could not take the focus to be mended.
    if (!field->isVisibleTo(this) || field->TakeOverText()) continue;
    field->ReportRefusedText();
    return false;
  }
  return true;
}

void TPDFMainForm::Calculate() {
  // Nothing is calculated from a text that is no number.
  if (!TakeOverTypedText()) {
    EmptyAnswer();
    return;
  }
  const ProbabilityRequest request = CurrentRequest();
  NoteInputs();
  EmptyAnswer();
  if (const std::optional<std::string> refusal = PointTargetRefusal(request)) {
    ErrorMsg(QString::fromStdString(*refusal));
    UpdatePlot(PlotStatus::kFailed);
    return;
  }
  const EvaluationOutcome outcome = [&] {
    try {
      return EvaluateRequest(request, mode_);
    } catch (const std::exception& e) {
      // The error report shows why; an answer of earlier inputs must not stay beside it.
      UpdatePlot(PlotStatus::kFailed);
      if (PreciseCounterpart(request, mode_)) throw Exception(WithPreciseAnswersLine(e.what()));
      throw;
    } catch (...) {
      UpdatePlot(PlotStatus::kFailed);
      throw;
    }
  }();
  if (outcome.IsInputError()) {
    ErrorMsg(QString::fromStdString(outcome.ErrorText()));
    UpdatePlot(PlotStatus::kFailed);
    return;
  }
  ShowAnswer(outcome.Value());
  UpdatePlot(PlotStatus::kAnswered);
  // Classic mode keeps its own answer and says when the precise one reads otherwise.
  precise_answer_ = PreciseCounterpart(request, mode_);
  UpdatePreciseNotice();
}

void TPDFMainForm::ShowAnswer(Real value) {
  answer_->SetAsFloat(value);
  // An answer equal to the held value must still be shown with the current decimals.
  answer_->Redisplay();
  // Showing it read the rounded text back; the field keeps the value itself.
  answer_->SetAsFloat(value);
}

void TPDFMainForm::EmptyAnswer() {
  answer_->SetText(QString());
  precise_answer_.reset();
  UpdatePreciseNotice();
}

void TPDFMainForm::UpdatePreciseNotice() {
  std::string notice;
  if (mode_ == CalculationMode::kClassic && precise_answer_ && !answer_->Text().isEmpty())
    notice = PreciseResultNotice(answer_->AsFloat(), *precise_answer_, accuracy_->value());
  notice_pane_->setText(QString::fromStdString(notice));
  notice_pane_->setToolTip(notice.empty() ? QString()
                                          : QString::fromStdString(notice) +
                                                " (Options > Precise Results; click to switch)");
  notice_pane_->setVisible(!notice.empty());
}

void TPDFMainForm::PreciseItemClick(bool precise) {
  RunCommand([this, precise] {
    mode_ = precise ? CalculationMode::kPrecise : CalculationMode::kClassic;
    mode_pane_->setText(precise ? "Precise" : "Classic");
    // Precise mode takes targets and bounds far below the shown decimals (1E-30 at 7), and
    // shows tiny answers in scientific form.
    for (TDuzEdit3* field : InputFields()) field->SetTinyInScientificForm(precise);
    answer_->SetTinyInScientificForm(precise);
    // The answer came from the other algorithms: it no longer answers the inputs.
    EmptyAnswer();
  });
}

void TPDFMainForm::NoteInputs() {
  const auto fields = InputFields();
  for (size_t i = 0; i < std::size(fields); ++i)
    noted_inputs_[i] = FieldValue{fields[i]->AsFloat(), fields[i]->AsInteger()};
}

void TPDFMainForm::InputTaken(TDuzEdit3* field) {
  const auto fields = InputFields();
  for (size_t i = 0; i < std::size(fields); ++i) {
    if (fields[i] != field) continue;
    const FieldValue& noted = noted_inputs_[i];
    // NaN never equals itself, so a field holding one always counts as changed.
    if (noted.real == field->AsFloat() && noted.whole == field->AsInteger()) return;
    EmptyAnswer();
    noted_inputs_[i] = FieldValue{field->AsFloat(), field->AsInteger()};
    UpdatePlot(PlotStatus::kCleared);
  }
}

void TPDFMainForm::PDFTypeChange() {
  RunCommand([this] {
    // The wheel changes the kind without taking the focus: text being typed counts first.
    TakeOverTypedText();
    EmptyAnswer();
    ApplyKind();
    ApplyRange();
  });
}

void TPDFMainForm::ApplyKind() {
  const DistributionKind kind = Kind();
  const KindInputs row = CatalogueOf(kind);
  mean_label_->setVisible(row.show_mean_label);
  p_label_->setVisible(!row.show_mean_label);
  if (!row.show_mean_label) p_label_->setText(Text(row.p_caption));
  sigma_label_->setVisible(row.second_shown && row.show_sigma_label);
  n_label_->setVisible(row.second_shown && !row.show_sigma_label);
  if (row.second_shown && !row.show_sigma_label) n_label_->setText(Text(row.n_caption));
  sdev_->setVisible(row.second_shown);
  calc_buttons_[1]->setVisible(row.second_shown);
  mean_->setToolTip(Text(row.mean_hint));
  mean_->SetEditType(EditTypeOf(row.mean_entry));
  if (row.second_shown) {
    sdev_->setToolTip(Text(row.sdev_hint));
    sdev_->SetEditType(EditTypeOf(row.sdev_entry));
  }
  a_->SetEditType(EditTypeOf(row.bound_entry));
  b_->SetEditType(EditTypeOf(row.bound_entry));
  if (row.third_shown != third_row_placed_) PlaceInputRows(row.third_shown);
  third_label_->setVisible(row.third_shown);
  third_->setVisible(row.third_shown);
  calc_buttons_[2]->setVisible(row.third_shown);
  if (row.third_shown) {
    third_label_->setText(Text(row.third_caption));
    third_->setToolTip(Text(row.third_hint));
    third_->SetEditType(EditTypeOf(row.third_entry));
  }
  // F1 on the list or a parameter opens the topic that describes the chosen kind.
  SetHelpContext(pdf_type_, KindHelpContext(kind));
  SetHelpContext(mean_, ParameterHelpContext(kind));
  SetHelpContext(sdev_, ParameterHelpContext(kind));
}

void TPDFMainForm::PDFRangeClick() {
  RunCommand([this] {
    TakeOverTypedText();
    ApplyRange();
  });
}

void TPDFMainForm::ApplyRange() {
  const RangeInputs in = RangeInputsOf(Kind(), Range(), FixedEnd());
  label_b_->setVisible(in.show_b);
  b_->setVisible(in.show_b);
  calc_buttons_[4]->setVisible(in.show_b);
  fix_type_->setVisible(in.show_fix_type);
  // Tab stops on the checked item of each group, also when a label or a test chose it
  // without giving it the focus (Qt moves the stop only when an item takes the focus).
  for (QButtonGroup* group : {range_buttons_, fix_buttons_})
    for (QAbstractButton* item : group->buttons())
      item->setFocusPolicy(item->isChecked() ? Qt::StrongFocus
                                             : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
  auto caption = [](TDuzLabel2* label, const CaptionHint& text) {
    label->setText(Text(text.caption));
    label->setToolTip(Text(text.hint));
  };
  caption(label_a_, in.label_a);
  caption(label_b_, in.label_b);
  caption(result_label_, in.result_label);
  if (in.picture >= 0 && in.picture < static_cast<int>(bitmaps_.size())) {
    picture_index_ = in.picture;
    image_->setPixmap(bitmaps_[static_cast<size_t>(in.picture)]);
  }
  EmptyAnswer();
  NoteInputs();
  UpdatePlot(PlotStatus::kCleared);
  UpdateAccessibleNames();
}

void TPDFMainForm::DuzLabel8Click(int tag) {
  RunCommand([this, tag] {
    // Selecting an item that is already selected changes nothing.
    if (QAbstractButton* item = range_buttons_->button(tag)) item->setChecked(true);
  });
}

void TPDFMainForm::FixTypeClick() {
  PDFRangeClick();
}

void TPDFMainForm::AccuracyChange() {
  RunCommand([this] {
    const auto decimals = static_cast<std::uint8_t>(accuracy_->value());
    const bool answered = !answer_->Text().isEmpty();
    // Every field keeps its value at full precision and only shows it rounded, Answer too:
    // the decimals change what is shown, never what was calculated.
    for (TDuzEdit3* field : InputFields()) {
      const Real held = field->AsFloat();
      field->SetDecimals(decimals);
      if (field->EditType() == etPosReal || field->EditType() == etReal) field->SetAsFloat(held);
    }
    const Real answer = answer_->AsFloat();
    answer_->SetDecimals(decimals);
    if (answered) ShowAnswer(answer);
    UpdatePreciseNotice();
    NoteInputs();
    // The plot's caption and marks show the answer and the bounds at the decimals.
    UpdatePlot(plot_status_);
  });
}

void TPDFMainForm::MeanCalcBtnMouseDown() {
  RunCommand([this] {
    // The calculator buttons take no focus; moving the focus away and back makes a field
    // being typed in take over its text before the calculator reads it.
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || !isAncestorOf(focused)) return;
    calc_btn_->setFocus(Qt::OtherFocusReason);
    focused->setFocus(Qt::OtherFocusReason);
  });
}

void TPDFMainForm::MeanCalcBtnClick(TDuzEdit3* field) {
  RunCommand([this, field] { OpenCalculatorFor(field); });
}

void TPDFMainForm::OpenCalculatorFor(TDuzEdit3* field) {
  if (!TakeOverTypedText()) return;
  Real value = field->AsFloat();
  const bool accepted =
      calculator_ ? calculator_(QString(), value)
                  : PopupCalculator(QString(), value, ZudiraApplication::CalculatorServices());
  if (!accepted) return;
  const TEditType type = field->EditType();
  if (value < 0 && (type == etPositive || type == etPosReal)) {
    // It would hold 0 for it, and the next Calculate would blame the 0.
    ErrorMsg(NegativeRefusal(field));
    return;
  }
  if (type == etPositive || type == etInteger) {
    // A whole-number field ignores a real value; give it the value made whole.
    field->SetAsInteger(WholeFieldValue(value, type == etPositive));
  } else {
    field->SetAsFloat(value);
  }
  InputTaken(field);
}

void TPDFMainForm::ExitBtnClick() {
  close();
}

void TPDFMainForm::BinomItemClick() {
  RunCommand([this] { RunListCommand(ListKind::lkBinomialCoeffs, this); });
}

void TPDFMainForm::FactItemClick() {
  RunCommand([this] { RunListCommand(ListKind::lkFactorials, this); });
}

void TPDFMainForm::PermItemClick() {
  RunCommand([this] { RunListCommand(ListKind::lkPermutations, this); });
}

void TPDFMainForm::PrintBtnClick() {
  RunCommand([this] {
    // Calculate first, so the printed result belongs to the printed inputs; an error of the
    // library ends the command before any report starts.
    Calculate();
    TReportSystem* reports = SharedReportSystem();
    if (reports == nullptr) throw Exception("The report system is not running.");
    reports->RunReport(
        QStringLiteral("PDF Details"), [this](TBaseReport& report) { rPrintInfo(report); }, this);
  });
}

void TPDFMainForm::rPrintInfo(TBaseReport& report) {
  AnswerReportInputs inputs;
  inputs.distribution_text = pdf_type_->currentText();
  inputs.kind = Kind();
  inputs.range = Range();
  inputs.fixed_end = FixedEnd();
  inputs.mean = mean_->Text();
  inputs.sdev = sdev_->Text();
  if (third_->isVisibleTo(this)) inputs.third = third_->Text();
  inputs.a = a_->Text();
  inputs.b = b_->Text();
  inputs.answer = answer_->Text();
  inputs.precise = AnsweredPrecisely(inputs.kind, mode_);
  PrintAnswerReport(*SharedReportSystem(), report, inputs);
}

void TPDFMainForm::OptBtnClick() {
  RunCommand([this] {
    ShowPreferences(this);
    // Cancel restores some values itself; either way the window shows what is now set.
    ApplyAppearanceSettings();
  });
}

void TPDFMainForm::Preset(const QString& question, void (*preset)()) {
  RunCommand([this, &question, preset] {
    if (!ConfirmMsg(question)) return;
    preset();
    ApplyAppearanceSettings();
  });
}

void TPDFMainForm::Def1BtnClick() {
  Preset("Set Preferences to Enhanced Defaults?", static_cast<void (*)()>(&SetEnhancedPreset));
}

void TPDFMainForm::Def2BtnClick() {
  Preset("Set Preferences to Conservative Defaults?",
         static_cast<void (*)()>(&SetConservativePreset));
}

void TPDFMainForm::Help1ItemClick() {
  RunCommand([] { HelpContents(); });
}

void TPDFMainForm::Help2ItemClick() {
  RunCommand([] { HelpIndex(); });
}

void TPDFMainForm::TutItemClick() {
  RunCommand([] { HelpContext(kHelpTutorial); });
}

void TPDFMainForm::ResourcesItemClick() {
  RunCommand([] { HelpContext(kHelpResources); });
}

void TPDFMainForm::ContactItemClick() {
  RunCommand([] { HelpContext(kHelpContact); });
}

void TPDFMainForm::HelpBtnClick() {
  RunCommand([this] {
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && isAncestorOf(focused)) {
      ContextHelp(focused);
    } else {
      HelpContents();
    }
  });
}

void TPDFMainForm::ViewTextFileCommand(const QString& file_name, const QString& caption) {
  RunCommand([&] { ViewTextFile(ShippedFilePath(file_name), caption, this); });
}

void TPDFMainForm::ViewReadmeItemClick() {
  ViewTextFileCommand("Readme.Txt", "README File");
}

void TPDFMainForm::WhatsNewItemClick() {
  ViewTextFileCommand("PDFNew.Txt", "What's New File");
}

void TPDFMainForm::AboutBtnClick() {
  RunCommand([this] { ShowAboutBox(this); });
}

void TPDFMainForm::ApplyAppearanceSettings() {
  RunCommand([this] {
    const AppearanceSettings& settings = Appearance();
    ApplyAppearance(command_toolbar_, settings);
    ApplyAppearance(client_panel_, settings);
    SetHintState(this, settings.HintState);
    // The caption and the items of the fixed-end group show the heading colour.
    QPalette palette = fix_type_->palette();
    palette.setColor(QPalette::WindowText, ColourFromValue(settings.HeadingColour));
    fix_type_->setPalette(palette);
  });
}

}  // namespace zudira
