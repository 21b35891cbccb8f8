#include "reports/windows/report_windows.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/status_window.h"
#include "reports/windows/tests/fake_job.h"
#include "reports/windows/tests/recorded_services.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

TDuzRPStatusForm* ShownStatusWindow() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<TDuzRPStatusForm*>(window); form != nullptr && form->isVisible())
      return form;
  return nullptr;
}

template <typename T>
int WindowsAlive() {
  int count = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<T*>(window) != nullptr) ++count;
  return count;
}

TEST(RPStatusForm, CancelLandsWhileTheJobAsks) {
  ReportOverrideHandlers handlers;
  ProgramReportWindows windows(handlers);
  std::unique_ptr<ReportProgress> progress = windows.OpenStatus("Report Status for Factorials");
  TDuzRPStatusForm* form = ShownStatusWindow();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "Report Status for Factorials");
  auto* cancel = form->findChild<QPushButton*>("CancelBtn");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Cancel");
  const struct {
    const char* status;
    bool click;
    bool cancelled;
  } steps[] = {{"Generating page 1", false, false},
               {"Generating page 2", false, false},
               {"Generating page 3", true, true},
               {"Generating page 4", false, true}};
  for (const auto& s : steps) {
    progress->SetStatusText(s.status);
    if (!s.click && !s.cancelled) SaveShot(*form, "status");
    EXPECT_EQ(form->findChild<QLabel*>("StatusLabel")->text(), s.status);
    // A click waiting in the queue, as one made while the page was drawn.
    if (s.click) QMetaObject::invokeMethod(cancel, &QPushButton::click, Qt::QueuedConnection);
    EXPECT_EQ(progress->CancelRequested(), s.cancelled) << s.status;
  }
  progress.reset();
  EXPECT_EQ(WindowsAlive<TDuzRPStatusForm>(), 0);
}

TEST(RPWindows, SetupAndPreviewRunThroughTheHandlers) {
  QObject owner;
  ReportOverrideHandlers handlers;
  ReportWindows& windows = ReportWindowsOf(owner, handlers);
  EXPECT_EQ(&ReportWindowsOf(owner, handlers), &windows);
  for (bool accept : {false, true}) {
    ReportSetup setup;
    QString caption;
    ModalProbe probe([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      EXPECT_NE(qobject_cast<TDuzRPSetupForm*>(&dialog), nullptr);
      if (accept) dialog.findChild<QPushButton*>("OKBB")->click();
    });
    EXPECT_EQ(windows.RunSetup(setup, ReportPermissions(), false, 0), accept);
    EXPECT_EQ(caption, "Report Setup");
    EXPECT_EQ(setup.destination, ReportDestination::kPreview);
    EXPECT_EQ(WindowsAlive<TDuzRPSetupForm>(), 0);
  }

  FakePreviewJob job(2);
  bool maximised = false;
  double zoom = 0;
  ModalProbe probe([&](QDialog& dialog) {
    auto* form = qobject_cast<TDuzRPPreviewForm*>(&dialog);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Factorials for N = 20");
    maximised = form->isMaximized();
    zoom = form->PageView()->Zoom();
    form->PageView()->viewport()->grab();  // paints even before the window is exposed
  });
  windows.RunPreview("Factorials for N = 20", job);
  EXPECT_TRUE(maximised);
  EXPECT_EQ(zoom, 100.0);
  ASSERT_FALSE(job.rendered.empty());
  EXPECT_EQ(job.rendered.front(), 0);
  EXPECT_EQ(WindowsAlive<TDuzRPPreviewForm>(), 0);
}

// Each window gives itself (and Save as PDF its button) the window's topic; F1 and the Help
// button open that topic through the program's help.
TEST(RPWindows, HelpOpensTheWindowsOwnTopic) {
  using T = ReportHelpTopic;
  using Tagged = std::vector<std::pair<QString, T>>;
  const struct {
    const char* name;
    std::function<QDialog*()> make;
    Tagged tagged;
    T topic;
  } cases[] = {
      {"set-up", [] { return new TDuzRPSetupForm; }, {{"DuzRPSetupForm", T::rhSetup}}, T::rhSetup},
      {"preview",
       [] { return new TDuzRPPreviewForm; },
       {{"DuzRPPreviewForm", T::rhPreview}, {"SBSavePDF", T::rhSavePdf}},
       T::rhPreview},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordedServices services;
    std::unique_ptr<QDialog> form(c.make());
    EXPECT_EQ(services.tagged, c.tagged);
    form->show();
    QTest::keyClick(form.get(), Qt::Key_F1);
    auto* help = form->findChild<QAbstractButton*>("HelpBtn");
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(services.opened, std::vector<T>({c.topic, c.topic}));
  }
}

}  // namespace
}  // namespace zudira
