// The pop-up calculator window: a tool window over CalcEngine. One table gives each button
// its command; typed characters and key combinations map to the same commands, and every one
// reaches the engine through Execute. It keeps the angle unit, the decimals and the memory
// under "Software/Rozuviza/DuzCalc/Properties" of the user's settings store.
#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>
#include <functional>
#include <memory>

#include "appearance/settings_keys.h"
#include "numeric/calc_engine.h"
#include "stats/real.h"

class QFrame;
class QLabel;
class QSettings;
class QSpinBox;
class QToolButton;

namespace zudira {

// What the window asks of the program that opens it.
struct CalcServices {
  // Where an error that a key does not handle itself goes (the ")" key's): the program's
  // general error report. Without one the window shows a "Zudira" error box.
  std::function<void(const QString& message)> error_report;
  // What F1 in the window opens: the program's help topic of the calculator. Without one, F1
  // does nothing.
  std::function<void()> help;
};

class TDuzCalcForm : public QDialog {
  Q_OBJECT

 public:
  // Reads the three settings from `store` (the user's settings store when null); the
  // destructor writes them back.
  explicit TDuzCalcForm(QSettings* store = nullptr, QWidget* parent = nullptr,
                        CalcServices services = {});
  ~TDuzCalcForm() override;

  CalcEngine& Engine() { return engine_; }
  const CalcEngine& Engine() const { return engine_; }
  // Shows `value` as the only operand and the memory, as the window opens.
  void Start(Real value);
  bool Cancelled() const { return cancelled_; }

  // The one path of every button and key.
  void Execute(CalcCommand command);

  // The eight button glyphs: power, square, square root, 1/x, exit, cancel, copy, paste.
  const QList<QPixmap>& Bmps() const { return bmps_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildKeys();
  void BuildDisplays();
  void Refresh();
  bool HandleKey(QKeyEvent* event);
  void ReadStoredSettings();
  void WriteStoredSettings();

  CalcEngine engine_;
  CalcServices services_;
  std::unique_ptr<QSettings> own_store_;
  QSettings* store_ = nullptr;
  bool cancelled_ = false;
  QList<QPixmap> bmps_;
  QFrame* panel_ = nullptr;
  QLabel* value_display_ = nullptr;
  QLabel* memory_display_ = nullptr;
  QSpinBox* decimals_ = nullptr;
  QToolButton* rad_button_ = nullptr;
};

// Opens the calculator with `value` and waits until it closes. A non-empty caption replaces
// the window's own. `value` becomes the number being typed, else the top operand, whichever
// key closed the window; the result is false only when Cancel closed it.
bool PopupCalculator(const QString& caption, Real& value, CalcServices services = {});

}  // namespace zudira
