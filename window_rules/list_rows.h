// The rows of the lists window: one text line per argument I = 0..N, "I|V", with V the list's
// value function (stats/combinatorics.h) written with 0 decimals.
// Pure code: no Qt, so the texts can be checked and timed on their own.
#pragma once

#include <string>
#include <vector>

#include "stats/combinatorics.h"

namespace zudira {

// Which table the lists window shows; the values are the order of the Lists menu.
enum class ListKind { lkBinomialCoeffs = 0, lkFactorials = 1, lkPermutations = 2 };

// Largest N a list accepts: the factorial limit of the library.
inline constexpr int kMaxListN = static_cast<int>(MaxFactorialArg);
// The column delimiter between the argument and the value of a row.
inline constexpr char kListDelimiter = '|';

// True when N is within 0..1547.
bool ListSizeAccepted(int n);

// Row I of the table for N: "I|V" with V = C(N, I), I! or N!/(N-I)!. Errors of the value
// functions propagate.
std::string ListRow(ListKind kind, int n, int i);
// The N + 1 rows for I = 0..N, in order (N must be accepted by ListSizeAccepted).
std::vector<std::string> BuildListRows(ListKind kind, int n);

// Caption and prompt of the box asking for N.
std::string ListPromptCaption(ListKind kind);
inline constexpr const char* kListPrompt = "Up to N = ";
// The warning for an N outside 0..1547.
inline constexpr const char* kListRangeWarning =
    "Zudira can only handles values between 0 and 1547";
// The lists window's caption for N ("Factorials up to N = 12").
std::string ListWindowCaption(ListKind kind, int n);
// Title of the list's print job, and the heading of its value column in the report.
std::string ListPrintTitle(ListKind kind);
std::string ListValueHeading(ListKind kind);

}  // namespace zudira
