// The final message of a split run. It says "分割完毕" only when every source
// was split completely; otherwise it lists each source that was not, with
// what went wrong and the system's reason where one is known.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/splitter.h"
#include "engine/text.h"

struct SourceOutcome {
  Text path;
  SplitOutcome outcome;
};

// At most this many failed sources are listed one by one; a last line tells
// how many more there were.
inline constexpr std::size_t kListedFailures = 10;

// Lines are separated by "\r\n", as a message box shows them.
Text SplitReport(const std::vector<SourceOutcome>& outcomes);
