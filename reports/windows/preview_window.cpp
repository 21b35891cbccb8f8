#include "reports/windows/preview_window.h"

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

#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "reports/report_job.h"
#include "reports/windows/window_services.h"
#include "stats/exception.h"
#include "widgets/balloon_hints.h"
#include "widgets/duz_edit.h"
#include "widgets/window_placement.h"
#include "window_rules/preview_rules.h"

namespace zudira {

namespace {

QToolButton* ToolButton(QToolBar* bar, const char* name, int glyph, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setIcon(WindowServices().glyph_icon(glyph));
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

// The preview's key table by Qt's key codes.
std::optional<ScrollKey> ScrollKeyOf(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return ScrollKey::kPageUp;
    case Qt::Key_PageDown:
      return ScrollKey::kPageDown;
    case Qt::Key_Home:
      return ScrollKey::kHome;
    case Qt::Key_End:
      return ScrollKey::kEnd;
    case Qt::Key_Up:
      return ScrollKey::kUp;
    case Qt::Key_Down:
      return ScrollKey::kDown;
    case Qt::Key_Left:
      return ScrollKey::kLeft;
    case Qt::Key_Right:
      return ScrollKey::kRight;
    default:
      return std::nullopt;
  }
}

}  // namespace

TDuzRPPreviewForm::TDuzRPPreviewForm(QWidget* parent) : QDialog(parent) {
  setObjectName("DuzRPPreviewForm");
  setWindowTitle("Report Preview");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  resize(600, 496);
  WindowServices().set_help_topic(this, ReportHelpTopic::rhPreview);

  tool_bar1_ = new QToolBar("Preview ToolBar 1", this);
  tool_bar1_->setObjectName("PreviewToolBar1");
  tool_bar2_ = new QToolBar("Preview ToolBar 2", this);
  tool_bar2_->setObjectName("PreviewToolBar2");
  FillPrintBar();
  FillPageBar();
  LayOutPageArea();
  connect(view_, &PreviewPageView::PageChanged, this, &TDuzRPPreviewForm::PageChange);
  connect(view_, &PreviewPageView::ZoomChanged, this, &TDuzRPPreviewForm::ZoomChange);

  WindowServices().apply_appearance(tool_bar1_);
  WindowServices().apply_appearance(tool_bar2_);
  SetHintState(this, Appearance().HintState);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  ZoomChange(view_->Zoom());
  PageChange(1, 1);
  view_->setFocus();
}

void TDuzRPPreviewForm::FillPrintBar() {
  QToolButton* print = ToolButton(tool_bar1_, "SBPrint", gPrint, "Print Now!");
  QToolButton* opt = ToolButton(tool_bar1_, "SBOpt", gPrinterSetup, "Printer Options\nthen Print");
  QToolButton* save_pdf = ToolButton(tool_bar1_, "SBSavePDF", gSavePdf, "Save as PDF");
  WindowServices().set_help_topic(save_pdf, ReportHelpTopic::rhSavePdf);
  tool_bar1_->addSeparator();
  tool_bar1_->addWidget(RulerButton());
  tool_bar1_->addSeparator();
  QToolButton* done_button = ToolButton(tool_bar1_, "SBDone", gOK, "Done");
  QToolButton* help = ToolButton(tool_bar1_, "HelpBtn", gContextHelp, "Help");

  connect(print, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBPrintClick);
  connect(opt, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBOptClick);
  connect(save_pdf, &QToolButton::clicked, this, &TDuzRPPreviewForm::SBSavePDFClick);
  connect(done_button, &QToolButton::clicked, this, &QDialog::accept);
  connect(help, &QToolButton::clicked, this, &TDuzRPPreviewForm::HelpBtnClick);
}

QToolButton* TDuzRPPreviewForm::RulerButton() {
  auto* ruler = new QToolButton(tool_bar1_);
  ruler->setObjectName("RulerBtn");
  ruler->setText("&Ruler");
  ruler->setToolTip("Change Ruler Display");
  ruler->setPopupMode(QToolButton::InstantPopup);
  ruler->setFocusPolicy(Qt::NoFocus);
  auto* ruler_menu = new QMenu(ruler);
  ruler_menu->setObjectName("RulerMenu");
  auto* ruler_group = new QActionGroup(ruler_menu);
  const std::pair<const char*, RulerUnit> ruler_items[] = {
      {"&No Rulers", RulerUnit::kNone},
      {"Rulers in &Inches", RulerUnit::kInches},
      {"Rulers in &cms", RulerUnit::kCm}};
  for (const auto& [caption, units] : ruler_items) {
    QAction* action = ruler_menu->addAction(caption);
    action->setCheckable(true);
    action->setChecked(units == ruler_units_);
    ruler_group->addAction(action);
    connect(action, &QAction::triggered, this, [this, units = units] { SetRulerUnits(units); });
  }
  ruler->setMenu(ruler_menu);
  return ruler;
}

void TDuzRPPreviewForm::FillPageBar() {
  QToolButton* zoom_in = ToolButton(tool_bar2_, "SBZoomIn", gZoomIn, "Zoom In");
  QToolButton* zoom_out = ToolButton(tool_bar2_, "SBZoomOut", gZoomOut, "Zoom Out");
  QToolButton* zoom_width =
      ToolButton(tool_bar2_, "SBZoomPageWidth", gZoomPageWidth, "Zoom Page Width");
  QToolButton* zoom_page = ToolButton(tool_bar2_, "SBZoomPage", gZoomPage, "Zoom Whole Page");
  QLabel* zoom_label = FieldLabel(tool_bar2_, " &Zoom %: ");
  zoom_edit_ = new TDuzEdit3(tool_bar2_);
  zoom_edit_->setObjectName("ZoomEdit");
  zoom_edit_->SetEditType(etPosReal);
  zoom_edit_->SetDecimals(1);
  zoom_edit_->SetCommas(false);
  zoom_edit_->SetMaxLength(10);
  zoom_edit_->SetHint("Enter Zoom Percentage");
  zoom_edit_->setFixedWidth(56);
  zoom_label->setBuddy(zoom_edit_);
  tool_bar2_->addWidget(zoom_edit_);
  tool_bar2_->addSeparator();
  QToolButton* prev = ToolButton(tool_bar2_, "SBPrevPage", gPriorPage, "Prev Page");
  QToolButton* next = ToolButton(tool_bar2_, "SBNextPage", gNextPage, "Next Page");
  QLabel* page_caption = FieldLabel(tool_bar2_, " P&age #: ");
  page_edit_ = new TDuzEdit3(tool_bar2_);
  page_edit_->setObjectName("PageEdit");
  page_edit_->SetEditType(etPositive);
  page_edit_->SetCommas(false);
  page_edit_->SetHint("Enter Page Number");
  page_edit_->setFixedWidth(48);
  page_caption->setBuddy(page_edit_);
  tool_bar2_->addWidget(page_edit_);
  page_label_ = new QLabel("Page 1 of 1", tool_bar2_);
  page_label_->setObjectName("PageLabel");
  page_label_->setContentsMargins(6, 0, 6, 0);
  tool_bar2_->addWidget(page_label_);

  // The view is made after the bars, so these reach it when clicked.
  connect(zoom_in, &QToolButton::clicked, this,
          [this] { view_->SetZoom(ZoomStepIn(view_->Zoom())); });
  connect(zoom_out, &QToolButton::clicked, this,
          [this] { view_->SetZoom(ZoomStepOut(view_->Zoom())); });
  connect(zoom_width, &QToolButton::clicked, this, [this] { view_->ZoomToPageWidth(); });
  connect(zoom_page, &QToolButton::clicked, this, [this] { view_->ZoomToWholePage(); });
  connect(prev, &QToolButton::clicked, this, [this] { view_->SetPage(view_->Page() - 1); });
  connect(next, &QToolButton::clicked, this, [this] { view_->SetPage(view_->Page() + 1); });
  connect(zoom_edit_, &TDuzEdit3::OnExit, this, &TDuzRPPreviewForm::ZoomEditExit);
  connect(page_edit_, &TDuzEdit3::OnExit, this, &TDuzRPPreviewForm::PageEditExit);
}

void TDuzRPPreviewForm::LayOutPageArea() {
  view_ = new PreviewPageView(this);
  top_ruler_ = new PreviewRuler(Qt::Horizontal, view_, this);
  left_ruler_ = new PreviewRuler(Qt::Vertical, view_, this);
  ruler_corner_ = new QWidget(this);
  ruler_corner_->setFixedSize(PreviewRuler::kThickness, PreviewRuler::kThickness);

  bars_ = new QBoxLayout(QBoxLayout::LeftToRight);
  bars_->setContentsMargins(0, 0, 0, 0);
  bars_->setSpacing(0);
  bars_->addWidget(tool_bar1_, 0, Qt::AlignLeft);
  bars_->addWidget(tool_bar2_, 0, Qt::AlignLeft);
  bars_->addStretch(1);
  auto* page_area = new QGridLayout;
  page_area->setContentsMargins(0, 0, 0, 0);
  page_area->setSpacing(0);
  page_area->addWidget(ruler_corner_, 0, 0);
  page_area->addWidget(top_ruler_, 0, 1);
  page_area->addWidget(left_ruler_, 1, 0);
  page_area->addWidget(view_, 1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(bars_);
  layout->addLayout(page_area, 1);
}

void TDuzRPPreviewForm::SetJob(PreviewJob* job) {
  job_ = job;
  view_->SetPages(job);
}

void TDuzRPPreviewForm::SetRulerUnits(RulerUnit units) {
  ruler_units_ = units;
  top_ruler_->SetUnits(units);
  left_ruler_->SetUnits(units);
  ruler_corner_->setVisible(units != RulerUnit::kNone);
  if (auto* menu = findChild<QMenu*>("RulerMenu")) {
    const QList<QAction*> actions = menu->actions();
    actions.at(static_cast<int>(units))->setChecked(true);
  }
}

void TDuzRPPreviewForm::PageChange(int current, int count) {
  page_edit_->SetText(QString::number(current));
  page_label_->setText(QStringLiteral("Page %1 of %2").arg(current).arg(std::max(1, count)));
}

void TDuzRPPreviewForm::ZoomChange(double zoom) {
  zoom_edit_->SetAsFloat(zoom);
  zoom_edit_->setText(zoom_edit_->text().left(10));
  view_->viewport()->update();
}

void TDuzRPPreviewForm::ZoomEditExit() {
  const double typed = static_cast<double>(zoom_edit_->AsFloat());
  // Equal to the zoom shown, the page is not drawn again.
  if (typed > 0 && std::fabs(typed - view_->Zoom()) > 0.05) view_->SetZoom(typed);
  ZoomChange(view_->Zoom());
}

void TDuzRPPreviewForm::PageEditExit() {
  const int typed = page_edit_->AsInteger();
  if (typed >= 1 && typed != view_->Page() + 1)
    view_->SetPage(typed - 1);
  else
    PageChange(view_->Page() + 1, view_->PageCount());
}

void TDuzRPPreviewForm::SBPrintClick() {
  if (job_ != nullptr) WindowServices().run_command([this] { job_->PrintNow(); });
}

void TDuzRPPreviewForm::SBOptClick() {
  if (job_ != nullptr) WindowServices().run_command([this] { job_->PrinterOptionsThenPrint(); });
}

void TDuzRPPreviewForm::SBSavePDFClick() {
  // The documents folder, or the home folder where the desktop has made none.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  QFileDialog dialog(
      this, "Save as PDF",
      QDir(folder).filePath(QString::fromStdString(ProposedPdfName(windowTitle().toStdString()))),
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
    WindowServices().error_box(QString::fromStdString(e.Message()));
  }
}

void TDuzRPPreviewForm::HelpBtnClick() {
  WindowServices().show_help_topic(ReportHelpTopic::rhPreview);
}

bool TDuzRPPreviewForm::PreviewKey(QKeyEvent* event) {
  QScrollBar* h = view_->horizontalScrollBar();
  QScrollBar* v = view_->verticalScrollBar();
  const ScrollState now{h->value(), h->maximum(), h->singleStep(), h->pageStep(),
                        v->value(), v->maximum(), v->singleStep(), v->pageStep()};
  const std::optional<ScrollKey> key = ScrollKeyOf(event->key());
  if (!key) return false;
  const Qt::KeyboardModifiers mods = event->modifiers();
  const KeyModifiers held{
      mods.testFlag(Qt::ControlModifier), mods.testFlag(Qt::ShiftModifier),
      (mods & (Qt::AltModifier | Qt::MetaModifier | Qt::GroupSwitchModifier)) != Qt::NoModifier};
  const std::optional<ScrollState> moved = ScrollForKey(*key, held, now);
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
      WindowServices().context_help(QApplication::focusWidget(), ReportHelpTopic::rhPreview);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TDuzRPPreviewForm::keyPressEvent(QKeyEvent* event) {
  if (PreviewKey(event)) return;
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    WindowServices().context_help(QApplication::focusWidget(), ReportHelpTopic::rhPreview);
    return;
  }
  QDialog::keyPressEvent(event);
}

void TDuzRPPreviewForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) {
    for (QWidget* other : QApplication::topLevelWidgets())
      if (other != this && other->isVisible() && !other->isMinimized())
        minimised_with_.push_back(other);
    MinimiseProgramWith(this, event);
  } else {
    RestoreWindowsMinimisedWith();
  }
}

// The program comes back as it went down: each window in the state it had.
void TDuzRPPreviewForm::RestoreWindowsMinimisedWith() {
  const std::vector<QPointer<QWidget>> windows = std::move(minimised_with_);
  minimised_with_.clear();
  for (const QPointer<QWidget>& window : windows)
    if (window != nullptr && window->isMinimized())
      window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
}

// The two toolbars share one row when it holds both whole, else the second goes below, so no
// control is ever hidden behind a toolbar's extension button.
void TDuzRPPreviewForm::resizeEvent(QResizeEvent* event) {
  const bool one_row = tool_bar1_->sizeHint().width() + tool_bar2_->sizeHint().width() <= width();
  bars_->setDirection(one_row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
  QDialog::resizeEvent(event);
}

void TDuzRPPreviewForm::done(int result) {
  RestoreWindowsMinimisedWith();
  view_->SetPages(nullptr);
  closed_ = true;
  QDialog::done(result);
}

}  // namespace zudira
