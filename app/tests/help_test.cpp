#include "app/help.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

#include "app/help_viewer.h"
#include "app/message_boxes.h"

namespace zudira {
namespace {

const char kSample[] =
    "# comment\r\n"
    "== 1 | Contents\r\n"
    "See [[5030|decimals]] and *bold* words & more.\r\n"
    "\r\n"
    "- first item\r\n"
    "- second item\r\n"
    "== 5000 | The main window\n"
    "keywords: window; panel\n"
    "Text of the window.\n"
    "=== 5030 | Decimal places\n"
    "keywords: decimals; Accuracy; window; decimal places\n"
    "How many digits.\n";

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    path_ = dir_.filePath("Zudira.help");
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kSample);
    file.close();
    previous_ = HelpFile();
    SetHelpFile(path_);
  }
  void TearDown() override {
    delete OpenHelpViewer();
    SetHelpFile(previous_);
  }

  QTemporaryDir dir_;
  QString path_;
  QString previous_;
};

TEST_F(HelpTest, ParsesTopicsLevelsKeywordsAndMarkup) {
  const HelpDocument doc = HelpDocument::Parse(kSample);
  ASSERT_EQ(doc.Topics().size(), 3u);
  EXPECT_EQ(doc.Topics()[0].title, "Contents");
  EXPECT_EQ(doc.Topics()[2].level, 2);
  EXPECT_EQ(doc.Topics()[2].keywords,
            QStringList({"decimals", "Accuracy", "window", "decimal places"}));
  const QString& html = doc.Topics()[0].html;
  EXPECT_TRUE(html.contains(R"(<a href="topic:5030">decimals</a>)")) << html.toStdString();
  EXPECT_TRUE(html.contains("<b>bold</b>"));
  EXPECT_TRUE(html.contains("&amp;"));
  EXPECT_EQ(html.count("<li>"), 2);
  EXPECT_FALSE(html.contains("comment"));
  EXPECT_EQ(doc.Find(5030)->title, "Decimal places");
  EXPECT_EQ(doc.Find(4242), nullptr);

  // Index: titles and keywords, sorted without regard to case, once per topic; a word of
  // several topics names the topic.
  QStringList words;
  for (const HelpIndexEntry& e : doc.Index()) words << e.keyword;
  EXPECT_EQ(words, QStringList({"Accuracy", "Contents", "Decimal places", "decimals", "panel",
                                "The main window", "window (The main window)",
                                "window (Decimal places)"}));
}

TEST_F(HelpTest, ContextOpensItsTopicAndAnUnknownContextSaysSo) {
  ScopedBoxScript boxes;
  EXPECT_TRUE(HelpContext(5030));
  THelpViewer* viewer = OpenHelpViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->CurrentContext(), 5030);
  auto* topic = viewer->findChild<QTextBrowser*>("HelpTopic");
  EXPECT_TRUE(topic->toPlainText().contains("How many digits."));

  EXPECT_FALSE(HelpContext(4242));
  EXPECT_EQ(OpenHelpViewer(), viewer);  // the same window is reused
  EXPECT_EQ(viewer->CurrentContext(), 0);
  EXPECT_TRUE(topic->toPlainText().contains("no topic for help context 4242"));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(HelpTest, ContextHelpUsesTheFocusedWidgetThenItsParentsThenTheFallback) {
  QWidget window;
  window.setProperty(kHelpContextProperty, 5000);
  auto* accuracy = new QWidget(&window);
  accuracy->setProperty(kHelpContextProperty, 5030);
  auto* plain = new QWidget(&window);
  EXPECT_EQ(HelpContextOf(accuracy), 5030);
  EXPECT_EQ(HelpContextOf(plain), 5000);
  EXPECT_EQ(HelpContextOf(nullptr), 0);

  ContextHelp(accuracy);
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 5030);
  ContextHelp(plain);
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 5000);
  ContextHelp(nullptr, 5030);
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 5030);
  ContextHelp(nullptr);  // no focus, no fallback: the contents
  EXPECT_EQ(OpenHelpViewer()->CurrentContext(), 1);
}

TEST_F(HelpTest, IndexFindsTopicsByTheirFirstLetters) {
  EXPECT_TRUE(HelpIndex());
  THelpViewer* viewer = OpenHelpViewer();
  auto* find = viewer->findChild<QLineEdit*>("HelpFind");
  auto* list = viewer->findChild<QListWidget*>("HelpIndexList");
  ASSERT_NE(find, nullptr);
  ASSERT_NE(list, nullptr);
  find->setText("dec");
  // Entries starting with the letters first, then those containing them.
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "Decimal places");
  EXPECT_EQ(list->item(1)->text(), "decimals");
  EXPECT_EQ(list->item(2)->text(), "window (Decimal places)");
  find->setText("acc");
  ASSERT_EQ(list->count(), 1);
  emit list->itemActivated(list->item(0));
  EXPECT_EQ(viewer->CurrentContext(), 5030);
}

TEST_F(HelpTest, AMissingHelpFileGivesAClearMessageAndOpensNothing) {
  SetHelpFile(dir_.filePath("Missing.help"));
  ScopedBoxScript boxes;
  EXPECT_FALSE(HelpContents());
  EXPECT_FALSE(HelpContext(5000));
  EXPECT_EQ(OpenHelpViewer(), nullptr);
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].kind, BoxKind::bkError);
  EXPECT_TRUE(boxes.Shown()[0].text.contains("Missing.help"));
  EXPECT_TRUE(boxes.Shown()[0].text.contains("not found"));
}

// Every help context the program's windows carry has a real topic in the shipped document.
TEST(ShippedHelpTest, HasATopicForEveryContextTheProgramUses) {
  const QString path = QCoreApplication::applicationDirPath() + "/" + kHelpFileName;
  HelpDocument doc;
  QString error;
  ASSERT_TRUE(LoadHelpFile(path, doc, error)) << error.toStdString();
  for (int context : {5000, 5010, 5020, 5030, 5040, 5050, 5060, 5200, 5300, 6000,
                      6010, 6020, 6030, 6040, 6050, 7000, 2000, 2001, 1500, 1501}) {
    const HelpTopic* topic = doc.Find(context);
    ASSERT_NE(topic, nullptr) << context;
    EXPECT_GT(topic->html.size(), 150) << context;
  }
  for (const HelpTopic& topic : doc.Topics()) {
    // Every link leads to a topic that exists.
    static const QRegularExpression link("topic:(\\d+)");
    auto it = link.globalMatch(topic.html);
    while (it.hasNext()) {
      const int target = it.next().captured(1).toInt();
      EXPECT_NE(doc.Find(target), nullptr) << topic.context << " -> " << target;
    }
  }
}

}  // namespace
}  // namespace zudira
