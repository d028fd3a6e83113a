#include "cli/split_options.h"

#include <string_view>

const char kSplitUsage[] =
    "Usage: tarvolin-split [-s KB] [-o FOLDER] FILE...\n"
    "Cuts every FILE into parts of at most KB kilobytes, moving each cut back to\n"
    "the last line break (\\r\\n) inside the chunk. Part n of FILE is named FOLDER,\n"
    "then the file name up to its last '.' with the separator before it, then n\n"
    "and \".txt\" (FOLDER is used exactly as given).\n"
    "  -s, --size KB       chunk size in kilobytes (default 1000)\n"
    "  -o, --out FOLDER    output folder (default .)\n"
    "  -h, --help          show this help\n"
    "Exit status: 0 when every file was split completely, 1 when a file or a part\n"
    "failed, 2 for a usage error or an invalid chunk size (nothing is written).\n";

namespace {

// The value of an option given as "--name=VALUE", "-n VALUE" or "--name VALUE".
// Moves *at past the value when it is the next argument.
bool OptionValue(int argc, char** argv, int* at, std::string_view inlineValue, bool hasInline,
                 Text* value, std::string* problem) {
  if (hasInline) {
    *value = Text(inlineValue);
    return true;
  }
  if (*at + 1 >= argc) {
    *problem = std::string("option ") + argv[*at] + " needs a value";
    return false;
  }
  *value = Text(argv[++*at]);
  return true;
}

}  // namespace

bool ParseSplitOptions(int argc, char** argv, SplitOptions* options, std::string* problem) {
  bool optionsEnded = false;
  for (int at = 1; at < argc; ++at) {
    std::string_view argument = argv[at];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      options->sources.emplace_back(argument);
      continue;
    }
    std::string_view name = argument;
    std::string_view inlineValue;
    bool hasInline = false;
    if (std::size_t equals = argument.find('=');
        argument.starts_with("--") && equals != argument.npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
      hasInline = true;
    }
    if (name == "--") {
      optionsEnded = true;
    } else if (name == "-h" || name == "--help") {
      options->help = true;
    } else if (name == "-s" || name == "--size") {
      if (!OptionValue(argc, argv, &at, inlineValue, hasInline, &options->chunkSizeText, problem)) {
        return false;
      }
    } else if (name == "-o" || name == "--out") {
      if (!OptionValue(argc, argv, &at, inlineValue, hasInline, &options->outputFolder, problem)) {
        return false;
      }
    } else {
      *problem = std::string("unknown option ") + std::string(argument);
      return false;
    }
  }
  if (!options->help && options->sources.empty()) {
    *problem = "no file to split";
    return false;
  }
  return true;
}
