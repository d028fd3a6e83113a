// The text primitives: byte strings in the system's code page, 1-based
// positions, and the byte-pair rule as the only knowledge of characters.
#include "engine/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <new>

#include "engine/fatal_error.h"

namespace {

// Memory for a text's bytes and its terminator. Running out is fatal. Should
// the report itself run out of memory, the process ends at once instead of
// reporting again and again.
std::unique_ptr<char[]> AllocateTextBytes(std::size_t length) {
  std::unique_ptr<char[]> bytes(new (std::nothrow) char[length + 1]);
  if (!bytes) {
    static bool reporting = false;
    if (reporting) std::_Exit(-1);
    reporting = true;
    ReportFatalError(AllocationFailureMessage(length + 1), 0);
  }
  bytes[length] = '\0';
  return bytes;
}

bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// A text ends at its first 0x00.
std::string_view UpToFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

Text::Text(const char* bytes) : Text(std::string_view(bytes ? bytes : "")) {}

Text::Text(std::string_view bytes) {
  bytes = UpToFirstZero(bytes);
  length_ = bytes.size();
  if (length_ > 0) {
    bytes_ = AllocateTextBytes(length_);
    std::copy(bytes.begin(), bytes.end(), bytes_.get());
  }
}

Text::Text(const Text& other) : Text(other.view()) {}

Text& Text::operator=(const Text& other) {
  if (this != &other) *this = Text(other);
  return *this;
}

int32_t TextLength(const Text& t) { return static_cast<int32_t>(t.size()); }

Text ConcatTexts(std::initializer_list<std::string_view> pieces) {
  std::size_t length = 0;
  for (std::string_view piece : pieces) length += UpToFirstZero(piece).size();
  Text result;
  if (length == 0) return result;
  result.bytes_ = AllocateTextBytes(length);
  result.length_ = length;
  char* end = result.bytes_.get();
  for (std::string_view piece : pieces) {
    piece = UpToFirstZero(piece);
    end = std::copy(piece.begin(), piece.end(), end);
  }
  return result;
}

int CompareText(const Text& a, const Text& b) {
  // char_traits<char> compares bytes as unsigned values; a shorter text that
  // begins the longer one sorts first, as its terminator (0) would.
  int order = a.view().compare(b.view());
  return (order > 0) - (order < 0);
}

int64_t TruncateToInt64(double x) {
  // Values the 64-bit range cannot hold are clipped to its ends; NaN gives 0.
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(x)) return 0;
  if (x >= kTwoTo63) return INT64_MAX;
  if (x < -kTwoTo63) return INT64_MIN;
  return static_cast<int64_t>(x);
}

int32_t FindLastText(const Text& text, const Text& pattern) {
  std::string_view bytes = text.view();
  std::string_view wanted = pattern.view();
  if (wanted.empty()) return bytes.empty() ? -1 : 1;
  int32_t found = -1;
  std::size_t at = 0;
  while (bytes.size() - at >= wanted.size()) {
    if (bytes.compare(at, wanted.size(), wanted) == 0) found = static_cast<int32_t>(at + 1);
    if (!IsLeadByte(static_cast<unsigned char>(bytes[at]))) {
      at += 1;
    } else if (at + 1 < bytes.size()) {
      at += 2;
    } else {
      break;  // a lead byte before the terminator ends the walk
    }
  }
  return found;
}

Text MidText(const Text& text, int32_t start, int32_t count) {
  int64_t length = static_cast<int64_t>(text.size());
  if (start < 1 || start > length || count < 1) return Text();
  int64_t taken = std::min<int64_t>(count, length - start + 1);
  return Text(text.view().substr(static_cast<std::size_t>(start - 1),
                                 static_cast<std::size_t>(taken)));
}

namespace {

// Walks a text by the byte-pair rule and yields its bytes with full-width
// forms folded to ASCII. A pair that does not fold yields its lead byte only
// (never a digit, sign or blank, so the number ends there anyway); a lead
// byte right before the end is dropped.
class FoldedBytes {
 public:
  explicit FoldedBytes(std::string_view bytes) : bytes_(bytes) {}

  // The next folded byte, or -1 at the end.
  int Peek() const {
    if (at_ >= bytes_.size()) return -1;
    unsigned char first = static_cast<unsigned char>(bytes_[at_]);
    if (!IsLeadByte(first)) return first;
    if (at_ + 1 >= bytes_.size()) return -1;
    return Fold(first, static_cast<unsigned char>(bytes_[at_ + 1]));
  }

  void Next() {
    at_ += IsLeadByte(static_cast<unsigned char>(bytes_[at_])) ? 2 : 1;
  }

 private:
  static int Fold(unsigned char first, unsigned char second) {
    if (first == 0xA3 && second >= 0xA1 && second <= 0xFE) return second - 0x80;
    if (first == 0xA1 && second == 0xA1) return ' ';
    if (first == 0xA1 && second == 0xAB) return '~';
    if (first == 0xA1 && (second == 0xEE || second == 0xEF)) return '*';
    return first;
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
};

bool IsBlank(int byte) {
  return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
         byte == '\r';
}

}  // namespace

int32_t TextToInt(const Text& text) {
  FoldedBytes bytes(text.view());
  while (IsBlank(bytes.Peek())) bytes.Next();
  bool negative = bytes.Peek() == '-';
  if (negative || bytes.Peek() == '+') bytes.Next();
  uint32_t value = 0;  // unsigned, so that overflow wraps silently
  for (int byte = bytes.Peek(); byte >= '0' && byte <= '9'; byte = bytes.Peek()) {
    value = value * 10 + static_cast<uint32_t>(byte - '0');
    bytes.Next();
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

Text IntToText(int32_t v) {
  char digits[12];
  auto result = std::to_chars(digits, digits + sizeof digits, v);
  return Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

ByteSet TextToByteSet(const Text& text) {
  try {
    return ByteSet{std::string(text.view())};
  } catch (const std::bad_alloc&) {
    ReportFatalError(AllocationFailureMessage(text.size()), 0);
  }
}
