// Who makes the program: the maker's web page (opened by the banner) and the
// main window's caption, which names it.
#pragma once

#include "engine/text.h"

inline constexpr char kMakerWebAddress[] = "http://www.quenmor.example/";

// "TarvolinV1.1版", two blanks, the maker's web address, one blank,
// "Quenmor工作室出品".
inline Text MainWindowCaption() {
  return ConcatTexts({"TarvolinV1.1版", "  ", kMakerWebAddress, " ", "Quenmor工作室出品"});
}
