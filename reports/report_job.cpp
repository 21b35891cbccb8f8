#include "reports/report_job.h"

#include <QStringList>
#include <algorithm>

namespace zudira {

std::optional<std::vector<int>> ParsePageSelection(const QString& text, int pageCount) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  std::vector<int> pages;
  for (const QString& rawPart : trimmed.split(u',')) {
    const QString part = rawPart.trimmed();
    const QStringList ends = part.split(u'-');
    if (ends.size() > 2) return std::nullopt;
    bool okFirst = false;
    bool okLast = false;
    const int first = ends[0].trimmed().toInt(&okFirst);
    const int last = ends.size() == 2 ? ends[1].trimmed().toInt(&okLast) : first;
    if (ends.size() == 1) okLast = okFirst;
    if (!okFirst || !okLast || first < 1 || last > pageCount || first > last) return std::nullopt;
    for (int p = first; p <= last; ++p) pages.push_back(p);
  }
  return pages;
}

std::optional<QString> PrintRangeProblem(const TReportSetup& setup, int pageCount) {
  switch (setup.range) {
    case TPrintRange::kAll:
      return std::nullopt;
    case TPrintRange::kPages:
      if (setup.fromPage < 1 || setup.toPage > pageCount || setup.fromPage > setup.toPage)
        return QStringLiteral("The pages must run from 1 to %1, with From not above To.")
            .arg(pageCount);
      return std::nullopt;
    case TPrintRange::kSelection:
      if (!ParsePageSelection(setup.selection, pageCount))
        return QStringLiteral(
                   "'%1' is not a page selection. Give pages from 1 to %2 such as 1,3,5-7.")
            .arg(setup.selection)
            .arg(pageCount);
      return std::nullopt;
  }
  return std::nullopt;
}

std::vector<int> PagesToPrint(const TReportSetup& setup, int pageCount) {
  std::vector<int> pages;
  if (setup.range == TPrintRange::kSelection) {
    if (auto chosen = ParsePageSelection(setup.selection, pageCount)) pages = *chosen;
    return pages;
  }
  int first = 1;
  int last = pageCount;
  if (setup.range == TPrintRange::kPages) {
    first = std::max(first, setup.fromPage);
    last = std::min(last, setup.toPage);
  }
  for (int p = first; p <= last; ++p) pages.push_back(p);
  return pages;
}

}  // namespace zudira
