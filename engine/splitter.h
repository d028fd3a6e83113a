// SplitTextFile: cuts one source file into numbered part files of at most the
// chunk size, never dividing a line. Every cut moves back to the last "\r\n"
// inside the chunk (the break travels with the next part); the parts, joined
// in number order, give back the source byte for byte.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/file_system.h"
#include "engine/text.h"

// The two texts the splitter reads from its caller while it works, afresh for
// every part: the chunk size in kilobytes as typed, and the output folder,
// used exactly as it stands (nothing added, removed or trimmed).
class SplitSettings {
 public:
  virtual Text ChunkSizeText() const = 0;
  virtual Text OutputFolderText() const = 0;

 protected:
  ~SplitSettings() = default;
};

// The sources of one run. No part is ever written over any of them, however
// its path is spelled: file identity decides, not text.
class RunSources {
 public:
  RunSources() = default;
  explicit RunSources(const std::vector<Text>& paths);
  bool Contains(const FileIdentity& identity) const;

 private:
  std::vector<FileIdentity> identities_;
};

// A part that could not be written (or was not, because it would have
// replaced a source of the run).
struct PartFailure {
  enum class Reason { SystemError, WouldReplaceSource };
  int32_t number = 0;
  Text path;
  Reason reason = Reason::SystemError;
  SystemError error;
};

// What happened to one source.
struct SplitOutcome {
  enum class Result { Split, CannotOpen, InvalidChunkSize, ReadFailed };
  Result result = Result::Split;
  SystemError error;  // the system's code for CannotOpen and ReadFailed
  int32_t partsWritten = 0;
  std::vector<PartFailure> failedParts;

  bool Complete() const { return result == Result::Split && failedParts.empty(); }
};

// The chunk size in bytes for a chunk size text: its value (read as TextToInt
// reads numbers) times 1024, in 64 bits; 0 or below means an invalid size.
int64_t ChunkSizeInBytes(const Text& chunkSizeText);

// Splits the source into folder + name part + number + ".txt". Shows nothing;
// goes on after a part that fails. The name part is the file name up to its
// last '.', with the separator before it.
SplitOutcome SplitTextFile(const Text& sourcePath, const SplitSettings& settings,
                           const RunSources& runSources);
