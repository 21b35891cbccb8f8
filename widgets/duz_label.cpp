#include "widgets/duz_label.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

#include "appearance/appearance_settings.h"

namespace zudira {

namespace {

QString CharacterText(char32_t ch) {
  return QString::fromUcs4(&ch, 1);
}

// Faces with the Greek letters and the relation signs, tried after the label's own face.
const char* const kSymbolFaces[] = {"DejaVu Sans", "Noto Sans", "Liberation Sans", "FreeSans"};

}  // namespace

TDuzLabel::TDuzLabel(QWidget* parent) : TDuzLabel(QString(), parent) {}

TDuzLabel::TDuzLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  // Captions are laid out from the top, like the text-drawing call they come from.
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TDuzLabel::SetLabelStyle(TLabelStyle style) {
  if (style == label_style_) return;
  label_style_ = style;
  update();
}

void TDuzLabel::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  update();
}

void TDuzLabel::SetShowAccelChar(bool show) {
  if (show == show_accel_char_) return;
  show_accel_char_ = show;
  update();
}

QColor TDuzLabel::FontColour() const {
  return palette().color(QPalette::Active, foregroundRole());
}

QColor TDuzLabel::GreyTextColour() {
  return QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
}

QColor TDuzLabel::ShadowColour() {
  return QGuiApplication::palette().color(QPalette::Active, QPalette::Dark);
}

QColor TDuzLabel::HighlightColour() {
  return QGuiApplication::palette().color(QPalette::Active, QPalette::Light);
}

int TDuzLabel::DrawFlags() const {
  int flags = static_cast<int>(alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask));
  flags |= Qt::TextWordWrap | Qt::TextExpandTabs;
  if (show_accel_char_) flags |= Qt::TextShowMnemonic;
  return flags;
}

void TDuzLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) {
    painter.fillRect(rect(), palette().color(QPalette::Active, backgroundRole()));
  }
  painter.setBackgroundMode(Qt::TransparentMode);
  DrawCaption(painter, contentsRect());
}

void TDuzLabel::DrawCaption(QPainter& painter, const QRect& rect) {
  painter.setFont(font());
  const int flags = DrawFlags();
  const QString caption = text();
  if (label_style_ != lsNormal) {
    const bool engraved = label_style_ == lsRecessed;
    painter.setPen(engraved ? HighlightColour() : ShadowColour());
    painter.drawText(rect.translated(1, 1), flags, caption);
    painter.setPen(engraved ? ShadowColour() : HighlightColour());
    painter.drawText(rect.translated(-1, -1), flags, caption);
  }
  painter.setPen(isEnabled() ? FontColour() : GreyTextColour());
  painter.drawText(rect, flags, caption);
}

void TDuzLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void TDuzLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) emit clicked();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

TDuzMathLabel::TDuzMathLabel(QWidget* parent) : TDuzLabel(parent) {}

TDuzMathLabel::TDuzMathLabel(const QString& caption, QWidget* parent)
    : TDuzLabel(caption, parent) {}

QFont TDuzMathLabel::SymbolFont() const {
  QFont symbol = font();
  QStringList faces = font().families();
  if (faces.isEmpty()) faces << font().family();
  for (const char* face : kSymbolFaces) faces << QString::fromLatin1(face);
  symbol.setFamilies(faces);
  return symbol;
}

double TDuzMathLabel::MeasurePiece(const MarkupPiece& piece) const {
  const QFont f = piece.font == MarkupFont::mfSymbol ? SymbolFont() : font();
  return QFontMetricsF(f).horizontalAdvance(CharacterText(piece.ch));
}

std::vector<PlacedPiece> TDuzMathLabel::Layout() const {
  const std::vector<MarkupPiece> pieces = ParseMarkup(text().toStdU32String());
  const QRect area = contentsRect();
  const double right = area.left() + area.width();
  const zudira::PieceWidth measure = [this](const MarkupPiece& p) { return MeasurePiece(p); };
  double left = area.left();
  const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & (Qt::AlignRight | Qt::AlignHCenter)) {
    const double spare = area.width() - MarkupWidth(pieces, measure);
    if (spare > 0) left += (horizontal & Qt::AlignRight) ? spare : spare / 2;
  }
  return LayoutMarkup(pieces, left, right, measure);
}

QSize TDuzMathLabel::sizeHint() const {
  const std::vector<MarkupPiece> pieces = ParseMarkup(text().toStdU32String());
  const double w = MarkupWidth(pieces, [this](const MarkupPiece& p) { return MeasurePiece(p); });
  const double h = std::max(QFontMetricsF(font()).height(), QFontMetricsF(SymbolFont()).height());
  const QMargins m = contentsMargins();
  return QSize(static_cast<int>(std::ceil(w)) + m.left() + m.right() + 2 * margin(),
               static_cast<int>(std::ceil(h)) + m.top() + m.bottom() + 2 * margin());
}

QSize TDuzMathLabel::minimumSizeHint() const {
  return sizeHint();
}

void TDuzMathLabel::DrawCaption(QPainter& painter, const QRect& rect) {
  // Each piece is one character drawn from the pen to the right edge on the first line, so
  // neither wrapping nor an accelerator applies; the vertical alignment still does.
  const int flags =
      static_cast<int>(alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft | Qt::TextExpandTabs;
  const QFont label_font = font();
  const QFont symbol_font = SymbolFont();
  const int right = rect.left() + rect.width();
  const QColor text_colour = isEnabled() ? FontColour() : GreyTextColour();
  for (const PlacedPiece& placed : Layout()) {
    painter.setFont(placed.piece.font == MarkupFont::mfSymbol ? symbol_font : label_font);
    const QString piece = CharacterText(placed.piece.ch);
    const QRectF pen(placed.x, rect.top(), right - placed.x, rect.height());
    if (LabelStyle() != lsNormal) {
      const bool engraved = LabelStyle() == lsRecessed;
      painter.setPen(engraved ? HighlightColour() : ShadowColour());
      painter.drawText(pen.translated(1, 1), flags, piece);
      painter.setPen(engraved ? ShadowColour() : HighlightColour());
      painter.drawText(pen.translated(-1, -1), flags, piece);
    }
    painter.setPen(text_colour);
    painter.drawText(pen, flags, piece);
  }
}

TDuzLabel2::TDuzLabel2(QWidget* parent) : TDuzLabel2(QString(), parent) {}

TDuzLabel2::TDuzLabel2(const QString& caption, QWidget* parent) : TDuzLabel(caption, parent) {
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, ColourFromValue(Appearance().HeadingColour));
  setPalette(colours);
  // The sunken shadow: a light copy below right and a dark one above left, as engraved.
  SetLabelStyle(lsRecessed);
}

}  // namespace zudira
