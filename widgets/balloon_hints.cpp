#include "widgets/balloon_hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace zudira {

namespace {

constexpr char kHintStateProperty[] = "zudiraHintState";
constexpr int kTailHeight = 10;
constexpr int kTailInset = 14;  // from the balloon's right edge to the tail's tip
constexpr int kMaxTextWidth = 320;
constexpr int kPointerGap = 3;

// The balloon: a rounded body with a tail whose tip sits on the pointer.
class BalloonHint : public QWidget {
 public:
  BalloonHint()
      : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput) {
    setObjectName("BalloonHint");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
  }

  void Show(const QString& text, QPoint pointer, QWidget* owner) {
    text_ = text;
    owner_ = owner;
    // Screen readers read a balloon by its name.
    setAccessibleName(text);
    const QRect text_rect =
        fontMetrics().boundingRect(QRect(0, 0, kMaxTextWidth, 2000), Qt::TextWordWrap, text_);
    // A few pixels of slack: wrapped drawing may measure a little wider than the estimate.
    const QSize size(std::max(text_rect.width() + 26, kTailInset * 2 + 24),
                     text_rect.height() + 14 + kTailHeight);
    QScreen* screen = QGuiApplication::screenAt(pointer);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 4096, 4096);
    setGeometry(BalloonGeometry(pointer, size, area, &tail_below_));
    tip_ = mapFromGlobal(pointer);
    UpdateMask();
    show();
    update();
    timer_.start(10000);
  }

  QString Text() const { return text_; }
  QWidget* Owner() const { return owner_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = Outline();
    painter.setPen(QPen(palette().color(QPalette::ToolTipText), 1));
    painter.setBrush(palette().color(QPalette::ToolTipBase));
    painter.drawPath(path);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(Body().adjusted(12, 7, -12, -7), Qt::TextWordWrap | Qt::AlignVCenter, text_);
  }

 private:
  QRectF Body() const {
    return tail_below_ ? QRectF(0.5, 0.5, width() - 1, height() - kTailHeight - 1)
                       : QRectF(0.5, kTailHeight + 0.5, width() - 1, height() - kTailHeight - 1);
  }

  // The rounded body united with the tail, whose tip points at the pointer.
  QPainterPath Outline() const {
    const QRectF body = Body();
    QPainterPath path;
    path.addRoundedRect(body, 7, 7);
    const qreal tip_x = std::clamp<qreal>(tip_.x(), 26, width() - 4);
    const qreal edge = tail_below_ ? body.bottom() - 1 : body.top() + 1;
    const qreal tip_y = tail_below_ ? height() - 0.5 : 0.5;
    QPainterPath tail;
    tail.moveTo(tip_x - 20, edge);
    tail.lineTo(tip_x, tip_y);
    tail.lineTo(tip_x - 7, edge);
    tail.closeSubpath();
    return path.united(tail);
  }

  // Without a compositor the translucent corners would show black: the mask gives the
  // window the balloon's own shape.
  void UpdateMask() {
    QPainterPathStroker stroker;
    stroker.setWidth(2);
    const QPainterPath path = Outline();
    setMask(QRegion(path.united(stroker.createStroke(path)).toFillPolygon().toPolygon()));
  }

  QString text_;
  QPointer<QWidget> owner_;
  QPoint tip_;
  bool tail_below_ = false;
  QTimer timer_;
};

QPointer<BalloonHint>& Balloon() {
  static QPointer<BalloonHint> balloon;
  return balloon;
}

void HideBalloon() {
  if (Balloon()) Balloon()->hide();
}

// Watches every tooltip request of the program and shows it as its window's state says.
class HintFilter : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) return false;
        const HintState state = HintStateOf(widget);
        if (state == hsNone) {
          HideBalloon();
          QToolTip::hideText();
          return true;
        }
        if (state != hsBalloon) return false;
        if (widget->toolTip().isEmpty()) return false;  // the parent may have one
        auto* help = static_cast<QHelpEvent*>(event);
        if (!Balloon()) Balloon() = new BalloonHint;
        QToolTip::hideText();
        Balloon()->Show(widget->toolTip(), help->globalPos(), widget);
        return true;
      }
      case QEvent::Leave:
        if (Balloon() && Balloon()->Owner() == watched) HideBalloon();
        return false;
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
      case QEvent::Wheel:
      case QEvent::WindowDeactivate:
        HideBalloon();
        return false;
      default:
        return false;
    }
  }
};

// The filter lives on the one application object, made the first time a window needs it.
void InstallHintFilter() {
  static constexpr char kFilterName[] = "BalloonHintFilter";
  if (qApp == nullptr ||
      qApp->findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly) != nullptr) {
    return;
  }
  auto* filter = new HintFilter;
  filter->setObjectName(kFilterName);
  filter->setParent(qApp);
  qApp->installEventFilter(filter);
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete Balloon().data(); });
}

}  // namespace

void SetHintState(QWidget* window, int state) {
  if (window == nullptr || state < hsNone || state > hsBalloon) return;
  InstallHintFilter();
  window->window()->setProperty(kHintStateProperty, state);
  if (state != hsBalloon) HideBalloon();
}

HintState HintStateOf(const QWidget* widget) {
  if (widget == nullptr) return hsStandard;
  const QVariant state = widget->window()->property(kHintStateProperty);
  return state.isValid() ? static_cast<HintState>(state.toInt()) : hsStandard;
}

void ShowBalloon(QWidget* owner, const QString& text, QPoint tip) {
  InstallHintFilter();
  if (!Balloon()) Balloon() = new BalloonHint;
  Balloon()->Show(text, tip, owner);
}

QWidget* ShownBalloon() {
  return Balloon() && Balloon()->isVisible() ? Balloon().data() : nullptr;
}

QRect BalloonGeometry(QPoint pointer, QSize size, const QRect& screen, bool* tail_below) {
  // The tip stops short of the pointer: a balloon under the pointer would take the mouse away
  // from the control and end its own hint.
  QRect rect(QPoint(pointer.x() - size.width() + kTailInset, pointer.y() + kPointerGap), size);
  bool below = false;
  if (rect.bottom() > screen.bottom() &&
      pointer.y() - kPointerGap - size.height() >= screen.top()) {
    rect.moveBottom(pointer.y() - kPointerGap);
    below = true;
  }
  if (rect.left() < screen.left()) rect.moveLeft(screen.left());
  if (rect.right() > screen.right()) rect.moveRight(screen.right());
  if (tail_below != nullptr) *tail_below = below;
  return rect;
}

}  // namespace zudira
