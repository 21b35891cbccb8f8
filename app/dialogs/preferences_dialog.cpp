#include "app/dialogs/preferences_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/apply_appearance.h"
#include "widgets/balloon_hints.h"
#include "widgets/colour_box.h"
#include "widgets/duz_label.h"
#include "widgets/window_placement.h"

namespace zudira {

namespace {

constexpr int kLabelLeft = 148;
constexpr int kLabelWidth = 178;
constexpr int kBoxLeft = 330;
constexpr int kBoxWidth = 141;
constexpr int kRowHeight = 26;

}  // namespace

TPrefForm::TPrefForm(QWidget* parent) : QDialog(parent) {
  setObjectName("PrefForm");
  setWindowTitle("Preferences");
  setFixedSize(479, 278);
  SetHelpContext(this, kHelpPreferences);

  const AppearanceSettings& now = Appearance();
  open_heading_ = now.HeadingColour;
  open_flat_buttons_ = now.FlatToolButtons;
  open_flat_combos_ = now.FlatComboBoxes;

  // Created top to bottom, left column first: the order is the tab order.
  CreateToolTipGroup();
  const int test_row_top = CreateColourRows();
  CreateTestRow(test_row_top);
  CreateFlatChecks();
  CreateNote();
  CreateButtons();

  Fill(now);
  ColourTestBox();
  ApplyAppearance(this);
  SetHintState(this, now.HintState);
  // Connected after filling, so that filling does not preview.
  ConnectPreview();
}

void TPrefForm::CreateToolTipGroup() {
  tool_tip_rg_ = new QGroupBox("Tool Tips ", this);
  tool_tip_rg_->setObjectName("ToolTipRG");
  tool_tip_rg_->setProperty(kSunkenShadowProperty, true);
  tool_tip_rg_->setGeometry(8, 6, 132, 104);
  SetHelpContext(tool_tip_rg_, kHelpToolTips);
  tool_tip_group_ = new QButtonGroup(this);
  const char* items[] = {"Do not show", "Use Standard", "Use Balloons"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(items[i], tool_tip_rg_);
    radio->setObjectName(QString("ToolTipRG%1").arg(i));
    radio->setGeometry(10, 24 + i * 25, 116, 21);
    tool_tip_group_->addButton(radio, i);
  }
}

// One labelled colour box a row; returns the top of the row below the last.
int TPrefForm::CreateColourRows() {
  struct Row {
    ColourBox** box;
    const char* name;
    const char* caption;
  };
  const Row rows[] = {
      {&ro_cb_, "ROCB", "Read Only Colour:"},
      {&heading_cb_, "HeadingCB", "Heading Colour:"},
      {&list_cb_, "ListCB", "PDF List Colour:"},
      {&sel_cb_, "SelCB", "PDF List Selected Colour:"},
      {&sel_bg_cb_, "SelBGCB", "PDF List Selected BG Colour:"},
  };
  int y = 8;
  for (const Row& row : rows) {
    auto* label = new TDuzLabel(this);
    label->setText(row.caption);
    label->SetLabelStyle(lsRecessed);
    label->SetTransparent(true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(kLabelLeft, y, kLabelWidth, 22);
    *row.box = new ColourBox(this);
    (*row.box)->setObjectName(row.name);
    (*row.box)->setGeometry(kBoxLeft, y, kBoxWidth, 22);
    label->setBuddy(*row.box);
    SetHelpContext(*row.box, kHelpColours);
    y += kRowHeight;
  }
  return y;
}

void TPrefForm::CreateTestRow(int y) {
  auto* test_label = new TDuzLabel(this);
  test_label->setText("Test Here =>");
  test_label->SetLabelStyle(lsRecessed);
  test_label->SetTransparent(true);
  test_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  test_label->setGeometry(kLabelLeft, y, kLabelWidth, 22);
  test_box_ = new QComboBox(this);
  test_box_->setObjectName("TestBox");
  for (int i = 1; i <= 10; ++i) test_box_->addItem(QString("Item %1").arg(i));
  test_box_->setGeometry(kBoxLeft, y, kBoxWidth, 22);
  test_box_->installEventFilter(this);
  SetHelpContext(test_box_, kHelpColours);
}

void TPrefForm::CreateFlatChecks() {
  flat_cb_ = new QCheckBox("Flat Toolbat Buttons?", this);
  flat_cb_->setObjectName("FlatCB");
  flat_cb_->setToolTip("Do you wish Tool Buttons to be flat?");
  flat_cb_->setGeometry(10, 136, 170, 22);
  SetHelpContext(flat_cb_, kHelpFlatControls);
  flat_combo_cb_ = new QCheckBox("Flat ComboBoxes?", this);
  flat_combo_cb_->setObjectName("FlatComboCB");
  flat_combo_cb_->setToolTip("Do you wish to use Flat comboboxes where available?");
  flat_combo_cb_->setGeometry(10, 158, 170, 22);
  SetHelpContext(flat_combo_cb_, kHelpFlatControls);
}

void TPrefForm::CreateNote() {
  auto* note = new QLabel(
      "Combo Boxes will show Standard and System Colours.\n"
      "Right Click to get Advanced Colour Selecting Options",
      this);
  note->setObjectName("NoteLabel");
  note->setAlignment(Qt::AlignCenter);
  note->setGeometry(8, 186, 463, 40);
}

void TPrefForm::CreateButtons() {
  auto* def1 = new QPushButton("Default &1", this);
  def1->setObjectName("Def1Btn");
  def1->setToolTip("Use the Enhanced Defaults.\nMay not appear good on some Monitors.");
  def1->setGeometry(8, 240, 80, 28);
  SetHelpContext(def1, kHelpEnhancedDefaults);
  auto* def2 = new QPushButton("Default &2", this);
  def2->setObjectName("Def2Btn");
  def2->setToolTip("Use Conservative defaults.");
  def2->setGeometry(94, 240, 80, 28);
  SetHelpContext(def2, kHelpConservativeDefaults);
  auto* help = new QToolButton(this);
  help->setObjectName("HelpBtn");
  help->setText("?");
  QFont bold = help->font();
  bold.setBold(true);
  help->setFont(bold);
  help->setToolTip("Context Help (F1)");
  help->setFocusPolicy(Qt::NoFocus);
  help->setGeometry(190, 241, 26, 26);
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  ok->setGeometry(305, 240, 80, 28);
  SetHelpContext(ok, kHelpPreferences);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("CancelBtn");
  cancel->setGeometry(391, 240, 80, 28);
  SetHelpContext(cancel, kHelpPreferences);

  connect(def1, &QPushButton::clicked, this, &TPrefForm::Def1BtnClick);
  connect(def2, &QPushButton::clicked, this, &TPrefForm::Def2BtnClick);
  connect(help, &QToolButton::clicked, this, &TPrefForm::HelpBtnClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrefForm::ConnectPreview() {
  connect(heading_cb_, &ColourBox::ColourChanged, this, [this](ColourValue value) {
    Appearance().HeadingColour = value;
    Preview();
  });
  connect(flat_cb_, &QCheckBox::toggled, this, [this](bool on) {
    Appearance().FlatToolButtons = on;
    Preview();
  });
  connect(flat_combo_cb_, &QCheckBox::toggled, this, [this](bool on) {
    Appearance().FlatComboBoxes = on;
    Preview();
  });
}

void TPrefForm::Fill(const AppearanceSettings& settings) {
  ro_cb_->SetColour(settings.ReadOnlyColour);
  heading_cb_->SetColour(settings.HeadingColour);
  list_cb_->SetColour(settings.PickListColour);
  sel_cb_->SetColour(settings.PickListSelectionColour);
  sel_bg_cb_->SetColour(settings.PickListSelectionBGColour);
  if (QAbstractButton* radio = tool_tip_group_->button(settings.HintState)) radio->setChecked(true);
  flat_cb_->setChecked(settings.FlatToolButtons);
  flat_combo_cb_->setChecked(settings.FlatComboBoxes);
}

// The test list shows the three pick-list colours now chosen.
void TPrefForm::ColourTestBox() {
  QPalette palette = test_box_->palette();
  palette.setColor(QPalette::Base, ColourFromValue(list_cb_->Colour()));
  palette.setColor(QPalette::Button, ColourFromValue(list_cb_->Colour()));
  palette.setColor(QPalette::HighlightedText, ColourFromValue(sel_cb_->Colour()));
  palette.setColor(QPalette::Highlight, ColourFromValue(sel_bg_cb_->Colour()));
  test_box_->setPalette(palette);
  test_box_->view()->setPalette(palette);
}

void TPrefForm::Preview() {
  ApplyAppearance(this);
}

void TPrefForm::Def1BtnClick() {
  AppearanceSettings preset;
  SetEnhancedPreset(preset);
  Fill(preset);
  ColourTestBox();
  QApplication::processEvents();
}

void TPrefForm::Def2BtnClick() {
  AppearanceSettings preset;
  SetConservativePreset(preset);
  Fill(preset);
  ColourTestBox();
  QApplication::processEvents();
}

void TPrefForm::HelpBtnClick() {
  QWidget* focused = QApplication::focusWidget();
  if (focused != nullptr && focused->window() != this) focused = nullptr;
  ContextHelp(focused, kHelpPreferences);
}

void TPrefForm::done(int result) {
  AppearanceSettings& settings = Appearance();
  if (result == QDialog::Accepted) {
    settings.ReadOnlyColour = ro_cb_->Colour();
    settings.HeadingColour = heading_cb_->Colour();
    settings.PickListColour = list_cb_->Colour();
    settings.PickListSelectionColour = sel_cb_->Colour();
    settings.PickListSelectionBGColour = sel_bg_cb_->Colour();
    if (tool_tip_group_->checkedId() >= 0) settings.HintState = tool_tip_group_->checkedId();
    settings.FlatToolButtons = flat_cb_->isChecked();
    settings.FlatComboBoxes = flat_combo_cb_->isChecked();
  } else {
    settings.HeadingColour = open_heading_;
    settings.FlatToolButtons = open_flat_buttons_;
    settings.FlatComboBoxes = open_flat_combos_;
  }
  QDialog::done(result);
}

bool TPrefForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == test_box_ && event->type() == QEvent::FocusIn) ColourTestBox();
  return QDialog::eventFilter(watched, event);
}

void TPrefForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    HelpBtnClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool ShowPreferences(QWidget* parent) {
  TPrefForm form(parent != nullptr ? parent : QApplication::activeWindow());
  CentreOnScreen(&form);
  return form.exec() == QDialog::Accepted;
}

}  // namespace zudira
