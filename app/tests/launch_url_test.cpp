#include "app/shell/launch_url.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

#include "app/tests/url_recorder.h"

namespace zudira {
namespace {

TEST(LaunchUrl, PrefixesByKind) {
  const struct {
    int kind;
    const char* text;
    const char* url;
  } cases[] = {
      {0, "/tmp/readme.txt", "file:///tmp/readme.txt"},
      {1, "ftp.example.org/pub", "ftp://ftp.example.org/pub"},
      {2, "gopher.example.org", "gopher://gopher.example.org"},
      {3, "www.example.org", "http://www.example.org"},
      {3, "Http://www.example.org", "Http://www.example.org"},
      {3, "HTTP://www.example.org", "HTTP://www.example.org"},
      // Only its own scheme is recognised: an https address still gets http:// in front.
      {3, "https://www.example.org", "http://https://www.example.org"},
      {4, "www.example.org", "https://www.example.org"},
      {4, "hTTpS://www.example.org", "hTTpS://www.example.org"},
      {4, "http://www.example.org", "https://http://www.example.org"},
      {5, "duz@example.org", "mailto:duz@example.org"},
      {5, "mailto:duz@example.org", "mailto:mailto:duz@example.org"},
      {6, "comp.lang", "news:comp.lang"},
      {7, "host", "telnet:host"},
      {8, "host", "wais:host"},
      {9, "host", "host"},
      {-1, "host", "host"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UrlWithScheme(c.kind, c.text), QString::fromLatin1(c.url)) << c.kind << c.text;
}

TEST(LaunchUrl, HandsTheAddressToTheShellAndReportsItsResult) {
  {
    UrlRecorder shell(true);
    EXPECT_TRUE(LaunchUrl(5, "duz@example.org"));
    EXPECT_TRUE(LaunchUrl(3, "www.example.org/zudira"));
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "mailto:duz@example.org");
    EXPECT_EQ(shell.opened[1], "http://www.example.org/zudira");
    // Empty text never reaches the shell.
    EXPECT_FALSE(LaunchUrl(3, ""));
    EXPECT_EQ(shell.opened.size(), 2u);
  }
  {
    UrlRecorder shell(false);
    EXPECT_FALSE(LaunchUrl(5, "duz@example.org"));
    EXPECT_EQ(shell.opened.size(), 1u);
  }
}

// With no opener installed the address goes to xdg-open, whose exit status says whether a
// mail program or browser took it (3: nothing can open it).
TEST(LaunchUrl, XdgOpenThatFindsNoHandlerIsAFailure) {
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid());
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
  for (const int status : {3, 0}) {
    QFile script(bin.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
    script.write(QByteArray("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\nexit ") +
                 QByteArray::number(status) + "\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(LaunchUrl(5, "duz@example.org"), status == 0) << status;
    QFile asked(bin.filePath("asked"));
    ASSERT_TRUE(asked.open(QIODevice::ReadOnly));
    EXPECT_EQ(asked.readAll().trimmed(), "mailto:duz@example.org");
  }
  qputenv("PATH", path);
}

}  // namespace
}  // namespace zudira
