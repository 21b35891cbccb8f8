#include "reports/stream_report.h"

#include <QFont>
#include <algorithm>
#include <cmath>

#include "reports/report_job.h"

namespace zudira {

namespace {
constexpr double kMetersPerInch = 0.0254;
// Where a tab character goes when the line has no tab column left.
constexpr double kDefaultTabStep = 0.5;
}  // namespace

StreamReport::StreamReport(const Paper& paper, ReportProgress* progress, QString status_text)
    : paper_(paper),
      progress_(progress),
      status_text_(std::move(status_text)),
      stream_(std::make_unique<PageStream>(paper.page_inches, paper.unprintable)),
      metrics_device_(1, 1, QImage::Format_Mono),
      section_left_(paper.unprintable.left()),
      section_right_(paper.page_inches.width() - paper.unprintable.right()),
      section_top_(paper.unprintable.top()),
      section_bottom_(paper.page_inches.height() - paper.unprintable.bottom()) {
  const int dots_per_meter = static_cast<int>(std::lround(paper.dpi / kMetersPerInch));
  metrics_device_.setDotsPerMeterX(dots_per_meter);
  metrics_device_.setDotsPerMeterY(dots_per_meter);
  font_index_ = stream_->FontIndex(font_);
  stream_->AddPage();
  Home();
  AnnouncePage();
}

StreamReport::~StreamReport() = default;

const StreamReport::LineMetrics& StreamReport::Metrics() const {
  if (metrics_.size() <= static_cast<size_t>(font_index_))
    metrics_.resize(static_cast<size_t>(font_index_) + 1);
  std::optional<LineMetrics>& slot = metrics_[static_cast<size_t>(font_index_)];
  if (!slot) {
    QFontMetricsF fm(QtFont(font_), &metrics_device_);
    const double dpi = metrics_device_.logicalDpiY();
    slot = LineMetrics{fm, fm.ascent() / dpi, fm.descent() / dpi, fm.lineSpacing() / dpi};
  }
  return *slot;
}

double StreamReport::LineHeight() const {
  return Metrics().line_height;
}

double StreamReport::TextWidth(const QString& text) const {
  return Metrics().fm.horizontalAdvance(text) / metrics_device_.logicalDpiX();
}

void StreamReport::CheckCancel() {
  if (progress_ != nullptr && progress_->CancelRequested()) throw ReportCancelled{};
}

void StreamReport::AnnouncePage() {
  if (progress_ == nullptr) return;
  QString text = status_text_;
  progress_->SetStatusText(text.replace(QStringLiteral("%p"), QString::number(page_)));
}

void StreamReport::Home() {
  x_ = section_left_;
  y_ = section_top_;
  next_tab_ = 0;
}

void StreamReport::SetFont(const QString& name, double points) {
  font_.name = name;
  font_.points = points;
  font_index_ = stream_->FontIndex(font_);
}

void StreamReport::SetStyle(bool bold, bool underline) {
  font_.bold = bold;
  font_.underline = underline;
  font_index_ = stream_->FontIndex(font_);
}

void StreamReport::Place(const QString& text, double x, double baseline) {
  if (text.isEmpty()) return;
  StreamItem item;
  item.kind = StreamItem::ItemKind::kText;
  item.x = x;
  item.y = baseline;
  item.text = text;
  item.font = font_index_;
  stream_->Add(std::move(item));
}

void StreamReport::PlaceJustified(const QString& text, double left, double right, double baseline,
                                  Justify justify) {
  double x = left;
  if (justify != Justify::kLeft) {
    // Text wider than its room starts at the left edge, so its beginning stays on the paper.
    const double free = std::max(0.0, right - left - TextWidth(text));
    x = justify == Justify::kRight ? left + free : left + free / 2;
  }
  Place(text, x, baseline);
}

void StreamReport::PrintHeader(const QString& text, Justify justify) {
  CheckCancel();
  PlaceJustified(text, section_left_, section_right_, section_top_ + Metrics().ascent, justify);
}

void StreamReport::PrintFooter(const QString& text, Justify justify) {
  CheckCancel();
  PlaceJustified(text, section_left_, section_right_, section_bottom_ - Metrics().descent, justify);
}

void StreamReport::Print(const QString& text) {
  CheckCancel();
  const double baseline = y_ + Metrics().ascent;
  qsizetype start = 0;
  while (true) {
    const qsizetype tab = text.indexOf(u'\t', start);
    const QString piece = text.mid(start, tab < 0 ? -1 : tab - start);
    Place(piece, x_, baseline);
    x_ += TextWidth(piece);
    if (tab < 0) break;
    if (next_tab_ < tabs_.size()) {
      const TabStop& column = tabs_[next_tab_++];
      x_ = column.left + column.margin;
    } else {
      const double steps = std::floor((x_ - section_left_) / kDefaultTabStep + 1e-9) + 1;
      x_ = section_left_ + steps * kDefaultTabStep;
    }
    start = tab + 1;
  }
}

void StreamReport::PrintLn(const QString& text) {
  Print(text);
  NewLine();
}

void StreamReport::NewLine() {
  CheckCancel();
  y_ += Metrics().line_height;
  x_ = section_left_;
  next_tab_ = 0;
}

int StreamReport::LinesLeft() const {
  const double room = section_bottom_ - y_;
  if (room <= 0) return 0;
  // A hair of tolerance, so a line that ends exactly at the section bottom still counts.
  return static_cast<int>(std::floor(room / Metrics().line_height + 1e-9));
}

void StreamReport::NewPage() {
  CheckCancel();
  stream_->AddPage();
  ++page_;
  Home();
  AnnouncePage();
}

void StreamReport::ClearTabs() {
  tabs_.clear();
  next_tab_ = 0;
}

void StreamReport::SetTab(double position, Justify justify, double width, int margin,
                          BoxLines lines, int shade) {
  double left = position;
  if (position == kTabAfterPrevious)
    left = tabs_.empty() ? section_left_ : tabs_.back().left + tabs_.back().width;
  tabs_.push_back(TabStop{left, width, margin / 100.0, justify, lines, shade});
}

void StreamReport::PrintTab(const QString& text) {
  CheckCancel();
  if (next_tab_ >= tabs_.size()) {
    Print(text);
    return;
  }
  const TabStop& column = tabs_[next_tab_++];
  const double left = column.left;
  const double right = column.left + column.width;
  const double top = y_;
  const double bottom = y_ + Metrics().line_height;
  auto add = [this](StreamItem::ItemKind kind, double x1, double y1, double x2, double y2,
                    int shade = 0) {
    StreamItem item;
    item.kind = kind;
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.shade = shade;
    stream_->Add(std::move(item));
  };
  if (column.shade > 0) add(StreamItem::ItemKind::kShade, left, top, right, bottom, column.shade);
  const BoxLines& b = column.lines;
  if (b.left && b.right && b.top && b.bottom) {
    add(StreamItem::ItemKind::kBox, left, top, right, bottom);
  } else {
    if (b.left) add(StreamItem::ItemKind::kLine, left, top, left, bottom);
    if (b.right) add(StreamItem::ItemKind::kLine, right, top, right, bottom);
    if (b.top) add(StreamItem::ItemKind::kLine, left, top, right, top);
    if (b.bottom) add(StreamItem::ItemKind::kLine, left, bottom, right, bottom);
  }
  PlaceJustified(text, left + column.margin, right - column.margin, top + Metrics().ascent,
                 column.justify);
  x_ = right;
}

}  // namespace zudira
