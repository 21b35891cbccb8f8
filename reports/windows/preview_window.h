// The print job's preview window (TDuzRPPreviewForm): the finished pages, zoomed and paged,
// with rulers, and printing or saving them from there.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "reports/windows/preview_view.h"

class QBoxLayout;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace zudira {

class TDuzEdit3;
class PreviewJob;

class TDuzRPPreviewForm : public QDialog {
  Q_OBJECT

 public:
  explicit TDuzRPPreviewForm(QWidget* parent = nullptr);

  // The job whose pages are shown and printed; it must outlive the window's showing.
  void SetJob(PreviewJob* job);
  PreviewPageView* PageView() const { return view_; }
  RulerUnit RulerUnits() const { return ruler_units_; }
  void SetRulerUnits(RulerUnit units);
  bool Closed() const { return closed_; }

  void SBPrintClick();
  void SBOptClick();
  // Asks for a file name in a save dialog, then SavePdfTo.
  void SBSavePDFClick();
  // Writes the pages to `path`; a failure is shown with its message.
  void SavePdfTo(const QString& path);
  void HelpBtnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The constructor's parts: the two tool bars, then the rulers and the page under them.
  void FillPrintBar();
  QToolButton* RulerButton();
  void FillPageBar();
  void LayOutPageArea();
  // The window sees keys before its controls; true when the key was one of its table's.
  bool PreviewKey(QKeyEvent* event);
  void PageChange(int current, int count);
  void ZoomChange(double zoom);
  void ZoomEditExit();
  void PageEditExit();
  void RestoreWindowsMinimisedWith();

  PreviewJob* job_ = nullptr;
  QToolBar* tool_bar1_ = nullptr;
  QToolBar* tool_bar2_ = nullptr;
  QBoxLayout* bars_ = nullptr;
  PreviewPageView* view_ = nullptr;
  PreviewRuler* top_ruler_ = nullptr;
  PreviewRuler* left_ruler_ = nullptr;
  QWidget* ruler_corner_ = nullptr;
  TDuzEdit3* zoom_edit_ = nullptr;
  TDuzEdit3* page_edit_ = nullptr;
  QLabel* page_label_ = nullptr;
  RulerUnit ruler_units_ = RulerUnit::kInches;
  bool closed_ = false;
  // The program's other windows that went down with this one.
  std::vector<QPointer<QWidget>> minimised_with_;
};

}  // namespace zudira
