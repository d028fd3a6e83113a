// A plain forward-walking statement of where parts end, for checking the
// splitter against: it marks every character start by walking the chunk from
// its first byte, then picks the cut by the rules of part_end.h.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

inline int64_t ReferencePartLength(std::string_view chunk) {
  const int64_t length = static_cast<int64_t>(chunk.size());
  std::vector<bool> characterStart(chunk.size() + 1, false);
  for (int64_t at = 0; at < length;) {
    characterStart[at] = true;
    at += static_cast<unsigned char>(chunk[at]) >= 0x80 ? 2 : 1;
    if (at == length) characterStart[at] = true;
  }
  for (int64_t at = length - 2; at >= 1; --at) {
    if (characterStart[at] && chunk[at] == '\r' && chunk[at + 1] == '\n') return at;
  }
  for (int64_t at = length - 1; at >= 1; --at) {
    if (characterStart[at] && chunk[at] == '\n') return at;
  }
  return characterStart[length] ? length : std::max<int64_t>(length - 1, 1);
}

// The parts of a whole source: a chunk that reaches the end is the last part.
inline std::vector<std::string> ReferenceParts(std::string_view source, int64_t chunkBytes) {
  std::vector<std::string> parts;
  for (std::size_t start = 0; start < source.size();) {
    std::string_view rest = source.substr(start);
    std::size_t length = static_cast<int64_t>(rest.size()) <= chunkBytes
                             ? rest.size()
                             : static_cast<std::size_t>(
                                   ReferencePartLength(rest.substr(0, chunkBytes)));
    parts.emplace_back(rest.substr(0, length));
    start += length;
  }
  return parts;
}

// Random texts built from the pieces that matter to the cut: line breaks of
// both kinds, lone carriage returns, ASCII, GBK pairs, a lead byte right
// before "\r\n" (which hides it), lone high bytes, 0x00, 0x1A and lines
// longer than small chunks.
class TextGenerator {
 public:
  explicit TextGenerator(uint32_t variant) : random_(variant) {}

  std::string Mixed(std::size_t pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) {
      switch (Below(12)) {
        case 0: case 1: text += "\r\n"; break;
        case 2: text += '\n'; break;
        case 3: text += '\r'; break;
        case 4: case 5: text += Letter(); break;
        case 6: case 7: text += GbkPair(); break;
        case 8: text += "\xB0\r\n"; break;
        case 9: text += static_cast<char>(0x80 + Below(0x80)); break;
        case 10: text += Below(2) ? '\0' : '\x1A'; break;
        default: text += std::string(10 + Below(30), 'x'); break;
      }
    }
    return text;
  }

  // CRLF lines of ASCII and GBK pairs, each at most maxLine bytes before its
  // break; the last line may lack its break.
  std::string Lines(std::size_t lines, std::size_t maxLine) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
      std::string line;
      for (;;) {
        std::string piece = Below(2) ? GbkPair() : std::string(1, Letter());
        if (line.size() + piece.size() > maxLine || Below(4) == 0) break;
        line += piece;
      }
      text += line;
      if (i + 1 < lines || Below(2)) text += "\r\n";
    }
    return text;
  }

  std::size_t Below(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
  }

 private:
  char Letter() { return static_cast<char>('a' + Below(26)); }

  std::string GbkPair() {
    return {static_cast<char>(0x81 + Below(0x7E)), static_cast<char>(0x40 + Below(0xBF))};
  }

  std::mt19937 random_;
};
