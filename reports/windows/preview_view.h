// The preview's page view (one page of the job at a time, zoomed and scrolled) and the rulers
// along its edges.
#pragma once

#include <QAbstractScrollArea>
#include <QPointF>
#include <QWidget>

namespace zudira {

class ReportPages;

enum class RulerUnit { kNone, kInches, kCm };

class PreviewPageView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Grey border around the page, in pixels.
  static constexpr int kGap = 12;

  explicit PreviewPageView(QWidget* parent = nullptr);

  // The pages shown; nullptr shows none.
  void SetPages(const ReportPages* pages);
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

  const ReportPages* pages_ = nullptr;
  int page_ = 0;
  double zoom_ = 100.0;
};

// A ruler along the top or the left of the page view, in inches or centimetres, with its 0
// at the page's edge; it follows the view's scrolling and zoom.
class PreviewRuler : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kThickness = 20;

  PreviewRuler(Qt::Orientation orientation, PreviewPageView* view, QWidget* parent = nullptr);
  void SetUnits(RulerUnit units);
  RulerUnit Units() const { return units_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  PreviewPageView* view_;
  RulerUnit units_ = RulerUnit::kInches;
};

}  // namespace zudira
