// The main window's frame: the actions shared by the menus and the command toolbar, the two
// toolbars and their saved layout, and the status bar with the lock keys and the clock.
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/main_window/main_window.h"
#include "app/shell/data_modules.h"
#include "app/shell/platform_info.h"
#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "widgets/clock_text.h"

namespace zudira {

namespace {

// A sunken status-bar pane like the lock-key ones that runs an action on a left click.
class ClickablePane : public QLabel {
 public:
  ClickablePane(const QString& text, QWidget* parent, std::function<void()> on_click)
      : QLabel(text, parent), on_click_(std::move(on_click)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      on_click_();
    QLabel::mouseReleaseEvent(event);
  }

 private:
  std::function<void()> on_click_;
};

}  // namespace

void TPDFMainForm::CreateActions() {
  struct CommandRow {
    QAction** action;
    const char* text;
    const char* tip;  // the toolbar button's hint, empty when the command has no button
    int glyph;        // -1 for none
    void (TPDFMainForm::*handler)();
  };
  const CommandRow commands[] = {
      {&exit_action_, "e&Xit   (Alt-F4)", "Exit (Alt-F4)", gExit, &TPDFMainForm::ExitBtnClick},
      {&calc_action_, "&Calculate Answer", "", -1, &TPDFMainForm::CalcBtnClick},
      {&binom_action_, "&Binomial Coefficients", "", -1, &TPDFMainForm::BinomItemClick},
      {&fact_action_, "&Factorials", "", -1, &TPDFMainForm::FactItemClick},
      {&perm_action_, "&Permutations", "", -1, &TPDFMainForm::PermItemClick},
      {&print_action_, "P&rint Answer", "Print", gPrint, &TPDFMainForm::PrintBtnClick},
      {&opt_action_, "&Preferences", "Preferences", gPreferences, &TPDFMainForm::OptBtnClick},
      {&def1_action_, "Use &Enhanced Defaults", "Use Enhanced Defaults", gEnhancedDefaults,
       &TPDFMainForm::Def1BtnClick},
      {&def2_action_, "Use &Conservative Defaults", "Use Conservative Defaults",
       gConservativeDefaults, &TPDFMainForm::Def2BtnClick},
      {&help1_action_, "&Contents", "", -1, &TPDFMainForm::Help1ItemClick},
      {&help2_action_, "&Index", "", -1, &TPDFMainForm::Help2ItemClick},
      {&tut_action_, "&Tutorial", "", -1, &TPDFMainForm::TutItemClick},
      {&readme_action_, "&View Readme File", "", -1, &TPDFMainForm::ViewReadmeItemClick},
      {&whats_new_action_, "View &What's New File", "", -1, &TPDFMainForm::WhatsNewItemClick},
      {&about_action_, "&About Zudira", "About", gAbout, &TPDFMainForm::AboutBtnClick},
      {&resources_action_, "&Resources Used", "", -1, &TPDFMainForm::ResourcesItemClick},
      {&contact_action_, "Contact &Duz", "", -1, &TPDFMainForm::ContactItemClick},
      {&help_btn_action_, "Context Help", "Context Help (F1)", gContextHelp,
       &TPDFMainForm::HelpBtnClick},
      {&plot_action_, "&Plot", "Plot the distribution with the range shaded", gPlot,
       &TPDFMainForm::PlotBtnClick},
      {&copy_calc_action_, "C&opy Calculation", "", -1, &TPDFMainForm::CopyCalcItemClick},
      {&tables_action_, "Statistical &Tables...", "Statistical Tables", gList,
       &TPDFMainForm::TablesItemClick},
  };
  for (const CommandRow& s : commands) {
    auto* action = new QAction(QString::fromUtf8(s.text), this);
    // No status tip: the status bar keeps showing the lock keys and the clock.
    if (s.tip[0] != '\0') action->setToolTip(QString::fromUtf8(s.tip));
    if (s.glyph >= 0) action->setIcon(GlyphIcon(s.glyph));
    connect(action, &QAction::triggered, this, s.handler);
    *s.action = action;
  }
  copy_calc_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  addAction(copy_calc_action_);
  // F9 recalculates in spreadsheets too; no field or window of the program uses it.
  calc_action_->setShortcut(QKeySequence(Qt::Key_F9));
  addAction(calc_action_);
  // The settings say whether it is on; a new user gets the precise algorithms.
  precise_action_ = new QAction("Precise &Results", this);
  precise_action_->setCheckable(true);
  connect(precise_action_, &QAction::toggled, this, &TPDFMainForm::PreciseItemClick);
}

void TPDFMainForm::CreateMenus() {
  menu_bar_ = new QMenuBar;
  menu_bar_->setObjectName("MenuBar1");
  menu_bar_->setNativeMenuBar(false);
  QMenu* file = menu_bar_->addMenu("&File");
  file->addAction(exit_action_);
  QMenu* calc = menu_bar_->addMenu("C&alculate");
  calc->addAction(calc_action_);
  calc->addAction(plot_action_);
  calc->addAction(copy_calc_action_);
  QMenu* lists = menu_bar_->addMenu("&Lists");
  lists->addAction(binom_action_);
  lists->addAction(fact_action_);
  lists->addAction(perm_action_);
  lists->addSeparator();
  lists->addAction(tables_action_);
  QMenu* print = menu_bar_->addMenu("&Print");
  print->addAction(print_action_);
  QMenu* options = menu_bar_->addMenu("&Options");
  options->addAction(opt_action_);
  options->addAction(def1_action_);
  options->addAction(def2_action_);
  options->addSeparator();
  options->addAction(precise_action_);
  QMenu* help = menu_bar_->addMenu("&Help");
  help->addAction(help1_action_);
  help->addAction(help2_action_);
  help->addAction(tut_action_);
  help->addSeparator();
  help->addAction(readme_action_);
  help->addAction(whats_new_action_);
  help->addSeparator();
  help->addAction(about_action_);
  help->addAction(resources_action_);
  help->addAction(contact_action_);
}

void TPDFMainForm::CreateToolBars() {
  menu_toolbar_ = new QToolBar("Main Menu", this);
  menu_toolbar_->setObjectName("MenuToolbar");
  menu_toolbar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  menu_toolbar_->setFloatable(false);
  menu_toolbar_->addWidget(menu_bar_);
  SetHelpContext(menu_toolbar_, kHelpMainWindow);
  addToolBar(Qt::TopToolBarArea, menu_toolbar_);
  addToolBarBreak(Qt::TopToolBarArea);

  command_toolbar_ = new QToolBar("Zudira Toolbar", this);
  command_toolbar_->setObjectName("Toolbar971");
  command_toolbar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  command_toolbar_->setFloatable(false);
  command_toolbar_->setIconSize(QSize(kGlyphSize, kGlyphSize));
  SetHelpContext(command_toolbar_, kHelpToolbar);
  struct Button {
    QAction* action;
    const char* name;
  };
  const Button buttons[] = {
      {print_action_, "PrintBtn"}, {plot_action_, "PlotBtn"},
      {tables_action_, "TablesBtn"},
      {nullptr, nullptr},
      {opt_action_, "OptBtn"},     {def1_action_, "Def1Btn"},
      {def2_action_, "Def2Btn"},   {nullptr, nullptr},
      {about_action_, "AboutBtn"}, {help_btn_action_, "HelpBtn"},
      {nullptr, nullptr},          {exit_action_, "ExitBtn"},
  };
  for (const Button& b : buttons) {
    if (b.action == nullptr) {
      command_toolbar_->addSeparator();
      continue;
    }
    command_toolbar_->addAction(b.action);
    QWidget* button = command_toolbar_->widgetForAction(b.action);
    button->setObjectName(b.name);
    button->setFixedSize(23, 22);
    button->setFocusPolicy(Qt::NoFocus);
  }
  addToolBar(Qt::TopToolBarArea, command_toolbar_);
}

void TPDFMainForm::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("StatusBar");
  bar->setSizeGripEnabled(false);
  SetHelpContext(bar, kHelpStatusBar);
  auto indicator = [bar](const char* name) {
    auto* label = new QLabel(bar);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(64);
    bar->addWidget(label);
    return label;
  };
  caps_indicator_ = indicator("CapsIndicator");
  scroll_indicator_ = indicator("ScrollIndicator");
  num_indicator_ = indicator("NumIndicator");
  clock_ = indicator("Clock");
  // A pane of its own beside the lock keys and the clock; it stays while its answer does.
  notice_pane_ = new ClickablePane(QString(), bar, [this] { precise_action_->setChecked(true); });
  notice_pane_->setObjectName("NoticePane");
  notice_pane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // It takes the room the others leave; the clock keeps its whole text.
  notice_pane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  clock_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  SetHelpContext(notice_pane_, kHelpPreciseResults);
  bar->addWidget(notice_pane_, 1);
  notice_pane_->hide();
  mode_pane_ = new ClickablePane("Classic", bar, [this] { precise_action_->toggle(); });
  mode_pane_->setObjectName("ModePane");
  mode_pane_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  mode_pane_->setMinimumWidth(54);
  mode_pane_->setAlignment(Qt::AlignCenter);
  mode_pane_->setToolTip("Classic or precise algorithms; click to switch");
  SetHelpContext(mode_pane_, kHelpPreciseResults);
  bar->addPermanentWidget(mode_pane_);
  status_timer_ = new QTimer(this);
  connect(status_timer_, &QTimer::timeout, this, &TPDFMainForm::UpdateStatusBar);
  status_timer_->start(1000);
  UpdateStatusBar();
}

void TPDFMainForm::UpdateStatusBar() {
  auto state = [](const char* caption, bool on) {
    return QString::fromUtf8(caption) + (on ? " On" : " Off");
  };
  const LockKeyState keys = ReadLockKeys();
  caps_indicator_->setText(state("Caps:", keys.caps_lock));
  scroll_indicator_->setText(state("Scroll:", keys.scroll_lock));
  num_indicator_->setText(state("Num:", keys.num_lock));
  clock_->setText(ClockText(QLocale::system(), QDateTime::currentDateTime()));
}

void TPDFMainForm::ReadCalculationMode(QSettings& store) {
  // Only a stored 0 (the user's choice of the classic algorithms) turns it off; no choice, or
  // one that cannot be read, leaves the precise algorithms on.
  bool readable = false;
  const int value = store.value(kPreciseResultsKey).toString().toInt(&readable);
  precise_action_->setChecked(!readable || value != 0);
}

void TPDFMainForm::WriteCalculationMode(QSettings& store) const {
  store.setValue(kPreciseResultsKey, mode_ == CalculationMode::kPrecise ? "1" : "0");
}

void TPDFMainForm::RestoreToolBarLayout() {
  auto settings = OpenUserSettings();
  settings->beginGroup(kToolBarLayoutKey);
  const QByteArray layout = settings->value("Layout").toByteArray();
  settings->endGroup();
  // A layout that cannot be read leaves the toolbars where the window puts them.
  if (!layout.isEmpty()) restoreState(layout);
}

void TPDFMainForm::SaveToolBarLayout(QSettings& store) {
  store.beginGroup(kToolBarLayoutKey);
  store.setValue("Layout", saveState());
  store.endGroup();
}

}  // namespace zudira
