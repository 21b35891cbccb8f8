// The program's one main window: the calculation inputs, the menu and command toolbars, the
// status bar, and every command of the program.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>

#include "core/request.h"
#include "stats/real.h"

class QAction;
class QDateTime;
class QLocale;
class QSettings;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class QToolBar;
class QToolButton;

namespace zudira {

class TDuzEdit3;
class TDuzLabel2;
class TDuzMathLabel;

// Where the toolbar layout lives in the user's settings.
inline constexpr char kToolBarLayoutKey[] = "Software/Rozuviza/RuvOderu/Zudira/ToolBars/Main";

// The status bar's date and time: short day and month names, then the locale's short time
// without seconds.
QString ClockText(const QLocale& locale, const QDateTime& now);

// Writes the settings store out; empty when that worked, else the warning for the user, which
// names the settings file and why it could not be written.
QString SettingsSaveFailure(QSettings& store);

class TPDFMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Reads the settings, applies them, restores the toolbars and sets up the inputs.
  explicit TPDFMainForm(QWidget* parent = nullptr);
  ~TPDFMainForm() override;

  // The pop-up calculator: a caption (empty keeps the calculator's own) and the value to
  // start from and to hand back; true when the user accepted. Tests put their own in.
  using CalculatorFunction = std::function<bool(const QString&, Real&)>;
  void SetCalculator(CalculatorFunction calculator) { calculator_ = std::move(calculator); }

  DistributionKind Kind() const;
  RangeType Range() const;
  FixEnd FixedEnd() const;
  // The index of the picture Image shows.
  int PictureIndex() const { return picture_index_; }
  // The user's full name as read while the window was made (printed in report footers).
  const QString& Owner() const { return owner_; }

  // Handlers; each runs as one command, so an error escaping it goes to the error report.
  void CalcBtnClick();
  void PDFTypeChange();
  void PDFRangeClick();
  void DuzLabel8Click(int tag);
  void FixTypeClick();
  void AccuracyChange();
  void MeanCalcBtnClick(int tag);
  void MeanCalcBtnMouseDown();
  void ExitBtnClick();
  void BinomItemClick();
  void FactItemClick();
  void PermItemClick();
  void PrintBtnClick();
  void OptBtnClick();
  void Def1BtnClick();
  void Def2BtnClick();
  void Help1ItemClick();
  void Help2ItemClick();
  void TutItemClick();
  void ViewReadmeItemClick();
  void WhatsNewItemClick();
  void AboutBtnClick();
  void ResourcesItemClick();
  void ContactItemClick();
  void HelpBtnClick();

  // Pushes the appearance settings onto this window.
  void ApplyAppearanceSettings();

 protected:
  // Saves the toolbar layout and writes the settings as the window closes.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // FormKeyDown

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void CreateClientPanel();
  void PlaceRangeSelector(QWidget* panel);
  void PlaceRightColumn(QWidget* panel);
  void SetTabOrder();
  void UpdateStatusBar();
  void RestoreToolBarLayout();
  void SaveToolBarLayout(QSettings& store);

  void TakeOverTypedText();
  // Remembers the values the parameter and bound fields hold; a field left with another
  // value than remembered empties Answer, which no longer answers the inputs.
  void NoteInputs();
  void InputTaken(TDuzEdit3* field);
  void Calculate();
  void ApplyKind();
  void ApplyRange();
  void OpenCalculatorFor(int tag);
  void Preset(const QString& question, void (*preset)());
  void ViewTextFileCommand(const QString& file_name, const QString& caption);
  TDuzEdit3* FieldOfTag(int tag) const;

  QWidget* client_panel_ = nullptr;
  QToolBar* menu_toolbar_ = nullptr;
  QToolBar* command_toolbar_ = nullptr;
  QMenuBar* menu_bar_ = nullptr;

  QComboBox* pdf_type_ = nullptr;
  QGroupBox* fix_type_ = nullptr;
  QButtonGroup* fix_buttons_ = nullptr;
  QGroupBox* pdf_range_ = nullptr;
  QButtonGroup* range_buttons_ = nullptr;
  std::array<TDuzMathLabel*, kRangeTypeCount> range_labels_{};
  QSpinBox* accuracy_ = nullptr;

  TDuzEdit3* mean_ = nullptr;
  TDuzEdit3* sdev_ = nullptr;
  TDuzEdit3* a_ = nullptr;
  TDuzEdit3* b_ = nullptr;
  TDuzEdit3* answer_ = nullptr;
  TDuzMathLabel* mean_label_ = nullptr;
  TDuzLabel2* p_label_ = nullptr;
  TDuzMathLabel* sigma_label_ = nullptr;
  TDuzLabel2* n_label_ = nullptr;
  TDuzLabel2* label_a_ = nullptr;
  TDuzLabel2* label_b_ = nullptr;
  TDuzLabel2* result_label_ = nullptr;
  std::array<QToolButton*, 4> calc_buttons_{};
  QPushButton* calc_btn_ = nullptr;
  QLabel* image_ = nullptr;
  std::vector<QPixmap> bitmaps_;
  int picture_index_ = 0;

  QLabel* caps_indicator_ = nullptr;
  QLabel* scroll_indicator_ = nullptr;
  QLabel* num_indicator_ = nullptr;
  QLabel* clock_ = nullptr;
  QTimer* status_timer_ = nullptr;

  QAction* exit_action_ = nullptr;
  QAction* calc_action_ = nullptr;
  QAction* binom_action_ = nullptr;
  QAction* fact_action_ = nullptr;
  QAction* perm_action_ = nullptr;
  QAction* print_action_ = nullptr;
  QAction* opt_action_ = nullptr;
  QAction* def1_action_ = nullptr;
  QAction* def2_action_ = nullptr;
  QAction* help1_action_ = nullptr;
  QAction* help2_action_ = nullptr;
  QAction* tut_action_ = nullptr;
  QAction* readme_action_ = nullptr;
  QAction* whats_new_action_ = nullptr;
  QAction* about_action_ = nullptr;
  QAction* resources_action_ = nullptr;
  QAction* contact_action_ = nullptr;
  QAction* help_btn_action_ = nullptr;

  std::array<FieldValue, 4> noted_inputs_{};
  CalculatorFunction calculator_;
  QString owner_;
};

}  // namespace zudira
