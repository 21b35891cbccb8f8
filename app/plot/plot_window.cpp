#include "app/plot/plot_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/shell/error_report.h"
#include "app/shell/message_boxes.h"
#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "core/calculation_text.h"
#include "numeric/locale_provider.h"
#include "widgets/range_pictures.h"

namespace zudira {

namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 440;

// The drawing itself; the window around it holds the buttons.
class PlotCanvas : public QWidget {
 public:
  PlotCanvas(const PlotView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("PlotCanvas");
    setMinimumSize(320, 220);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    PaintPlot(p, QRectF(rect()), view_, QLocale::system());
  }

 private:
  const PlotView& view_;
};

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

PlotView PlotViewOf(const PlotSubject& s) {
  PlotView view;
  view.decimals = s.decimals;
  view.mode = s.mode;
  const char separator = CurrentLocale().decimal_separator;
  switch (s.status) {
    case PlotStatus::kFailed:
      view.message = QString::fromUtf8(kPlotFailedText);
      return view;
    case PlotStatus::kCleared:
      view.caption = Utf8(KindInWords(s.request, separator));
      view.model = MakePlot(s.request, std::nullopt);
      view.message = QString::fromUtf8(kPlotClearedText);
      return view;
    case PlotStatus::kAnswered:
      break;
  }
  view.caption = Utf8(CalculationInWords(s.request, s.answer_text.toStdString(), separator));
  view.model = MakePlot(s.request, s.answer);
  if (!view.model) view.message = QString::fromUtf8(kPlotNothingText);
  return view;
}

PlotWindow::PlotWindow(QWidget* main_window)
    : QWidget(main_window, Qt::Window), main_window_(main_window) {
  setObjectName("PlotForm");
  setWindowTitle("Distribution Plot");
  SetHelpContext(this, kHelpPlot);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(6, 4, 6, 0);
  auto button = [this, buttons](const char* name, const char* text, const char* hint, int glyph,
                                void (PlotWindow::*handler)()) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setText(QString::fromUtf8(text));
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(GlyphIcon(glyph));
    b->setIconSize(QSize(kGlyphSize, kGlyphSize));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    SetHelpContext(b, kHelpPlotButtons);
    connect(b, &QToolButton::clicked, this,
            [this, handler] { RunCommand([&] { (this->*handler)(); }); });
    buttons->addWidget(b);
    return b;
  };
  button("CopyImageBtn", "Copy Image", "Copy the plot to the clipboard as a picture", gCopy,
         &PlotWindow::CopyImageClick);
  button("SaveImageBtn", "Save Image…", "Save the plot as a PNG or SVG picture", gPlot,
         &PlotWindow::SaveImageClick);
  buttons->addStretch(1);
  auto* help = new QToolButton(this);
  help->setObjectName("PlotHelpBtn");
  help->setIcon(GlyphIcon(gContextHelp));
  help->setToolTip("Help on the plot window");
  help->setAutoRaise(true);
  connect(help, &QToolButton::clicked, this, [] { RunCommand([] { HelpContext(kHelpPlot); }); });
  buttons->addWidget(help);

  canvas_ = new PlotCanvas(view_, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(buttons);
  layout->addWidget(canvas_, 1);
  resize(kDefaultWidth, kDefaultHeight);

  auto* help_key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help_key, &QShortcut::activated, this,
          [this] { RunCommand([this] { ContextHelp(QApplication::focusWidget(), kHelpPlot); }); });
  auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close_key, &QShortcut::activated, this, &QWidget::close);
}

PlotWindow::~PlotWindow() {
  if (isVisible()) RunCommand([this] { SaveGeometry(); });
}

void PlotWindow::ShowSubject(const PlotSubject& subject) {
  view_ = PlotViewOf(subject);
  canvas_->update();
}

void PlotWindow::Open() {
  if (!placed_) {
    placed_ = true;
    auto settings = OpenUserSettings();
    const QByteArray stored = settings->value(kPlotWindowKey + "/Geometry").toByteArray();
    // A stored value that cannot be read leaves the window beside the main window.
    if (stored.isEmpty() || !restoreGeometry(stored)) {
      // Beside the main window on the side with more room, narrowed to fit it when it can
      // be without becoming too small to read.
      const QRect main = main_window_->frameGeometry();
      QPoint place(main.right() + 8, main.top());
      if (const QScreen* screen = main_window_->screen()) {
        const QRect free = screen->availableGeometry();
        const int right_room = free.right() - main.right() - 8;
        const int left_room = main.left() - free.left() - 8;
        const int room = std::max(right_room, left_room);
        if (room < width()) resize(std::max(room, minimumWidth()), height());
        place.setX(right_room >= left_room ? std::min(main.right() + 8, free.right() - width())
                                           : std::max(free.left(), main.left() - 8 - width()));
        place.setY(
            std::clamp(place.y(), free.top(), std::max(free.top(), free.bottom() - height())));
      }
      move(place);
    }
  }
  show();
  raise();
  activateWindow();
}

QSize PlotWindow::ImageSize() const {
  return canvas_->size();
}

void PlotWindow::CopyImageClick() {
  QGuiApplication::clipboard()->setImage(PlotImage(view_, ImageSize(), QLocale::system()));
}

void PlotWindow::SaveImageClick() {
  QString filter;
  const QString path = QFileDialog::getSaveFileName(
      this, "Save Image", QString(), "PNG picture (*.png);;SVG picture (*.svg)", &filter);
  if (path.isEmpty()) return;
  QString target = path;
  // A name typed without an ending takes the one of the chosen kind.
  if (!target.endsWith(".png", Qt::CaseInsensitive) &&
      !target.endsWith(".svg", Qt::CaseInsensitive))
    target += filter.contains("svg") ? ".svg" : ".png";
  const QString failure = SavePlotImage(target, view_, ImageSize(), QLocale::system());
  if (!failure.isEmpty()) ErrorMsg(failure);
}

void PlotWindow::hideEvent(QHideEvent* event) {
  if (!event->spontaneous()) RunCommand([this] { SaveGeometry(); });
  QWidget::hideEvent(event);
}

void PlotWindow::SaveGeometry() {
  auto settings = OpenUserSettings();
  settings->setValue(kPlotWindowKey + "/Geometry", saveGeometry());
}

}  // namespace zudira
