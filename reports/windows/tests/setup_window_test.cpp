#include "reports/windows/setup_window.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>

#include "reports/windows/tests/fake_job.h"
#include "reports/windows/tests/recorded_services.h"
#include "testsupport/find_child.h"
#include "testsupport/modal_probe.h"
#include "widgets/duz_edit.h"

namespace zudira {
namespace {

const std::vector<PrinterEntry> kTwoPrinters = {{"Office", "ipp://office"}, {"Lab", "usb://lab"}};

TEST(RPSetupForm, TwoModesShowTheirGroupsAndFollowThePermissions) {
  const ReportPermissions program;  // the program's: everything but the file destination
  ReportPermissions none;
  none.setup = none.copies = none.collate = none.duplex = none.printer_setup = false;
  none.dest_printer = none.dest_preview = false;
  const struct {
    const char* name;
    bool from_preview;
    std::vector<PrinterEntry> printers;
    ReportPermissions permissions;
    ReportDestination destination;
    const char* label;
    bool printer_on, preview_on, file_on;
    const char* checked;  // the destination radio selected, "" for none
    bool options_on;
  } cases[] = {
      {"before, printers", false, kTwoPrinters, program, ReportDestination::kPreview,
       "Office on ipp://office", true, true, false, "DestPreview", true},
      {"before, printer chosen", false, kTwoPrinters, program, ReportDestination::kPrinter,
       "Office on ipp://office", true, true, false, "DestPrinter", true},
      {"before, no printer",
       false,
       {},
       program,
       ReportDestination::kPrinter,
       "No printers installed!",
       false,
       true,
       false,
       "DestPreview",
       false},
      {"before, no permissions", false, kTwoPrinters, none, ReportDestination::kPreview,
       "Office on ipp://office", false, false, false, "", false},
      {"before, no printer, no preview",
       false,
       {},
       none,
       ReportDestination::kPreview,
       "No printers installed!",
       false,
       false,
       false,
       "",
       false},
      {"from preview", true, kTwoPrinters, program, ReportDestination::kPreview,
       "Office on ipp://office", true, true, false, "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDuzRPSetupForm form;
    EXPECT_EQ(form.windowTitle(), "Report Setup");
    ReportSetup setup;
    setup.destination = c.destination;
    setup.copies = 2;
    form.Prepare(setup, c.permissions, c.from_preview, 7, c.printers);
    EXPECT_EQ(Find<QLabel>(form, "PrinterLabel")->text(), c.label);
    EXPECT_EQ(Find<QGroupBox>(form, "DestGB")->isVisibleTo(&form), !c.from_preview);
    EXPECT_EQ(Find<QGroupBox>(form, "RangeGB")->isVisibleTo(&form), c.from_preview);
    EXPECT_EQ(Find<TDuzEdit3>(form, "CopiesED")->text(), "2");
    EXPECT_EQ(Find<TDuzEdit3>(form, "CopiesED")->isEnabled(), c.options_on);
    EXPECT_EQ(Find<QCheckBox>(form, "CollateCK")->isEnabled(), c.options_on);
    EXPECT_EQ(Find<QCheckBox>(form, "DuplexCK")->isEnabled(), c.options_on);
    EXPECT_EQ(Find<QPushButton>(form, "SetupBB")->isEnabled(), c.options_on);
    if (c.from_preview) {
      EXPECT_EQ(Find<TDuzEdit3>(form, "FromED")->text(), "1");
      EXPECT_EQ(Find<TDuzEdit3>(form, "ToED")->text(), "7");
      EXPECT_EQ(Find<TDuzEdit3>(form, "SelectionED")->text(), "1-7");
      EXPECT_TRUE(Find<QRadioButton>(form, "RangeAll")->isChecked());
      Find<QRadioButton>(form, "RangePages")->click();
      SaveShot(form, "setup_from_preview");
      continue;
    }
    EXPECT_EQ(Find<QRadioButton>(form, "DestPrinter")->isEnabled(), c.printer_on);
    EXPECT_EQ(Find<QRadioButton>(form, "DestPreview")->isEnabled(), c.preview_on);
    EXPECT_EQ(Find<QRadioButton>(form, "DestFile")->isEnabled(), c.file_on);
    for (const char* radio : {"DestPrinter", "DestPreview", "DestFile"})
      EXPECT_EQ(Find<QRadioButton>(form, radio)->isChecked(), QString(radio) == c.checked) << radio;
    EXPECT_FALSE(Find<QLineEdit>(form, "FileNameED")->isEnabled());
    if (c.name == std::string("before, printers")) SaveShot(form, "setup_before_job");
  }
}

TEST(RPSetupForm, OkTakesTheRangeOrSaysWhyItCannot) {
  const struct {
    const char* range;  // the range radio clicked
    const char* from;
    const char* to;
    const char* selection;
    const char* copies;
    bool accepted;
    PrintRange taken_range = PrintRange::kAll;
    int taken_from = 0, taken_to = 0, taken_copies = 0;
  } cases[] = {
      {"RangeAll", "", "", "", "3", true, PrintRange::kAll, 1, 9999, 3},
      {"RangePages", "2", "4", "", "1", true, PrintRange::kPages, 2, 4, 1},
      {"RangePages", "1", "5", "", "", true, PrintRange::kPages, 1, 5, 2},  // no copies: kept
      {"RangePages", "0", "3", "", "2", false},
      {"RangePages", "2", "6", "", "2", false},  // beyond the 5 pages
      {"RangePages", "4", "2", "", "2", false},
      {"RangePages", "", "3", "", "2", false},
      {"RangeSelection", "", "", "1,3-4", "0", true, PrintRange::kSelection, 1, 9999, 2},
      {"RangeSelection", "", "", "1-9", "2", false},
      {"RangeSelection", "", "", "two", "2", false},
      {"RangeSelection", "", "", "", "2", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.range) + " " + c.from + ".." + c.to + " [" + c.selection + "]");
    RecordedServices boxes;
    TDuzRPSetupForm form;
    ReportSetup setup;
    setup.copies = 2;
    form.Prepare(setup, ReportPermissions(), true, 5, kTwoPrinters);
    form.show();
    Find<QRadioButton>(form, c.range)->click();
    if (QString(c.range) == "RangePages") {
      Find<TDuzEdit3>(form, "FromED")->SetText(c.from);
      Find<TDuzEdit3>(form, "ToED")->SetText(c.to);
    }
    if (QString(c.range) == "RangeSelection")
      Find<TDuzEdit3>(form, "SelectionED")->SetText(c.selection);
    Find<TDuzEdit3>(form, "CopiesED")->SetText(c.copies);
    Find<QPushButton>(form, "OKBB")->click();
    EXPECT_EQ(form.isVisible(), !c.accepted);
    ASSERT_EQ(boxes.errors.size(), c.accepted ? 0u : 1u);
    if (!c.accepted) {
      EXPECT_TRUE(boxes.errors[0].contains("1 to 5")) << boxes.errors[0].toStdString();
      continue;
    }
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.Setup().range, c.taken_range);
    EXPECT_EQ(form.Setup().from_page, c.taken_from);
    EXPECT_EQ(form.Setup().to_page, c.taken_to);
    EXPECT_EQ(form.Setup().copies, c.taken_copies);
    EXPECT_EQ(form.Setup().selection, c.taken_range == PrintRange::kSelection ? c.selection : "");
  }
}

TEST(RPSetupForm, OkBeforeTheJobTakesDestinationAndOptions) {
  TDuzRPSetupForm form;
  ReportSetup setup;
  form.Prepare(setup, ReportPermissions(), false, 0, kTwoPrinters);
  form.show();
  Find<QRadioButton>(form, "DestPrinter")->click();
  Find<QCheckBox>(form, "CollateCK")->setChecked(true);
  Find<QCheckBox>(form, "DuplexCK")->setChecked(true);
  Find<TDuzEdit3>(form, "CopiesED")->SetText("-4");
  Find<QPushButton>(form, "OKBB")->click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(form.Setup().destination, ReportDestination::kPrinter);
  EXPECT_EQ(form.Setup().printer_name, "Office");
  EXPECT_TRUE(form.Setup().collate);
  EXPECT_TRUE(form.Setup().duplex);
  EXPECT_EQ(form.Setup().copies, 1);
}

TEST(RPSetupForm, SetupOpensThePrintersOwnDialog) {
  TDuzRPSetupForm form;
  form.Prepare(ReportSetup(), ReportPermissions(), false, 0, kTwoPrinters);
  bool print_dialog = false;
  QString title;
  QStringList buttons;
  ModalProbe probe([&](QDialog& dialog) {
    print_dialog = qobject_cast<QPrintDialog*>(&dialog);
    title = dialog.windowTitle();
    SaveShot(dialog, "printer_setup_dialog");
    for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
      if (button->isVisible()) buttons.push_back(button->text());
  });
  Find<QPushButton>(form, "SetupBB")->click();
  EXPECT_TRUE(print_dialog);
  EXPECT_EQ(probe.Seen(), 1);
  // It sets the printer up and prints nothing: no "Print" on it.
  EXPECT_EQ(title, "Printer Setup");
  EXPECT_TRUE(buttons.contains("OK")) << buttons.join(", ").toStdString();
  EXPECT_TRUE(buttons.contains("&Cancel") || buttons.contains("Cancel"));
  EXPECT_FALSE(buttons.join(" ").contains("Print")) << buttons.join(", ").toStdString();
  EXPECT_EQ(Find<QLabel>(form, "PrinterLabel")->text(), "Office on ipp://office");
}

TEST(RPSetupForm, LongPrinterNameIsElidedWithTheWholeNameAsHint) {
  const QString long_name = "AuditPDF on Generic CUPS-PDF Printer (w/ options) in the far office";
  const struct {
    QString name;
    bool elided;
  } cases[] = {{"Office", false}, {long_name, true}};
  for (const auto& c : cases) {
    TDuzRPSetupForm form;
    form.Prepare(ReportSetup(), ReportPermissions(), false, 0, {{c.name, "ipp://office"}});
    auto* label = Find<QLabel>(form, "PrinterLabel");
    const QString whole = c.name + " on ipp://office";
    EXPECT_EQ(label->toolTip(), whole);
    EXPECT_EQ(label->text().endsWith(QChar(0x2026)), c.elided) << label->text().toStdString();
    EXPECT_EQ(label->text() == whole, !c.elided);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    if (c.elided) SaveShot(form, "setup_long_printer_name");
  }
}

}  // namespace
}  // namespace zudira
