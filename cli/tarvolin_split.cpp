// tarvolin-split: the splitting engine on the command line. One line per
// source on standard output with the number of parts written; every failure
// on standard error with the path and the system's reason.
#include <cstdio>
#include <string>

#include "cli/split_options.h"
#include "engine/file_system.h"
#include "engine/splitter.h"

namespace {

enum ExitStatus { kAllSplit = 0, kSomethingFailed = 1, kUsageError = 2 };

class FixedSettings : public SplitSettings {
 public:
  explicit FixedSettings(const SplitOptions& options) : options_(options) {}
  Text ChunkSizeText() const override { return options_.chunkSizeText; }
  Text OutputFolderText() const override { return options_.outputFolder; }

 private:
  const SplitOptions& options_;
};

// A source named without any folder ("book.txt") is handed to the engine as
// "./book.txt": the engine names the parts of a path without a separator
// after the whole path (book.txt1.txt), while here the current folder is
// meant, so that -o out writes out/book1.txt.
Text PathWithFolder(const Text& path) {
  if (kNativePathSyntax == PathSyntax::Windows) {
    bool hasFolder =
        FindLastText(path, "\\") > 0 || FindLastText(path, "/") > 0 || FindLastText(path, ":") > 0;
    return hasFolder ? path : ConcatTexts({".\\", path});
  }
  return path.view().find('/') != std::string_view::npos ? path : ConcatTexts({"./", path});
}

void ReportFailure(const Text& path, const char* what, const Text& reason) {
  std::fprintf(stderr, "tarvolin-split: %s: %s: %s\n", path.c_str(), what, reason.c_str());
}

void Report(const Text& sourcePath, const SplitOutcome& outcome) {
  std::printf("%s: %d %s written\n", sourcePath.c_str(), static_cast<int>(outcome.partsWritten),
              outcome.partsWritten == 1 ? "part" : "parts");
  std::fflush(stdout);  // before the failures, so that a terminal shows them in order
  for (const PartFailure& part : outcome.failedParts) {
    Text reason = part.reason == PartFailure::Reason::WouldReplaceSource
                      ? Text("it would replace a file being split")
                      : SystemErrorText(part.error);
    ReportFailure(part.path, "part not written", reason);
  }
  switch (outcome.result) {
    case SplitOutcome::Result::Split:
      break;
    case SplitOutcome::Result::CannotOpen:
      ReportFailure(sourcePath, "cannot open", SystemErrorText(outcome.error));
      break;
    case SplitOutcome::Result::ReadFailed:
      ReportFailure(sourcePath, "read failed, not split completely",
                    SystemErrorText(outcome.error));
      break;
    case SplitOutcome::Result::InvalidChunkSize:
      ReportFailure(sourcePath, "not split", "invalid chunk size");
      break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  SplitOptions options;
  std::string problem;
  if (!ParseSplitOptions(argc, argv, &options, &problem)) {
    std::fprintf(stderr, "tarvolin-split: %s\n%s", problem.c_str(), kSplitUsage);
    return kUsageError;
  }
  if (options.help) {
    std::fputs(kSplitUsage, stdout);
    return kAllSplit;
  }
  if (ChunkSizeInBytes(options.chunkSizeText) <= 0) {
    std::fprintf(stderr,
                 "tarvolin-split: invalid chunk size \"%s\": give a number of kilobytes above 0\n",
                 options.chunkSizeText.c_str());
    return kUsageError;
  }
  FixedSettings settings(options);
  RunSources runSources(options.sources);
  ExitStatus status = kAllSplit;
  for (const Text& source : options.sources) {
    SplitOutcome outcome = SplitTextFile(PathWithFolder(source), settings, runSources);
    Report(source, outcome);
    if (!outcome.Complete()) status = kSomethingFailed;
  }
  return status;
}
