#include "app/dialogs/about_box.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

#include "app/shell/launch_url.h"
#include "app/shell/message_boxes.h"
#include "app/shell/program_info.h"
#include "app/tests/url_recorder.h"
#include "numeric/locale_provider.h"
#include "testsupport/locale_scope.h"
#include "testsupport/modal_probe.h"
#include "version_info.h"

namespace zudira {
namespace {

using MemoryLines = LocaleFixture;

TEST_F(MemoryLines, GroupedByThousands) {
  const struct {
    std::optional<std::int64_t> kb;
    const char* text;
  } cases[] = {
      {0, "0 KB"},
      {999, "999 KB"},
      {1000, "1,000 KB"},
      {1048576, "1,048,576 KB"},
      {2147483647, "2,147,483,647 KB"},
      {3000000007LL, "3,000,000,007 KB"},  // beyond 32 bits: 2.8 TB
      {std::nullopt, "(Unknown)"},
  };
  for (const auto& c : cases) EXPECT_EQ(MemoryText(c.kb), QString::fromLatin1(c.text));

  LocaleSettings german;
  german.decimal_separator = ',';
  german.thousand_separator = '.';
  Use(german);
  EXPECT_EQ(MemoryText(1048576), "1.048.576 KB");
  EXPECT_EQ(MemoryText(3000000007LL), "3.000.000.007 KB");
}

TEST_F(MemoryLines, SystemInformationInOrder) {
  SystemFacts facts;
  facts.total_memory_kb = 16318412;
  facts.free_memory_kb = 999;
  facts.processor = "AMD EPYC 7B13 64-Core Processor";
  facts.operating_system = "Debian GNU/Linux 12 (bookworm), kernel 6.1.0-18-amd64";
  facts.company = "(Unknown)";
  facts.owner = "Ada Lovelace";
  const QStringList six = {
      "Physical Memory Total: \t16,318,412 KB", "Physical Memory Free: \t999 KB",
      "Processor Type: \t\tAMD EPYC 7B13 64-Core Processor",
      "Operating System: \tDebian GNU/Linux 12 (bookworm), kernel 6.1.0-18-amd64",
      "Registered Company: \t(Unknown)",        "Registered Owner: \t\tAda Lovelace",
  };
  EXPECT_EQ(SystemInfoLines(facts), six);

  facts.free_resources_percent = 57;
  const QStringList seven = SystemInfoLines(facts);
  ASSERT_EQ(seven.size(), 7);
  EXPECT_EQ(seven[2], "Free Resources: \t\t57%");
  EXPECT_EQ(seven[3], six[2]);

  // This machine: no free-resources figure, memory known.
  const SystemFacts here = GatherSystemFacts();
  EXPECT_FALSE(here.free_resources_percent.has_value());
  EXPECT_TRUE(here.total_memory_kb.has_value());
  EXPECT_EQ(SystemInfoLines(here).size(), 6);
}

using AboutBox = LocaleFixture;

TEST_F(AboutBox, ShowsTheVersionRecordAndTheSystem) {
  TAboutBox2 box;
  EXPECT_EQ(box.windowTitle(), "Duz About Box");
  EXPECT_EQ(box.size(), QSize(325, 369));
  auto label = [&](const char* name) {
    auto* l = box.findChild<QLabel*>(name);
    return l ? l->text() : QString("<missing>");
  };
  EXPECT_EQ(label("ProductName"), QString::fromUtf8(version::kProductName));
  EXPECT_EQ(label("Version"), "Version: " + VersionText());
  EXPECT_EQ(label("Copyright"), QString::fromUtf8(version::kLegalCopyright));
  auto* icon = box.findChild<QLabel*>("ProgramIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->size(), QSize(55, 55));
  EXPECT_FALSE(icon->pixmap().isNull());

  auto* comments = box.findChild<QPlainTextEdit*>("Comments");
  auto* stats = box.findChild<QPlainTextEdit*>("Stats");
  ASSERT_TRUE(comments && stats);
  EXPECT_TRUE(comments->isReadOnly() && stats->isReadOnly());
  EXPECT_EQ(comments->toPlainText(), QString::fromUtf8(version::kComments));
  const QStringList lines = stats->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 6);
  EXPECT_TRUE(lines[0].startsWith("Physical Memory Total: \t"));
  EXPECT_TRUE(lines[0].endsWith(" KB"));
  EXPECT_TRUE(lines[5].startsWith("Registered Owner: \t\t"));
  EXPECT_TRUE(lines[3].startsWith("Operating System: \t"));
  const QString shots = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  if (!shots.isEmpty()) box.grab().save(shots + "/about_box.png");

  const struct {
    const char* name;
    const char* text;
  } buttons[] = {{"EmailBtn", "&EMail Duz"}, {"WebBtn", "Duz &Web Site"}, {"OKButton", "OK"}};
  for (const auto& b : buttons) {
    auto* button = box.findChild<QPushButton*>(b.name);
    ASSERT_NE(button, nullptr) << b.name;
    EXPECT_EQ(button->text(), b.text);
  }
  EXPECT_TRUE(box.findChild<QPushButton*>("OKButton")->isDefault());
}

TEST_F(AboutBox, MailAndWebButtonsOpenTheMakersAddresses) {
  TAboutBox2 box;
  box.show();
  {
    UrlRecorder shell(true);
    ScopedBoxScript boxes;
    box.findChild<QPushButton*>("EmailBtn")->click();
    box.findChild<QPushButton*>("WebBtn")->click();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "mailto:" + QString::fromUtf8(version::kMakerEmail));
    // The configured web address carries its scheme; it reaches the shell without a second one.
    const QString web = QString::fromUtf8(version::kMakerWeb);
    EXPECT_EQ(shell.opened[1], web.contains("://") ? web : "http://" + web);
    EXPECT_TRUE(boxes.Shown().empty());
  }
  {
    UrlRecorder shell(false);
    ScopedBoxScript boxes;
    box.findChild<QPushButton*>("EmailBtn")->click();
    box.findChild<QPushButton*>("WebBtn")->click();
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].text, "Default Mailer not found");
    EXPECT_EQ(boxes.Shown()[1].text, "Default Browser not found");
    EXPECT_TRUE(box.isVisible());
  }
}

TEST_F(AboutBox, AltXPressesOkAndEscapeCancels) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool result;
  } cases[] = {{Qt::Key_X, Qt::AltModifier, true}, {Qt::Key_Escape, Qt::NoModifier, false}};
  for (const auto& c : cases) {
    ModalProbe probe([&](QDialog& dialog) {
      // Shortcuts reach only the active window; a test run alone has none yet.
      dialog.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      QWidget* stats = dialog.findChild<QPlainTextEdit*>("Stats");
      stats->setFocus();
      QTest::keyClick(stats, c.key, c.modifiers);
    });
    EXPECT_EQ(ShowAboutBox(), c.result);
    EXPECT_EQ(probe.Seen(), 1);
  }
  // Closing with the OK button reports OK.
  ModalProbe probe([](QDialog& dialog) { dialog.findChild<QPushButton*>("OKButton")->click(); });
  EXPECT_TRUE(ShowAboutBox());
}

TEST_F(AboutBox, MinimisingMinimisesTheApplication) {
  QWidget main_window;
  main_window.show();
  TAboutBox2 box;
  box.show();
  box.setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(main_window.isMinimized());
}

}  // namespace
}  // namespace zudira
