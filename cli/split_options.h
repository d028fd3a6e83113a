// The command line of tarvolin-split: [-s KB] [-o FOLDER] FILE...
#pragma once

#include <string>
#include <vector>

#include "engine/text.h"

struct SplitOptions {
  bool help = false;
  // As typed: the size is read like the window's chunk-size field, the
  // folder is used as it stands.
  Text chunkSizeText = "1000";
  Text outputFolder = ".";
  std::vector<Text> sources;
};

// False with a description of the mistake in *problem for a usage error.
bool ParseSplitOptions(int argc, char** argv, SplitOptions* options, std::string* problem);

extern const char kSplitUsage[];
