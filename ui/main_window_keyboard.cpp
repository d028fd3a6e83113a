// MainWindow's keyboard rules: Esc closes, Tab and Shift+Tab walk the focus
// order of the layout table (wrapping at both ends), Enter and F1 do nothing,
// and the focused control comes back when the window is activated again.
#include "ui/main_window.h"

namespace {

bool TakesFocus(const ControlRow& row, HWND control) {
  return (row.style & WS_TABSTOP) && control && IsWindowVisible(control) && IsWindowEnabled(control);
}

}  // namespace

bool MainWindow::PreTranslateMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN || !window_) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  switch (message.wParam) {
    case VK_ESCAPE:
      // As if the close box had been clicked, whichever control has the focus.
      SendMessageA(window_, WM_CLOSE, 0, 0);
      return true;
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:  // presses no button and does not move the focus
    case VK_F1:      // there is no help
      return true;
  }
  return false;
}

HWND MainWindow::FocusedControl() const {
  // The focus may sit in a part of a control (such as its own child window).
  for (HWND focus = GetFocus(); focus && focus != window_; focus = GetParent(focus)) {
    for (HWND control : controls_) {
      if (control == focus) return control;
    }
  }
  return nullptr;
}

void MainWindow::MoveFocus(bool backwards) {
  const auto layout = MainWindowLayout();
  const std::size_t count = layout.size();
  HWND focused = FocusedControl();
  // Without a focused control the walk starts just outside the order, so the
  // first step lands on its first (or, backwards, its last) control.
  std::size_t position = focused ? IndexOf(static_cast<ControlId>(GetDlgCtrlID(focused))) : backwards ? 0 : count - 1;
  for (std::size_t step = 0; step < count; ++step) {
    position = backwards ? (position + count - 1) % count : (position + 1) % count;
    HWND candidate = controls_[position];
    if (TakesFocus(layout[position], candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

void MainWindow::OnActivate(WPARAM state) {
  if (LOWORD(state) == WA_INACTIVE) {
    if (HWND focused = FocusedControl()) lastFocus_ = focused;
  }
}

void MainWindow::OnSetFocus() {
  // The window passes the focus on: to the control that had it when the window
  // was last deactivated, or else to the first control of the focus order.
  if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  const auto layout = MainWindowLayout();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (TakesFocus(layout[i], controls_[i])) {
      SetFocus(controls_[i]);
      return;
    }
  }
}
