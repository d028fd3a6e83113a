#include "engine/part_name.h"

#include <algorithm>
#include <string_view>

namespace {

// 1-based positions, -1 when absent, as FindLastText gives them.
struct SeparatorAndDot {
  int64_t separator = -1;
  int64_t dot = -1;
};

SeparatorAndDot FindSeparatorAndDot(const Text& path, PathSyntax syntax) {
  if (syntax == PathSyntax::Windows) {
    return {std::max(FindLastText(path, "\\"), FindLastText(path, "/")), FindLastText(path, ".")};
  }
  auto lastByte = [&path](char wanted) -> int64_t {
    std::size_t at = path.view().rfind(wanted);
    return at == std::string_view::npos ? -1 : static_cast<int64_t>(at) + 1;
  };
  return {lastByte('/'), lastByte('.')};
}

}  // namespace

Text NamePart(const Text& sourcePath, PathSyntax syntax) {
  SeparatorAndDot found = FindSeparatorAndDot(sourcePath, syntax);
  std::string_view path = sourcePath.view();
  if (found.separator >= 1 && found.dot - found.separator >= 2) {
    return Text(path.substr(static_cast<std::size_t>(found.separator - 1),
                            static_cast<std::size_t>(found.dot - found.separator)));
  }
  if (found.separator >= 1) return Text(path.substr(static_cast<std::size_t>(found.separator - 1)));
  return ConcatTexts({syntax == PathSyntax::Windows ? "\\" : "/", path});
}
