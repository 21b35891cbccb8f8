// The preferences dialog: edits the eight appearance settings, previews the heading colour and
// the flat buttons and boxes live, and fills in either preset.
#pragma once

#include <QDialog>

#include "appearance/appearance_settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QToolButton;

namespace zudira {

class ColourBox;

class TPrefForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPrefForm(QWidget* parent = nullptr);

  // OK: all eight settings take the dialog's values. Cancel (or closing): the three live
  // settings go back to their values when the dialog opened.
  void done(int result) override;

  // "Default &1" / "Default &2": fill the controls with a preset (live previews follow).
  void Def1BtnClick();
  void Def2BtnClick();
  // The help topic of the focused control, or kHelpPreferences with no control focused.
  void HelpBtnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateToolTipGroup();
  int CreateColourRows();
  void CreateTestRow(int y);
  void CreateFlatChecks();
  void CreateNote();
  void CreateButtons();
  void ConnectPreview();
  void Fill(const AppearanceSettings& settings);
  void ColourTestBox();
  void Preview();

  // The live-previewed values as they were when the dialog opened.
  ColourValue open_heading_;
  bool open_flat_buttons_;
  bool open_flat_combos_;

  QGroupBox* tool_tip_rg_ = nullptr;
  QButtonGroup* tool_tip_group_ = nullptr;
  ColourBox* ro_cb_ = nullptr;
  ColourBox* heading_cb_ = nullptr;
  ColourBox* list_cb_ = nullptr;
  ColourBox* sel_cb_ = nullptr;
  ColourBox* sel_bg_cb_ = nullptr;
  QComboBox* test_box_ = nullptr;
  QCheckBox* flat_cb_ = nullptr;
  QCheckBox* flat_combo_cb_ = nullptr;
};

// Runs the dialog modally, centred on the screen; true when it ended with OK.
bool ShowPreferences(QWidget* parent = nullptr);

}  // namespace zudira
