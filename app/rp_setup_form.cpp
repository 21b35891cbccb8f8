#include "app/rp_setup_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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

#include "app/apply_appearance.h"
#include "app/balloon_hints.h"
#include "app/data_modules.h"
#include "app/help.h"
#include "app/help_contexts.h"
#include "app/message_boxes.h"
#include "appearance/glyphs.h"
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

// A count typed by the user: a whole number above 0, or nothing.
std::optional<int> PositiveCount(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value <= 0) return std::nullopt;
  return value;
}

}  // namespace

std::vector<TPrinterEntry> InstalledPrinters() {
  std::vector<TPrinterEntry> printers;
  const QString defaultName = QPrinterInfo::defaultPrinterName();
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    // CUPS names no port; the queue's location, else its device, says where it is.
    QString port = info.location();
    if (port.isEmpty()) port = info.makeAndModel();
    if (port.isEmpty()) port = QStringLiteral("this computer");
    TPrinterEntry entry{info.printerName(), port};
    if (info.printerName() == defaultName)
      printers.insert(printers.begin(), entry);
    else
      printers.push_back(entry);
  }
  return printers;
}

QString PrinterLabelText(const std::vector<TPrinterEntry>& printers, const QString& selected) {
  if (printers.empty()) return QStringLiteral("No printers installed!");
  const TPrinterEntry* shown = &printers.front();
  for (const TPrinterEntry& printer : printers)
    if (printer.name == selected) shown = &printer;
  return QStringLiteral("%1 on %2").arg(shown->name, shown->port);
}

TDuzRPSetupForm::TDuzRPSetupForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPSetupForm");
  setWindowTitle("Report Setup");
  setFixedSize(kClientWidth, kClientHeight);
  SetHelpContext(this, kHelpReportSetup);

  auto* printerGB = Group(this, "PrinterGB", "Selected Printer", QRect(8, 6, kGroupWidth, 50));
  printerLabel_ = new QLabel("(none)", printerGB);
  printerLabel_->setObjectName("PrinterLabel");
  printerLabel_->setGeometry(10, 20, kGroupWidth - 20, 22);

  // The destination (before the job) and the print range (over finished pages) share a place:
  // only one of them is shown.
  const QRect middle(8, 62, kGroupWidth, 104);
  destGB_ = Group(this, "DestGB", "Report Destination", middle);
  destPrinter_ = Radio(destGB_, "DestPrinter", "&Printer", 10, 20, 90);
  destPreview_ = Radio(destGB_, "DestPreview", "Pre&view", 10, 46, 90);
  destFile_ = Radio(destGB_, "DestFile", "&File", 10, 72, 60);
  auto* destGroup = new QButtonGroup(destGB_);
  for (QRadioButton* radio : {destPrinter_, destPreview_, destFile_}) destGroup->addButton(radio);
  // A plain line: file names may hold any character, not only those the value fields take.
  fileNameED_ = new QLineEdit(destGB_);
  fileNameED_->setObjectName("FileNameED");
  fileNameED_->setGeometry(72, 72, 186, 22);
  browseBtn_ = new QToolButton(destGB_);
  browseBtn_->setObjectName("BrowseBtn");
  browseBtn_->setIcon(GlyphIcon(gOpen));
  browseBtn_->setToolTip("Browse");
  browseBtn_->setGeometry(264, 72, 26, 22);

  rangeGB_ = Group(this, "RangeGB", "Print Range", middle);
  rangeAll_ = Radio(rangeGB_, "RangeAll", "All", 10, 20, 90);
  rangePages_ = Radio(rangeGB_, "RangePages", "Pages", 10, 46, 70);
  rangeSelection_ = Radio(rangeGB_, "RangeSelection", "Selection", 10, 72, 80);
  auto* rangeGroup = new QButtonGroup(rangeGB_);
  for (QRadioButton* radio : {rangeAll_, rangePages_, rangeSelection_})
    rangeGroup->addButton(radio);
  fromLabel_ = new QLabel("From", rangeGB_);
  fromLabel_->setGeometry(92, 46, 36, 22);
  fromED_ = Field(rangeGB_, "FromED", etPositive, QRect(130, 46, 56, 22));
  fromLabel_->setBuddy(fromED_);
  toLabel_ = new QLabel("to", rangeGB_);
  toLabel_->setAlignment(Qt::AlignCenter);
  toLabel_->setGeometry(188, 46, 24, 22);
  toED_ = Field(rangeGB_, "ToED", etPositive, QRect(214, 46, 56, 22));
  toLabel_->setBuddy(toED_);
  selectionED_ = Field(rangeGB_, "SelectionED", etString, QRect(92, 72, 178, 22));
  selectionED_->setToolTip("Pages such as 1,3,5-7");

  auto* optionsGB = Group(this, "OptionsGB", "Options", QRect(8, 172, kGroupWidth, 60));
  copiesLabel_ = new QLabel("&Copies", optionsGB);
  copiesLabel_->setGeometry(10, 24, 46, 22);
  copiesED_ = Field(optionsGB, "CopiesED", etPositive, QRect(58, 24, 48, 22));
  copiesLabel_->setBuddy(copiesED_);
  collateCK_ = new QCheckBox("C&ollate", optionsGB);
  collateCK_->setObjectName("CollateCK");
  collateCK_->setGeometry(120, 24, 80, 22);
  duplexCK_ = new QCheckBox("&Duplex", optionsGB);
  duplexCK_->setObjectName("DuplexCK");
  duplexCK_->setGeometry(208, 24, 80, 22);

  setupBB_ = new QPushButton("&Setup", this);
  setupBB_->setObjectName("SetupBB");
  setupBB_->setIcon(GlyphIcon(gPrinterSetup));
  setupBB_->setAutoDefault(false);
  setupBB_->setGeometry(kButtonLeft, 18, kButtonWidth, 28);
  auto* ok = new QPushButton("   OK   ", this);
  ok->setObjectName("OKBB");
  ok->setIcon(GlyphIcon(gOK));
  ok->setDefault(true);
  ok->setGeometry(kButtonLeft, 70, kButtonWidth, 28);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("CancelBB");
  cancel->setIcon(GlyphIcon(gCancel));
  cancel->setAutoDefault(false);
  cancel->setGeometry(kButtonLeft, 104, kButtonWidth, 28);
  auto* help = new QPushButton("&Help", this);
  help->setObjectName("HelpBtn");
  help->setIcon(GlyphIcon(gContextHelp));
  help->setAutoDefault(false);
  help->setGeometry(kButtonLeft, 138, kButtonWidth, 28);

  // On creation: the range fields and both middle groups hidden, the selection and the file
  // name disabled, until a mode is prepared.
  for (QWidget* w : std::initializer_list<QWidget*>{fromLabel_, fromED_, toLabel_, toED_,
                                                    selectionED_, rangeGB_, destGB_})
    w->hide();
  selectionED_->setEnabled(false);
  fileNameED_->setEnabled(false);
  browseBtn_->setEnabled(false);
  ApplyAppearance(this);
  SetHintState(this, Appearance().HintState);

  connect(rangeGroup, &QButtonGroup::buttonToggled, this, [this] { RangeChange(); });
  connect(destGroup, &QButtonGroup::buttonToggled, this, [this] { DestChange(); });
  connect(browseBtn_, &QToolButton::clicked, this, &TDuzRPSetupForm::BrowseClick);
  connect(setupBB_, &QPushButton::clicked, this, &TDuzRPSetupForm::SetupBBClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, &TDuzRPSetupForm::HelpBtnClick);
}

void TDuzRPSetupForm::Prepare(const TReportSetup& setup, const TReportPermissions& permissions,
                              bool fromPreview, int pageCount,
                              std::vector<TPrinterEntry> printers) {
  setup_ = setup;
  permissions_ = permissions;
  fromPreview_ = fromPreview;
  pageCount_ = std::max(1, pageCount);
  printers_ = std::move(printers);
  const bool havePrinters = !printers_.empty();
  if (havePrinters) {
    bool known = false;
    for (const TPrinterEntry& printer : printers_)
      known = known || printer.name == setup_.printerName;
    if (!known) setup_.printerName = printers_.front().name;
  } else {
    setup_.printerName.clear();
  }
  ShowPrinter();

  rangeGB_->setVisible(fromPreview_);
  destGB_->setVisible(!fromPreview_);
  if (fromPreview_) {
    fromED_->SetText("1");
    toED_->SetText(QString::number(pageCount_));
    selectionED_->SetText(QStringLiteral("1-%1").arg(pageCount_));
    rangeAll_->setChecked(true);
    RangeChange();
  } else {
    QRadioButton* chosen = nullptr;
    if (havePrinters) {
      destPrinter_->setEnabled(permissions_.destPrinter);
      destPreview_->setEnabled(permissions_.destPreview);
      destFile_->setEnabled(permissions_.destFile);
      switch (setup_.destination) {
        case TReportDestination::kPrinter:
          chosen = destPrinter_;
          break;
        case TReportDestination::kPreview:
          chosen = destPreview_;
          break;
        case TReportDestination::kFile:
          chosen = destFile_;
          break;
      }
      if (!chosen->isEnabled()) chosen = nullptr;
    } else {
      destPrinter_->setEnabled(false);
      destFile_->setEnabled(false);
      destPreview_->setEnabled(permissions_.destPreview);
      if (permissions_.destPreview) chosen = destPreview_;
    }
    if (chosen != nullptr) chosen->setChecked(true);
    fileNameED_->setText(setup_.fileName);
    DestChange();
  }

  collateCK_->setEnabled(havePrinters && permissions_.collate);
  copiesLabel_->setEnabled(havePrinters && permissions_.copies);
  copiesED_->setEnabled(havePrinters && permissions_.copies);
  duplexCK_->setEnabled(havePrinters && permissions_.duplex);
  setupBB_->setEnabled(havePrinters && permissions_.printerSetup);
  copiesED_->SetText(QString::number(setup_.copies));
  collateCK_->setChecked(setup_.collate);
  duplexCK_->setChecked(setup_.duplex);
}

void TDuzRPSetupForm::ShowPrinter() {
  printerLabel_->setText(PrinterLabelText(printers_, setup_.printerName));
}

void TDuzRPSetupForm::RangeChange() {
  const bool pages = rangePages_->isChecked();
  const bool selection = rangeSelection_->isChecked();
  if (pages) {
    for (QWidget* w : std::initializer_list<QWidget*>{fromLabel_, fromED_, toLabel_, toED_}) {
      w->show();
      w->setEnabled(true);
    }
    selectionED_->hide();
  } else if (selection) {
    selectionED_->show();
    selectionED_->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{fromLabel_, fromED_, toLabel_, toED_})
      w->hide();
  } else {
    for (QWidget* w : std::initializer_list<QWidget*>{fromED_, toED_, selectionED_})
      w->setEnabled(false);
  }
}

void TDuzRPSetupForm::DestChange() {
  const bool file = destFile_->isChecked();
  fileNameED_->setEnabled(file);
  browseBtn_->setEnabled(file);
}

void TDuzRPSetupForm::BrowseClick() {
  const QString name =
      QFileDialog::getSaveFileName(this, QString(), fileNameED_->text(), "All Files (*)");
  if (!name.isEmpty()) fileNameED_->setText(name);
}

void TDuzRPSetupForm::SetupBBClick() {
  if (printers_.empty()) return;
  QPrinter printer(QPrinterInfo::printerInfo(setup_.printerName), QPrinter::HighResolution);
  const std::optional<int> copies = PositiveCount(copiesED_->Text());
  printer.setCopyCount(copies.value_or(setup_.copies));
  printer.setCollateCopies(collateCK_->isChecked());
  if (duplexCK_->isChecked()) printer.setDuplex(QPrinter::DuplexAuto);
  if (setup_.pageLayout) printer.setPageLayout(*setup_.pageLayout);
  QPrintDialog dialog(&printer, this);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printer.printerName().isEmpty()) {
    bool listed = false;
    for (const TPrinterEntry& entry : printers_)
      listed = listed || entry.name == printer.printerName();
    if (!listed) printers_.push_back({printer.printerName(), QStringLiteral("this computer")});
    setup_.printerName = printer.printerName();
  }
  setup_.pageLayout = printer.pageLayout();
  // What was chosen there shows here, so OK takes it by the window's own rules.
  if (copiesED_->isEnabled()) copiesED_->SetText(QString::number(printer.copyCount()));
  if (collateCK_->isEnabled()) collateCK_->setChecked(printer.collateCopies());
  if (duplexCK_->isEnabled()) duplexCK_->setChecked(printer.duplex() != QPrinter::DuplexNone);
  ShowPrinter();
}

void TDuzRPSetupForm::HelpBtnClick() {
  HelpContext(kHelpReportSetup);
}

bool TDuzRPSetupForm::TakeChoices(QString& problem) {
  TReportSetup chosen = setup_;
  if (fromPreview_) {
    chosen.fromPage = 1;
    chosen.toPage = 9999;
    chosen.selection.clear();
    chosen.range = TPrintRange::kAll;
    if (rangeSelection_->isChecked()) {
      chosen.range = TPrintRange::kSelection;
      chosen.selection = selectionED_->Text().trimmed();
    } else if (rangePages_->isChecked()) {
      chosen.range = TPrintRange::kPages;
      fromED_->ParseText();
      toED_->ParseText();
      chosen.fromPage = fromED_->AsInteger();
      chosen.toPage = toED_->AsInteger();
    }
    // Out of the pages there are, or a selection that names none: printing it would print
    // nothing or the wrong pages.
    if (auto complaint = PrintRangeProblem(chosen, pageCount_)) {
      problem = *complaint;
      return false;
    }
  } else {
    if (destPrinter_->isChecked())
      chosen.destination = TReportDestination::kPrinter;
    else if (destFile_->isChecked())
      chosen.destination = TReportDestination::kFile;
    else
      chosen.destination = TReportDestination::kPreview;
    chosen.fileName =
        chosen.destination == TReportDestination::kFile ? fileNameED_->text() : QString();
  }
  if (permissions_.copies && copiesED_->isEnabled()) {
    if (auto copies = PositiveCount(copiesED_->Text())) chosen.copies = *copies;
  }
  if (permissions_.collate && collateCK_->isEnabled()) chosen.collate = collateCK_->isChecked();
  if (permissions_.duplex && duplexCK_->isEnabled() && duplexCK_->isChecked()) chosen.duplex = true;
  setup_ = chosen;
  return true;
}

void TDuzRPSetupForm::done(int result) {
  if (result == QDialog::Accepted) {
    QString problem;
    if (!TakeChoices(problem)) {
      ErrorMsg(problem);
      return;
    }
  }
  QDialog::done(result);
}

void TDuzRPSetupForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    ContextHelp(QApplication::focusWidget(), kHelpReportSetup);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace zudira
