#include "app/help/help.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWidget>

#include "app/help/help_contexts.h"
#include "app/help/help_document.h"
#include "app/help/help_viewer.h"
#include "app/shell/message_boxes.h"
#include "app/shell/zudira_application.h"
#include "core/catalogue.h"

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
    previous_ = Help().file;
    Help().file = path_;
  }
  void TearDown() override {
    delete OpenHelpViewer();
    Help().file = previous_;
  }

  static HelpState& Help() { return ZudiraApplication::Instance()->Help(); }

  QTemporaryDir dir_;
  QString path_;
  QString previous_;
};

TEST_F(HelpTest, ContextOpensItsTopicAndAnUnknownContextSaysSo) {
  ScopedBoxScript boxes;
  EXPECT_TRUE(HelpContext(5030));
  HelpViewer* viewer = OpenHelpViewer();
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
  HelpViewer* viewer = OpenHelpViewer();
  auto* find = viewer->findChild<QLineEdit*>("HelpFind");
  auto* list = viewer->findChild<QListWidget*>("HelpIndexList");
  ASSERT_NE(find, nullptr);
  ASSERT_NE(list, nullptr);
  find->setText("dec");
  // Entries starting with the letters first, then those containing them.
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "Decimal places");
  EXPECT_EQ(list->item(1)->text(), "decimals");
  find->setText("ma");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(2)->text(), "The main window");
  find->setText("acc");
  ASSERT_EQ(list->count(), 1);
  emit list->itemActivated(list->item(0));
  EXPECT_EQ(viewer->CurrentContext(), 5030);

  // A word of two topics lists both as links.
  find->setText("window");
  ASSERT_EQ(list->count(), 2);
  ASSERT_EQ(list->item(0)->text(), "window");
  emit list->itemActivated(list->item(0));
  auto* topic = viewer->findChild<QTextBrowser*>("HelpTopic");
  EXPECT_TRUE(topic->toHtml().contains("topic:5000") && topic->toHtml().contains("topic:5030"));
  EXPECT_EQ(viewer->CurrentContext(), 0);

  // Opening the help on a topic lists the whole index again.
  EXPECT_TRUE(HelpContext(5000));
  EXPECT_EQ(find->text(), "");
  EXPECT_EQ(list->count(), 7);
}

// The shipped contents show every title whole. Writes the window to ZUDIRA_SHOT_DIR when set.
TEST(ShippedHelpTest, ContentsShowEveryTitleWhole) {
  HelpDocument doc;
  QString error;
  ASSERT_TRUE(
      LoadHelpFile(QCoreApplication::applicationDirPath() + "/" + kHelpFileName, doc, error));
  HelpViewer viewer(doc);
  viewer.show();
  QCoreApplication::processEvents();
  auto* tree = viewer.findChild<QTreeWidget*>("HelpContentsTree");
  ASSERT_NE(tree, nullptr);
  for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
    const QRect shown = tree->visualItemRect(*it);
    EXPECT_LE(shown.left() + tree->fontMetrics().horizontalAdvance((*it)->text(0)),
              tree->viewport()->width())
        << (*it)->text(0).toStdString();
  }
  const QString shots = qEnvironmentVariable("ZUDIRA_SHOT_DIR");
  if (!shots.isEmpty()) viewer.grab().save(shots + "/help_contents.png");
}

TEST_F(HelpTest, AMissingHelpFileGivesAClearMessageAndOpensNothing) {
  Help().file = dir_.filePath("Missing.help");
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
  for (int context : kProgramHelpContexts) {
    const HelpTopic* topic = doc.Find(context);
    ASSERT_NE(topic, nullptr) << context;
    EXPECT_GT(topic->html.size(), 150u) << context;
  }
  // Each kind below the line has a topic titled by its list item; an inverse one says first
  // what it solves for, since textbooks give some of these names to other distributions.
  for (int k = kFirstKindsCount; k < kDistributionKindCount; ++k) {
    const auto kind = static_cast<DistributionKind>(k);
    const HelpTopic* topic = doc.Find(KindHelpContext(kind));
    ASSERT_NE(topic, nullptr) << k;
    const std::string_view text = DistributionListText(kind);
    EXPECT_EQ(topic->title, text);
    EXPECT_EQ(topic->html.starts_with("<p>You give the probability of the range and Zudira "
                                      "solves for the bound"),
              IsInverseKind(kind))
        << k;
  }
  for (const HelpTopic& topic : doc.Topics()) {
    // Every link leads to a topic that exists.
    static const QRegularExpression link("topic:(\\d+)");
    auto it = link.globalMatch(QString::fromStdString(topic.html));
    while (it.hasNext()) {
      const int target = it.next().captured(1).toInt();
      EXPECT_NE(doc.Find(target), nullptr) << topic.context << " -> " << target;
    }
  }
}

}  // namespace
}  // namespace zudira
