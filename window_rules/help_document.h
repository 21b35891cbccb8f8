// The help document: the program's help as plain text in UTF-8, parsed into topics and an index.
//
//   # a comment line
//   == 5010 | Title of a topic        (a top-level topic with its help context)
//   === 5011 | Title of a sub-topic   (listed under the topic before it in the contents)
//   keywords: first entry; second entry   (index entries of the topic; optional)
//   Paragraphs of text, separated by blank lines. A line starting "- " is a list item.
//   [[5020|words]] links to the topic of context 5020; *words* are shown bold.
// The first topic of the document is the contents page. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zudira {

struct HelpTopic {
  int context = 0;
  int level = 1;  // 1 for "==", 2 for "==="
  std::string title;
  std::vector<std::string> keywords;
  std::string html;  // the body, rendered
};

struct HelpIndexEntry {
  std::string keyword;
  int context = 0;            // the first of `contexts`
  std::vector<int> contexts;  // every topic the word leads to, in the document's order
};

// The form under which index words count as the same word: case, spacing, plural "s" and
// British or American spelling ("Colours", "colors", "tool tips", "tooltips") set aside.
std::string IndexWordKey(std::string_view word);

class HelpDocument {
 public:
  // Reads the document's text; lines that are not understood become body text.
  static HelpDocument Parse(std::string_view text);

  const std::vector<HelpTopic>& Topics() const { return topics_; }
  // The topic of a context, or nullptr when the document has none.
  const HelpTopic* Find(int context) const;
  // Every keyword and every title, sorted without regard to case, one entry per word: forms
  // of one word merge, shown as a topic title where one is among them.
  std::vector<HelpIndexEntry> Index() const;
  bool IsEmpty() const { return topics_.empty(); }

 private:
  std::vector<HelpTopic> topics_;
};

}  // namespace zudira
