// Real windows for the tests of the window code: a hidden top-level window
// that is destroyed with its object, and the controls the code works on.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

struct DestroyWindowDeleter {
  void operator()(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, DestroyWindowDeleter>;

// A plain top-level window (the "STATIC" class needs no registration).
inline OwnedWindow MakeTopLevelWindow(int x = 100, int y = 100, int width = 400, int height = 300) {
  return OwnedWindow(CreateWindowExA(0, "STATIC", "test", WS_OVERLAPPEDWINDOW, x, y, width, height, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
}

inline HWND MakeChild(HWND parent, const char* windowClass, DWORD style = 0, const char* text = "") {
  return CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 20, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// A list-view control in report view with one column, like the source list.
inline HWND MakeReportList(HWND parent) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  HWND list = MakeChild(parent, WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 300;
  column.pszText = const_cast<char*>("path");
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  return list;
}
