// The "Distribution Plot" window: the current kind drawn to scale beside the main window,
// with the range shaded, redrawn after every Calculate and change of kind or range type.
#pragma once

#include <QWidget>

#include "app/plot/plot_painting.h"
#include "appearance/settings_keys.h"
#include "core/request.h"
#include "stats/real.h"

class QLabel;
class QToolButton;

namespace zudira {

// How the main window's last Calculate stands.
enum class PlotStatus {
  kAnswered,  // the answer beside the request is current
  kFailed,    // the last Calculate ended in an error
  kCleared,   // no answer is current (a kind, range or input changed since)
};

struct PlotSubject {
  PlotStatus status = PlotStatus::kCleared;
  ProbabilityRequest request;
  Real answer = 0;
  QString answer_text;  // as the Answer field shows it
  int decimals = 7;     // the window's decimals and mode, which the labels of A and B follow
  CalculationMode mode = CalculationMode::kClassic;
};

inline constexpr char kPlotFailedText[] = "The last Calculate ended in an error.";
inline constexpr char kPlotClearedText[] = "No answer is current: press Calculate!";
inline constexpr char kPlotNothingText[] = "These parameters give no distribution to draw.";

// What the window shows for a subject: the model, the caption and the message.
PlotView PlotViewOf(const PlotSubject& subject);

class PlotWindow : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, owned by (and first placed beside) `main_window`.
  explicit PlotWindow(QWidget* main_window);
  ~PlotWindow() override;

  // Redraws for the subject; cheap enough to call after every change.
  void ShowSubject(const PlotSubject& subject);
  const PlotView& View() const { return view_; }

  // Shows and raises the window; the first time it goes where it was last, or beside the
  // main window.
  void Open();

  void CopyImageClick();
  void SaveImageClick();

  // The picture the exports write, at the drawing's present size.
  QSize ImageSize() const;

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void SaveGeometry();

  QWidget* main_window_;
  QWidget* canvas_ = nullptr;
  PlotView view_;
  bool placed_ = false;
};

}  // namespace zudira
