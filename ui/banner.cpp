#include "ui/banner.h"

#include <memory>
#include <optional>
#include <span>

#include "ui/jpeg_picture.h"
#include "ui/resources.h"

namespace {

// The banner picture of the module's resources, decoded; nothing when it is
// missing or cannot be decoded, and then only the face colour shows.
std::optional<Picture> LoadBannerPicture(HINSTANCE instance) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(TARVOLIN_BANNER), RT_RCDATA);
  if (!resource) return std::nullopt;
  HGLOBAL loaded = LoadResource(instance, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return DecodeJpeg({static_cast<const uint8_t*>(bytes), SizeofResource(instance, resource)});
}

void Paint(HWND window, const std::optional<Picture>& picture) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (picture) {
    // Halftone smoothing where the display has the colours for it; plain
    // pixel dropping otherwise.
    if (GetDeviceCaps(dc, BITSPIXEL) > 16) {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE leaves the brush origin undefined
    } else {
      SetStretchBltMode(dc, COLORONCOLOR);
    }
    BITMAPINFO header = picture->Header();
    StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, picture->width, picture->height,
                  picture->pixels.data(), &header, DIB_RGB_COLORS, SRCCOPY);
  }
  EndPaint(window, &paint);
}

// What one banner window keeps: its picture, and the font it is given like
// every control (it draws no text with it).
struct BannerState {
  std::optional<Picture> picture;
  HFONT font = nullptr;
};

BannerState* StateOf(HWND window) {
  return reinterpret_cast<BannerState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK BannerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      // Decoded once, when the window is made, and kept for every repaint.
      auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      auto state = std::make_unique<BannerState>(LoadBannerPicture(create->hInstance));
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
      break;
    }
    case WM_NCDESTROY:
      delete StateOf(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      if (BannerState* state = StateOf(window)) {
        Paint(window, state->picture);
        return 0;
      }
      break;
    case WM_SETFONT:
      if (BannerState* state = StateOf(window)) state->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      if (BannerState* state = StateOf(window)) return reinterpret_cast<LRESULT>(state->font);
      return 0;
    case WM_LBUTTONDOWN:
      SendMessageA(GetParent(window), WM_COMMAND,
                   MAKEWPARAM(GetDlgCtrlID(window), STN_CLICKED), reinterpret_cast<LPARAM>(window));
      break;  // and on to the usual processing of the press
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterBannerClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  if (GetClassInfoExA(instance, kBannerClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = BannerProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kBannerClassName;
  return RegisterClassExA(&windowClass) != 0;
}
