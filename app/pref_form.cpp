#include "app/pref_form.h"

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

#include "app/apply_appearance.h"
#include "app/balloon_hints.h"
#include "app/colour_box.h"
#include "app/help.h"
#include "app/help_contexts.h"
#include "app/window_placement.h"
#include "widgets/duz_label.h"

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
  openHeading_ = now.HeadingColour;
  openFlatButtons_ = now.FlatToolButtons;
  openFlatCombos_ = now.FlatComboBoxes;

  toolTipRG_ = new QGroupBox("Tool Tips ", this);
  toolTipRG_->setObjectName("ToolTipRG");
  toolTipRG_->setProperty(kSunkenShadowProperty, true);
  toolTipRG_->setGeometry(8, 6, 132, 104);
  SetHelpContext(toolTipRG_, kHelpToolTips);
  toolTipGroup_ = new QButtonGroup(this);
  const char* items[] = {"Do not show", "Use Standard", "Use Balloons"};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(items[i], toolTipRG_);
    radio->setObjectName(QString("ToolTipRG%1").arg(i));
    radio->setGeometry(10, 24 + i * 25, 116, 21);
    toolTipGroup_->addButton(radio, i);
  }

  struct Row {
    TColourBox** box;
    const char* name;
    const char* caption;
  };
  const Row rows[] = {
      {&roCB_, "ROCB", "Read Only Colour:"},
      {&headingCB_, "HeadingCB", "Heading Colour:"},
      {&listCB_, "ListCB", "PDF List Colour:"},
      {&selCB_, "SelCB", "PDF List Selected Colour:"},
      {&selBGCB_, "SelBGCB", "PDF List Selected BG Colour:"},
  };
  int y = 8;
  for (const Row& row : rows) {
    auto* label = new TDuzLabel(this);
    label->setText(row.caption);
    label->SetLabelStyle(lsRecessed);
    label->SetTransparent(true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(kLabelLeft, y, kLabelWidth, 22);
    *row.box = new TColourBox(this);
    (*row.box)->setObjectName(row.name);
    (*row.box)->setGeometry(kBoxLeft, y, kBoxWidth, 22);
    label->setBuddy(*row.box);
    SetHelpContext(*row.box, kHelpColours);
    y += kRowHeight;
  }
  auto* testLabel = new TDuzLabel(this);
  testLabel->setText("Test Here =>");
  testLabel->SetLabelStyle(lsRecessed);
  testLabel->SetTransparent(true);
  testLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  testLabel->setGeometry(kLabelLeft, y, kLabelWidth, 22);
  testBox_ = new QComboBox(this);
  testBox_->setObjectName("TestBox");
  for (int i = 1; i <= 10; ++i) testBox_->addItem(QString("Item %1").arg(i));
  testBox_->setGeometry(kBoxLeft, y, kBoxWidth, 22);
  testBox_->installEventFilter(this);
  SetHelpContext(testBox_, kHelpColours);

  flatCB_ = new QCheckBox("Flat Toolbat Buttons?", this);
  flatCB_->setObjectName("FlatCB");
  flatCB_->setToolTip("Do you wish Tool Buttons to be flat?");
  flatCB_->setGeometry(10, 136, 170, 22);
  SetHelpContext(flatCB_, kHelpFlatControls);
  flatComboCB_ = new QCheckBox("Flat ComboBoxes?", this);
  flatComboCB_->setObjectName("FlatComboCB");
  flatComboCB_->setToolTip("Do you wish to use Flat comboboxes where available?");
  flatComboCB_->setGeometry(10, 158, 170, 22);
  SetHelpContext(flatComboCB_, kHelpFlatControls);

  auto* note = new QLabel(
      "Combo Boxes will show Standard and System Colours.\n"
      "Right Click to get Advanced Colour Selecting Options",
      this);
  note->setObjectName("NoteLabel");
  note->setAlignment(Qt::AlignCenter);
  note->setGeometry(8, 186, 463, 40);

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

  Fill(now);
  ColourTestBox();
  ApplyAppearance(this);
  SetHintState(this, now.HintState);

  connect(headingCB_, &TColourBox::ColourChanged, this, [this](ColorValue value) {
    Appearance().HeadingColour = value;
    Preview();
  });
  connect(flatCB_, &QCheckBox::toggled, this, [this](bool on) {
    Appearance().FlatToolButtons = on;
    Preview();
  });
  connect(flatComboCB_, &QCheckBox::toggled, this, [this](bool on) {
    Appearance().FlatComboBoxes = on;
    Preview();
  });
  connect(def1, &QPushButton::clicked, this, &TPrefForm::Def1BtnClick);
  connect(def2, &QPushButton::clicked, this, &TPrefForm::Def2BtnClick);
  connect(help, &QToolButton::clicked, this, &TPrefForm::HelpBtnClick);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrefForm::Fill(const AppearanceSettings& settings) {
  roCB_->SetColour(settings.ReadOnlyColour);
  headingCB_->SetColour(settings.HeadingColour);
  listCB_->SetColour(settings.PickListColour);
  selCB_->SetColour(settings.PickListSelectionColour);
  selBGCB_->SetColour(settings.PickListSelectionBGColour);
  if (QAbstractButton* radio = toolTipGroup_->button(settings.HintState)) radio->setChecked(true);
  flatCB_->setChecked(settings.FlatToolButtons);
  flatComboCB_->setChecked(settings.FlatComboBoxes);
}

// The test list shows the three pick-list colours now chosen.
void TPrefForm::ColourTestBox() {
  QPalette palette = testBox_->palette();
  palette.setColor(QPalette::Base, ColorFromValue(listCB_->Colour()));
  palette.setColor(QPalette::Button, ColorFromValue(listCB_->Colour()));
  palette.setColor(QPalette::HighlightedText, ColorFromValue(selCB_->Colour()));
  palette.setColor(QPalette::Highlight, ColorFromValue(selBGCB_->Colour()));
  testBox_->setPalette(palette);
  testBox_->view()->setPalette(palette);
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
    settings.ReadOnlyColour = roCB_->Colour();
    settings.HeadingColour = headingCB_->Colour();
    settings.PickListColour = listCB_->Colour();
    settings.PickListSelectionColour = selCB_->Colour();
    settings.PickListSelectionBGColour = selBGCB_->Colour();
    if (toolTipGroup_->checkedId() >= 0) settings.HintState = toolTipGroup_->checkedId();
    settings.FlatToolButtons = flatCB_->isChecked();
    settings.FlatComboBoxes = flatComboCB_->isChecked();
  } else {
    settings.HeadingColour = openHeading_;
    settings.FlatToolButtons = openFlatButtons_;
    settings.FlatComboBoxes = openFlatCombos_;
  }
  QDialog::done(result);
}

bool TPrefForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == testBox_ && event->type() == QEvent::FocusIn) ColourTestBox();
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
