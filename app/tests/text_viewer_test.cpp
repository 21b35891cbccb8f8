#include "app/dialogs/text_viewer.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "app/shell/message_boxes.h"
#include "reports/report_system.h"
#include "reports/tests/test_windows.h"
#include "testsupport/modal_probe.h"

namespace zudira {
namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

TEST(ViewerLayout, KeepsFivePixelMargins) {
  const struct {
    QSize client;
    QSize button;
    QRect view;
    QRect close;
  } cases[] = {
      {{639, 458}, {75, 27}, {5, 5, 629, 416}, {559, 426, 75, 27}},
      {{800, 600}, {75, 27}, {5, 5, 790, 558}, {720, 568, 75, 27}},
      {{200, 100}, {80, 30}, {5, 5, 190, 55}, {115, 65, 80, 30}},
  };
  for (const auto& c : cases) {
    const ViewerLayout layout = LayOutViewer(c.client, c.button);
    EXPECT_EQ(layout.view, c.view);
    EXPECT_EQ(layout.close_button, c.close);
  }
}

TEST(ViewerText, DecodesAndMakesAnyBytesShowable) {
  const struct {
    QByteArray bytes;
    QString text;
  } cases[] = {
      {"", ""},
      {"one\r\ntwo\rthree\n", "one\ntwo\nthree\n"},
      {"caf\xc3\xa9", QStringLiteral("caf\u00e9")},                  // UTF-8
      {"caf\xe9 na\xefve", QStringLiteral("caf\u00e9 na\u00efve")},  // not UTF-8: Latin-1
      {"\xef\xbb\xbftext", "text"},                                  // byte order mark dropped
      {QByteArray("a\0b\x01\tc", 6), QStringLiteral("a\ufffdb\ufffd\tc")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ViewerText(c.bytes, c.bytes.size()), c.text) << c.bytes.toHex().constData();

  // A line of 10000 characters is broken into pieces of the line limit.
  const QString broken = ViewerText(QByteArray(10000, 'x'), 10000);
  const QStringList pieces = broken.split('\n');
  ASSERT_EQ(pieces.size(), 3);
  EXPECT_EQ(pieces[0].size(), kViewerLineLimit);
  EXPECT_EQ(pieces[1].size(), kViewerLineLimit);
  EXPECT_EQ(pieces[2].size(), 10000 - 2 * kViewerLineLimit);

  // A character outside the basic plane (two UTF-16 units) is never split by the break.
  const QString emoji = QStringLiteral("\U0001F600");
  const QString wide = ViewerText(QByteArray(kViewerLineLimit - 1, 'x') + emoji.toUtf8() + "z",
                                  kViewerLineLimit + 4);
  EXPECT_EQ(wide, QString(kViewerLineLimit - 1, 'x') + emoji + "\nz");

  // A file of more lines than the line limit is cut after the last whole line it shows, and
  // the note counts the bytes shown (UTF-8 bytes, with the byte order mark).
  const QString many = ViewerText(QByteArray(300000, '\n'), 300000);
  EXPECT_EQ(many.count(u'\n'), kViewerLineCountLimit + 1);
  EXPECT_TRUE(many.endsWith("\n\n(Only the first 195 KB of 292 KB are shown.)"));
  const QByteArray accented = "\xef\xbb\xbf" + QByteArray("\xc3\xa9\r\n").repeated(300000);
  const QString cut_accented = ViewerText(accented, accented.size());
  EXPECT_TRUE(cut_accented.startsWith(QStringLiteral("\u00e9\n\u00e9\n")));
  EXPECT_TRUE(cut_accented.endsWith("(Only the first 781 KB of 1171 KB are shown.)"));
  // Paragraph separators start lines of the view as well, and count against the limit.
  const QByteArray paragraphs = QStringLiteral("p\u2029").toUtf8().repeated(300000);
  const QString cut_paragraphs = ViewerText(paragraphs, paragraphs.size());
  EXPECT_TRUE(cut_paragraphs.startsWith("p\np\n"));
  EXPECT_EQ(cut_paragraphs.count(u'\n'), kViewerLineCountLimit + 1);
  EXPECT_FALSE(cut_paragraphs.contains(QChar::ParagraphSeparator));
  // Exactly as many lines as the limit: nothing is cut.
  EXPECT_FALSE(ViewerText(QByteArray(kViewerLineCountLimit, '\n'), kViewerLineCountLimit)
                   .contains("Only the first"));
  // Lines broken at the line length count as lines.
  const QByteArray wide_last =
      QByteArray(kViewerLineCountLimit - 1, '\n') + QByteArray(3 * kViewerLineLimit, 'w');
  const QString cut_wide = ViewerText(wide_last, wide_last.size());
  EXPECT_EQ(cut_wide.count(u'\n'), kViewerLineCountLimit + 1);
  EXPECT_TRUE(cut_wide.contains(QString(kViewerLineLimit, 'w') + "\n\n(Only"));
  EXPECT_TRUE(cut_wide.endsWith("(Only the first 199 KB of 207 KB are shown.)"));

  // A file cut at the byte limit says so at the end.
  const QString cut = ViewerText("abc", 50 * 1024 * 1024);
  EXPECT_TRUE(cut.startsWith("abc\n"));
  EXPECT_TRUE(cut.endsWith("(Only the first 0 KB of 51200 KB are shown.)"));
}

TEST(ViewTextFile, MissingFileWarnsAndShowsNoWindow) {
  ScopedBoxScript boxes;
  ModalProbe probe([](QDialog&) {});
  const QTemporaryDir dir;
  EXPECT_FALSE(ViewTextFile(dir.filePath("Readme.Txt"), "README File"));
  EXPECT_FALSE(ViewTextFile(dir.path(), "a folder is no file"));
  ASSERT_EQ(boxes.Shown().size(), 2u);
  for (const ShownBox& box : boxes.Shown()) {
    EXPECT_EQ(box.kind, BoxKind::bkWarning);
    EXPECT_EQ(box.text, "File Not Found!");
  }
  EXPECT_EQ(probe.Seen(), 0);
}

TEST(ViewTextFile, ShowsTheFileReadOnlyInAFixedPitchFont) {
  const QTemporaryDir dir;
  const QString path = WriteFile(dir, "Readme.Txt", "Zudira\r\nline two\r\n");
  QString caption;
  QString text;
  ModalProbe probe([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    EXPECT_EQ(dialog.size(), QSize(639, 458));
    auto* tf = dialog.findChild<QPlainTextEdit*>("TF");
    auto* ok = dialog.findChild<QPushButton*>("CloseBtn");
    auto* print = dialog.findChild<QPushButton*>("PrintBtn");
    ASSERT_TRUE(tf && ok && print);
    text = tf->toPlainText();
    EXPECT_TRUE(tf->isReadOnly());
    const QFontMetrics metrics(tf->font());  // QFontInfo misreads some mono faces
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
    EXPECT_EQ(tf->font().pointSize(), 10);
    EXPECT_EQ(tf->geometry(), QRect(5, 5, 629, 458 - ok->height() - 15));
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->toolTip(), "Print Text File");
    // Resizing keeps the margins.
    dialog.resize(700, 500);
    EXPECT_EQ(tf->geometry(), QRect(5, 5, 690, 500 - ok->height() - 15));
    EXPECT_EQ(ok->geometry().bottomRight(), QPoint(700 - 6, 500 - 6));
    dialog.accept();
  });
  EXPECT_TRUE(ViewTextFile(path, "README File"));
  EXPECT_EQ(probe.Seen(), 1);
  EXPECT_EQ(caption, "README File");
  EXPECT_EQ(text, "Zudira\nline two\n");

  // No caption: the path is the caption, cut to 255 characters.
  ModalProbe second([&](QDialog& dialog) { caption = dialog.windowTitle(); });
  EXPECT_TRUE(ViewTextFile(path, ""));
  EXPECT_EQ(caption, path);
  ModalProbe third([&](QDialog& dialog) { caption = dialog.windowTitle(); });
  EXPECT_TRUE(ViewTextFile(path, QString(300, 'c')));
  EXPECT_EQ(caption, QString(255, 'c'));
}

TEST(ViewTextFile, PrintClosesTheViewerHoweverTheJobEnds) {
  const QTemporaryDir dir;
  const QString path = WriteFile(dir, "Readme.Txt", "one\ntwo\n");
  const struct {
    bool accept_setup;
    int cancel_at_call;
    int previews;
  } cases[] = {{true, 0, 1}, {false, 0, 0}, {true, 1, 0}};
  for (const auto& c : cases) {
    TReportSystem system;
    RecordingWindows windows;
    windows.accept_setup = c.accept_setup;
    windows.cancel_at_call = c.cancel_at_call;
    system.SetWindows(&windows);
    TTFViewForm form;
    form.SetReportSystem(&system);
    form.setWindowTitle("README File");
    ASSERT_TRUE(form.LoadFile(path));
    form.show();
    form.findChild<QPushButton*>("PrintBtn")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(windows.preview_titles.size(), c.previews);
    EXPECT_EQ(system.PreviewTitle(), "README File");
    EXPECT_EQ(system.StatusTitle(), "Report Status for README File");
  }
}

TEST(ViewTextFile, EnterAndEscapeClose) {
  const QTemporaryDir dir;
  const QString path = WriteFile(dir, "PDFNew.Txt", "news\n");
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    bool closed = false;
    int result = -1;
    ModalProbe probe([&](QDialog& dialog) {
      auto* tf = dialog.findChild<QPlainTextEdit*>("TF");
      tf->setFocus();
      QTest::keyClick(tf, static_cast<Qt::Key>(key));
      closed = !dialog.isVisible();
      result = dialog.result();
    });
    EXPECT_TRUE(ViewTextFile(path, "What's New File"));
    EXPECT_TRUE(closed) << key;
    EXPECT_EQ(result, key == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted) << key;
  }
}

TEST(ViewTextFile, OpensFilesThatAreNoText) {
  const QTemporaryDir dir;
  QByteArray binary(40 * 1024 * 1024, '\0');  // 40 MB: random bytes, NULs and no line ends
  auto* random = QRandomGenerator::global();
  for (qsizetype i = 0; i < binary.size(); i += 4) {
    const quint32 word = random->generate();
    memcpy(binary.data() + i, &word, 4);
  }
  QByteArray long_lines;
  for (int i = 0; i < 3; ++i) long_lines += QByteArray(2 * 1024 * 1024, 'y') + '\n';
  const QByteArray line_ends(30 * 1024 * 1024, '\n');  // millions of empty lines

  const struct {
    const char* name;
    QByteArray bytes;
    const char* note;  // the last line, when the file is cut
  } files[] = {{"binary.bin", binary, "(Only the first 8192 KB of 40960 KB are shown.)"},
               {"long.txt", long_lines, nullptr},
               {"bad.txt", "\xff\xfe\xc3(\x80", nullptr},
               {"lines.txt", line_ends, "(Only the first 195 KB of 30720 KB are shown.)"}};
  for (const auto& f : files) {
    const QString path = WriteFile(dir, f.name, f.bytes);
    int blocks = 0;
    QString tail;
    ModalProbe probe([&](QDialog& dialog) {
      auto* tf = dialog.findChild<QPlainTextEdit*>("TF");
      blocks = tf->blockCount();
      tail = tf->document()->lastBlock().text();
    });
    EXPECT_TRUE(ViewTextFile(path, f.name));
    ASSERT_EQ(probe.Seen(), 1) << f.name;
    EXPECT_GE(blocks, 1);
    EXPECT_LE(blocks, kViewerLineCountLimit + 2) << f.name;
    if (f.note) {
      EXPECT_EQ(tail, f.note);
    }
  }
}

}  // namespace
}  // namespace zudira
