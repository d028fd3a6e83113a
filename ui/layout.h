// The fixed design of the main window as data: the window's own frame and one
// row per element (type, name, parent, place, size, text, styles, colours).
// The window is built from this table and the tests read the live window back
// and compare it with the same rows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <span>

// The elements' ids, in the order of the table: first the controls that take
// the keyboard focus, in focus order, then the others.
enum class ControlId : int {
  超级列表框1 = 1001,
  按钮2,
  按钮3,
  按钮1,
  编辑框1,
  编辑框2,
  单选框1,
  单选框3,
  按钮4,
  标签1,
  标签3,
  标签2,
  分组框1,
  分组框2,
  图片框1,
  拖放对象1,
};

enum class ControlType { ListView, Button, EditBox, RadioBox, Label, GroupBox, PicBox, DropTarget };

// The colour a control's background is filled with.
enum class Background { Face, White };

// What an edit field accepts as typed characters (pasted text is never checked).
enum class TypedInput { Any, DigitsAndMinus };

struct ControlRow {
  ControlId id;
  const char* name;  // the design's name, used in test messages
  ControlType type;
  std::optional<ControlId> parent;  // empty: the main window
  int x, y, width, height;          // in the parent's client area
  const char* text;                 // GBK bytes
  DWORD style;                      // WS_CHILD and WS_VISIBLE are added at creation
  DWORD exStyle;
  COLORREF textColour;
  Background background;
  TypedInput typedInput = TypedInput::Any;
};

inline constexpr std::size_t kElementCount = 16;

// All sixteen elements. 拖放对象1 is a non-visual element: it gets no window of
// its own (the drop receiver is bound to the list's window), so its place and
// size have no effect.
std::span<const ControlRow> MainWindowLayout();

// The row of one element; every ControlId has one.
const ControlRow& RowOf(ControlId id);

// Whether a window's control id is one of the table's.
bool IsControlId(int value);

// The row's position in the table, 0-based.
std::size_t IndexOf(ControlId id);

// The window class a control type is created with; nullptr for the drop
// receiver, which has no window.
const char* ClassNameOf(ControlType type);

// Whether the element's place is given relative to a group box.
inline bool InGroupBox(const ControlRow& row) { return row.parent.has_value(); }

// The main window itself: outer size and styles.
inline constexpr int kMainWindowWidth = 640;
inline constexpr int kMainWindowHeight = 480;
inline constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD kMainWindowExStyle = 0;

// Top-left corner of the window centred on a screen of the given size. The
// divisions truncate toward zero, so on a screen smaller than the window an
// edge is negative and part of the window lies off the screen.
inline POINT CentredOrigin(int screenWidth, int screenHeight) {
  return {(screenWidth - kMainWindowWidth) / 2, (screenHeight - kMainWindowHeight) / 2};
}

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
