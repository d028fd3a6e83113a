// A fresh, empty folder for one test, removed with everything in it when the
// test ends; paths inside it as Texts, and plain byte access to its files that
// does not go through the code under test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "engine/text.h"

class TempFolder {
 public:
  explicit TempFolder(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    std::random_device random;
    do {
      path_ = base / ("tarvolin-test-" + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder itself, without a trailing separator.
  Text Path() const { return Text(path_.string()); }

  // A path in the folder; name is taken as bytes (GBK names work on Windows).
  Text PathOf(std::string_view name) const {
#ifdef _WIN32
    return ConcatTexts({Path(), "\\", name});
#else
    return ConcatTexts({Path(), "/", name});
#endif
  }

 private:
  std::filesystem::path path_;
};

// The narrow-path stream functions take the path as bytes in the ANSI code
// page, as the code under test does.
inline void WriteBytes(const Text& path, std::string_view bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path.c_str();
}

inline std::string ReadBytes(const Text& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool Exists(const Text& path) { return std::ifstream(path.c_str()).good(); }
