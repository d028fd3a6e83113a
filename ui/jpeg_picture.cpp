#include "ui/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <utility>

// windows.h first: jpeglib.h relies on its types being known already.
#include <jpeglib.h>

namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder instead, which then gives up on the picture.
struct ErrorJump {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->escape, 1);
}

// Warnings and traces would go to standard error, which a GUI program lacks.
void DropMessage(j_common_ptr) {}

// Pictures larger than this are not the banner; refusing them keeps a broken
// header from asking for gigabytes.
constexpr JDIMENSION kMaxSide = 8192;

// Sets the decoder up and reads the scanlines into picture. Every libjpeg call that may fail happens
// here, between setjmp and the return, and no object with a destructor is
// created in this frame, so the jump skips nothing that needs cleaning up.
bool Decompress(jpeg_decompress_struct& info, ErrorJump& errors, std::span<const uint8_t> bytes,
                Picture& picture) {
  if (setjmp(errors.escape) != 0) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width > kMaxSide || info.output_height > kMaxSide) {
    return false;
  }
  picture.width = static_cast<int>(info.output_width);
  picture.height = static_cast<int>(info.output_height);
  picture.pixels.resize(static_cast<std::size_t>(picture.Stride()) * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture.pixels.data() + static_cast<std::size_t>(picture.Stride()) * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
    // GDI wants blue first.
    for (JDIMENSION x = 0; x < info.output_width; ++x) std::swap(row[3 * x], row[3 * x + 2]);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

BITMAPINFO Picture::Header() const {
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = width;
  header.bmiHeader.biHeight = -height;  // negative: rows run from the top
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 24;
  header.bmiHeader.biCompression = BI_RGB;
  return header;
}

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  ErrorJump errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpOnError;
  errors.manager.output_message = DropMessage;
  Picture picture;
  bool decoded = Decompress(info, errors, bytes, picture);
  // Also right for a decoder whose set-up failed: it then holds no memory.
  jpeg_destroy_decompress(&info);
  if (!decoded) return std::nullopt;
  return picture;
}
