// Reads every quoted include of the source tree and checks it against the layer map: a file may
// include only its own layer or one below it, and the pure layers include no Qt header at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
  std::string folder;  // relative to the source root, with a trailing slash
  int rank;
  bool pure;  // no Qt header allowed
};

// Lowest first; a longer folder wins over its parent (stats/precise/ over stats/).
const std::vector<Layer> kLayers = {
    {"stats/", 0, true},
    {"stats/precise/", 1, true},
    {"core/", 2, true},
    {"numeric/", 3, true},
    {"appearance/", 4, false},
    {"widgets/", 5, false},
    {"reports/", 6, false},
    {"app/", 7, false},
    // What the windows decide, in plain functions below the widgets.
    {"window_rules/", 3, true},
    // The report windows sit beside the report engine; what they need of the program comes
    // through their window services, which the program fills at start-up.
    {"reports/windows/", 6, false},
    // The helpers shared by the tests of every layer: any test may include them, and they may
    // use nothing above appearance/ (the layers whose tests share them).
    {"testsupport/", 4, false},
};

// Boost.Math's internal functions change with any release: only these files, each naming the
// Boost version it was measured on and pinned by its tests, include boost/math/**/detail.
const std::vector<std::string> kBoostInternalsFence = {
    "stats/precise/far_beta_roots.cpp",
    "stats/precise/large_shape_gamma.cpp",
};

// Rooms that never reach each other, said outright where the ranks alone would not show it:
// {from, never includes}. A dialog is told what to show; it never asks the main window.
const std::vector<std::pair<std::string, std::string>> kSealed = {
    {"app/dialogs/", "app/main_window/"},
    {"widgets/", "app/"},
    {"reports/", "reports/windows/"},
    {"reports/windows/", "app/"},
};

const Layer* LayerOf(const std::string& path) {
  const Layer* best = nullptr;
  for (const Layer& layer : kLayers)
    if (path.rfind(layer.folder, 0) == 0 &&
        (best == nullptr || layer.folder.size() > best->folder.size()))
      best = &layer;
  return best;
}

std::vector<std::string> Violations(const fs::path& root) {
  static const std::regex kQuoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
  static const std::regex kQt(R"re(^\s*#\s*include\s*<(Q[A-Za-z]*|qt[^>]*)(\.h)?>)re");
  static const std::regex kBoostDetail(R"re(^\s*#\s*include\s*[<"]boost/math/(.*/)?detail/)re");
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp") continue;
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    if (rel.rfind("build", 0) == 0 || rel.rfind(".git", 0) == 0) continue;
    const Layer* own = LayerOf(rel);
    if (own == nullptr) continue;  // bench/ and this check stand outside the map
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      const std::string where = rel + ":" + std::to_string(number) + ": " + line;
      if (std::regex_search(line, m, kBoostDetail) &&
          std::find(kBoostInternalsFence.begin(), kBoostInternalsFence.end(), rel) ==
              kBoostInternalsFence.end()) {
        found.push_back(where + "  (Boost's internals outside their fence)");
      } else if (own->pure && std::regex_search(line, m, kQt)) {
        found.push_back(where + "  (Qt in a pure layer)");
      } else if (std::regex_search(line, m, kQuoted)) {
        const Layer* target = LayerOf(m[1].str());
        if (target != nullptr && target->folder != "testsupport/" && target->rank > own->rank)
          found.push_back(where + "  (includes the layer above, " + target->folder + ")");
        const std::string included = m[1].str();
        for (const auto& [from, sealed] : kSealed) {
          const bool inside_from = rel.rfind(from, 0) == 0 && rel.rfind(sealed, 0) != 0;
          if (inside_from && included.rfind(sealed, 0) == 0)
            found.push_back(where + "  (" + from + " never includes " + sealed + ")");
        }
      }
    }
  }
  return found;
}

TEST(Layering, NoIncludeRunsUpAndNoQtInPureLayers) {
  const std::vector<std::string> found = Violations(ZUDIRA_SOURCE_DIR);
  for (const std::string& v : found) ADD_FAILURE() << v;
  EXPECT_TRUE(found.empty()) << found.size() << " include(s) break the layering";
}

// Only the kind records and the pure decision code switch over distribution kinds or range
// types; everything else looks a kind up in its record and a range type in its table row.
const std::vector<std::string> kMaySwitchOverKinds = {
    "core/kinds/",
};

TEST(Layering, OnlyKindRecordsAndDecisionCodeSwitchOverKindsAndRangeTypes) {
  static const std::regex kCase(R"re(\bcase\s+(dk|rt)[A-Z])re");
  const fs::path root = ZUDIRA_SOURCE_DIR;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string rel = fs::relative(entry.path(), root).generic_string();
    if (rel.rfind("build", 0) == 0 || rel.rfind("bench/", 0) == 0 ||
        rel.find("tests/") != std::string::npos)
      continue;
    bool allowed = false;
    for (const std::string& place : kMaySwitchOverKinds)
      allowed = allowed || rel.rfind(place, 0) == 0;
    if (allowed) continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
      if (std::regex_search(line, kCase)) ADD_FAILURE() << rel << ":" << number << ": " << line;
  }
}

}  // namespace
