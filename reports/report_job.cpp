#include "reports/report_job.h"

#include <QStringList>
#include <algorithm>

namespace zudira {

std::optional<std::vector<int>> ParsePageSelection(const QString& text, int page_count) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return std::nullopt;
  std::vector<int> pages;
  for (const QString& raw_part : trimmed.split(u',')) {
    const QString part = raw_part.trimmed();
    const QStringList ends = part.split(u'-');
    if (ends.size() > 2) return std::nullopt;
    bool ok_first = false;
    bool ok_last = false;
    const int first = ends[0].trimmed().toInt(&ok_first);
    const int last = ends.size() == 2 ? ends[1].trimmed().toInt(&ok_last) : first;
    if (ends.size() == 1) ok_last = ok_first;
    if (!ok_first || !ok_last || first < 1 || last > page_count || first > last)
      return std::nullopt;
    for (int p = first; p <= last; ++p) pages.push_back(p);
  }
  return pages;
}

std::optional<QString> PrintRangeProblem(const ReportSetup& setup, int page_count) {
  switch (setup.range) {
    case PrintRange::kAll:
      return std::nullopt;
    case PrintRange::kPages:
      if (setup.from_page < 1 || setup.to_page > page_count || setup.from_page > setup.to_page)
        return QStringLiteral("The pages must run from 1 to %1, with From not above To.")
            .arg(page_count);
      return std::nullopt;
    case PrintRange::kSelection:
      if (!ParsePageSelection(setup.selection, page_count))
        return QStringLiteral(
                   "'%1' is not a page selection. Give pages from 1 to %2 such as 1,3,5-7.")
            .arg(setup.selection)
            .arg(page_count);
      return std::nullopt;
  }
  return std::nullopt;
}

std::vector<int> PagesToPrint(const ReportSetup& setup, int page_count) {
  std::vector<int> pages;
  if (setup.range == PrintRange::kSelection) {
    if (auto chosen = ParsePageSelection(setup.selection, page_count)) pages = *chosen;
    return pages;
  }
  int first = 1;
  int last = page_count;
  if (setup.range == PrintRange::kPages) {
    first = std::max(first, setup.from_page);
    last = std::min(last, setup.to_page);
  }
  for (int p = first; p <= last; ++p) pages.push_back(p);
  return pages;
}

}  // namespace zudira
