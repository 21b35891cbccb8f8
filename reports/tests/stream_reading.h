// Reads a page stream the way a person reads the page: line by line, top to bottom.
#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "reports/page_stream.h"

namespace zudira {

struct ReadLine {
  double baseline = 0;
  double left = 0;
  QString text;            // the runs of the line joined, left to right
  std::vector<int> fonts;  // the font of each run
};

inline std::vector<const StreamItem*> TextRuns(const PageStream& s, int page) {
  std::vector<const StreamItem*> runs;
  for (const StreamItem& item : s.Page(page).items)
    if (item.kind == StreamItem::ItemKind::kText) runs.push_back(&item);
  return runs;
}

inline std::vector<ReadLine> ReadLines(const PageStream& s, int page) {
  std::vector<const StreamItem*> runs = TextRuns(s, page);
  std::stable_sort(runs.begin(), runs.end(), [](const StreamItem* a, const StreamItem* b) {
    if (std::abs(a->y - b->y) > 1e-6) return a->y < b->y;
    return a->x < b->x;
  });
  std::vector<ReadLine> lines;
  for (const StreamItem* run : runs) {
    if (lines.empty() || std::abs(lines.back().baseline - run->y) > 1e-6) {
      lines.push_back({run->y, run->x, {}, {}});
    }
    lines.back().text += run->text;
    lines.back().fonts.push_back(run->font);
  }
  return lines;
}

inline std::vector<QString> LineTexts(const PageStream& s, int page) {
  std::vector<QString> texts;
  for (const ReadLine& line : ReadLines(s, page)) texts.push_back(line.text);
  return texts;
}

inline int CountKind(const PageStream& s, int page, StreamItem::ItemKind kind) {
  const auto& items = s.Page(page).items;
  return static_cast<int>(std::count_if(items.begin(), items.end(),
                                        [kind](const StreamItem& i) { return i.kind == kind; }));
}

}  // namespace zudira
