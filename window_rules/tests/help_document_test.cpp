#include "window_rules/help_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zudira {
namespace {

std::vector<std::string> Words(const HelpDocument& doc) {
  std::vector<std::string> words;
  for (const HelpIndexEntry& e : doc.Index()) words.push_back(e.keyword);
  return words;
}

TEST(HelpDocument, ParsesTopicsLevelsKeywordsAndMarkup) {
  const HelpDocument doc = HelpDocument::Parse(
      "# comment\r\n"
      "== 1 | Contents\r\n"
      "See [[5030|decimals]] and *bold* words & more, [[x|no link]] and 2 * 3.\r\n"
      "\r\n"
      "- first item\r\n"
      "-  second item\r\n"
      "== 5000 | The main window\n"
      "keywords: window; panel\n"
      "Text of the window.\n"
      "=== 5030 | Decimal places\n"
      "keywords: decimals; Accuracy;; window ; decimal places\n"
      "How many digits.\n"
      "==== 9 | Not a heading\n");
  ASSERT_EQ(doc.Topics().size(), 3u);
  EXPECT_EQ(doc.Topics()[0].title, "Contents");
  EXPECT_EQ(doc.Topics()[2].level, 2);
  EXPECT_EQ(doc.Topics()[2].keywords,
            (std::vector<std::string>{"decimals", "Accuracy", "window", "decimal places"}));
  EXPECT_EQ(doc.Topics()[0].html,
            "<p>See <a href=\"topic:5030\">decimals</a> and <b>bold</b> words &amp; more, "
            "[[x|no link]] and 2 * 3.</p>\n<ul>\n<li>first item</li>\n<li> second item</li>\n"
            "</ul>\n");
  EXPECT_EQ(doc.Topics()[2].html, "<p>How many digits. ==== 9 | Not a heading</p>\n");
  EXPECT_EQ(doc.Find(5030)->title, "Decimal places");
  EXPECT_EQ(doc.Find(4242), nullptr);

  // Index: titles and keywords, sorted without regard to case, one entry per word; a word of
  // several topics leads to each.
  EXPECT_EQ(Words(doc),
            (std::vector<std::string>{"Accuracy", "Contents", "Decimal places", "decimals", "panel",
                                      "The main window", "window"}));
  EXPECT_EQ(doc.Index().back().contexts, (std::vector<int>{5000, 5030}));
}

TEST(HelpDocument, FormsOfOneWordMergeIntoOneIndexEntry) {
  const HelpDocument doc = HelpDocument::Parse(
      "== 6000 | Preferences\nkeywords: colours; tool tips; preferences\n"
      "== 6030 | Colours\nkeywords: colors; Colour; tooltips; status\n"
      "== 5200 | The toolbar\nkeywords: Preferences; statu\n");
  EXPECT_EQ(Words(doc), (std::vector<std::string>{"Colours", "Preferences", "statu", "status",
                                                  "The toolbar", "tool tips"}));
  EXPECT_EQ(doc.Index()[0].contexts, (std::vector<int>{6000, 6030}));
  EXPECT_EQ(doc.Index()[1].contexts, (std::vector<int>{6000, 5200}));

  // Beyond ASCII the index folds case and sorts by character as it always has: accented
  // letters after z, Greek after them, a superscript two as a number of the word.
  const HelpDocument unicode = HelpDocument::Parse(
      "== 7000 | Zebra\nkeywords: Ärger; apfel; ärgers; Σίγμα tests; Émile; ²-Tests; χ² tables\n"
      "== 7001 | Äpfel\nkeywords: ÉMILE; chi² table; σίγμα test; İstanbul\n");
  EXPECT_EQ(Words(unicode),
            (std::vector<std::string>{"apfel", "chi² table", "Zebra", "²-Tests", "Äpfel", "Ärger",
                                      "Émile", "İstanbul", "Σίγμα tests", "χ² tables"}));
  EXPECT_EQ(unicode.Index()[6].contexts, (std::vector<int>{7000, 7001}));
  EXPECT_EQ(unicode.Index()[8].contexts, (std::vector<int>{7000, 7001}));
  EXPECT_EQ(IndexWordKey("İstanbul"), "istanbul");
}

}  // namespace
}  // namespace zudira
