#include "app/dialogs/preferences_dialog.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>

#include "app/help/help.h"
#include "app/help/help_viewer.h"
#include "app/shell/apply_appearance.h"
#include "app/shell/zudira_application.h"
#include "testsupport/modal_probe.h"
#include "widgets/balloon_hints.h"
#include "widgets/colour_box.h"

namespace zudira {
namespace {

class PrefFormTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = Appearance(); }
  void TearDown() override { Appearance() = saved_; }

  template <typename T>
  static T* Find(QWidget& form, const char* name) {
    T* child = form.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static void Click(QWidget& form, const char* name) { Find<QAbstractButton>(form, name)->click(); }

  AppearanceSettings saved_;
};

TEST_F(PrefFormTest, OpensShowingTheCurrentSettings) {
  SetConservativePreset();
  TPrefForm form;
  EXPECT_EQ(form.windowTitle(), "Preferences");
  EXPECT_EQ(form.size(), QSize(479, 278));
  EXPECT_EQ(Find<ColourBox>(form, "ROCB")->Colour(), 0x8000000Fu);
  EXPECT_EQ(Find<ColourBox>(form, "HeadingCB")->Colour(), 0x8000000Du);
  EXPECT_EQ(Find<ColourBox>(form, "ListCB")->Colour(), 0x80000005u);
  EXPECT_EQ(Find<ColourBox>(form, "SelCB")->Colour(), 0x8000000Eu);
  EXPECT_EQ(Find<ColourBox>(form, "SelBGCB")->Colour(), 0x8000000Du);
  EXPECT_TRUE(Find<QRadioButton>(form, "ToolTipRG1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(form, "FlatCB")->isChecked());
  EXPECT_EQ(Find<QCheckBox>(form, "FlatCB")->text(), "Flat Toolbat Buttons?");
  EXPECT_FALSE(Find<QCheckBox>(form, "FlatComboCB")->isChecked());
  auto* test = Find<QComboBox>(form, "TestBox");
  EXPECT_EQ(test->count(), 10);
  EXPECT_EQ(test->itemText(9), "Item 10");
  // The dialog applies the settings to itself: flat boxes off means framed boxes.
  EXPECT_TRUE(Find<QComboBox>(form, "ROCB")->hasFrame());
  EXPECT_EQ(HintStateOf(&form), 1);
}

TEST_F(PrefFormTest, CancelRestoresTheLivePreviewsAndTheMainWindowKeepsItsLook) {
  QWidget toolbar;  // stands for the main window's toolbar
  auto* button = new QToolButton(&toolbar);
  ApplyAppearance(&toolbar);
  ASSERT_TRUE(button->autoRaise());
  const ColourValue heading = Appearance().HeadingColour;

  TPrefForm form;
  Find<QCheckBox>(form, "FlatCB")->setChecked(false);
  EXPECT_FALSE(Appearance().FlatToolButtons);  // previewed live
  EXPECT_FALSE(Find<QToolButton>(form, "HelpBtn")->autoRaise());
  Find<ColourBox>(form, "HeadingCB")->SetColour(0x0000FF);
  EXPECT_EQ(Appearance().HeadingColour, 0x0000FFu);
  Find<QCheckBox>(form, "FlatComboCB")->setChecked(false);
  Click(form, "CancelBtn");
  EXPECT_EQ(form.result(), QDialog::Rejected);

  EXPECT_EQ(Appearance(), saved_);
  EXPECT_EQ(Appearance().HeadingColour, heading);
  ApplyAppearance(&toolbar);  // what the Preferences command does after the dialog
  EXPECT_TRUE(button->autoRaise());
}

TEST_F(PrefFormTest, DefaultTwoThenCancelChangesNoSetting) {
  TPrefForm form;
  Click(form, "Def2Btn");
  // The controls show the Conservative column...
  EXPECT_EQ(Find<ColourBox>(form, "ROCB")->Colour(), 0x8000000Fu);
  EXPECT_EQ(Find<ColourBox>(form, "SelBGCB")->Colour(), 0x8000000Du);
  EXPECT_TRUE(Find<QRadioButton>(form, "ToolTipRG1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(form, "FlatComboCB")->isChecked());
  // ...the test list takes its colours, and only the live previews touched the settings.
  auto* test = Find<QComboBox>(form, "TestBox");
  EXPECT_EQ(test->palette().color(QPalette::Highlight), ColourFromValue(0x8000000D));
  EXPECT_EQ(Appearance().ReadOnlyColour, saved_.ReadOnlyColour);
  EXPECT_EQ(Appearance().HintState, saved_.HintState);
  EXPECT_FALSE(Appearance().FlatToolButtons);
  form.reject();
  EXPECT_EQ(Appearance(), saved_);
}

TEST_F(PrefFormTest, OkTakesAllEightValues) {
  TPrefForm form;
  Find<ColourBox>(form, "ROCB")->SetColour(0x00FFFF);
  Find<ColourBox>(form, "HeadingCB")->SetColour(0x008000);
  Find<ColourBox>(form, "ListCB")->SetColour(0x123456);  // a custom colour
  Find<ColourBox>(form, "SelCB")->SetColour(0x80000008);
  Find<ColourBox>(form, "SelBGCB")->SetColour(0xC0C0C0);
  Find<QRadioButton>(form, "ToolTipRG0")->setChecked(true);
  Find<QCheckBox>(form, "FlatCB")->setChecked(false);
  Find<QCheckBox>(form, "FlatComboCB")->setChecked(false);
  Click(form, "OKBtn");
  EXPECT_EQ(form.result(), QDialog::Accepted);

  const AppearanceSettings& s = Appearance();
  EXPECT_EQ(s.ReadOnlyColour, 0x00FFFFu);
  EXPECT_EQ(s.HeadingColour, 0x008000u);
  EXPECT_EQ(s.PickListColour, 0x123456u);
  EXPECT_EQ(s.PickListSelectionColour, 0x80000008u);
  EXPECT_EQ(s.PickListSelectionBGColour, 0xC0C0C0u);
  EXPECT_EQ(s.HintState, 0);
  EXPECT_FALSE(s.FlatToolButtons);
  EXPECT_FALSE(s.FlatComboBoxes);
}

TEST_F(PrefFormTest, DefaultOneAfterEditsRestoresTheEnhancedColumn) {
  SetConservativePreset();
  TPrefForm form;
  Click(form, "Def1Btn");
  Click(form, "OKBtn");
  AppearanceSettings enhanced;
  SetEnhancedPreset(enhanced);
  EXPECT_EQ(Appearance(), enhanced);
}

TEST_F(PrefFormTest, HelpButtonOpensTheFocusedControlsTopicOr6000) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Zudira.help");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QTextStream(&file) << "== 6000 | Preferences\nx\n== 6020 | Flat\ny\n== 6030 | Colours\nz\n";
  }
  HelpState& help = ZudiraApplication::Instance()->Help();
  const QString previous = help.file;
  help.file = path;
  TPrefForm form;
  form.show();
  QApplication::setActiveWindow(&form);
  Find<QWidget>(form, "FlatCB")->setFocus();
  Click(form, "HelpBtn");
  ASSERT_NE(OpenHelpViewer(), nullptr);
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 6020);
  Find<QWidget>(form, "HeadingCB")->setFocus();
  form.HelpBtnClick();
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 6030);
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  form.HelpBtnClick();
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 6000);
  delete OpenHelpViewer();
  help.file = previous;
}

TEST(ColourBoxTest, ListsStandardSystemAndCustomColoursWithNames) {
  ColourBox box;
  ColourValue last = 0;
  int changes = 0;
  QObject::connect(&box, &ColourBox::ColourChanged, [&](ColourValue v) {
    last = v;
    ++changes;
  });
  box.SetColour(0x800000);
  EXPECT_EQ(box.currentText(), "Navy");
  box.SetColour(0x8000000F);
  EXPECT_EQ(box.currentText(), "Button Face");
  EXPECT_EQ(last, 0x8000000Fu);
  const int before = box.count();
  box.SetColour(13417909);  // 0xCCBDB5, not a named colour: becomes a custom entry
  EXPECT_EQ(box.count(), before + 1);
  EXPECT_EQ(box.Colour(), 13417909u);
  EXPECT_EQ(box.currentText(), "#b5bdcc");
  box.SetColour(0x800000);
  box.SetColour(13417909);  // listed now: not added again
  EXPECT_EQ(box.count(), before + 1);
  EXPECT_EQ(changes, 5);
  box.SetColour(13417909);  // no change, no signal
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(box.itemText(box.count() - 1), "Custom...");
}

// "Custom..." opens the full colour dialog; a colour chosen there is selected and listed, and
// cancelling the dialog keeps the colour the box had.
TEST(ColourBoxTest, CustomEntryOpensTheFullColourDialog) {
  ColourBox box;
  box.SetColour(0x800000);
  const int custom_entry = box.count() - 1;
  // Picks #123456 in the dialog, then closes it with OK or Cancel.
  auto pick_through_dialog = [&](bool accept) {
    ModalProbe probe([accept](QDialog& dialog) {
      auto* colours = qobject_cast<QColorDialog*>(&dialog);
      ASSERT_NE(colours, nullptr);
      EXPECT_EQ(colours->currentColor(), QColor(0, 0, 0x80));  // opens on the box's colour
      colours->setCurrentColor(QColor(0x12, 0x34, 0x56));
      if (accept)
        colours->accept();
      else
        colours->reject();
    });
    box.setCurrentIndex(custom_entry);
    emit box.activated(custom_entry);
    EXPECT_EQ(probe.Seen(), 1);
  };
  pick_through_dialog(false);
  EXPECT_EQ(box.Colour(), 0x800000u);
  EXPECT_EQ(box.currentText(), "Navy");

  pick_through_dialog(true);
  EXPECT_EQ(box.Colour(), 0x563412u);  // 0x00BBGGRR
  EXPECT_EQ(box.currentText(), "#123456");
}

}  // namespace
}  // namespace zudira
