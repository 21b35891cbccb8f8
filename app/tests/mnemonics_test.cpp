// Every window's keyboard mnemonics: no two items of one menu, and no two buttons (or menu
// titles, labelled fields and tabs) of one window, answer the same Alt+letter. A shared one
// only moves the highlight, so the second item can never be chosen from the keyboard.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <functional>
#include <map>
#include <memory>

#include "app/dialogs/about_box.h"
#include "app/dialogs/lists_window.h"
#include "app/dialogs/preferences_dialog.h"
#include "app/dialogs/text_viewer.h"
#include "app/help/help_document.h"
#include "app/help/help_viewer.h"
#include "app/plot/plot_window.h"
#include "app/tests/main_window_fixture.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/status_window.h"
#include "widgets/colour_box.h"
#include "widgets/duz_calc_form.h"

namespace zudira {
namespace {

// The texts that answer one Alt+letter together, keyed by the key; only pairs or more count.
using Captions = std::vector<QString>;

// Captions that clash with another caption of the same set, as "Alt+P: &Print, &Plot".
QStringList Clashes(const QString& where, const Captions& captions) {
  std::map<QString, QStringList> by_key;
  for (const QString& caption : captions) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) by_key[key.toString()].push_back(caption);
  }
  QStringList clashes;
  for (const auto& [key, texts] : by_key)
    if (texts.size() > 1) clashes.push_back(where + " " + key + ": " + texts.join(", "));
  return clashes;
}

Captions MenuCaptions(const QMenu& menu) {
  Captions captions;
  for (const QAction* action : menu.actions())
    if (!action->isSeparator()) captions.push_back(action->text());
  return captions;
}

// The window's own mnemonics: buttons, menu-bar titles, field labels, group boxes and tabs.
Captions WindowCaptions(const QWidget& window) {
  Captions captions;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
    captions.push_back(button->text());
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
    for (const QAction* action : bar->actions()) captions.push_back(action->text());
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() != nullptr) captions.push_back(label->text());
  for (const QGroupBox* box : window.findChildren<QGroupBox*>()) captions.push_back(box->title());
  for (const QTabBar* tabs : window.findChildren<QTabBar*>())
    for (int i = 0; i < tabs->count(); ++i) captions.push_back(tabs->tabText(i));
  return captions;
}

// Every menu of the window, the colour boxes' right-click menus and their submenus included.
QStringList WindowClashes(const QString& name, QWidget& window) {
  QStringList clashes = Clashes(name, WindowCaptions(window));
  std::vector<std::unique_ptr<QMenu>> made;
  for (ColourBox* box : window.findChildren<ColourBox*>())
    made.emplace_back(box->MakeContextMenu());
  std::vector<const QMenu*> menus;
  for (const QMenu* menu : window.findChildren<QMenu*>()) menus.push_back(menu);
  for (const auto& menu : made) {
    menus.push_back(menu.get());
    for (const QMenu* sub : menu->findChildren<QMenu*>()) menus.push_back(sub);
  }
  for (const QMenu* menu : menus)
    clashes += Clashes(name + " menu \"" + menu->title() + "\"", MenuCaptions(*menu));
  return clashes;
}

class MnemonicsTest : public MainWindowTest {};

TEST_F(MnemonicsTest, NoTwoItemsOfAMenuOrButtonsOfAWindowShareALetter) {
  // The test itself: a clash is found and named.
  EXPECT_EQ(Clashes("menu", {"&Preferences", "&Precise Results", "Use &Enhanced Defaults"}),
            QStringList{"menu Alt+P: &Preferences, &Precise Results"});

  auto main_window = MakeWindow();
  // The kind with the most captions shown: the third parameter's row too.
  ChooseKind(*main_window, dkHypergeometric);
  QWidget parent;
  const struct {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
  } windows[] = {
      {"main window", [] { return std::unique_ptr<QWidget>(); }},
      {"report preview", [] { return std::make_unique<TDuzRPPreviewForm>(); }},
      {"report set-up", [] { return std::make_unique<TDuzRPSetupForm>(); }},
      {"report status", [] { return std::make_unique<TDuzRPStatusForm>(); }},
      {"help window", [] { return std::make_unique<HelpViewer>(HelpDocument()); }},
      {"lists window", [] { return std::make_unique<TStatListForm>(); }},
      {"text viewer", [] { return std::make_unique<TTFViewForm>(); }},
      {"about box", [] { return std::make_unique<TAboutBox2>(); }},
      {"preferences", [] { return std::make_unique<TPrefForm>(); }},
      {"calculator", [] { return std::make_unique<TDuzCalcForm>(); }},
      {"plot window", [&parent] { return std::make_unique<PlotWindow>(&parent); }},
  };
  QStringList clashes;
  for (const auto& w : windows) {
    std::unique_ptr<QWidget> made = w.make();
    QWidget& window = made ? *made : *main_window;
    clashes += WindowClashes(QString::fromUtf8(w.name), window);
  }
  EXPECT_EQ(clashes, QStringList()) << clashes.join("\n").toStdString();
}

}  // namespace
}  // namespace zudira
