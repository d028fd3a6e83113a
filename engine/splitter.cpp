// SplitTextFile: the loop over the parts of one source. Each part is found by
// the backward cut search of part_end.h and copied from the source to its
// file without the program looking at the bytes between two cuts (on Linux
// the kernel copies them).
#include "engine/splitter.h"

#include <algorithm>
#include <memory>
#include <new>

#include "engine/part_end.h"
#include "engine/part_name.h"
#include "engine/split_source.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace {

#ifdef _WIN32
constexpr SystemError kSourceEndedEarly{ERROR_HANDLE_EOF};
constexpr SystemError kOutOfMemory{ERROR_NOT_ENOUGH_MEMORY};
#else
constexpr SystemError kSourceEndedEarly{ENODATA};
constexpr SystemError kOutOfMemory{ENOMEM};
#endif

// The block size of the production splitter: large enough that copying
// through it (where the system cannot copy between files by itself) costs
// little per call, small enough that finding a cut near the chunk's end reads
// little beyond the last line.
constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

// The chunk that begins at start, read from the source.
class SourceChunk : public ChunkBytes {
 public:
  SourceChunk(const SourceFile& source, int64_t start) : source_(source), start_(start) {}

  bool Read(int64_t offset, char* buffer, std::size_t count) override {
    std::size_t got = 0;
    if (!source_.ReadAt(start_ + offset, buffer, count, &got, &error_)) return false;
    if (got < count) error_ = kSourceEndedEarly;
    return got == count;
  }

  SystemError Error() const { return error_; }

 private:
  const SourceFile& source_;
  int64_t start_;
  SystemError error_;
};

struct Buffer {
  std::unique_ptr<char[]> bytes;
  std::size_t size = 0;
};

// Writes one part: the source's bytes [start, start + length) into the file
// at path, unless that file is a source of the run. False with the reason
// when the part was not (completely) written.
bool WritePart(const SourceFile& source, int64_t start, int64_t length, const Text& path,
               const RunSources& runSources, const FileIdentity& sourceIdentity, Buffer& buffer,
               PartFailure* failure) {
  failure->path = path;
  SystemError& error = failure->error;
  PartFile part = PartFile::Open(path, &error);
  if (!part.IsOpen()) return false;
  FileIdentity identity;
  if (!part.Identity(&identity, &error)) return false;
  if (identity == sourceIdentity || runSources.Contains(identity)) {
    failure->reason = PartFailure::Reason::WouldReplaceSource;
    return false;
  }
  return part.Truncate(&error) &&
         part.CopyFrom(source, start, length, buffer.bytes.get(), buffer.size, &error) &&
         part.Close(&error);
}

}  // namespace

RunSources::RunSources(const std::vector<Text>& paths) {
  for (const Text& path : paths) {
    SystemError error;
    SourceFile source = SourceFile::Open(path, &error);
    FileIdentity identity;
    if (source.IsOpen() && source.Identity(&identity, &error)) identities_.push_back(identity);
  }
}

bool RunSources::Contains(const FileIdentity& identity) const {
  return std::find(identities_.begin(), identities_.end(), identity) != identities_.end();
}

int64_t ChunkSizeInBytes(const Text& chunkSizeText) {
  return int64_t{TextToInt(chunkSizeText)} * 1024;
}

SplitOutcome SplitSourceFile(const Text& sourcePath, const SplitSource& how,
                             const RunSources& runSources) {
  SplitOutcome outcome;
  auto fail = [&outcome](SplitOutcome::Result result, SystemError error) {
    outcome.result = result;
    outcome.error = error;
    return outcome;
  };
  SystemError error;
  SourceFile source = SourceFile::Open(sourcePath, &error);
  if (!source.IsOpen()) return fail(SplitOutcome::Result::CannotOpen, error);
  int64_t sourceLength = 0;
  FileIdentity sourceIdentity;
  if (!source.Length(&sourceLength, &error) || !source.Identity(&sourceIdentity, &error)) {
    return fail(SplitOutcome::Result::ReadFailed, error);
  }
  Buffer buffer{std::unique_ptr<char[]>(new (std::nothrow) char[how.blockBytes]), how.blockBytes};
  if (!buffer.bytes) return fail(SplitOutcome::Result::ReadFailed, kOutOfMemory);

  Text namePart = NamePart(sourcePath, kNativePathSyntax);
  int32_t partNumber = 0;
  for (int64_t partStart = 0; partStart < sourceLength;) {
    int64_t chunkBytes = how.chunkBytes();
    if (chunkBytes <= 0) return fail(SplitOutcome::Result::InvalidChunkSize, SystemError());
    ++partNumber;
    int64_t partLength = sourceLength - partStart;  // a chunk that reaches the end: all of it
    if (chunkBytes < partLength) {
      SourceChunk chunk(source, partStart);
      if (!FindPartEnd(chunk, chunkBytes, buffer.bytes.get(), buffer.size, &partLength)) {
        return fail(SplitOutcome::Result::ReadFailed, chunk.Error());
      }
    }
    Text path = ConcatTexts({how.outputFolder(), namePart, IntToText(partNumber), ".txt"});
    PartFailure failure;
    failure.number = partNumber;
    if (WritePart(source, partStart, partLength, path, runSources, sourceIdentity, buffer,
                  &failure)) {
      ++outcome.partsWritten;
    } else {
      outcome.failedParts.push_back(failure);
      // A part fails on its own (the next one may well be written), unless
      // the source itself has shrunk under the copy.
      int64_t lengthNow = 0;
      if (!source.Length(&lengthNow, &error)) {
        return fail(SplitOutcome::Result::ReadFailed, error);
      }
      if (lengthNow < partStart + partLength) {
        return fail(SplitOutcome::Result::ReadFailed, kSourceEndedEarly);
      }
    }
    partStart += partLength;
  }
  return outcome;
}

SplitOutcome SplitTextFile(const Text& sourcePath, const SplitSettings& settings,
                           const RunSources& runSources) {
  SplitSource how;
  how.chunkBytes = [&settings] { return ChunkSizeInBytes(settings.ChunkSizeText()); };
  how.outputFolder = [&settings] { return settings.OutputFolderText(); };
  how.blockBytes = kBlockBytes;
  return SplitSourceFile(sourcePath, how, runSources);
}
