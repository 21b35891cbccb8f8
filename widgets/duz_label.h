// Caption labels drawn by the program itself: TDuzLabel adds an engraved or embossed look,
// TDuzMathLabel draws the symbol markup of numeric/markup.h (μ, σ, ≤, ≥) one character at a
// time, and TDuzLabel2 is the bold heading label in the Heading Colour.
//
// All three are clickable (clicked() on a left-button release inside the label) and carry an
// integer Tag, so one handler can serve a group of labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <cstdint>

#include "numeric/markup.h"

namespace zudira {

enum TLabelStyle : std::uint8_t { lsNormal = 0, lsRaised = 1, lsRecessed = 2 };

class TDuzLabel : public QLabel {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  explicit TDuzLabel(QWidget* parent = nullptr);
  TDuzLabel(const QString& caption, QWidget* parent = nullptr);

  TLabelStyle LabelStyle() const { return label_style_; }
  // Repaints only when the style changes.
  void SetLabelStyle(TLabelStyle style);

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // A transparent label leaves its background unpainted.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // With ShowAccelChar an "&" underlines the next character; without it "&" is drawn as is.
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool show);

  // The colours the label draws with: the font's colour, the grey of disabled text, and the
  // 3-D pair of the engraved and embossed copies.
  QColor FontColour() const;
  static QColor GreyTextColour();
  static QColor ShadowColour();
  static QColor HighlightColour();

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  // Draws the caption; the background is already filled.
  virtual void DrawCaption(QPainter& painter, const QRect& rect);
  int DrawFlags() const;

 private:
  TLabelStyle label_style_ = lsNormal;
  int tag_ = 0;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  bool pressed_ = false;
};

class TDuzMathLabel : public TDuzLabel {
  Q_OBJECT

 public:
  explicit TDuzMathLabel(QWidget* parent = nullptr);
  TDuzMathLabel(const QString& caption, QWidget* parent = nullptr);

  // The label's font with faces that have the Greek letters and the relation signs first.
  QFont SymbolFont() const;
  // Where each character of the caption goes in the current size (left-justified; right and
  // centred captions are shifted as a whole when they fit).
  std::vector<PlacedPiece> Layout() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void DrawCaption(QPainter& painter, const QRect& rect) override;

 private:
  double MeasurePiece(const MarkupPiece& piece) const;
};

class TDuzLabel2 : public TDuzLabel {
  Q_OBJECT

 public:
  // Bold, in the Heading Colour of the appearance settings, with a sunken shadow.
  explicit TDuzLabel2(QWidget* parent = nullptr);
  TDuzLabel2(const QString& caption, QWidget* parent = nullptr);
};

}  // namespace zudira
