#include "ui/control_behaviour.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kForwardingId = 1;
constexpr UINT_PTR kDigitFilterId = 2;

LRESULT CALLBACK ForwardingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR handler) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageA(reinterpret_cast<HWND>(handler), message, wParam, lParam);
    case WM_ERASEBKGND: {
      // A group box leaves its inside to its parent, which does not paint
      // there because it clips its children: fill it in the group box's
      // background colour.
      HDC dc = reinterpret_cast<HDC>(wParam);
      auto brush = reinterpret_cast<HBRUSH>(
          SendMessageA(reinterpret_cast<HWND>(handler), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(window)));
      RECT client;
      GetClientRect(window, &client);
      FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, ForwardingProc, id);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK DigitFilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR) {
  if (message == WM_CHAR && !IsAcceptedNumberChar(wParam)) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, DigitFilterProc, id);
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void ForwardChildMessages(HWND groupBox, HWND handler) {
  SetWindowSubclass(groupBox, ForwardingProc, kForwardingId, reinterpret_cast<DWORD_PTR>(handler));
}

void AcceptDigitsAndMinusOnly(HWND edit) { SetWindowSubclass(edit, DigitFilterProc, kDigitFilterId, 0); }

bool IsAcceptedNumberChar(WPARAM code) { return code < 32 || (code >= '0' && code <= '9') || code == '-'; }
