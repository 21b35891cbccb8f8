#include "widgets/duz_calc_form.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "numeric/locale_provider.h"
#include "widgets/latin1_text.h"
#include "widgets/report_text.h"

namespace zudira {

namespace {

enum class KeyFace { kfButton, kfTooltip, kfLight };

// A key without a glyph shows its caption.
constexpr int gNone = -1;

struct KeySpec {
  const char* name;
  const char* caption;  // UTF-8; empty for glyph buttons and the decimal separator
  const char* hint;
  int left;
  int top;
  int width;
  CalcCommand command;
  KeyFace face;
  int glyph;  // index into the shared glyph list, or gNone
};

using C = CalcCommand;
constexpr KeyFace B = KeyFace::kfButton;
constexpr KeyFace T = KeyFace::kfTooltip;
constexpr KeyFace L = KeyFace::kfLight;

// Every key of the window: its control, face, hint, place and the command it runs.
const KeySpec kKeys[] = {
    {"ZeroBtn", "0", "", 6, 170, 23, C::ccDigit0, B, gNone},
    {"PointBtn", "", "", 30, 170, 23, C::ccPoint, B, gNone},
    {"ChangeSignBtn", "\u00B1", "Change Sign", 54, 170, 23, C::ccChangeSign, B, gNone},
    {"OneBtn", "1", "", 6, 148, 23, C::ccDigit1, B, gNone},
    {"TwoBtn", "2", "", 30, 148, 23, C::ccDigit2, B, gNone},
    {"ThreeBtn", "3", "", 54, 148, 23, C::ccDigit3, B, gNone},
    {"FourBtn", "4", "", 6, 126, 23, C::ccDigit4, B, gNone},
    {"FiveBtn", "5", "", 30, 126, 23, C::ccDigit5, B, gNone},
    {"SixBtn", "6", "", 54, 126, 23, C::ccDigit6, B, gNone},
    {"SevenBtn", "7", "", 6, 104, 23, C::ccDigit7, B, gNone},
    {"EightBtn", "8", "", 30, 104, 23, C::ccDigit8, B, gNone},
    {"NineBtn", "9", "", 54, 104, 23, C::ccDigit9, B, gNone},
    {"EqualsBtn", "=", "", 80, 193, 69, C::ccEquals, T, gNone},
    {"SubtractBtn", "-", "Subtract", 80, 170, 23, C::ccSubtract, B, gNone},
    {"AddBtn", "+", "Add", 80, 148, 23, C::ccAdd, B, gNone},
    {"DivideBtn", "\u00F7", "Divide", 80, 126, 23, C::ccDivide, B, gNone},
    {"MultiplyBtn", "\u00D7", "Multiply", 80, 104, 23, C::ccMultiply, B, gNone},
    {"LeftBracketBtn", "(", "", 6, 193, 23, C::ccLeftBracket, B, gNone},
    {"RightBracketBtn", ")", "", 30, 193, 23, C::ccRightBracket, B, gNone},
    {"AllClearBtn", "AC", "All Clear", 103, 104, 23, C::ccAllClear, T, gNone},
    {"ClearBtn", "C", "Clear", 103, 126, 23, C::ccClear, T, gNone},
    {"MemoryClearBtn", "MC", "Clear Memory", 126, 104, 23, C::ccMemoryClear, L, gNone},
    {"MemoryAddBtn", "M+", "Add To Memory", 126, 126, 23, C::ccMemoryAdd, L, gNone},
    {"MemorySubtractBtn", "M-", "Subtract From Memory", 126, 148, 23, C::ccMemorySubtract, L,
     gNone},
    {"MemoryRecall", "MR", "Memory Recall", 126, 170, 23, C::ccMemoryRecall, L, gNone},
    {"PowerBtn", "", "Raised to the Power of", 8, 79, 23, C::ccPower, B, gPower},
    {"PiButton", "\u03C0", "Pi (Constant)", 103, 148, 23, C::ccPi, B, gNone},
    {"EBtn", "e", "Natural Constant", 103, 170, 23, C::ccE, B, gNone},
    {"SquareBtn", "", "Squares the Value", 32, 79, 23, C::ccSquare, B, gSquare},
    {"SqRootBtn", "", "Square Roots the Value", 55, 79, 23, C::ccSqRoot, B, gSquareRoot},
    {"InverseBtn", "", "Inverses the Value", 78, 79, 23, C::ccInverse, B, gInverse},
    {"LogBtn", "log", "Logarithm to Base 10", 101, 79, 23, C::ccLog, B, gNone},
    {"LNBtn", "ln", "Natural Logarithm", 124, 79, 23, C::ccLn, B, gNone},
    {"ExitBtn", "", "Exit and Transfer Result", 126, 30, 23, C::ccExit, B, gTransfer},
    {"CopyBtn", "", "Copy Value to ClipBoard", 7, 31, 23, C::ccCopy, B, gCopy},
    {"PasteBtn", "", "Paste Value from Clipboard", 30, 31, 23, C::ccPaste, B, gPaste},
    {"SinBtn", "sin", "Sine of Value", 8, 57, 23, C::ccSin, B, gNone},
    {"CosBtn", "cos", "Cosine of Value", 32, 57, 23, C::ccCos, B, gNone},
    {"TanBtn", "tan", "Tangent of Value", 55, 57, 23, C::ccTan, B, gNone},
    {"InvBtn", "inv", "Inverse Operation", 126, 52, 23, C::ccInv, L, gNone},
    {"CancelBtn", "", "Exit and Do Not Transfer Result", 102, 30, 23, C::ccCancel, B, gCancel},
    {"BackSpaceBtn", "\u2190", "BackSpace", 54, 193, 23, C::ccBackSpace, T, gNone},
    {"RadBtn", "rad", "Radians or Degrees", 103, 52, 23, C::ccRad, L, gNone},
};

constexpr int kKeyHeight = 22;
constexpr int kClientWidth = 155;
constexpr int kClientHeight = 242;

QColor FaceColour(KeyFace face) {
  const QPalette& p = QGuiApplication::palette();
  switch (face) {
    case KeyFace::kfTooltip:
      return p.color(QPalette::ToolTipBase);
    case KeyFace::kfLight:
      return p.color(QPalette::Midlight);
    case KeyFace::kfButton:
    default:
      return p.color(QPalette::Button);
  }
}

// The eight picture keys in the order of Bmps, as glyphs of the shared list.
constexpr int kKeyGlyphs[] = {gPower,    gSquare, gSquareRoot, gInverse,
                              gTransfer, gCancel, gCopy,       gPaste};

QString StyleFor(KeyFace face) {
  return QStringLiteral(
             "QToolButton { background-color: %1; color: black; border: 1px solid %2;"
             " border-radius: 2px; padding: 0px; }"
             " QToolButton:hover { color: #800000; }"
             " QToolButton:pressed { background-color: %3; }")
      .arg(FaceColour(face).name(), QGuiApplication::palette().color(QPalette::Dark).name(),
           FaceColour(face).darker(115).name());
}

void StoredText(QSettings& store, const char* name, std::optional<std::string>& out) {
  const QVariant value = store.value(QString::fromLatin1(name));
  if (value.isValid()) out = Latin1Bytes(value.toString());
}

// A right-aligned display cut on the left would drop the sign, so the font shrinks until
// sixteen of the widest characters a value's text can hold fit inside the frame.
void FitDisplayFont(QLabel* display, char decimal_separator) {
  QFont font = display->font();
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  const QString characters = QStringLiteral("0123456789-E") + QChar::fromLatin1(decimal_separator);
  const int room = display->contentsRect().width();
  while (font.pixelSize() > 6) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QChar ch : characters) {
      widest = std::max(widest, metrics.horizontalAdvance(QString(kCalcDisplayWidth, ch)));
    }
    if (widest <= room) break;
    font.setPixelSize(font.pixelSize() - 1);
  }
  display->setFont(font);
}

}  // namespace

TDuzCalcForm::TDuzCalcForm(QSettings* store, QWidget* parent, CalcServices services)
    : QDialog(parent), engine_(CurrentLocale().decimal_separator), services_(std::move(services)) {
  if (store == nullptr) {
    own_store_ = OpenUserSettings();
    store = own_store_.get();
  }
  store_ = store;
  setObjectName(QStringLiteral("DuzCalcForm"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Duz Calculator v1.0.2"));
  setFixedSize(kClientWidth, kClientHeight);
  for (const int glyph : kKeyGlyphs) bmps_.append(QPixmap::fromImage(DrawGlyph(glyph)));
  BuildControls();
  ReadStoredSettings();
  Refresh();
  // The window sees every key before the focused control.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

TDuzCalcForm::~TDuzCalcForm() {
  WriteStoredSettings();
}

void TDuzCalcForm::BuildControls() {
  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("CalcPanel"));
  panel_->setGeometry(0, 0, kClientWidth, kClientHeight);
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Raised);
  panel_->setFocusPolicy(Qt::StrongFocus);
  panel_->setAutoFillBackground(true);
  QPalette panel_colours = panel_->palette();
  panel_colours.setColor(QPalette::Window, Qt::darkGray);
  panel_->setPalette(panel_colours);

  BuildKeys();
  BuildDisplays();

  decimals_ = new QSpinBox(panel_);
  decimals_->setObjectName(QStringLiteral("Decimals"));
  decimals_->setGeometry(60, 30, 40, 21);
  decimals_->setRange(0, kCalcMaxDecimals);
  decimals_->setValue(kCalcDefaultDecimals);
  decimals_->setToolTip(QStringLiteral("Decimal Places"));
  connect(decimals_, &QSpinBox::valueChanged, this, [this](int value) {
    engine_.SetDecimals(value);
    Refresh();
  });
}

// One button a key of the table, each running its command.
void TDuzCalcForm::BuildKeys() {
  const QString separator = QString(QChar::fromLatin1(engine_.DecimalSeparator()));
  for (const KeySpec& key : kKeys) {
    auto* button = new QToolButton(panel_);
    button->setObjectName(QString::fromLatin1(key.name));
    button->setGeometry(key.left, key.top, key.width, kKeyHeight);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(StyleFor(key.face));
    if (key.glyph != gNone) {
      button->setIcon(QIcon(QPixmap::fromImage(DrawGlyph(key.glyph))));
      button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    } else {
      button->setText(key.command == C::ccPoint ? separator : QString::fromUtf8(key.caption));
    }
    if (key.hint[0] != '\0') button->setToolTip(QString::fromLatin1(key.hint));
    const CalcCommand command = key.command;
    connect(button, &QToolButton::clicked, this, [this, command] { Execute(command); });
    if (command == C::ccRad) rad_button_ = button;
  }
}

// The value display at the top and the memory display at the foot.
void TDuzCalcForm::BuildDisplays() {
  auto make_display = [this](const char* name, int top, int height) {
    auto* display = new QLabel(panel_);
    display->setObjectName(QString::fromLatin1(name));
    display->setGeometry(6, top, 142, height);
    display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display->setFrameShape(QFrame::Panel);
    display->setFrameShadow(QFrame::Sunken);
    display->setAutoFillBackground(true);
    display->setMargin(1);
    QPalette colours = display->palette();
    colours.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Midlight));
    colours.setColor(QPalette::WindowText, Qt::black);
    display->setPalette(colours);
    return display;
  };
  value_display_ = make_display("ValueDisplay", 5, 24);
  QFont display_font = value_display_->font();
  display_font.setPixelSize(14);
  display_font.setBold(true);
  value_display_->setFont(display_font);
  memory_display_ = make_display("MemoryDisplay", 216, 19);
  FitDisplayFont(value_display_, engine_.DecimalSeparator());
  FitDisplayFont(memory_display_, engine_.DecimalSeparator());
  memory_display_->setToolTip(QStringLiteral("Contents of Memory"));
}

void TDuzCalcForm::Refresh() {
  value_display_->setText(Latin1(engine_.Display()));
  memory_display_->setText(Latin1(engine_.MemoryDisplay()));
  rad_button_->setText(engine_.Radians() ? QStringLiteral("rad") : QStringLiteral("deg"));
  if (decimals_->value() != engine_.Decimals()) {
    const QSignalBlocker quiet(decimals_);
    decimals_->setValue(engine_.Decimals());
  }
}

void TDuzCalcForm::Start(Real value) {
  engine_.Start(value);
  Refresh();
}

void TDuzCalcForm::Execute(CalcCommand command) {
  switch (command) {
    case C::ccCopy:
      QGuiApplication::clipboard()->setText(Latin1(engine_.Display()));
      return;
    case C::ccPaste: {
      const QMimeData* data = QGuiApplication::clipboard()->mimeData();
      if (data == nullptr || !data->hasText()) return;
      engine_.PasteText(Latin1Bytes(data->text()));
      Refresh();
      return;
    }
    case C::ccExit:
      cancelled_ = false;
      accept();
      return;
    case C::ccCancel:
      cancelled_ = true;
      reject();
      return;
    default:
      break;
  }
  const CalcOutcome outcome = engine_.Press(command);
  Refresh();
  if (outcome.beep) QApplication::beep();
  if (!outcome.uncaught_error.empty()) {
    const QString message = Latin1(outcome.uncaught_error);
    if (services_.error_report) {
      services_.error_report(message);
    } else {
      QMessageBox::critical(this, QStringLiteral("Zudira"), ReportText(message));
    }
  }
}

bool TDuzCalcForm::HandleKey(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  struct Combination {
    Qt::KeyboardModifiers modifiers;
    int key;
    CalcCommand command;
  };
  static const Combination kCombinations[] = {
      {Qt::ControlModifier, Qt::Key_C, C::ccCopy},
      {Qt::ControlModifier, Qt::Key_Insert, C::ccCopy},
      {Qt::ControlModifier, Qt::Key_V, C::ccPaste},
      {Qt::ShiftModifier, Qt::Key_Insert, C::ccPaste},
      {Qt::ControlModifier, Qt::Key_X, C::ccExit},
  };
  for (const Combination& c : kCombinations) {
    if (mods == c.modifiers && key == c.key) {
      Execute(c.command);
      return true;
    }
  }
  if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (key == Qt::Key_F1 && mods == Qt::NoModifier) {
    if (services_.help) services_.help();
    return true;
  }
  char32_t ch = 0;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      ch = U'\r';
      break;
    case Qt::Key_Backspace:
      ch = U'\b';
      break;
    case Qt::Key_Escape:
      ch = U'\x1b';
      break;
    case Qt::Key_Period:
    case Qt::Key_Comma:
      // The keypad's decimal key types the locale's separator, whichever the keymap sends.
      if (event->modifiers() & Qt::KeypadModifier) {
        ch = static_cast<unsigned char>(engine_.DecimalSeparator());
        break;
      }
      [[fallthrough]];
    default: {
      const QList<uint> text = event->text().toUcs4();
      if (text.size() != 1) return false;
      ch = text.front();
    }
  }
  const std::optional<CalcCommand> command =
      CalcCommandForCharacter(ch, engine_.DecimalSeparator());
  if (!command) return false;
  Execute(*command);
  return true;
}

bool TDuzCalcForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TDuzCalcForm::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QDialog::keyPressEvent(event);
}

void TDuzCalcForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  panel_->setFocus();
}

void TDuzCalcForm::ReadStoredSettings() {
  CalcStoredSettings stored;
  store_->beginGroup(kCalcSettingsKey);
  StoredText(*store_, "Radians", stored.radians);
  StoredText(*store_, "Decimals", stored.decimals);
  StoredText(*store_, "Memory", stored.memory);
  store_->endGroup();
  engine_.ApplyStoredSettings(stored);
}

void TDuzCalcForm::WriteStoredSettings() {
  const CalcStoredSettings s = engine_.StoredSettings();
  store_->beginGroup(kCalcSettingsKey);
  store_->setValue(QStringLiteral("Radians"), Latin1(*s.radians));
  store_->setValue(QStringLiteral("Decimals"), Latin1(*s.decimals));
  store_->setValue(QStringLiteral("Memory"), Latin1(*s.memory));
  store_->endGroup();
  store_->sync();
}

bool PopupCalculator(const QString& caption, Real& value, CalcServices services) {
  TDuzCalcForm form(nullptr, QApplication::activeWindow(), std::move(services));
  if (!caption.isEmpty()) form.setWindowTitle(caption);
  form.Start(value);
  form.exec();
  value = form.Engine().Result(value);
  return !form.Cancelled();
}

}  // namespace zudira
