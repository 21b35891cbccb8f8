// Where the shipped files are found, and what the command line answers.
#include "app/shell/program_info.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/help/help.h"
#include "app/help/help_document.h"
#include "app/shell/command_line.h"

namespace zudira {
namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(ShippedFilePath, BesideTheProgramFirstThenTheInstalledShareFolder) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString build = root.filePath("build/app/");
  const QString bin = root.filePath("usr/bin/");
  const QString share = root.filePath("usr/share/zudira/");
  Touch(build + "Readme.Txt");
  Touch(bin + "Zudira.help");  // a copy beside the program wins
  Touch(share + "Zudira.help");
  Touch(share + "Readme.Txt");
  struct Case {
    QString program_dir;
    const char* file;
    QString expected;
  } cases[] = {
      {build, "Readme.Txt", build + "Readme.Txt"},
      // No share folder beside a build tree: the missing file is named where it belongs.
      {build, "PDFNew.Txt", build + "PDFNew.Txt"},
      {bin, "Readme.Txt", share + "Readme.Txt"},
      {bin, "Zudira.help", bin + "Zudira.help"},
      {bin, "PDFNew.Txt", share + "PDFNew.Txt"},
  };
  for (const Case& c : cases) {
    SetProgramDir(c.program_dir);
    EXPECT_EQ(ShippedFilePath(c.file).toStdString(), c.expected.toStdString()) << c.file;
  }
  SetProgramDirFromApplication();
}

// Run by the install_layout test on the tree it installed, with the bin folder in this variable.
TEST(InstalledLayout, FindsTheShippedFilesInShare) {
  const QString bin = qEnvironmentVariable("ZUDIRA_INSTALLED_BIN");
  if (bin.isEmpty()) GTEST_SKIP() << "run by the install_layout test";
  SetProgramDir(bin);
  for (const char* name : {kHelpFileName, "Readme.Txt", "PDFNew.Txt"}) {
    const QString path = ShippedFilePath(name);
    EXPECT_EQ(path, QDir::cleanPath(bin + "/../share/zudira/" + name));
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
  }
  HelpDocument document;
  QString error;
  EXPECT_TRUE(LoadHelpFile(ShippedFilePath(kHelpFileName), document, error)) << error.toStdString();
  EXPECT_FALSE(document.IsEmpty());
  SetProgramDirFromApplication();
}

TEST(ReadCommandLine, HelpAndVersionPrintAndUnknownOptionsFail) {
  QCoreApplication::setApplicationVersion("1.0.0.1");
  struct Case {
    QStringList arguments;
    bool open_window;
    int exit_code;
    const char* text_part;
  } cases[] = {
      {{"zudira"}, true, 0, ""},
      {{"zudira", "-platform", "offscreen", "--style", "Fusion", "-reverse"}, true, 0, ""},
      {{"zudira", "--version"}, false, 0, " 1.0.0.1\n"},
      {{"zudira", "-h"}, false, 0, "-platform <name>"},
      {{"zudira", "--help-all"}, false, 0, "--style <style>"},
      {{"zudira", "--frobnicate"}, false, 2, "zudira: Unknown option 'frobnicate'."},
      {{"/usr/bin/zudira", "-x"}, false, 2, "Try 'zudira --help'"},
      {{"zudira", "file.txt"}, false, 2, "Unexpected argument 'file.txt'."},
  };
  for (const Case& c : cases) {
    const CommandLineOutcome outcome = ReadCommandLine(c.arguments);
    const std::string args = c.arguments.join(' ').toStdString();
    EXPECT_EQ(outcome.open_window, c.open_window) << args;
    EXPECT_EQ(outcome.exit_code, c.exit_code) << args;
    EXPECT_EQ(outcome.is_error, c.exit_code != 0) << args;
    EXPECT_TRUE(outcome.text.contains(QString::fromUtf8(c.text_part)))
        << outcome.text.toStdString();
    EXPECT_EQ(outcome.text.isEmpty(), c.open_window) << args;
  }
}

}  // namespace
}  // namespace zudira
