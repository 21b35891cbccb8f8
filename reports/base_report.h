// The page being drawn, as every page-content routine sees it: lengths in inches, one cursor,
// a printable section with header and footer lines, fonts, and boxed tab columns.
#pragma once

#include <QString>

namespace zudira {

enum class Justify { kCentre, kLeft, kRight };

// Which sides of a tab column's box are drawn.
struct BoxLines {
  bool left = false;
  bool right = false;
  bool top = false;
  bool bottom = false;
  static constexpr BoxLines All() { return {true, true, true, true}; }
  static constexpr BoxLines None() { return {}; }
};

// The position mark that places a tab column right after the previous one.
inline constexpr double kTabAfterPrevious = -1.0;

class TBaseReport {
 public:
  virtual ~TBaseReport() = default;

  // The full paper size, in the current orientation.
  virtual double PageWidth() const = 0;
  virtual double PageHeight() const = 0;
  // What the selected printer cannot print at each edge.
  virtual double UnprintableLeft() const = 0;
  virtual double UnprintableRight() const = 0;
  virtual double UnprintableTop() const = 0;
  virtual double UnprintableBottom() const = 0;

  virtual void SetSectionLeft(double inches) = 0;
  virtual void SetSectionRight(double inches) = 0;
  virtual void SetSectionTop(double inches) = 0;
  virtual void SetSectionBottom(double inches) = 0;
  virtual double SectionLeft() const = 0;
  virtual double SectionRight() const = 0;
  virtual double SectionTop() const = 0;
  virtual double SectionBottom() const = 0;

  // The cursor to the first line of the section, at its left edge.
  virtual void Home() = 0;

  virtual void SetFont(const QString& name, double points) = 0;
  virtual void BoldOn() = 0;
  virtual void BoldOff() = 0;
  virtual void UnderlineOn() = 0;
  virtual void UnderlineOff() = 0;

  // One line at the top (header) or bottom (footer) of the section; the cursor stays.
  virtual void PrintHeader(const QString& text, Justify justify) = 0;
  virtual void PrintFooter(const QString& text, Justify justify) = 0;

  // Text at the cursor, which moves to its end; a tab character moves to the next column.
  virtual void Print(const QString& text) = 0;
  virtual void PrintLn(const QString& text) = 0;
  virtual void NewLine() = 0;
  // Text lines, the current one included, that still fit above the section bottom.
  virtual int LinesLeft() const = 0;
  virtual void NewPage() = 0;
  virtual int CurrentPage() const = 0;

  virtual void ClearTabs() = 0;
  // position in inches from the paper's left edge, or kTabAfterPrevious; margin in hundredths
  // of an inch; shade 0 for none (a percentage of grey otherwise).
  virtual void SetTab(double position, Justify justify, double width, int margin, BoxLines lines,
                      int shade) = 0;
  // Text in the next tab column, inside its box.
  virtual void PrintTab(const QString& text) = 0;
};

}  // namespace zudira
