// SplitTextFile: the loop over the parts of one source. Each part is found by
// the backward cut search of part_end.h, which normally reads only the end of
// the chunk; the part is then copied from the source to its file in large
// blocks, without the program looking at the bytes between two cuts.
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

// The block sizes of the production splitter. A cut is normally found within
// the last line of the chunk, so the search reads small blocks; the copy
// costs little per call with large ones. (Copying through the program was
// measured faster than the kernel's copy_file_range on Linux, and it tells a
// failed read of the source from a failed write of the part.)
constexpr std::size_t kSearchBlockBytes = std::size_t{16} << 10;
constexpr std::size_t kCopyBlockBytes = std::size_t{256} << 10;

// Reads exactly count bytes of the source at offset; a source that ends
// before them is an error.
bool ReadExactly(const SourceFile& source, int64_t offset, char* buffer, std::size_t count,
                 SystemError* error) {
  std::size_t got = 0;
  if (!source.ReadAt(offset, buffer, count, &got, error)) return false;
  if (got < count) *error = kSourceEndedEarly;
  return got == count;
}

// The chunk that begins at start, read from the source.
class SourceChunk : public ChunkBytes {
 public:
  SourceChunk(const SourceFile& source, int64_t start) : source_(source), start_(start) {}

  bool Read(int64_t offset, char* buffer, std::size_t count) override {
    return ReadExactly(source_, start_ + offset, buffer, count, &error_);
  }

  SystemError Error() const { return error_; }

 private:
  const SourceFile& source_;
  int64_t start_;
  SystemError error_;
};

// Where one part comes from and what it may not replace.
struct PartSource {
  const SourceFile& file;
  FileIdentity identity;
  const RunSources& runSources;
  char* buffer;
  std::size_t bufferBytes;
};

enum class PartWritten { Yes, No, SourceFailed };

// Writes the source's bytes [start, start + length) to the file at path,
// unless that file is a source (it is then left untouched). Otherwise *failure
// tells why the part is missing or incomplete; SourceFailed when reading the
// source failed, with its error in failure->error.
PartWritten WritePart(const PartSource& source, int64_t start, int64_t length, const Text& path,
                      PartFailure* failure) {
  failure->path = path;
  SystemError& error = failure->error;
  PartFile part = PartFile::Open(path, &error);
  FileIdentity identity;
  if (!part.IsOpen() || !part.Identity(&identity, &error)) return PartWritten::No;
  if (identity == source.identity || source.runSources.Contains(identity)) {
    failure->reason = PartFailure::Reason::WouldReplaceSource;
    return PartWritten::No;
  }
  if (!part.Truncate(&error)) return PartWritten::No;
  for (int64_t done = 0; done < length;) {
    std::size_t block =
        static_cast<std::size_t>(std::min<int64_t>(length - done, source.bufferBytes));
    if (!ReadExactly(source.file, start + done, source.buffer, block, &error)) {
      return PartWritten::SourceFailed;
    }
    if (!part.Write(source.buffer, block, &error)) return PartWritten::No;
    done += static_cast<int64_t>(block);
  }
  return part.Close(&error) ? PartWritten::Yes : PartWritten::No;
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
  SourceFile file = SourceFile::Open(sourcePath, &error);
  if (!file.IsOpen()) return fail(SplitOutcome::Result::CannotOpen, error);
  int64_t sourceLength = 0;
  FileIdentity identity;
  if (!file.Length(&sourceLength, &error) || !file.Identity(&identity, &error)) {
    return fail(SplitOutcome::Result::ReadFailed, error);
  }
  std::size_t bufferBytes = std::max(how.searchBlockBytes, how.copyBlockBytes);
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[bufferBytes]);
  if (!buffer) return fail(SplitOutcome::Result::ReadFailed, kOutOfMemory);
  PartSource source{file, identity, runSources, buffer.get(), how.copyBlockBytes};

  Text namePart = NamePart(sourcePath, kNativePathSyntax);
  int32_t partNumber = 0;
  for (int64_t partStart = 0; partStart < sourceLength;) {
    int64_t chunkBytes = how.chunkBytes();
    if (chunkBytes <= 0) return fail(SplitOutcome::Result::InvalidChunkSize, SystemError());
    ++partNumber;
    int64_t partLength = sourceLength - partStart;  // a chunk that reaches the end: all of it
    if (chunkBytes < partLength) {
      SourceChunk chunk(file, partStart);
      if (!FindPartEnd(chunk, chunkBytes, buffer.get(), how.searchBlockBytes, &partLength)) {
        return fail(SplitOutcome::Result::ReadFailed, chunk.Error());
      }
    }
    Text path = ConcatTexts({how.outputFolder(), namePart, IntToText(partNumber), ".txt"});
    PartFailure failure;
    failure.number = partNumber;
    PartWritten written = WritePart(source, partStart, partLength, path, &failure);
    if (written == PartWritten::Yes) {
      ++outcome.partsWritten;
    } else {
      // A part fails on its own and the next may well be written; a source
      // that cannot be read any more ends the split.
      outcome.failedParts.push_back(failure);
      if (written == PartWritten::SourceFailed) {
        return fail(SplitOutcome::Result::ReadFailed, failure.error);
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
  how.searchBlockBytes = kSearchBlockBytes;
  how.copyBlockBytes = kCopyBlockBytes;
  return SplitSourceFile(sourcePath, how, runSources);
}
