// The report engine's layout: a TBaseReport that places every operation into a page stream,
// measuring text with the fonts' real metrics at the target device's resolution.
#pragma once

#include <QMarginsF>
#include <QSizeF>
#include <memory>
#include <optional>
#include <vector>

#include <QFontMetricsF>
#include <QImage>

#include "reports/base_report.h"
#include "reports/page_stream.h"

namespace zudira {

class ReportProgress;

// The paper a job is laid out for: its full size and unprintable edges in inches, and the
// resolution of the device that will print it.
struct Paper {
  QSizeF page_inches{8.5, 11};
  QMarginsF unprintable;
  double dpi = 1200;
};

// Thrown out of a page-content routine when Cancel was pressed during generation.
struct ReportCancelled {};

class StreamReport : public TBaseReport {
 public:
  // progress, when given, hears "Generating page N" (status_text with %p replaced) on every
  // page and is asked about Cancel before every drawing operation.
  explicit StreamReport(const Paper& paper, ReportProgress* progress = nullptr,
                        QString status_text = QStringLiteral("Generating page %p"));
  ~StreamReport() override;

  const PageStream& Stream() const { return *stream_; }
  std::unique_ptr<PageStream> TakeStream() { return std::move(stream_); }
  // Where the next text goes: x in inches from the paper's left edge, y at the top of the line.
  double CursorX() const { return x_; }
  double CursorY() const { return y_; }
  double LineHeight() const;

  double PageWidth() const override { return paper_.page_inches.width(); }
  double PageHeight() const override { return paper_.page_inches.height(); }
  double UnprintableLeft() const override { return paper_.unprintable.left(); }
  double UnprintableRight() const override { return paper_.unprintable.right(); }
  double UnprintableTop() const override { return paper_.unprintable.top(); }
  double UnprintableBottom() const override { return paper_.unprintable.bottom(); }

  void SetSectionLeft(double inches) override { section_left_ = inches; }
  void SetSectionRight(double inches) override { section_right_ = inches; }
  void SetSectionTop(double inches) override { section_top_ = inches; }
  void SetSectionBottom(double inches) override { section_bottom_ = inches; }
  double SectionLeft() const override { return section_left_; }
  double SectionRight() const override { return section_right_; }
  double SectionTop() const override { return section_top_; }
  double SectionBottom() const override { return section_bottom_; }

  void Home() override;
  void SetFont(const QString& name, double points) override;
  void BoldOn() override { SetStyle(true, font_.underline); }
  void BoldOff() override { SetStyle(false, font_.underline); }
  void UnderlineOn() override { SetStyle(font_.bold, true); }
  void UnderlineOff() override { SetStyle(font_.bold, false); }

  void PrintHeader(const QString& text, Justify justify) override;
  void PrintFooter(const QString& text, Justify justify) override;
  void Print(const QString& text) override;
  void PrintLn(const QString& text) override;
  void NewLine() override;
  int LinesLeft() const override;
  void NewPage() override;
  int CurrentPage() const override { return page_; }

  void ClearTabs() override;
  void SetTab(double position, Justify justify, double width, int margin, BoxLines lines,
              int shade) override;
  void PrintTab(const QString& text) override;

 private:
  struct TabStop {
    double left;
    double width;
    double margin;
    Justify justify;
    BoxLines lines;
    int shade;
  };
  struct LineMetrics {
    QFontMetricsF fm;
    double ascent;
    double descent;
    double line_height;
  };

  void SetStyle(bool bold, bool underline);
  const LineMetrics& Metrics() const;
  double TextWidth(const QString& text) const;
  void Place(const QString& text, double x, double baseline);
  // Drawn text between left and right, justified.
  void PlaceJustified(const QString& text, double left, double right, double baseline,
                      Justify justify);
  void CheckCancel();
  void AnnouncePage();

  Paper paper_;
  ReportProgress* progress_;
  QString status_text_;
  std::unique_ptr<PageStream> stream_;
  // The device whose resolution the fonts are measured at.
  QImage metrics_device_;
  mutable std::vector<std::optional<LineMetrics>> metrics_;
  FontSpec font_{QStringLiteral("Arial"), 10, false, false};
  int font_index_ = -1;
  double section_left_;
  double section_right_;
  double section_top_;
  double section_bottom_;
  double x_ = 0;
  double y_ = 0;
  int page_ = 1;
  std::vector<TabStop> tabs_;
  size_t next_tab_ = 0;
};

}  // namespace zudira
