#include "reports/windows/preview_view.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "reports/report_job.h"
#include "window_rules/preview_rules.h"

namespace zudira {

namespace {

constexpr int kScrollStep = 16;
const QColor kDesk(128, 128, 128);

}  // namespace

PreviewPageView::PreviewPageView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName("PageView");
  setFocusPolicy(Qt::StrongFocus);
  // The page moves while the scroll bar is dragged, not only when it is let go.
  horizontalScrollBar()->setTracking(true);
  verticalScrollBar()->setTracking(true);
  viewport()->setAutoFillBackground(false);
}

void PreviewPageView::SetPages(const ReportPages* pages) {
  pages_ = pages;
  page_ = 0;
  UpdateScrollBars();
  viewport()->update();
  emit PageChanged(page_ + 1, PageCount());
}

int PreviewPageView::PageCount() const {
  return pages_ == nullptr ? 0 : std::max(0, pages_->PageCount());
}

void PreviewPageView::SetPage(int index) {
  index = std::clamp(index, 0, std::max(0, PageCount() - 1));
  if (index != page_) {
    page_ = index;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
  }
  emit PageChanged(page_ + 1, PageCount());
}

void PreviewPageView::SetZoom(double zoom) {
  zoom = ClampZoom(zoom);
  if (zoom == zoom_) return;
  // The point in the middle of the view stays in the middle.
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  const double fx = (h->value() + h->pageStep() / 2.0) / std::max(1, h->maximum() + h->pageStep());
  const double fy = (v->value() + v->pageStep() / 2.0) / std::max(1, v->maximum() + v->pageStep());
  zoom_ = zoom;
  UpdateScrollBars();
  h->setValue(
      static_cast<int>(std::lround(fx * (h->maximum() + h->pageStep()) - h->pageStep() / 2.0)));
  v->setValue(
      static_cast<int>(std::lround(fy * (v->maximum() + v->pageStep()) - v->pageStep() / 2.0)));
  viewport()->update();
  emit ZoomChanged(zoom_);
  emit ViewMoved();
}

void PreviewPageView::ZoomToPageWidth() {
  if (pages_ == nullptr) return;
  const QSizeF inches = pages_->PageSizeInches();
  const QSize room = maximumViewportSize();
  const Extent page{inches.width(), inches.height()};
  double width = room.width();
  // The page width usually leaves the page taller than the view, so the vertical bar takes room.
  const double fitted = PageWidthZoom(page, width, kGap, logicalDpiX());
  if (inches.height() * logicalDpiY() * fitted / 100.0 + 2 * kGap > room.height())
    width -= verticalScrollBar()->sizeHint().width();
  SetZoom(PageWidthZoom(page, width, kGap, logicalDpiX()));
}

void PreviewPageView::ZoomToWholePage() {
  if (pages_ == nullptr) return;
  const QSizeF inches = pages_->PageSizeInches();
  const QSize room = maximumViewportSize();
  SetZoom(WholePageZoom({inches.width(), inches.height()},
                        {static_cast<double>(room.width()), static_cast<double>(room.height())},
                        kGap, std::max(logicalDpiX(), logicalDpiY())));
}

QSizeF PreviewPageView::PageInches() const {
  return pages_ == nullptr ? QSizeF() : pages_->PageSizeInches();
}

double PreviewPageView::PixelsPerInch() const {
  return logicalDpiX() * zoom_ / 100.0;
}

QSizeF PreviewPageView::PagePixels() const {
  if (pages_ == nullptr) return QSizeF();
  const QSizeF inches = pages_->PageSizeInches();
  return QSizeF(inches.width() * logicalDpiX() * zoom_ / 100.0,
                inches.height() * logicalDpiY() * zoom_ / 100.0);
}

QPointF PreviewPageView::PageOrigin() const {
  const QSizeF page = PagePixels();
  const QSize room = viewport()->size();
  const double x = page.width() + 2 * kGap <= room.width() ? (room.width() - page.width()) / 2.0
                                                           : kGap - horizontalScrollBar()->value();
  const double y = page.height() + 2 * kGap <= room.height() ? (room.height() - page.height()) / 2.0
                                                             : kGap - verticalScrollBar()->value();
  return QPointF(std::floor(x), std::floor(y));
}

void PreviewPageView::UpdateScrollBars() {
  const QSizeF page = PagePixels();
  const QSize room = viewport()->size();
  const int width = static_cast<int>(std::ceil(page.width())) + 2 * kGap;
  const int height = static_cast<int>(std::ceil(page.height())) + 2 * kGap;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, std::max(0, width - room.width()));
  h->setPageStep(std::max(1, room.width()));
  h->setSingleStep(kScrollStep);
  v->setRange(0, std::max(0, height - room.height()));
  v->setPageStep(std::max(1, room.height()));
  v->setSingleStep(kScrollStep);
}

void PreviewPageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  emit ViewMoved();
}

void PreviewPageView::scrollContentsBy(int, int) {
  viewport()->update();
  emit ViewMoved();
}

void PreviewPageView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kDesk);
  if (PageCount() == 0) return;
  const QRectF page(PageOrigin(), PagePixels());
  painter.fillRect(page.translated(3, 3), QColor(64, 64, 64));
  painter.fillRect(page, Qt::white);
  painter.setClipRect(page.intersected(QRectF(viewport()->rect())));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  pages_->RenderPage(painter, page_, page);
}

PreviewRuler::PreviewRuler(Qt::Orientation orientation, PreviewPageView* view, QWidget* parent)
    : QWidget(parent), orientation_(orientation), view_(view) {
  setObjectName(orientation == Qt::Horizontal ? "TopRuler" : "LeftRuler");
  if (orientation == Qt::Horizontal)
    setFixedHeight(kThickness);
  else
    setFixedWidth(kThickness);
  connect(view_, &PreviewPageView::ViewMoved, this, qOverload<>(&QWidget::update));
}

void PreviewRuler::SetUnits(RulerUnit units) {
  units_ = units;
  setVisible(units != RulerUnit::kNone);
  update();
}

void PreviewRuler::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (units_ == RulerUnit::kNone || view_->PageCount() == 0) return;
  const bool across = orientation_ == Qt::Horizontal;
  // The page's edge in this ruler's pixels.
  const QPoint viewport_here =
      view_->viewport()->mapTo(window(), QPoint(0, 0)) - mapTo(window(), QPoint(0, 0));
  const QPointF origin = view_->PageOrigin() + QPointF(viewport_here);
  const double start = across ? origin.x() : origin.y();
  const double unit =
      units_ == RulerUnit::kInches ? view_->PixelsPerInch() : view_->PixelsPerInch() / 2.54;
  const int length = across ? width() : height();
  // Marks no closer than 4 pixels; numbers no closer than 24.
  int divisions = units_ == RulerUnit::kInches ? 8 : 10;
  while (divisions > 1 && unit / divisions < 4) divisions = divisions == 10 ? 2 : divisions / 2;
  int label_every = 1;
  for (int every : {1, 2, 5, 10, 20, 50}) {
    label_every = every;
    if (unit * every >= 24) break;
  }

  QFont font = painter.font();
  font.setPixelSize(9);
  painter.setFont(font);
  painter.setPen(palette().color(QPalette::WindowText));
  // Marks only along the paper, and only where the ruler shows them.
  const double inches = across ? view_->PageInches().width() : view_->PageInches().height();
  const double paper_units = units_ == RulerUnit::kInches ? inches : inches * 2.54;
  const int first = std::max(0, static_cast<int>(std::floor(-start / unit * divisions)));
  const int last = std::min(static_cast<int>(std::floor(paper_units * divisions + 1e-9)),
                            static_cast<int>(std::ceil((length - start) / unit * divisions)));
  for (int i = first; i <= last; ++i) {
    const double pos = start + unit * i / divisions;
    int mark = kThickness / 4;
    if (i % divisions == 0)
      mark = kThickness - 2;
    else if (divisions % 2 == 0 && i % (divisions / 2) == 0)
      mark = kThickness / 2;
    const QPointF a = across ? QPointF(pos, kThickness) : QPointF(kThickness, pos);
    const QPointF b = across ? QPointF(pos, kThickness - mark) : QPointF(kThickness - mark, pos);
    painter.drawLine(a, b);
    if (i % divisions == 0 && (i / divisions) % label_every == 0) {
      const QString number = QString::number(i / divisions);
      if (across) {
        painter.drawText(QRectF(pos + 2, 0, 30, 11), Qt::AlignLeft | Qt::AlignTop, number);
      } else {
        painter.drawText(QRectF(0, pos + 1, 12, 11), Qt::AlignLeft | Qt::AlignTop, number);
      }
    }
  }
  painter.drawLine(across ? QLineF(0, kThickness - 0.5, length, kThickness - 0.5)
                          : QLineF(kThickness - 0.5, 0, kThickness - 0.5, length));
}

}  // namespace zudira
