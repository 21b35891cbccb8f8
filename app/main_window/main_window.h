// The program's one main window: the calculation inputs, the menu and command toolbars, the
// status bar, and every command of the program.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>

#include "app/plot/plot_window.h"
#include "appearance/settings_keys.h"
#include "core/distribution_functions.h"
#include "core/request.h"
#include "stats/real.h"

class QAction;
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

class TBaseReport;
class TDuzEdit3;
class TDuzLabel2;
class TDuzMathLabel;

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
  // The algorithms Calculate uses (Options > Precise Results).
  CalculationMode Mode() const { return mode_; }

  // Handlers; each runs as one command, so an error escaping it goes to the error report.
  void CalcBtnClick();
  void PDFTypeChange();
  void PDFRangeClick();
  void DuzLabel8Click(int tag);
  void FixTypeClick();
  void AccuracyChange();
  void MeanCalcBtnClick(TDuzEdit3* field);
  void MeanCalcBtnMouseDown();
  void ExitBtnClick();
  // Options > Precise Results and a click on the mode pane: the other set of algorithms.
  void PreciseItemClick(bool precise);
  void BinomItemClick();
  void FactItemClick();
  void PermItemClick();
  void PrintBtnClick();
  // The answer report's page content: the request and its result as the window shows them.
  void rPrintInfo(TBaseReport& report);
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
  void PlotBtnClick();
  void CopyCalcItemClick();
  void TablesItemClick();

  // The plot window, once opened; nullptr before.
  PlotWindow* PlotForm() const { return plot_form_; }
  // The request the fields hold now.
  ProbabilityRequest CurrentRequest() const;

  // Pushes the appearance settings onto this window.
  void ApplyAppearanceSettings();

 protected:
  // Saves the toolbar layout and writes the settings as the window closes.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  // The client panel's parts, in the order they are created.
  void CreateClientPanel();
  void CreateDistributionList(QWidget* panel);
  void WidenDistributionList();
  void CreateFixEnd(QWidget* panel);
  void CreateDecimals(QWidget* panel);
  void PlaceRangeSelector(QWidget* panel);
  void PlaceRightColumn(QWidget* panel);
  void CreateInputFields(QWidget* panel);
  void ConnectInputFields();
  // The answer field reads only; the third parameter's row starts hidden.
  void SetFieldStartStates();
  void CreateFieldCaptions(QWidget* panel);
  void CreateCalcButton(QWidget* panel);
  // Places the rows of the right column; a third parameter takes a row below the second.
  void PlaceInputRows(bool third_shown);
  void SetTabOrder();
  // Names every control for screen readers; the fields anew whenever their captions change.
  void NameControls();
  void UpdateAccessibleNames();
  // The parameter and bound fields, hidden ones too.
  std::array<TDuzEdit3*, 5> InputFields() const { return {mean_, sdev_, third_, a_, b_}; }
  void UpdateStatusBar();
  void ReadCalculationMode(QSettings& store);
  void WriteCalculationMode(QSettings& store) const;
  // Shows the answer at the current decimals, in the form of the current mode; the field
  // keeps the value itself, so that other decimals show it again.
  void ShowAnswer(Real value);
  // Empties Answer, and with it the precise-result notice of classic mode.
  void EmptyAnswer();
  // Shows or hides the notice pane for the answer now shown at the current decimals.
  void UpdatePreciseNotice();
  void RestoreToolBarLayout();
  void SaveToolBarLayout(QSettings& store);

  // The parameter and bound fields take over changed text, as on leaving them. The first text
  // that is no number is told to the user and keeps the focus; then the result is false.
  bool TakeOverTypedText();
  // Remembers the values the parameter and bound fields hold; a field left with another
  // value than remembered empties Answer, which no longer answers the inputs.
  void NoteInputs();
  void InputTaken(TDuzEdit3* field);
  void Calculate();
  void ApplyKind();
  void ApplyRange();
  void OpenCalculatorFor(TDuzEdit3* field);
  void Preset(const QString& question, void (*preset)());
  void ViewTextFileCommand(const QString& file_name, const QString& caption);
  // Tells the plot window how the last Calculate stands; it redraws.
  void UpdatePlot(PlotStatus status);

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
  TDuzEdit3* third_ = nullptr;
  TDuzEdit3* a_ = nullptr;
  TDuzEdit3* b_ = nullptr;
  TDuzEdit3* answer_ = nullptr;
  TDuzMathLabel* mean_label_ = nullptr;
  TDuzLabel2* p_label_ = nullptr;
  TDuzMathLabel* sigma_label_ = nullptr;
  TDuzLabel2* n_label_ = nullptr;
  TDuzLabel2* third_label_ = nullptr;
  TDuzLabel2* label_a_ = nullptr;
  TDuzLabel2* label_b_ = nullptr;
  TDuzLabel2* result_label_ = nullptr;
  // The calculator buttons of Mean, SDev, A, B and the third parameter.
  std::array<QToolButton*, 5> calc_buttons_{};
  bool third_row_placed_ = false;
  QPushButton* calc_btn_ = nullptr;
  QLabel* image_ = nullptr;
  std::vector<QPixmap> bitmaps_;
  int picture_index_ = 0;

  QLabel* caps_indicator_ = nullptr;
  QLabel* scroll_indicator_ = nullptr;
  QLabel* num_indicator_ = nullptr;
  QLabel* clock_ = nullptr;
  QLabel* mode_pane_ = nullptr;
  QLabel* notice_pane_ = nullptr;
  // The precise answer of the classic answer shown, for the notice; none when not known.
  std::optional<Real> precise_answer_;
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
  QAction* plot_action_ = nullptr;
  QAction* copy_calc_action_ = nullptr;
  QAction* tables_action_ = nullptr;
  PlotWindow* plot_form_ = nullptr;
  PlotStatus plot_status_ = PlotStatus::kCleared;
  QAction* precise_action_ = nullptr;

  std::array<FieldValue, 5> noted_inputs_{};
  CalculatorFunction calculator_;
  CalculationMode mode_ = CalculationMode::kClassic;
  QString owner_;
};

}  // namespace zudira
