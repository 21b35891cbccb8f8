// The pages of a job held in memory: each page a list of text runs, lines and boxes placed
// in inches, each text with its font. One renderer draws a page with QPainter for the
// preview, the printer and the PDF writer alike.
#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QFont;
class QPainter;

namespace zudira {

struct FontSpec {
  QString name;
  double points = 10;
  bool bold = false;
  bool underline = false;
  bool operator==(const FontSpec&) const = default;
};

// The Qt font of a font record; its point size turns into pixels at the resolution of the device it
// is measured or drawn on.
QFont QtFont(const FontSpec& font_spec);

// Width of the pen that draws box lines.
inline constexpr double kBoxLineWidth = 0.01;

struct StreamItem {
  enum class ItemKind { kText, kLine, kBox, kShade };
  ItemKind kind = ItemKind::kText;
  // Text: x at the start of the run, y at its baseline. Line: from (x, y) to (x2, y2).
  // Box and shade: the rectangle from (x, y) to (x2, y2); shade is a percentage of grey.
  double x = 0;
  double y = 0;
  double x2 = 0;
  double y2 = 0;
  QString text;
  int font = -1;  // index into PageStream::fonts for a text run
  int shade = 0;
};

struct StreamPage {
  std::vector<StreamItem> items;
};

class PageStream {
 public:
  explicit PageStream(QSizeF page_inches = QSizeF(8.5, 11), QMarginsF unprintable = {})
      : page_inches_(page_inches), unprintable_(unprintable) {}

  QSizeF PageSizeInches() const { return page_inches_; }
  // The unprintable edges of the paper the pages were laid out for, in inches.
  QMarginsF UnprintableInches() const { return unprintable_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const StreamPage& Page(int index) const { return pages_.at(static_cast<size_t>(index)); }
  const FontSpec& Font(int index) const { return fonts_.at(static_cast<size_t>(index)); }

  void AddPage() { pages_.emplace_back(); }
  // Adds to the last page (making the first one when there is none).
  void Add(StreamItem item);
  // The index of a font in the stream's table, added when new.
  int FontIndex(const FontSpec& font_spec);

  // Draws page page_index (from 0) into target, in the painter's coordinates: scaled by one
  // factor both ways, so that it fits, and centred.
  void RenderPage(QPainter& painter, int page_index, const QRectF& target) const;

 private:
  QSizeF page_inches_;
  QMarginsF unprintable_;
  std::vector<StreamPage> pages_;
  std::vector<FontSpec> fonts_;
};

}  // namespace zudira
