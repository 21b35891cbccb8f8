// The preview's page view (one page of the job at a time, zoomed and scrolled) and the rulers
// along its edges.
#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QWidget>

namespace zudira {

class TReportPages;

enum class TRulerUnits { kNone, kInches, kCm };

class TPreviewPageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Grey border around the page, in pixels.
  static constexpr int kGap = 12;

  explicit TPreviewPageView(QWidget* parent = nullptr);

  // The pages shown; nullptr shows none.
  void SetPages(const TReportPages* pages);
  int PageCount() const;
  // The current page, counted from 0.
  int Page() const { return page_; }
  void SetPage(int index);
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  void ZoomToPageWidth();
  void ZoomToWholePage();

  // The paper size in inches; empty without pages.
  QSizeF PageInches() const;
  // Screen pixels per inch of the page at the current zoom.
  double PixelsPerInch() const;
  // The page's top-left corner in the viewport's pixels.
  QPointF PageOrigin() const;

 signals:
  // current counted from 1.
  void PageChanged(int current, int count);
  void ZoomChanged(double zoom);
  // The page moved on the screen: scrolled, zoomed or the view resized.
  void ViewMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  QSizeF PagePixels() const;
  void UpdateScrollBars();

  const TReportPages* pages_ = nullptr;
  int page_ = 0;
  double zoom_ = 100.0;
};

// A ruler along the top or the left of the page view, in inches or centimetres, with its 0
// at the page's edge; it follows the view's scrolling and zoom.
class TPreviewRuler : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThickness = 20;

  TPreviewRuler(Qt::Orientation orientation, TPreviewPageView* view, QWidget* parent = nullptr);
  void SetUnits(TRulerUnits units);
  TRulerUnits Units() const { return units_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  TPreviewPageView* view_;
  TRulerUnits units_ = TRulerUnits::kInches;
};

}  // namespace zudira
