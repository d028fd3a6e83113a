// The splitter's loop with its sizes in the caller's hands: SplitTextFile
// runs it with the chunk size typed in kilobytes and the production block
// size; tests run it with chunks of a few bytes and every block size, which
// is where off-by-one errors live.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "engine/splitter.h"

struct SplitSource {
  // Asked before every part: the chunk size in bytes (0 or below: invalid)
  // and the output folder text.
  std::function<int64_t()> chunkBytes;
  std::function<Text()> outputFolder;
  // The size of the blocks the cut search reads and of the blocks a part is
  // copied in (both at least 1). One buffer of the larger size serves both.
  std::size_t searchBlockBytes = 0;
  std::size_t copyBlockBytes = 0;
};

SplitOutcome SplitSourceFile(const Text& sourcePath, const SplitSource& how,
                             const RunSources& runSources);
