#include "reports/windows/preview_window.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "appearance/appearance_settings.h"
#include "appearance/glyphs.h"
#include "reports/windows/tests/fake_job.h"
#include "reports/windows/tests/recorded_services.h"
#include "testsupport/find_child.h"
#include "testsupport/modal_probe.h"
#include "widgets/balloon_hints.h"
#include "widgets/duz_edit.h"
#include "window_rules/preview_rules.h"

namespace zudira {
namespace {

void Click(QWidget& form, const char* name) {
  Find<QToolButton>(form, name)->click();
}

class RPPreviewForm : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Appearance();
    form_.resize(700, 500);
    form_.SetJob(&job_);
    form_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form_));
  }
  void TearDown() override { Appearance() = saved_; }

  QString Text(const char* name) { return Find<QWidget>(form_, name)->property("text").toString(); }

  AppearanceSettings saved_;
  FakePreviewJob job_{3};
  TDuzRPPreviewForm form_;
};

TEST_F(RPPreviewForm, ZoomButtonsAndZoomEdit) {
  PreviewPageView* view = form_.PageView();
  EXPECT_EQ(form_.windowTitle(), "Report Preview");
  EXPECT_EQ(view->Zoom(), 100.0);
  EXPECT_EQ(Text("ZoomEdit"), "100.0");
  const struct {
    const char* button;
    double zoom;
  } steps[] = {{"SBZoomIn", 125},
               {"SBZoomIn", 150},
               {"SBZoomOut", 125},
               {"SBZoomOut", 100},
               {"SBZoomOut", 75}};
  for (const auto& s : steps) {
    Click(form_, s.button);
    EXPECT_EQ(view->Zoom(), s.zoom) << s.button;
  }
  EXPECT_EQ(Text("ZoomEdit"), "75.0");

  // The page width fills the view; the whole page fits it both ways.
  Click(form_, "SBZoomPageWidth");
  const double page_width = 8.5 * view->PixelsPerInch() + 2 * PreviewPageView::kGap;
  EXPECT_LE(page_width, view->viewport()->width() + 1);
  EXPECT_GE(page_width, view->viewport()->width() - 2);
  Click(form_, "SBZoomPage");
  QApplication::processEvents();  // the scroll bars hide once the layout runs
  EXPECT_LE(11 * view->PixelsPerInch() + 2 * PreviewPageView::kGap, view->viewport()->height() + 1);
  EXPECT_EQ(view->verticalScrollBar()->maximum(), 0);

  // Typed zooms: a new one is taken, the same one does nothing, and no number is refused.
  auto* zoom_edit = Find<TDuzEdit3>(form_, "ZoomEdit");
  QSignalSpy zoomed(view, &PreviewPageView::ZoomChanged);
  const struct {
    const char* typed;
    double zoom;
    int signals_;
  } typed[] = {{"250", 250, 1}, {"250.0", 250, 0}, {"0", 250, 0}, {"5000", kMaxZoom, 1}};
  for (const auto& t : typed) {
    zoomed.clear();
    zoom_edit->setFocus();
    zoom_edit->selectAll();
    QTest::keyClicks(zoom_edit, t.typed);
    QTest::keyClick(zoom_edit, Qt::Key_Return);
    EXPECT_EQ(view->Zoom(), t.zoom) << t.typed;
    EXPECT_EQ(zoomed.count(), t.signals_) << t.typed;
  }
  EXPECT_EQ(zoom_edit->text(), "800.0");
}

TEST_F(RPPreviewForm, PagingDrawsTheCurrentPage) {
  const struct {
    const char* button;  // or nullptr: type `typed` into PageEdit
    const char* typed;
    const char* label;
    int drawn;
  } steps[] = {
      {"SBNextPage", "", "Page 2 of 3", 1}, {"SBNextPage", "", "Page 3 of 3", 2},
      {"SBNextPage", "", "Page 3 of 3", 2}, {"SBPrevPage", "", "Page 2 of 3", 1},
      {nullptr, "1", "Page 1 of 3", 0},     {nullptr, "9", "Page 3 of 3", 2},
      {nullptr, "0", "Page 3 of 3", 2},     {"SBPrevPage", "", "Page 2 of 3", 1},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.button != nullptr ? s.button : s.typed);
    if (s.button != nullptr) {
      Click(form_, s.button);
    } else {
      auto* page_edit = Find<TDuzEdit3>(form_, "PageEdit");
      page_edit->setFocus();
      page_edit->selectAll();
      QTest::keyClicks(page_edit, s.typed);
      QTest::keyClick(page_edit, Qt::Key_Return);
    }
    EXPECT_EQ(Text("PageLabel"), s.label);
    EXPECT_EQ(Text("PageEdit"), QString(s.label).mid(5, 1));
    job_.rendered.clear();
    form_.PageView()->viewport()->repaint();
    ASSERT_FALSE(job_.rendered.empty());
    EXPECT_EQ(job_.rendered.back(), s.drawn);
  }
}

TEST_F(RPPreviewForm, WindowTakesTheTableKeysBeforeItsFields) {
  Click(form_, "SBZoomIn");
  Click(form_, "SBZoomIn");  // 150 %: the page is larger than the view both ways
  QScrollBar* v = form_.PageView()->verticalScrollBar();
  QScrollBar* h = form_.PageView()->horizontalScrollBar();
  ASSERT_GT(v->maximum(), 0);
  ASSERT_GT(h->maximum(), 0);
  auto* zoom_edit = Find<TDuzEdit3>(form_, "ZoomEdit");
  zoom_edit->setFocus();
  zoom_edit->setCursorPosition(2);
  v->setValue(0);
  h->setValue(0);
  QTest::keyClick(zoom_edit, Qt::Key_PageDown);
  EXPECT_EQ(v->value(), std::min(v->maximum(), v->pageStep()));
  QTest::keyClick(zoom_edit, Qt::Key_End);
  EXPECT_EQ(v->value(), v->maximum());
  QTest::keyClick(zoom_edit, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(h->value(), std::min(h->maximum(), h->pageStep()));
  // Left without Ctrl stays with the field's caret.
  QTest::keyClick(zoom_edit, Qt::Key_Left);
  EXPECT_EQ(zoom_edit->cursorPosition(), 1);
  EXPECT_EQ(h->value(), std::min(h->maximum(), h->pageStep()));
  QTest::keyClick(form_.PageView(), Qt::Key_Home);
  EXPECT_EQ(v->value(), 0);
}

TEST_F(RPPreviewForm, EveryControlShowsAtAnyWidth) {
  for (int width : {600, 1400}) {
    form_.resize(width, 496);
    QApplication::processEvents();
    for (const char* name : {"SBZoomIn", "SBZoomOut", "SBZoomPageWidth", "SBZoomPage", "SBPrevPage",
                             "SBNextPage", "SBPrint", "SBOpt", "SBSavePDF", "SBDone", "HelpBtn",
                             "RulerBtn", "ZoomEdit", "PageEdit", "PageLabel"})
      EXPECT_TRUE(Find<QWidget>(form_, name)->isVisible()) << name << " at " << width;
    SaveShot(form_, width == 600 ? "preview_600" : "preview_1400");
  }
}

// The program goes down with the preview and comes back with it, each window as it was; Done
// after a restore leaves nothing minimised.
TEST_F(RPPreviewForm, MinimisingMinimisesTheApplicationAndRestoringRestoresIt) {
  for (bool done_at_once : {false, true}) {
    QWidget main_window, lists, hidden;
    main_window.showMaximized();
    lists.show();
    form_.show();
    form_.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(main_window.isMinimized());
    EXPECT_TRUE(lists.isMinimized());
    if (done_at_once)
      Click(form_, "SBDone");
    else
      form_.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(main_window.isMinimized());
    EXPECT_TRUE(main_window.isMaximized());
    EXPECT_FALSE(lists.isMinimized());
    EXPECT_FALSE(hidden.isVisible());
  }
}

TEST_F(RPPreviewForm, ButtonsReachTheJob) {
  Click(form_, "SBPrint");
  Click(form_, "SBOpt");
  EXPECT_EQ(job_.printed, 1);
  EXPECT_EQ(job_.options_printed, 1);
  RecordedServices boxes;
  form_.SavePdfTo("/tmp/a.pdf");
  EXPECT_TRUE(boxes.errors.empty());
  form_.SavePdfTo("/nonexistent/b.pdf");
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], "Cannot write the PDF file /nonexistent/b.pdf");
  EXPECT_EQ(job_.saved_to.size(), 2u);

  // The button's save dialog proposes the title in the documents folder.
  form_.setWindowTitle("Factorials for N = 20");
  const QString target = QDir::temp().filePath("rp_preview_test.pdf");
  QStringList filters;
  QString proposed;
  ModalProbe probe([&](QDialog& dialog) {
    auto* files = qobject_cast<QFileDialog*>(&dialog);
    ASSERT_NE(files, nullptr);
    filters = files->nameFilters();
    proposed = QDir(files->directory()).filePath(files->selectedFiles().value(0));
    files->selectFile(target);
    dialog.accept();  // QFileDialog::accept, reached through QDialog
  });
  Click(form_, "SBSavePDF");
  EXPECT_EQ(filters, QStringList({"PDF Files (*.pdf)", "All Files (*)"}));
  EXPECT_EQ(QFileInfo(proposed).fileName(), "Factorials for N = 20.pdf");
  const QFileInfo documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  EXPECT_EQ(QFileInfo(proposed).absolutePath(),
            documents.isDir() ? documents.absoluteFilePath() : QDir::homePath());
  ASSERT_EQ(job_.saved_to.size(), 3u);
  EXPECT_EQ(job_.saved_to.back(), target);
  auto* save = Find<QToolButton>(form_, "SBSavePDF");
  EXPECT_EQ(save->toolTip(), "Save as PDF");
  EXPECT_EQ(save->parent()->objectName(), "PreviewToolBar1");
  const QImage glyph = DrawGlyph(gSavePdf);
  for (int i = 0; i < kGlyphCount; ++i)
    if (i != gSavePdf) {
      EXPECT_NE(DrawGlyph(i), glyph) << i;
    }
  Click(form_, "SBDone");
  EXPECT_TRUE(form_.Closed());
  EXPECT_FALSE(form_.isVisible());
}

TEST_F(RPPreviewForm, RulersFollowTheChoiceAndTheAppearance) {
  const struct {
    int item;
    RulerUnit units;
    bool shown;
  } items[] = {
      {2, RulerUnit::kCm, true}, {0, RulerUnit::kNone, false}, {1, RulerUnit::kInches, true}};
  QMenu* menu = Find<QMenu>(form_, "RulerMenu");
  for (const auto& item : items) {
    menu->actions().at(item.item)->trigger();
    EXPECT_EQ(form_.RulerUnits(), item.units);
    EXPECT_EQ(Find<QWidget>(form_, "TopRuler")->isVisible(), item.shown);
    EXPECT_EQ(Find<QWidget>(form_, "LeftRuler")->isVisible(), item.shown);
  }
  SaveShot(form_, "preview_100_inches");
  menu->actions().at(2)->trigger();
  Click(form_, "SBZoomPage");
  QApplication::processEvents();
  SaveShot(form_, "preview_whole_page_cm");
  // The program's appearance goes onto both tool bars, whose direct children are the buttons.
  for (int hints : {0, 2}) {
    Appearance().HintState = hints;
    RecordedServices services;
    TDuzRPPreviewForm form;
    EXPECT_EQ(services.styled, std::vector<QString>({"PreviewToolBar1", "PreviewToolBar2"}));
    EXPECT_EQ(HintStateOf(&form), hints);
  }
}

}  // namespace
}  // namespace zudira
