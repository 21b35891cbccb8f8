#include "reports/windows/setup_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "appearance/sunken_shadow.h"
#include "reports/report_system.h"
#include "reports/windows/window_services.h"
#include "widgets/balloon_hints.h"
#include "widgets/duz_edit.h"

namespace zudira {

namespace {

constexpr int kClientWidth = 404;
constexpr int kClientHeight = 240;
constexpr int kGroupWidth = 300;
constexpr int kButtonLeft = 318;
constexpr int kButtonWidth = 78;

QGroupBox* Group(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setProperty(kSunkenShadowProperty, true);
  group->setGeometry(place);
  return group;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption, int x, int y,
                    int width) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(name);
  radio->setGeometry(x, y, width, 22);
  return radio;
}

TDuzEdit3* Field(QWidget* parent, const char* name, TEditType type, const QRect& place) {
  auto* field = new TDuzEdit3(parent);
  field->setObjectName(name);
  field->SetEditType(type);
  if (type == etPositive) field->SetCommas(false);
  if (type == etString) field->SetUseValues(false);
  field->setGeometry(place);
  return field;
}

// A push button of the right-hand column, its top at y; only the default one takes Enter.
QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int glyph, int y,
                    bool is_default = false) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setIcon(WindowServices().glyph_icon(glyph));
  if (is_default)
    button->setDefault(true);
  else
    button->setAutoDefault(false);
  button->setGeometry(kButtonLeft, y, kButtonWidth, 28);
  return button;
}

// A count typed by the user: a whole number above 0, or nothing.
std::optional<int> PositiveCount(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value <= 0) return std::nullopt;
  return value;
}

}  // namespace

std::vector<PrinterEntry> InstalledPrinters() {
  std::vector<PrinterEntry> printers;
  const QString default_name = QPrinterInfo::defaultPrinterName();
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    // CUPS names no port; the queue's location, else its device, says where it is.
    QString port = info.location();
    if (port.isEmpty()) port = info.makeAndModel();
    if (port.isEmpty()) port = QStringLiteral("this computer");
    PrinterEntry entry{info.printerName(), port};
    if (info.printerName() == default_name)
      printers.insert(printers.begin(), entry);
    else
      printers.push_back(entry);
  }
  return printers;
}

QString PrinterLabelText(const std::vector<PrinterEntry>& printers, const QString& selected) {
  if (printers.empty()) return QStringLiteral("No printers installed!");
  const PrinterEntry* shown = &printers.front();
  for (const PrinterEntry& printer : printers)
    if (printer.name == selected) shown = &printer;
  return QStringLiteral("%1 on %2").arg(shown->name, shown->port);
}

TDuzRPSetupForm::TDuzRPSetupForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPSetupForm");
  setWindowTitle("Report Setup");
  setFixedSize(kClientWidth, kClientHeight);
  WindowServices().set_help_topic(this, ReportHelpTopic::rhSetup);

  auto* printer_gb = Group(this, "PrinterGB", "Selected Printer", QRect(8, 6, kGroupWidth, 50));
  printer_label_ = new QLabel("(none)", printer_gb);
  printer_label_->setObjectName("PrinterLabel");
  printer_label_->setGeometry(10, 20, kGroupWidth - 20, 22);
  // The destination (before the job) and the print range (over finished pages) share a place:
  // only one of them is shown.
  const QRect middle(8, 62, kGroupWidth, 104);
  CreateDestinationGroup(middle);
  CreateRangeGroup(middle);
  CreateOptionsGroup();
  CreateButtons();

  // On creation: the range fields and both middle groups hidden, the selection and the file
  // name disabled, until a mode is prepared.
  for (QWidget* w : std::initializer_list<QWidget*>{from_label_, from_ed_, to_label_, to_ed_,
                                                    selection_ed_, range_gb_, dest_gb_})
    w->hide();
  selection_ed_->setEnabled(false);
  file_name_ed_->setEnabled(false);
  browse_btn_->setEnabled(false);
  WindowServices().apply_appearance(this);
  SetHintState(this, Appearance().HintState);
}

void TDuzRPSetupForm::CreateDestinationGroup(const QRect& place) {
  dest_gb_ = Group(this, "DestGB", "Report Destination", place);
  dest_printer_ = Radio(dest_gb_, "DestPrinter", "&Printer", 10, 20, 90);
  dest_preview_ = Radio(dest_gb_, "DestPreview", "Pre&view", 10, 46, 90);
  dest_file_ = Radio(dest_gb_, "DestFile", "&File", 10, 72, 60);
  auto* dest_group = new QButtonGroup(dest_gb_);
  for (QRadioButton* radio : {dest_printer_, dest_preview_, dest_file_})
    dest_group->addButton(radio);
  // A plain line: file names may hold any character, not only those the value fields take.
  file_name_ed_ = new QLineEdit(dest_gb_);
  file_name_ed_->setObjectName("FileNameED");
  file_name_ed_->setGeometry(72, 72, 186, 22);
  browse_btn_ = new QToolButton(dest_gb_);
  browse_btn_->setObjectName("BrowseBtn");
  browse_btn_->setIcon(WindowServices().glyph_icon(gOpen));
  browse_btn_->setToolTip("Browse");
  browse_btn_->setGeometry(264, 72, 26, 22);
  connect(dest_group, &QButtonGroup::buttonToggled, this, [this] { DestChange(); });
  connect(browse_btn_, &QToolButton::clicked, this, &TDuzRPSetupForm::BrowseClick);
}

void TDuzRPSetupForm::CreateRangeGroup(const QRect& place) {
  range_gb_ = Group(this, "RangeGB", "Print Range", place);
  range_all_ = Radio(range_gb_, "RangeAll", "All", 10, 20, 90);
  range_pages_ = Radio(range_gb_, "RangePages", "Pages", 10, 46, 70);
  range_selection_ = Radio(range_gb_, "RangeSelection", "Selection", 10, 72, 80);
  auto* range_group = new QButtonGroup(range_gb_);
  for (QRadioButton* radio : {range_all_, range_pages_, range_selection_})
    range_group->addButton(radio);
  from_label_ = new QLabel("From", range_gb_);
  from_label_->setGeometry(92, 46, 36, 22);
  from_ed_ = Field(range_gb_, "FromED", etPositive, QRect(130, 46, 56, 22));
  from_label_->setBuddy(from_ed_);
  to_label_ = new QLabel("to", range_gb_);
  to_label_->setAlignment(Qt::AlignCenter);
  to_label_->setGeometry(188, 46, 24, 22);
  to_ed_ = Field(range_gb_, "ToED", etPositive, QRect(214, 46, 56, 22));
  to_label_->setBuddy(to_ed_);
  selection_ed_ = Field(range_gb_, "SelectionED", etString, QRect(92, 72, 178, 22));
  selection_ed_->setToolTip("Pages such as 1,3,5-7");
  connect(range_group, &QButtonGroup::buttonToggled, this, [this] { RangeChange(); });
}

void TDuzRPSetupForm::CreateOptionsGroup() {
  auto* options_gb = Group(this, "OptionsGB", "Options", QRect(8, 172, kGroupWidth, 60));
  copies_label_ = new QLabel("&Copies", options_gb);
  copies_label_->setGeometry(10, 24, 46, 22);
  copies_ed_ = Field(options_gb, "CopiesED", etPositive, QRect(58, 24, 48, 22));
  copies_label_->setBuddy(copies_ed_);
  collate_ck_ = new QCheckBox("C&ollate", options_gb);
  collate_ck_->setObjectName("CollateCK");
  collate_ck_->setGeometry(120, 24, 80, 22);
  duplex_ck_ = new QCheckBox("&Duplex", options_gb);
  duplex_ck_->setObjectName("DuplexCK");
  duplex_ck_->setGeometry(208, 24, 80, 22);
}

void TDuzRPSetupForm::CreateButtons() {
  setup_bb_ = Button(this, "SetupBB", "&Setup", gPrinterSetup, 18);
  QPushButton* ok = Button(this, "OKBB", "   OK   ", gOK, 70, true);
  QPushButton* cancel = Button(this, "CancelBB", "Cancel", gCancel, 104);
  QPushButton* help = Button(this, "HelpBtn", "&Help", gContextHelp, 138);
  connect(setup_bb_, &QPushButton::clicked, this, &TDuzRPSetupForm::SetupBBClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &TDuzRPSetupForm::HelpBtnClick);
}

void TDuzRPSetupForm::Prepare(const ReportSetup& setup, const ReportPermissions& permissions,
                              bool from_preview, int page_count,
                              std::vector<PrinterEntry> printers) {
  setup_ = setup;
  permissions_ = permissions;
  from_preview_ = from_preview;
  page_count_ = std::max(1, page_count);
  printers_ = std::move(printers);
  const bool have_printers = !printers_.empty();
  if (have_printers) {
    bool known = false;
    for (const PrinterEntry& printer : printers_)
      known = known || printer.name == setup_.printer_name;
    if (!known) setup_.printer_name = printers_.front().name;
  } else {
    setup_.printer_name.clear();
  }
  ShowPrinter();

  range_gb_->setVisible(from_preview_);
  dest_gb_->setVisible(!from_preview_);
  if (from_preview_) {
    ShowPageRange();
  } else {
    ShowDestination(have_printers);
  }

  collate_ck_->setEnabled(have_printers && permissions_.collate);
  copies_label_->setEnabled(have_printers && permissions_.copies);
  copies_ed_->setEnabled(have_printers && permissions_.copies);
  duplex_ck_->setEnabled(have_printers && permissions_.duplex);
  setup_bb_->setEnabled(have_printers && permissions_.printer_setup);
  copies_ed_->SetText(QString::number(setup_.copies));
  collate_ck_->setChecked(setup_.collate);
  duplex_ck_->setChecked(setup_.duplex);
}

// From the preview: every page, the range fields filled with the job's pages.
void TDuzRPSetupForm::ShowPageRange() {
  from_ed_->SetText("1");
  to_ed_->SetText(QString::number(page_count_));
  selection_ed_->SetText(QStringLiteral("1-%1").arg(page_count_));
  range_all_->setChecked(true);
  RangeChange();
}

// Before a job: the destinations it permits, the stored one chosen where it still can be.
void TDuzRPSetupForm::ShowDestination(bool have_printers) {
  QRadioButton* chosen = nullptr;
  if (have_printers) {
    dest_printer_->setEnabled(permissions_.dest_printer);
    dest_preview_->setEnabled(permissions_.dest_preview);
    dest_file_->setEnabled(permissions_.dest_file);
    switch (setup_.destination) {
      case ReportDestination::kPrinter:
        chosen = dest_printer_;
        break;
      case ReportDestination::kPreview:
        chosen = dest_preview_;
        break;
      case ReportDestination::kFile:
        chosen = dest_file_;
        break;
    }
    if (!chosen->isEnabled()) chosen = nullptr;
  } else {
    dest_printer_->setEnabled(false);
    dest_file_->setEnabled(false);
    dest_preview_->setEnabled(permissions_.dest_preview);
    if (permissions_.dest_preview) chosen = dest_preview_;
  }
  if (chosen != nullptr) chosen->setChecked(true);
  file_name_ed_->setText(setup_.file_name);
  DestChange();
}

void TDuzRPSetupForm::ShowPrinter() {
  // A long name is cut with an ellipsis; the hint shows it whole.
  const QString text = PrinterLabelText(printers_, setup_.printer_name);
  printer_label_->setText(
      printer_label_->fontMetrics().elidedText(text, Qt::ElideRight, printer_label_->width()));
  printer_label_->setToolTip(text);
}

void TDuzRPSetupForm::RangeChange() {
  const bool pages = range_pages_->isChecked();
  const bool selection = range_selection_->isChecked();
  if (pages) {
    for (QWidget* w : std::initializer_list<QWidget*>{from_label_, from_ed_, to_label_, to_ed_}) {
      w->show();
      w->setEnabled(true);
    }
    selection_ed_->hide();
  } else if (selection) {
    selection_ed_->show();
    selection_ed_->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{from_label_, from_ed_, to_label_, to_ed_})
      w->hide();
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{from_ed_, to_ed_, selection_ed_})
      w->setEnabled(false);
  }
}

void TDuzRPSetupForm::DestChange() {
  const bool file = dest_file_->isChecked();
  file_name_ed_->setEnabled(file);
  browse_btn_->setEnabled(file);
}

void TDuzRPSetupForm::BrowseClick() {
  const QString name =
      QFileDialog::getSaveFileName(this, QString(), file_name_ed_->text(), "All Files (*)");
  if (!name.isEmpty()) file_name_ed_->setText(name);
}

void TDuzRPSetupForm::SetupBBClick() {
  if (printers_.empty()) return;
  QPrinter printer(QPrinterInfo::printerInfo(setup_.printer_name), QPrinter::HighResolution);
  const std::optional<int> copies = PositiveCount(copies_ed_->Text());
  printer.setCopyCount(copies.value_or(setup_.copies));
  printer.setCollateCopies(collate_ck_->isChecked());
  if (duplex_ck_->isChecked()) printer.setDuplex(QPrinter::DuplexAuto);
  UsePrinterPaper(printer, setup_.page_layout);
  const QString offered_printer = printer.printerName();
  const QPageSize offered_paper = printer.pageLayout().pageSize();
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName("PrinterSetupDialog");
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  // Qt's print dialog, made a set-up dialog: it chooses and nothing prints from it, and the
  // pages to print are chosen in this window.
  dialog.setWindowTitle("Printer Setup");
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
  }
  if (auto* range = dialog.findChild<QWidget*>("gbPrintRange")) range->setEnabled(false);
  if (dialog.exec() != QDialog::Accepted) return;
  // Another printer with the paper left as offered takes its own default paper.
  if (printer.printerName() != offered_printer &&
      printer.pageLayout().pageSize().isEquivalentTo(offered_paper))
    UsePrinterPaper(printer, std::nullopt);
  if (!printer.printerName().isEmpty()) {
    bool listed = false;
    for (const PrinterEntry& entry : printers_)
      listed = listed || entry.name == printer.printerName();
    if (!listed) printers_.push_back({printer.printerName(), QStringLiteral("this computer")});
    setup_.printer_name = printer.printerName();
  }
  setup_.page_layout = printer.pageLayout();
  // What was chosen there shows here, so OK takes it by the window's own rules.
  if (copies_ed_->isEnabled()) copies_ed_->SetText(QString::number(printer.copyCount()));
  if (collate_ck_->isEnabled()) collate_ck_->setChecked(printer.collateCopies());
  if (duplex_ck_->isEnabled()) duplex_ck_->setChecked(printer.duplex() != QPrinter::DuplexNone);
  ShowPrinter();
}

void TDuzRPSetupForm::HelpBtnClick() {
  WindowServices().show_help_topic(ReportHelpTopic::rhSetup);
}

bool TDuzRPSetupForm::TakeChoices(QString& problem) {
  ReportSetup chosen = setup_;
  if (from_preview_) {
    chosen.from_page = 1;
    chosen.to_page = 9999;
    chosen.selection.clear();
    chosen.range = PrintRange::kAll;
    if (range_selection_->isChecked()) {
      chosen.range = PrintRange::kSelection;
      chosen.selection = selection_ed_->Text().trimmed();
    } else if (range_pages_->isChecked()) {
      chosen.range = PrintRange::kPages;
      from_ed_->ParseText();
      to_ed_->ParseText();
      chosen.from_page = from_ed_->AsInteger();
      chosen.to_page = to_ed_->AsInteger();
    }
    // Out of the pages there are, or a selection that names none: printing it would print
    // nothing or the wrong pages.
    if (auto complaint = PrintRangeProblem(chosen, page_count_)) {
      problem = *complaint;
      return false;
    }
  } else {
    if (dest_printer_->isChecked())
      chosen.destination = ReportDestination::kPrinter;
    else if (dest_file_->isChecked())
      chosen.destination = ReportDestination::kFile;
    else
      chosen.destination = ReportDestination::kPreview;
    chosen.file_name =
        chosen.destination == ReportDestination::kFile ? file_name_ed_->text() : QString();
  }
  if (permissions_.copies && copies_ed_->isEnabled()) {
    if (auto copies = PositiveCount(copies_ed_->Text())) chosen.copies = *copies;
  }
  if (permissions_.collate && collate_ck_->isEnabled()) chosen.collate = collate_ck_->isChecked();
  if (permissions_.duplex && duplex_ck_->isEnabled() && duplex_ck_->isChecked())
    chosen.duplex = true;
  setup_ = chosen;
  return true;
}

void TDuzRPSetupForm::done(int result) {
  if (result == QDialog::Accepted) {
    QString problem;
    if (!TakeChoices(problem)) {
      WindowServices().error_box(problem);
      return;
    }
  }
  QDialog::done(result);
}

void TDuzRPSetupForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    WindowServices().context_help(QApplication::focusWidget(), ReportHelpTopic::rhSetup);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace zudira
