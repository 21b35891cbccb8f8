#include "app/rp_preview_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/apply_appearance.h"
#include "app/balloon_hints.h"
#include "app/data_modules.h"
#include "app/error_report.h"
#include "app/help.h"
#include "app/help_contexts.h"
#include "app/message_boxes.h"
#include "appearance/glyphs.h"
#include "app/rp_preview_logic.h"
#include "app/window_placement.h"
#include "reports/report_job.h"
#include "stats/exception.h"
#include "widgets/duz_edit.h"

namespace zudira {

namespace {

QToolButton* ToolButton(QToolBar* bar, const char* name, int glyph, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setIcon(GlyphIcon(glyph));
  button->setToolTip(hint);
  button->setFocusPolicy(Qt::NoFocus);
  bar->addWidget(button);
  return button;
}

QLabel* FieldLabel(QToolBar* bar, const QString& caption) {
  auto* label = new QLabel(caption, bar);
  bar->addWidget(label);
  return label;
}

}  // namespace

TDuzRPPreviewForm::TDuzRPPreviewForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPPreviewForm");
  setWindowTitle("Report Preview");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  resize(600, 496);
  SetHelpContext(this, kHelpReportPreview);

  toolBar1_ = new QToolBar("Preview ToolBar 1", this);
  toolBar1_->setObjectName("PreviewToolBar1");
  toolBar2_ = new QToolBar("Preview ToolBar 2", this);
  toolBar2_->setObjectName("PreviewToolBar2");

  QToolButton* print = ToolButton(toolBar1_, "SBPrint", gPrint, "Print Now!");
  QToolButton* opt = ToolButton(toolBar1_, "SBOpt", gPrinterSetup, "Printer Options\nthen Print");
  QToolButton* savePdf = ToolButton(toolBar1_, "SBSavePDF", gSavePdf, "Save as PDF");
  SetHelpContext(savePdf, kHelpSavePdf);
  toolBar1_->addSeparator();
  auto* ruler = new QToolButton(toolBar1_);
  ruler->setObjectName("RulerBtn");
  ruler->setText("&Ruler");
  ruler->setToolTip("Change Ruler Display");
  ruler->setPopupMode(QToolButton::InstantPopup);
  ruler->setFocusPolicy(Qt::NoFocus);
  auto* rulerMenu = new QMenu(ruler);
  rulerMenu->setObjectName("RulerMenu");
  auto* rulerGroup = new QActionGroup(rulerMenu);
  const std::pair<const char*, TRulerUnits> rulerItems[] = {
      {"&No Rulers", TRulerUnits::kNone},
      {"Rulers in &Inches", TRulerUnits::kInches},
      {"Rulers in &cms", TRulerUnits::kCm}};
  for (const auto& [caption, units] : rulerItems) {
    QAction* action = rulerMenu->addAction(caption);
    action->setCheckable(true);
    action->setChecked(units == rulerUnits_);
    rulerGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, units = units] { SetRulerUnits(units); });
  }
  ruler->setMenu(rulerMenu);
  toolBar1_->addWidget(ruler);
  toolBar1_->addSeparator();
  QToolButton* doneBtn = ToolButton(toolBar1_, "SBDone", gOK, "Done");
  QToolButton* help = ToolButton(toolBar1_, "HelpBtn", gContextHelp, "Help");

  QToolButton* zoomIn = ToolButton(toolBar2_, "SBZoomIn", gZoomIn, "Zoom In");
  QToolButton* zoomOut = ToolButton(toolBar2_, "SBZoomOut", gZoomOut, "Zoom Out");
  QToolButton* zoomWidth =
      ToolButton(toolBar2_, "SBZoomPageWidth", gZoomPageWidth, "Zoom Page Width");
  QToolButton* zoomPage = ToolButton(toolBar2_, "SBZoomPage", gZoomPage, "Zoom Whole Page");
  QLabel* zoomLabel = FieldLabel(toolBar2_, " &Zoom %: ");
  zoomEdit_ = new TDuzEdit3(toolBar2_);
  zoomEdit_->setObjectName("ZoomEdit");
  zoomEdit_->SetEditType(etPosReal);
  zoomEdit_->SetDecimals(1);
  zoomEdit_->SetCommas(false);
  zoomEdit_->SetMaxLength(10);
  zoomEdit_->SetHint("Enter Zoom Percentage");
  zoomEdit_->setFixedWidth(56);
  zoomLabel->setBuddy(zoomEdit_);
  toolBar2_->addWidget(zoomEdit_);
  toolBar2_->addSeparator();
  QToolButton* prev = ToolButton(toolBar2_, "SBPrevPage", gPriorPage, "Prev Page");
  QToolButton* next = ToolButton(toolBar2_, "SBNextPage", gNextPage, "Next Page");
  QLabel* pageCaption = FieldLabel(toolBar2_, " P&age #: ");
  pageEdit_ = new TDuzEdit3(toolBar2_);
  pageEdit_->setObjectName("PageEdit");
  pageEdit_->SetEditType(etPositive);
  pageEdit_->SetCommas(false);
  pageEdit_->SetHint("Enter Page Number");
  pageEdit_->setFixedWidth(48);
  pageCaption->setBuddy(pageEdit_);
  toolBar2_->addWidget(pageEdit_);
  pageLabel_ = new QLabel("Page 1 of 1", toolBar2_);
  pageLabel_->setObjectName("PageLabel");
  pageLabel_->setContentsMargins(6, 0, 6, 0);
  toolBar2_->addWidget(pageLabel_);

  view_ = new TPreviewPageView(this);
  topRuler_ = new TPreviewRuler(Qt::Horizontal, view_, this);
  leftRuler_ = new TPreviewRuler(Qt::Vertical, view_, this);
  rulerCorner_ = new QWidget(this);
  rulerCorner_->setFixedSize(TPreviewRuler::kThickness, TPreviewRuler::kThickness);

  bars_ = new QBoxLayout(QBoxLayout::LeftToRight);
  bars_->setContentsMargins(0, 0, 0, 0);
  bars_->setSpacing(0);
  bars_->addWidget(toolBar1_, 0, Qt::AlignLeft);
  bars_->addWidget(toolBar2_, 0, Qt::AlignLeft);
  bars_->addStretch(1);
  auto* pageArea = new QGridLayout;
  pageArea->setContentsMargins(0, 0, 0, 0);
  pageArea->setSpacing(0);
  pageArea->addWidget(rulerCorner_, 0, 0);
  pageArea->addWidget(topRuler_, 0, 1);
  pageArea->addWidget(leftRuler_, 1, 0);
  pageArea->addWidget(view_, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(bars_);
  layout->addLayout(pageArea, 1);

  ApplyAppearance(toolBar1_);
  ApplyAppearance(toolBar2_);
  SetHintState(this, Appearance().HintState);

  connect(zoomIn, &QToolButton::clicked, this,
          [this] { view_->SetZoom(ZoomStepIn(view_->Zoom())); });
  connect(zoomOut, &QToolButton::clicked, this,
          [this] { view_->SetZoom(ZoomStepOut(view_->Zoom())); });
  connect(zoomWidth, &QToolButton::clicked, view_, &TPreviewPageView::ZoomToPageWidth);
  connect(zoomPage, &QToolButton::clicked, view_, &TPreviewPageView::ZoomToWholePage);
  connect(prev, &QToolButton::clicked, this, [this] { view_->SetPage(view_->Page() - 1); });
  connect(next, &QToolButton::clicked, this, [this] { view_->SetPage(view_->Page() + 1); });
  connect(print, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBPrintClick);
  connect(opt, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBOptClick);
  connect(savePdf, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBSavePDFClick);
  connect(doneBtn, &QToolButton::clicked, this, &QDialog::accept);
  connect(help, &QToolButton::clicked, this, &TDuzRPPreviewForm::HelpBtnClick);
  connect(view_, &TPreviewPageView::PageChanged, this, &TDuzRPPreviewForm::PageChange);
  connect(view_, &TPreviewPageView::ZoomChanged, this, &TDuzRPPreviewForm::ZoomChange);
  connect(zoomEdit_, &TDuzEdit3::OnExit, this, &TDuzRPPreviewForm::ZoomEditExit);
  connect(pageEdit_, &TDuzEdit3::OnExit, this, &TDuzRPPreviewForm::PageEditExit);

  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  ZoomChange(view_->Zoom());
  PageChange(1, 1);
  view_->setFocus();
}

void TDuzRPPreviewForm::SetJob(TPreviewJob* job) {
  job_ = job;
  view_->SetPages(job);
}

void TDuzRPPreviewForm::SetRulerUnits(TRulerUnits units) {
  rulerUnits_ = units;
  topRuler_->SetUnits(units);
  leftRuler_->SetUnits(units);
  rulerCorner_->setVisible(units != TRulerUnits::kNone);
  if (auto* menu = findChild<QMenu*>("RulerMenu")) {
    const QList<QAction*> actions = menu->actions();
    actions.at(static_cast<int>(units))->setChecked(true);
  }
}

void TDuzRPPreviewForm::PageChange(int current, int count) {
  pageEdit_->SetText(QString::number(current));
  pageLabel_->setText(QStringLiteral("Page %1 of %2").arg(current).arg(std::max(1, count)));
}

void TDuzRPPreviewForm::ZoomChange(double zoom) {
  zoomEdit_->SetAsFloat(zoom);
  zoomEdit_->setText(zoomEdit_->text().left(10));
  view_->viewport()->update();
}

void TDuzRPPreviewForm::ZoomEditExit() {
  const double typed = static_cast<double>(zoomEdit_->AsFloat());
  // Equal to the zoom shown, the page is not drawn again.
  if (typed > 0 && std::fabs(typed - view_->Zoom()) > 0.05) view_->SetZoom(typed);
  ZoomChange(view_->Zoom());
}

void TDuzRPPreviewForm::PageEditExit() {
  const int typed = pageEdit_->AsInteger();
  if (typed >= 1 && typed != view_->Page() + 1)
    view_->SetPage(typed - 1);
  else
    PageChange(view_->Page() + 1, view_->PageCount());
}

void TDuzRPPreviewForm::SBPrintClick() {
  if (job_ != nullptr) RunCommand([this] { job_->PrintNow(); });
}

void TDuzRPPreviewForm::SBOptClick() {
  if (job_ != nullptr) RunCommand([this] { job_->PrinterOptionsThenPrint(); });
}

void TDuzRPPreviewForm::SBSavePDFClick() {
  // The documents folder, or the home folder where the desktop has made none.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  QFileDialog dialog(this, "Save as PDF", ProposedPdfPath(windowTitle(), folder),
                     "PDF Files (*.pdf);;All Files (*)");
  dialog.setObjectName("SavePdfDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("pdf");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  SavePdfTo(dialog.selectedFiles().constFirst());
}

void TDuzRPPreviewForm::SavePdfTo(const QString& path) {
  if (job_ == nullptr) return;
  try {
    job_->SavePdf(path);
  } catch (const Exception& e) {
    ErrorMsg(QString::fromStdString(e.Message()));
  }
}

void TDuzRPPreviewForm::HelpBtnClick() {
  HelpContext(kHelpReportPreview);
}

bool TDuzRPPreviewForm::PreviewKey(QKeyEvent* event) {
  QScrollBar* h = view_->horizontalScrollBar();
  QScrollBar* v = view_->verticalScrollBar();
  const TScrollState now{h->value(), h->maximum(), h->singleStep(), h->pageStep(),
                         v->value(), v->maximum(), v->singleStep(), v->pageStep()};
  const std::optional<TScrollState> moved = ScrollForKey(event->key(), event->modifiers(), now);
  if (!moved) return false;
  h->setValue(moved->h);
  v->setValue(moved->v);
  return true;
}

bool TDuzRPPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  // Keys of a popup (the ruler menu) stay with it.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && widget != nullptr && widget->window() == this) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (PreviewKey(key)) return true;
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
      ContextHelp(QApplication::focusWidget(), kHelpReportPreview);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TDuzRPPreviewForm::keyPressEvent(QKeyEvent* event) {
  if (PreviewKey(event)) return;
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    ContextHelp(QApplication::focusWidget(), kHelpReportPreview);
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDuzRPPreviewForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  MinimiseProgramWith(this, event);
}

// The two toolbars share one row when it holds both whole, else the second goes below, so no
// control is ever hidden behind a toolbar's extension button.
void TDuzRPPreviewForm::resizeEvent(QResizeEvent* event) {
  const bool oneRow = toolBar1_->sizeHint().width() + toolBar2_->sizeHint().width() <= width();
  bars_->setDirection(oneRow ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  QDialog::resizeEvent(event);
}

void TDuzRPPreviewForm::done(int result) {
  view_->SetPages(nullptr);
  closed_ = true;
  QDialog::done(result);
}

}  // namespace zudira
