#include "widgets/duz_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "appearance/appearance_settings.h"
#include "numeric/conversions.h"
#include "numeric/locale_provider.h"
#include "widgets/system_locale_provider.h"

namespace zudira {
namespace {

// A window with two fields, the first focused, as a form holds them.
class FieldWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLocaleProvider(nullptr);
    auto* layout = new QVBoxLayout(&window_);
    first_ = new TDuzEdit3(&window_);
    first_->setObjectName("First");
    second_ = new TDuzEdit3(&window_);
    second_->setObjectName("Second");
    layout->addWidget(first_);
    layout->addWidget(second_);
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    Focus(first_);
  }
  void TearDown() override { SetLocaleProvider(nullptr); }

  static void Focus(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }
  // Tab to the second field, so the first takes over its text.
  void Leave() {
    QTest::keyClick(first_, Qt::Key_Tab);
    QApplication::processEvents();
  }

  QWidget window_;
  TDuzEdit3* first_ = nullptr;
  TDuzEdit3* second_ = nullptr;
};

TEST_F(FieldWindow, TypedRealBecomesTheValueAtFocusLossAndFollowsDecimals) {
  QSignalSpy exits(first_, &TDuzEdit3::OnExit);
  QSignalSpy enters(first_, &TDuzEdit3::OnEnter);
  first_->SetEditType(etReal);
  first_->SetDecimals(7);
  EXPECT_EQ(first_->text(), "0.0000000");
  Focus(second_);
  Focus(first_);
  EXPECT_EQ(enters.count(), 1);
  EXPECT_EQ(first_->selectedText(), "0.0000000");

  QTest::keyClicks(first_, "1.5");
  EXPECT_EQ(first_->text(), "1.5");
  EXPECT_EQ(first_->AsFloat(), 0) << "the value changes only when the field is left";
  Leave();
  EXPECT_TRUE(second_->hasFocus());
  EXPECT_EQ(exits.count(), 2);
  EXPECT_EQ(first_->text(), "1.5000000");
  EXPECT_EQ(first_->AsFloat(), 1.5L);

  first_->SetAsFloat(0.1234567L);
  first_->SetDecimals(2);
  EXPECT_EQ(first_->text(), "0.12");
  first_->SetDecimals(7);
  EXPECT_EQ(first_->text(), "0.1200000");
  EXPECT_EQ(first_->AsFloat(), 0.12L);

  first_->SetEditType(etInteger);
  EXPECT_EQ(first_->text(), "0");
  first_->SetEditType(etReal);
  first_->SetAsFloat(3.5L);
  first_->SetEditType(etInteger);
  EXPECT_EQ(first_->text(), "4");
  EXPECT_EQ(first_->AsInteger(), 4);
}

TEST_F(FieldWindow, KeyFilterDropsRefusedKeysAndEnterMovesOn) {
  first_->SetEditType(etPosReal);
  first_->SetText("");
  QTest::keyClicks(first_, "-1.2.3+a");
  EXPECT_EQ(first_->text(), "1.23");
  QTest::keyClick(first_, Qt::Key_Home);
  QTest::keyClick(first_, Qt::Key_Delete);
  QTest::keyClicks(first_, ".");
  EXPECT_EQ(first_->text(), ".23") << "the old separator was deleted, so a new one is taken";
  QTest::keyClick(first_, Qt::Key_End);
  QTest::keyClick(first_, Qt::Key_Backspace);
  QTest::keyClicks(first_, " ");
  EXPECT_EQ(first_->text(), ".2 ");

  QTest::keyClick(first_, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(second_->hasFocus());
  EXPECT_EQ(first_->text(), "0.2000");
  EXPECT_EQ(first_->AsFloat(), 0.2L);

  second_->SetEditType(etString);
  QTest::keyClicks(second_, "x-1.2.3");
  EXPECT_EQ(second_->text(), "x-1.2.3");
}

// The other usual decimal separator is still refused, but a balloon says which one the field
// takes; the keypad's decimal key types the locale's own whatever the keymap sends.
TEST_F(FieldWindow, ForeignSeparatorIsExplainedAndTheKeypadTypesTheLocalesOwn) {
  const struct {
    char separator;
    const char* typed;
    const char* hint;
  } cases[] = {
      {'.', "1,5", "This field takes \".\" as its decimal separator, not \",\""},
      {',', "1.5", "This field takes \",\" as its decimal separator, not \".\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.separator);
    LocaleSettings locale;
    locale.decimal_separator = c.separator;
    locale.thousand_separator = c.separator == '.' ? ',' : '.';
    SetLocaleProvider(std::make_shared<FixedLocaleProvider>(locale));
    // A field takes the locale's keys when its kind is set.
    first_->SetEditType(etString);
    first_->SetEditType(etReal);
    first_->SetText("");
    QTest::keyClicks(first_, c.typed);
    EXPECT_EQ(first_->text(), "15");
    EXPECT_EQ(first_->SeparatorHint(), c.hint);
    first_->SetText("");
    for (const Qt::Key key : {Qt::Key_Period, Qt::Key_Comma}) {
      first_->clear();
      QTest::keyClick(first_, Qt::Key_2);
      QTest::keyClick(first_, key, Qt::KeypadModifier);
      QTest::keyClick(first_, Qt::Key_5);
      EXPECT_EQ(first_->text(), QString("2") + c.separator + "5");
    }
  }
}

TEST_F(FieldWindow, PointFiveTypedOverTheSelectedTextGivesAHalf) {
  first_->SetEditType(etPosReal);
  first_->SetDecimals(7);
  Focus(second_);
  Focus(first_);
  ASSERT_EQ(first_->selectedText(), "0.0000000");
  QTest::keyClicks(first_, ".5");
  EXPECT_EQ(first_->text(), ".5");
  Leave();
  EXPECT_EQ(first_->text(), "0.5000000");
  EXPECT_EQ(first_->AsFloat(), 0.5L);
}

TEST_F(FieldWindow, DeleteKeyCarryingTheDelCharacterStillDeletes) {
  first_->SetEditType(etPositive);
  first_->SetText("123");
  QTest::keyClick(first_, Qt::Key_Home);
  QSignalSpy edits(first_, &QLineEdit::textEdited);
  // The key event a real X11 display sends for Delete.
  QTest::sendKeyEvent(QTest::Click, first_, Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
  EXPECT_EQ(first_->text(), "23");
  EXPECT_EQ(edits.count(), 1);
}

TEST_F(FieldWindow, GroupedWholeNumberSurvivesLeavingTheFieldAgain) {
  first_->SetEditType(etPositive);
  first_->SetCommas(true);
  QTest::keyClicks(first_, "1234567");
  Leave();
  EXPECT_EQ(first_->text(), "1,234,567");
  EXPECT_EQ(first_->AsInteger(), 1234567);
  Focus(first_);
  Leave();
  EXPECT_EQ(first_->text(), "1,234,567");
  EXPECT_EQ(first_->AsInteger(), 1234567);
  EXPECT_EQ(first_->AsFloat(), 1234567);
}

TEST_F(FieldWindow, ReadOnlyFieldShowsTheReadOnlyColourAndTakesNoKeys) {
  const QColor window_colour = first_->BackgroundColour();
  first_->SetEditType(etReal);
  first_->SetAsFloat(0.6827L);
  first_->SetAlignment(taRightJustify);
  first_->SetReadOnly(true);
  const QColor grey_blue = ColourFromValue(Appearance().ReadOnlyColour);
  EXPECT_EQ(grey_blue, QColor(0xB5, 0xBD, 0xCC));
  EXPECT_EQ(first_->BackgroundColour(), grey_blue);
  QTest::keyClicks(first_, "9");
  EXPECT_EQ(first_->text(), "0.6827");

  const QImage shot = first_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(6, shot.height() / 2), grey_blue);
  if (const char* dir = std::getenv("ZUDIRA_SHOT_DIR"))
    shot.save(QString(dir) + "/duz_edit3_read_only.png");

  first_->SetReadOnly(false);
  EXPECT_EQ(first_->BackgroundColour(), ColourFromValue(SystemColour(kColourWindow)));
  first_->SetUseReadOnlyColours(false);
  first_->SetReadOnly(true);
  EXPECT_EQ(first_->BackgroundColour(), ColourFromValue(SystemColour(kColourWindow)));
  EXPECT_EQ(window_colour, QApplication::palette().color(QPalette::Base));
}

// Every route by which text enters a field meets the entry kind's rule of typed keys.
TEST_F(FieldWindow, PastesDropsAndInputMethodCommitsMeetTheEntryKind) {
  using Route = void (*)(TDuzEdit3*, const QString&);
  const std::pair<const char*, Route> routes[] = {
      {"Ctrl+V",
       [](TDuzEdit3* f, const QString& t) {
         QGuiApplication::clipboard()->setText(t);
         QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
       }},
      {"context menu",
       [](TDuzEdit3* f, const QString& t) {
         QGuiApplication::clipboard()->setText(t);
         QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                 f->mapToGlobal(QPoint(2, 2)));
         QApplication::sendEvent(f, &event);
         QMenu* menu = f->findChild<QMenu*>();
         ASSERT_NE(menu, nullptr);
         QAction* paste = menu->findChild<QAction*>("edit-paste");
         ASSERT_NE(paste, nullptr);
         paste->trigger();
         menu->close();
         delete menu;
       }},
      {"drop",
       [](TDuzEdit3* f, const QString& t) {
         QMimeData data;
         data.setText(t);
         QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(f, &enter);
         QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(f, &drop);
       }},
      {"input method",
       [](TDuzEdit3* f, const QString& t) {
         QInputMethodEvent event;
         event.setCommitString(t);
         QApplication::sendEvent(f, &event);
       }},
  };
  first_->SetEditType(etPositive);
  for (const auto& [name, route] : routes) {
    SCOPED_TRACE(name);
    first_->setText("3");
    first_->selectAll();
    route(first_, "-7");
    EXPECT_EQ(first_->text(), "3");
    first_->selectAll();
    route(first_, "1");
    EXPECT_TRUE(first_->text() == "1" || first_->text() == "13") << first_->text().toStdString();
  }
  Leave();
  EXPECT_EQ(first_->AsInteger(), first_->text().toInt());
}

// Text that is no number is told once, keeps the focus and leaves the held value alone.
TEST_F(FieldWindow, TextThatIsNoNumberIsRefusedAndKeepsTheFocus) {
  QSignalSpy refusals(first_, &TDuzEdit3::TextRefused);
  first_->SetEditType(etReal);
  first_->SetAsFloat(2.5L);
  first_->selectAll();
  QTest::keyClicks(first_, "1-2");
  Leave();
  QApplication::processEvents();
  ASSERT_EQ(refusals.count(), 1);
  EXPECT_EQ(first_->RefusedMessage(), "'1-2' is not a number");
  EXPECT_TRUE(first_->hasFocus());
  EXPECT_EQ(first_->text(), "1-2");
  EXPECT_EQ(first_->AsFloat(), 2.5L);
  QTest::keyClicks(first_, "1e5");  // over the selected text
  Leave();
  EXPECT_EQ(first_->AsFloat(), 100000);
  EXPECT_EQ(refusals.count(), 1);
}

TEST(DuzEditDefaults, BaseFieldFiltersDigitsAndZeroPadUsesTheMaximumLength) {
  TDuzEdit2 base;
  EXPECT_EQ(base.EditType(), etPositive);
  EXPECT_FALSE(base.UseReadOnlyColours());
  const QColor before = base.BackgroundColour();
  base.SetReadOnly(true);
  EXPECT_EQ(base.BackgroundColour(), before);
  QTest::keyClicks(&base, "1a2");
  EXPECT_EQ(base.text(), "");  // read-only

  TDuzEdit3 field;
  EXPECT_EQ(field.EditType(), etString);
  EXPECT_TRUE(field.UseReadOnlyColours());
  EXPECT_EQ(field.Decimals(), 4);
  field.SetEditType(etPositive);
  field.SetAsInteger(42);
  EXPECT_EQ(field.MaxLength(), 0);
  field.SetMaxLength(5);
  field.SetZeroPad(true);
  EXPECT_EQ(field.text(), "00042");
  EXPECT_EQ(field.AsInteger(), 42);
  field.SetMaxLength(0);
  field.Redisplay();
  EXPECT_EQ(field.text(), "");
}

TEST(SystemLocaleProvider, ConversionsUseTheDesktopSeparators) {
  InstallSystemLocaleProvider();
  const QLocale system = QLocale::system();
  const LocaleSettings s = CurrentLocale();
  EXPECT_EQ(QChar(static_cast<uchar>(s.decimal_separator)), system.decimalPoint().at(0));
  EXPECT_NE(s.decimal_separator, s.thousand_separator);
  EXPECT_EQ(SafeStrToFloat(SafeFloatToFixed(2.5L, 1)), 2.5L);
  SetLocaleProvider(nullptr);
}

}  // namespace
}  // namespace zudira
