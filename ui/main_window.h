// MainWindow: the program's one window, built from the layout table, with its
// keyboard rules and the events the design binds (creation, destruction, the
// four buttons and the banner press).
#pragma once

#include <windows.h>

#include <array>

#include "engine/text.h"
#include "ui/desktop_services.h"
#include "ui/drop_target.h"
#include "ui/gdi.h"
#include "ui/layout.h"

class MainWindow {
 public:
  enum class CreateResult { Created, DescriptionUnreadable, WindowNotCreated };

  // programFolder: the folder of the program file, without a trailing "\".
  MainWindow(DesktopServices& desktop, Text programFolder);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, centred and exactly 640 x 480, then its
  // controls (shown without activation), then raises the creation event.
  // The caller shows the window.
  CreateResult Create(HINSTANCE instance);

  HWND Handle() const { return window_; }
  // The window of a control; nullptr for 拖放对象1, which has none.
  HWND Control(ControlId id) const;

  // The window-level keyboard rules, applied to a message before it is
  // translated and dispatched: true when the message was handled here and must
  // go no further. Esc closes the window, Tab and Shift+Tab move the focus,
  // Enter and F1 do nothing.
  bool PreTranslateMessage(const MSG& message);

  // From now on the window's destruction ends the message loop (PostQuitMessage(0)).
  void QuitWhenDestroyed() { quitWhenDestroyed_ = true; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateControls(HINSTANCE instance);
  void SetIcons(HINSTANCE instance);
  LRESULT ColourControl(HDC dc, HWND control);
  void DrawLabel(const DRAWITEMSTRUCT& item);
  void OnCommand(ControlId id, int notification);

  // Keyboard focus: the control after (or before) the focused one in focus
  // order, and the focus given back when the window is activated again.
  void MoveFocus(bool backwards);
  HWND FocusedControl() const;
  void OnActivate(WPARAM state);
  void OnSetFocus();

  // The design's events.
  void OnCreate();
  void OnDestroy();
  void OnAddFilesClick();
  void OnClearListClick();
  void OnChooseFolderClick();
  void OnSplitClick();
  void OnBannerPress();
  void OnFileDropped(const Text& path);

  DesktopServices& desktop_;
  Text programFolder_;
  HWND window_ = nullptr;
  std::array<HWND, kElementCount> controls_{};
  HWND lastFocus_ = nullptr;
  bool quitWhenDestroyed_ = false;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  // Receives files dropped on the source list from the creation event until
  // the destruction event.
  DropTarget 拖放对象1{[this](const Text& path) { OnFileDropped(path); }};
};
