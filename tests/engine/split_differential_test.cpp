// The splitter against two independent statements of the same parts, on many
// generated sources at chunks of a few bytes and several block sizes:
//  - the plain loop on the file primitives (read a chunk; if it reaches the
//    end, it is the last part; else seek back and re-read up to the carriage
//    return of its last "\r\n"), stopped when it makes no progress: where it
//    gets through a source, the parts must be the same byte for byte;
//  - the forward-walking rules of split_reference.h, on every source.
// And always: every part holds 1 to chunk-size bytes, and the parts joined
// give back the source.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/file_primitives.h"
#include "engine/part_name.h"
#include "engine/split_source.h"
#include "tests/engine/split_reference.h"
#include "tests/engine/temp_folder.h"

namespace {

// The parts of the plain loop, or nothing when it stops making progress
// (the same chunk start would be read again and again).
std::optional<std::vector<std::string>> PrimitiveLoopParts(const Text& path, int32_t chunkBytes) {
  std::vector<std::string> parts;
  FileNumber file = OpenFile(path);
  std::optional<std::vector<std::string>> result;
  while (!result) {
    if (IsEndOfFile(file)) {
      result = parts;
      break;
    }
    int64_t chunkStart = GetFilePosition(file);
    Text chunk = ReadText(file, chunkBytes);
    if (IsEndOfFile(file)) {
      parts.emplace_back(chunk.view());
      result = parts;
      break;
    }
    int32_t cut = FindLastText(chunk, "\r\n");
    SeekFile(file, chunkStart);
    chunk = ReadText(file, TruncateToInt64(cut - 1.0));
    if (chunk.empty()) break;
    parts.emplace_back(chunk.view());
  }
  CloseFile(file);
  return result;
}

struct SplitRun {
  SplitOutcome outcome;
  std::vector<std::string> parts;
};

SplitRun ProductionParts(const TempFolder& folder, const Text& sourcePath, int64_t chunkBytes,
                         std::size_t blockBytes) {
  SplitSource how;
  how.chunkBytes = [chunkBytes] { return chunkBytes; };
  how.outputFolder = [&folder] { return folder.Path(); };
  how.searchBlockBytes = blockBytes;
  how.copyBlockBytes = blockBytes;
  SplitRun run;
  run.outcome = SplitSourceFile(sourcePath, how, RunSources({sourcePath}));
  Text namePart = NamePart(sourcePath, kNativePathSyntax);
  for (int32_t number = 1; number <= run.outcome.partsWritten; ++number) {
    run.parts.push_back(
        ReadBytes(ConcatTexts({folder.Path(), namePart, IntToText(number), ".txt"})));
  }
  return run;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += part;
  return joined;
}

// Splits one source at one chunk size and checks the parts; true when the
// plain loop got through it.
bool CheckSource(const TempFolder& folder, const Text& sourcePath, const std::string& source,
                 int32_t chunkBytes, std::size_t blockBytes) {
  SCOPED_TRACE(testing::Message() << "source " << testing::PrintToString(source) << ", chunk "
                                  << chunkBytes << ", block " << blockBytes);
  SplitRun run = ProductionParts(folder, sourcePath, chunkBytes, blockBytes);
  EXPECT_TRUE(run.outcome.Complete());
  for (const std::string& part : run.parts) {
    EXPECT_GE(part.size(), 1u);
    EXPECT_LE(part.size(), static_cast<std::size_t>(chunkBytes));
  }
  EXPECT_EQ(Joined(run.parts), source);
  EXPECT_EQ(run.parts, ReferenceParts(source, chunkBytes));
  std::optional<std::vector<std::string>> primitiveParts =
      PrimitiveLoopParts(sourcePath, chunkBytes);
  if (primitiveParts) {
    EXPECT_EQ(run.parts, *primitiveParts);
  }
  return primitiveParts.has_value();
}

const std::size_t kBlockSizes[] = {1, 2, 3, 4, 5, 7, 16, 4096};

TEST(SplitDifferentialTest, MixedSourcesAtSmallChunks) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("source.txt");
  TextGenerator generate(7);
  std::vector<std::string> sources = {"", "a", "\xB0", "ab\r\n", "\r\n\r\n\r\n", "abc\xB0"};
  for (int i = 0; i < 40; ++i) sources.push_back(generate.Mixed(1 + generate.Below(24)));
  std::size_t turn = 0;
  for (const std::string& source : sources) {
    WriteBytes(sourcePath, source);
    for (int32_t chunkBytes : {1, 2, 3, 4, 5, 6, 7, 9, 12, 16, 25, 40, 64, 200}) {
      CheckSource(folder, sourcePath, source, chunkBytes,
                  kBlockSizes[turn++ % std::size(kBlockSizes)]);
    }
    // Exactly one chunk: one part, the whole source.
    if (!source.empty()) {
      CheckSource(folder, sourcePath, source, static_cast<int32_t>(source.size()), 3);
    }
  }
}

// CRLF lines short enough for the chunk: the plain loop always gets through
// them, so the parts are compared with it on every source.
TEST(SplitDifferentialTest, LinesThatFitTheChunkSplitAsThePlainLoopDoes) {
  TempFolder folder;
  Text sourcePath = folder.PathOf("source.txt");
  TextGenerator generate(11);
  std::size_t turn = 0;
  for (int i = 0; i < 40; ++i) {
    std::string source = generate.Lines(1 + generate.Below(12), 6);
    WriteBytes(sourcePath, source);
    for (int32_t chunkBytes : {10, 11, 13, 17, 30}) {
      EXPECT_TRUE(CheckSource(folder, sourcePath, source, chunkBytes,
                              kBlockSizes[turn++ % std::size(kBlockSizes)]));
    }
  }
}

}  // namespace
