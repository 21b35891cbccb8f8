// The data module lends the report windows the program's help, appearance and error box while
// it lives, and takes them back when it goes.
#include <gtest/gtest.h>
#include <QToolButton>

#include "app/help/help.h"
#include "app/help/help_contexts.h"
#include "app/shell/data_modules.h"
#include "app/shell/message_boxes.h"
#include "appearance/appearance_settings.h"
#include "reports/windows/preview_window.h"
#include "reports/windows/setup_window.h"
#include "reports/windows/tests/fake_job.h"

namespace zudira {
namespace {

TEST(ReportWindowServices, TheDataModuleLendsTheProgramsServices) {
  const AppearanceSettings saved = Appearance();
  FakePreviewJob job(1);
  {
    TDuzDataRP module;
    for (bool flat : {false, true}) {
      Appearance().FlatToolButtons = flat;
      TDuzRPPreviewForm preview;
      for (const char* name : {"SBZoomIn", "SBPrint", "SBSavePDF"})
        EXPECT_EQ(preview.findChild<QToolButton*>(name)->autoRaise(), flat) << name;
      EXPECT_EQ(HelpContextOf(&preview), kHelpReportPreview);
      EXPECT_EQ(HelpContextOf(preview.findChild<QToolButton*>("SBSavePDF")), kHelpSavePdf);
      preview.SetJob(&job);
      ScopedBoxScript boxes;
      preview.SavePdfTo("/nonexistent/b.pdf");
      ASSERT_EQ(boxes.Shown().size(), 1u);
      EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkError);
    }
    TDuzRPSetupForm setup;
    EXPECT_EQ(HelpContextOf(&setup), kHelpReportSetup);
  }
  TDuzRPSetupForm alone;
  EXPECT_EQ(HelpContextOf(&alone), 0);
  Appearance() = saved;
}

}  // namespace
}  // namespace zudira
