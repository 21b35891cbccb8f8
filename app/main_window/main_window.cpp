// The main window: its making, the settings it reads and writes, and the client panel with the
// controls of the input area. The menus, toolbars and status bar are in main_window_frame.cpp,
// the commands in main_window_commands.cpp.
#include "app/main_window/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include "widgets/balloon_hints.h"

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/main_window/qstring_text.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "app/shell/platform_info.h"
#include "app/shell/program_info.h"
#include "app/shell/zudira_application.h"
#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "core/catalogue.h"
#include "widgets/duz_calc_form.h"
#include "widgets/duz_edit.h"
#include "widgets/duz_label.h"
#include "widgets/range_pictures.h"
#include "widgets/window_placement.h"

namespace zudira {

namespace {

constexpr int kClientWidth = 571;
constexpr int kClientHeight = 327;
constexpr int kFieldX = 404;
constexpr int kFieldWidth = 121;
constexpr int kFieldHeight = 21;
constexpr int kCaptionRight = 402;
constexpr int kCalcButtonX = 526;
constexpr int kRangeLabelX = 202;
constexpr int kRangeColumnX = 171;
constexpr int kRangeFirstY = 24;
constexpr int kRangeStep = 22;

// The decimals box repeats every 250 ms while an arrow is held.
class DecimalsStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_SpinBox_ClickAutoRepeatRate) return 250;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// Draws the distribution list's separator row as a visible line of its own height, and every
// other row as the list's own delegate does; that one gives the separator almost no room, and
// under the list's colours no line.
class ListSeparatorDelegate : public QStyledItemDelegate {
 public:
  ListSeparatorDelegate(QAbstractItemDelegate* items, QObject* parent)
      : QStyledItemDelegate(parent), items_(items) {}
  static bool IsSeparator(const QModelIndex& index) {
    return index.data(Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator");
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (IsSeparator(index)) return {0, 9};
    return items_->sizeHint(option, index);
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!IsSeparator(index)) {
      items_->paint(painter, option, index);
      return;
    }
    const QRect line = option.rect.adjusted(4, 0, -4, 0);
    painter->save();
    painter->setPen(QPen(QColor(0x50, 0x70, 0x50), 1));
    painter->drawLine(line.left(), line.center().y(), line.right(), line.center().y());
    painter->restore();
  }

 private:
  QAbstractItemDelegate* items_;  // the combo box's own, which stays its child
};

// A right-aligned caption ending near the field column, starting at `left`, right of the
// range labels, so that a click or a hint over either reaches the label under the pointer.
void PlaceCaption(TDuzLabel* label, int left, int y) {
  label->setGeometry(left, y + 2, kCaptionRight - left, 17);
  label->SetTransparent(true);
}

}  // namespace

TPDFMainForm::TPDFMainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("PDFMainForm");
  setWindowTitle("Zudira");
  // The layout's pixel places are made for this face and size.
  setFont(QFont("Arial", 8));
  // Drawn for the screen's pixel ratio, so a scaled desktop shows them sharp.
  for (const QImage& picture : DrawRangePictures(devicePixelRatioF()))
    bitmaps_.push_back(QPixmap::fromImage(picture));

  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateClientPanel();
  CreateStatusBar();
  SetTabOrder();
  NameControls();
  // Alt+F4 and F1 reach the window whatever control has the focus.
  auto* exit_key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
  connect(exit_key, &QShortcut::activated, this, [this] { ExitBtnClick(); });
  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help_key, &QShortcut::activated, this, [this] { HelpBtnClick(); });
  // The command toolbar has no close button: no context menu may hide it.
  setContextMenuPolicy(Qt::NoContextMenu);
  // Like its dialogs, the window has one size: the controls are placed for it.
  setFixedSize(kClientWidth, sizeHint().height());

  {
    auto settings = OpenUserSettings();
    ReadSettings(*settings, kZudiraSettingsKey, Appearance());
    ReadCalculationMode(*settings);
  }
  ApplyAppearanceSettings();
  RestoreToolBarLayout();
  command_toolbar_->show();

  pdf_type_->setCurrentIndex(DistributionListRow(dkNormal));
  PDFTypeChange();
  PDFRangeClick();
  // The window opens with every field, Answer too, showing 0 with the current decimals.
  answer_->Redisplay();
  owner_ = WindowsOwner();

  SetProgramDirFromApplication();
  if (ZudiraApplication* app = ZudiraApplication::Instance()) {
    app->Help().file = ShippedFilePath(kHelpFileName);
  }
  setWindowTitle(windowTitle() + " (" + VersionText() + ")");

  CentreOnScreen(this);
}

TPDFMainForm::~TPDFMainForm() = default;

void TPDFMainForm::closeEvent(QCloseEvent* event) {
  // An error while writing is reported and the window closes all the same.
  RunCommand([this] {
    auto settings = OpenUserSettings();
    SaveToolBarLayout(*settings);
    WriteSettings(*settings, kZudiraSettingsKey, Appearance());
    WriteCalculationMode(*settings);
    // Said once, at exit: nothing else would tell the user that the next start forgets.
    const QString failure = SettingsSaveFailure(*settings);
    if (!failure.isEmpty()) WarningMsg(failure);
  });
  QMainWindow::closeEvent(event);
}

void TPDFMainForm::CreateClientPanel() {
  client_panel_ = new QWidget(this);
  client_panel_->setObjectName("ClientPanel");
  client_panel_->setFixedSize(kClientWidth, kClientHeight);
  SetHelpContext(client_panel_, kHelpMainWindow);
  setCentralWidget(client_panel_);
  QWidget* panel = client_panel_;

  CreateDistributionList(panel);
  CreateFixEnd(panel);
  CreateDecimals(panel);
  PlaceRangeSelector(panel);
  PlaceRightColumn(panel);
}

void TPDFMainForm::CreateDistributionList(QWidget* panel) {
  auto* choose = new TDuzLabel2(panel);
  choose->setObjectName("ChooseLabel");
  choose->setText("Choose Distribution");
  choose->setGeometry(3, 8, 159, 16);

  pdf_type_ = new QComboBox(panel);
  pdf_type_->setObjectName("PDFType");
  // The first kinds, a line, then the later kinds; the line takes neither keys nor clicks.
  for (int row = 0; row < kDistributionListRowCount; ++row) {
    if (const std::optional<DistributionKind> kind = KindOfListRow(row)) {
      pdf_type_->addItem(Text(DistributionListText(*kind)));
    } else {
      pdf_type_->insertSeparator(row);
    }
  }
  pdf_type_->setGeometry(3, 25, 159, 22);
  WidenDistributionList();
  pdf_type_->view()->setItemDelegate(
      new ListSeparatorDelegate(pdf_type_->view()->itemDelegate(), pdf_type_));
  // The list draws with its own colours (the Enhanced pick-list colours), whatever the
  // settings say: money green items, navy on sky blue for the selected one.
  pdf_type_->view()->setStyleSheet(
      "QAbstractItemView { background: #C0DCC0; color: black;"
      " selection-background-color: #A6CAF0; selection-color: #000080; }");
  pdf_type_->setToolTip(Text(kPDFTypeHint));
  SetHelpContext(pdf_type_, kHelpDistribution);
  connect(pdf_type_, &QComboBox::currentIndexChanged, this, [this] { PDFTypeChange(); });
}

// The closed list shows the longest item whole; the range column moves over to make room.
void TPDFMainForm::WidenDistributionList() {
  int widest = 0;
  for (int k = 0; k < pdf_type_->count(); ++k)
    widest = std::max(widest, pdf_type_->fontMetrics().horizontalAdvance(pdf_type_->itemText(k)));
  QStyleOptionComboBox option;
  option.initFrom(pdf_type_);
  const int needed =
      pdf_type_->style()
          ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, 16), pdf_type_)
          .width();
  pdf_type_->setGeometry(3, 25, std::max(needed, 159), 22);
}

void TPDFMainForm::CreateFixEnd(QWidget* panel) {
  fix_type_ = new QGroupBox(" Fix End ", panel);
  fix_type_->setObjectName("FixType");
  fix_type_->setGeometry(4, 60, 155, 63);
  fix_type_->setToolTip(Text(kFixTypeHint));
  SetHelpContext(fix_type_, kHelpFixEnd);
  fix_buttons_ = new QButtonGroup(fix_type_);
  const char* fix_names[] = {"Fix A", "Fix B"};
  for (int i = 0; i < 2; ++i) {
    auto* radio = new QRadioButton(fix_names[i], fix_type_);
    radio->setObjectName(i == 0 ? "FixA" : "FixB");
    radio->setGeometry(12, 18 + i * 20, 130, 18);
    radio->setToolTip(Text(kFixTypeHint));
    SetHelpContext(radio, kHelpFixEnd);
    fix_buttons_->addButton(radio, i);
  }
  fix_buttons_->button(feFixA)->setChecked(true);
  // Only a change of the selection counts: choosing the selected item again does nothing.
  connect(fix_buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) FixTypeClick();
  });
}

void TPDFMainForm::CreateDecimals(QWidget* panel) {
  auto* decimals = new TDuzLabel2(panel);
  decimals->setObjectName("DecimalsLabel");
  decimals->setText("Decimal Places");
  decimals->setGeometry(40, 272, 130, 16);
  decimals->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  accuracy_ = new QSpinBox(panel);
  accuracy_->setObjectName("Accuracy");
  accuracy_->setRange(0, 10);
  accuracy_->setValue(7);
  accuracy_->setGeometry(86, 290, 42, 22);
  auto* decimals_style = new DecimalsStyle;
  decimals_style->setParent(accuracy_);
  accuracy_->setStyle(decimals_style);
  // Only the arrows change the decimals; the text cannot be typed.
  if (auto* text = accuracy_->findChild<QLineEdit*>()) {
    text->setReadOnly(true);
    text->setMaxLength(2);
  }
  accuracy_->setToolTip(Text(kAccuracyHint));
  SetHelpContext(accuracy_, kHelpDecimals);
  connect(accuracy_, &QSpinBox::valueChanged, this, [this] { AccuracyChange(); });
}

void TPDFMainForm::PlaceRangeSelector(QWidget* panel) {
  pdf_range_ = new QGroupBox(panel);
  pdf_range_->setObjectName("PDFRange");
  const int column_x = std::max(kRangeColumnX, pdf_type_->geometry().right() + 9);
  const int label_x = kRangeLabelX + column_x - kRangeColumnX;
  pdf_range_->setGeometry(column_x, 6, 28, 305);
  pdf_range_->setToolTip(Text(kRangeHint));
  SetHelpContext(pdf_range_, kHelpRangeType);
  range_buttons_ = new QButtonGroup(pdf_range_);
  for (int r = 0; r < kRangeTypeCount; ++r) {
    const int label_y = kRangeFirstY + r * kRangeStep;
    auto* radio = new QRadioButton(pdf_range_);
    radio->setObjectName(QString("PDFRangeItem%1").arg(r));
    // The group starts at y 6; each item is centred on its label's line.
    radio->setGeometry(6, label_y - 6 - 1, 18, 18);
    radio->setToolTip(Text(kRangeHint));
    SetHelpContext(radio, kHelpRangeType);
    range_buttons_->addButton(radio, r);

    auto* label = new TDuzMathLabel(panel);
    label->setObjectName(QString("RangeLabel%1").arg(r));
    label->setText(Text(RangeCaption(static_cast<RangeType>(r))));
    label->SetTag(r);
    // As wide as its caption: the field captions take the room beside the short ones.
    label->setGeometry(label_x, label_y - 1, label->sizeHint().width() + 2, 18);
    label->SetTransparent(true);
    label->setToolTip(Text(kRangeHint));
    SetHelpContext(label, kHelpRangeType);
    connect(label, &TDuzLabel::clicked, this, [this, r] { DuzLabel8Click(r); });
    range_labels_[static_cast<size_t>(r)] = label;
  }
  range_buttons_->button(rtEqualA)->setChecked(true);
  connect(range_buttons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) PDFRangeClick();
  });
}

namespace {

// The heights of the right column's rows. With a third parameter its row goes below the
// second and the rows under it move down; the others keep their places.
struct ColumnPlaces {
  int mean, sdev, third, a, b, answer, calc_button, image;
};

ColumnPlaces PlacesOf(bool third_shown) {
  if (!third_shown) return {12, 39, 39, 66, 95, 122, 152, 203};
  return {12, 39, 66, 93, 122, 149, 176, 224};
}

}  // namespace

void TPDFMainForm::PlaceRightColumn(QWidget* panel) {
  CreateInputFields(panel);
  ConnectInputFields();
  SetFieldStartStates();
  CreateFieldCaptions(panel);
  CreateCalcButton(panel);
  image_ = new QLabel(panel);
  image_->setObjectName("Image");
  image_->setToolTip(Text(kImageHint));
  image_->setPixmap(bitmaps_[0]);
  PlaceInputRows(false);
}

// The parameter, bound and answer fields, each parameter and bound with its calculator button.
void TPDFMainForm::CreateInputFields(QWidget* panel) {
  const struct {
    TDuzEdit3* TPDFMainForm::*field;
    const char* name;
    const char* hint;
    int context;
    const char* calc_button;  // none for Answer
  } rows[] = {
      {&TPDFMainForm::mean_, "Mean", nullptr, kHelpParameters, "MeanCalcBtn"},
      {&TPDFMainForm::sdev_, "SDev", nullptr, kHelpParameters, "StdDevCalcBtn"},
      {&TPDFMainForm::third_, "Third", nullptr, kHelpThirdParameter, "ThirdCalcBtn"},
      {&TPDFMainForm::a_, "A", "The value of A", kHelpParameters, "ACalcBtn"},
      {&TPDFMainForm::b_, "B", "The value of B", kHelpParameters, "BCalcBtn"},
      {&TPDFMainForm::answer_, "Answer", nullptr, kHelpCalculate, nullptr},
  };
  for (const auto& row : rows) {
    auto* edit = new TDuzEdit3(panel);
    edit->setObjectName(row.name);
    edit->SetEditType(etReal);
    edit->SetDecimals(7);
    edit->Redisplay();
    if (row.hint != nullptr) edit->setToolTip(QString::fromUtf8(row.hint));
    SetHelpContext(edit, row.context);
    this->*row.field = edit;
    if (row.calc_button == nullptr) continue;
    auto* button = new QToolButton(panel);
    button->setObjectName(row.calc_button);
    button->setIcon(GlyphIcon(gCalculator));
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    connect(button, &QToolButton::pressed, this, [this] { MeanCalcBtnMouseDown(); });
    connect(button, &QToolButton::clicked, this, [this, edit] { MeanCalcBtnClick(edit); });
    calc_buttons_[static_cast<size_t>(&row - rows)] = button;
  }
}

void TPDFMainForm::ConnectInputFields() {
  for (TDuzEdit3* input : InputFields()) {
    connect(input, &TDuzEdit3::OnExit, this, [this](TDuzEdit3* sender) { InputTaken(sender); });
    connect(input, &TDuzEdit3::TextRefused, this,
            [](TDuzEdit3* sender) { ErrorMsg(sender->RefusedMessage()); });
    connect(
        input, &TDuzEdit2::SeparatorRefused, this,
        [](TDuzEdit2* sender, const QString& hint, QPoint at) { ShowBalloon(sender, hint, at); });
  }
}

void TPDFMainForm::SetFieldStartStates() {
  answer_->setToolTip(Text(kAnswerHint));
  answer_->SetReadOnly(true);
  answer_->setFocusPolicy(Qt::ClickFocus);
  // The third parameter's row shows only for the kinds that have one.
  third_->hide();
  calc_buttons_[2]->hide();
}

void TPDFMainForm::CreateFieldCaptions(QWidget* panel) {
  auto caption = [](TDuzLabel* label, const char* name) {
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  };
  mean_label_ = new TDuzMathLabel(panel);
  mean_label_->setText(Text(kMeanCaption));
  caption(mean_label_, "MeanLabel");
  p_label_ = new TDuzLabel2(panel);
  caption(p_label_, "PLabel");
  sigma_label_ = new TDuzMathLabel(panel);
  sigma_label_->setText(Text(kSigmaCaption));
  caption(sigma_label_, "SigmaLabel");
  n_label_ = new TDuzLabel2(panel);
  caption(n_label_, "NLabel");
  third_label_ = new TDuzLabel2(panel);
  caption(third_label_, "ThirdLabel");
  third_label_->hide();
  label_a_ = new TDuzLabel2(panel);
  caption(label_a_, "LabelA");
  label_b_ = new TDuzLabel2(panel);
  caption(label_b_, "LabelB");
  result_label_ = new TDuzLabel2(panel);
  caption(result_label_, "ResultLabel");
}

void TPDFMainForm::CreateCalcButton(QWidget* panel) {
  calc_btn_ = new QPushButton("&Calculate!", panel);
  calc_btn_->setObjectName("CalcBtn");
  calc_btn_->setIcon(QIcon(bitmaps_[kCalcButtonPicture]));
  calc_btn_->setIconSize(bitmaps_[kCalcButtonPicture].deviceIndependentSize().toSize());
  calc_btn_->setToolTip(Text(kCalcBtnHint));
  SetHelpContext(calc_btn_, kHelpCalculate);
  connect(calc_btn_, &QPushButton::clicked, this, [this] { CalcBtnClick(); });
  // Enter in a field moves the focus here; Enter again calculates, as Space does.
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), calc_btn_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, calc_btn_, &QPushButton::click);
  }
}

void TPDFMainForm::PlaceInputRows(bool third_shown) {
  const ColumnPlaces y = PlacesOf(third_shown);
  third_row_placed_ = third_shown;
  const std::pair<TDuzEdit3*, int> fields[] = {{mean_, y.mean},   {sdev_, y.sdev},
                                               {third_, y.third}, {a_, y.a},
                                               {b_, y.b},         {answer_, y.answer}};
  for (size_t i = 0; i < std::size(fields); ++i) {
    const auto [field, top] = fields[i];
    field->setGeometry(kFieldX, top, kFieldWidth, kFieldHeight);
    if (i < calc_buttons_.size())
      calc_buttons_[i]->setGeometry(kCalcButtonX, top, 22, kFieldHeight);
  }
  // Each caption sits at its field's height and starts right of the range labels beside it.
  const std::pair<TDuzLabel*, int> captions[] = {
      {mean_label_, y.mean}, {p_label_, y.mean},       {sigma_label_, y.sdev},
      {n_label_, y.sdev},    {third_label_, y.third},  {label_a_, y.a},
      {label_b_, y.b},       {result_label_, y.answer}};
  for (const auto& [label, top] : captions) {
    int left = kCaptionRight - 190;
    const QRect band(0, top + 2, kClientWidth, 17);
    for (const TDuzMathLabel* range_label : range_labels_)
      if (range_label->geometry().intersects(band))
        left = std::max(left, range_label->geometry().right() + 4);
    PlaceCaption(label, left, top);
  }
  calc_btn_->setGeometry(kFieldX - 2, y.calc_button, 123, 42);
  image_->setGeometry(372, y.image, kPictureWidth, kPictureHeight);
}

void TPDFMainForm::SetTabOrder() {
  // Tab stops only on the checked item of a group of radio buttons, so every item of a group
  // is in the chain: Tab reaches the chosen range type whichever it is, and leaves it for Mean.
  std::vector<QWidget*> order = {pdf_type_, fix_buttons_->button(feFixA),
                                 fix_buttons_->button(feFixB)};
  for (int r = 0; r < kRangeTypeCount; ++r) order.push_back(range_buttons_->button(r));
  QWidget* const rest[] = {mean_, sdev_, third_, a_, b_, calc_btn_, accuracy_};
  order.insert(order.end(), std::begin(rest), std::end(rest));
  for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace zudira
