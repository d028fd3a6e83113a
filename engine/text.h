// Text: the byte strings the program works with, and the operations on them.
//
// A Text is a sequence of bytes in the system's ANSI code page (GBK on the
// users' machines), ended by 0x00, so it holds any byte but 0x00. Nothing is
// ever converted between code pages. An absent text and an empty text are the
// same value. Positions count bytes from 1; a search that finds nothing gives -1.
//
// The only knowledge of characters is the byte-pair rule: walking from the
// first byte, every byte of 0x80 or above opens a two-byte character together
// with the byte after it (unless that byte is the terminating 0x00).
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

class Text {
 public:
  Text() noexcept = default;
  // Both copy the bytes up to the first 0x00, if any.
  Text(const char* bytes);  // NOLINT: texts are built from literals everywhere
  explicit Text(std::string_view bytes);

  Text(const Text& other);
  Text& operator=(const Text& other);
  Text(Text&& other) noexcept = default;
  Text& operator=(Text&& other) noexcept = default;

  // Never null: the empty text gives "".
  const char* c_str() const noexcept { return bytes_ ? bytes_.get() : ""; }
  std::string_view view() const noexcept { return {c_str(), length_}; }
  operator std::string_view() const noexcept { return view(); }  // NOLINT
  std::size_t size() const noexcept { return length_; }
  bool empty() const noexcept { return length_ == 0; }

  friend bool operator==(const Text& a, const Text& b) noexcept { return a.view() == b.view(); }

 private:
  // Builds the result in place, in one allocation.
  friend Text ConcatTexts(std::initializer_list<std::string_view> pieces);

  std::unique_ptr<char[]> bytes_;
  std::size_t length_ = 0;
};

// A counted run of bytes that may hold any byte, 0x00 included.
struct ByteSet {
  std::string bytes;
};

// Number of bytes before the terminating 0x00; 0 for the empty text.
int32_t TextLength(const Text& t);

// The bytes of every piece in order, as a new text.
Text ConcatTexts(std::initializer_list<std::string_view> pieces);

// Byte-wise comparison as unsigned values; the terminator counts as 0.
// -1 when a sorts first, 1 when b does, 0 when equal.
int CompareText(const Text& a, const Text& b);

// x rounded toward zero.
int64_t TruncateToInt64(double x);

// 1-based position of the last occurrence of pattern that starts at a
// character start (byte-pair rule), or -1. An empty pattern gives 1 on a
// non-empty text, -1 on the empty text.
int32_t FindLastText(const Text& text, const Text& pattern);

// count bytes from position start (1-based), clipped to the text; the empty
// text when start < 1, start > length or count < 1. Cuts by bytes.
Text MidText(const Text& text, int32_t start, int32_t count);

// The leading decimal number of the text after full-width forms are folded to
// ASCII, white space skipped and one sign taken; wraps silently in 32 bits;
// 0 without digits.
int32_t TextToInt(const Text& text);

// v in decimal, with a leading '-' for negative values.
Text IntToText(int32_t v);

// The text's bytes without its terminator.
ByteSet TextToByteSet(const Text& text);
