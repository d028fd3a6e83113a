// The window's keyboard rules: Esc, Tab and Shift+Tab, Enter, F1, the focus
// kept across deactivation, and the typed-character rule of 编辑框2.
#include <string>
#include <vector>

#include "tests/ui/window_fixture.h"

namespace {

// The focus order of the design.
const std::vector<ControlId> kFocusOrder = {ControlId::超级列表框1, ControlId::按钮2,   ControlId::按钮3,
                                            ControlId::按钮1,       ControlId::编辑框1, ControlId::编辑框2,
                                            ControlId::单选框1,     ControlId::单选框3, ControlId::按钮4};

void HoldShift(bool held) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

using KeyboardTest = MainWindowTest;

// A window of its own for each: these need a new window or close theirs.
using FreshWindowTest = MainWindowTest;

TEST_F(FreshWindowTest, FocusStartsOnTheList) {
  if (window.Handle()) DestroyWindow(window.Handle());
  OpenWindow();
  EXPECT_EQ(GetFocus(), Control(ControlId::超级列表框1));
}

TEST_F(FreshWindowTest, EscClosesTheWindowFromAnyControl) {
  for (ControlId id : {ControlId::超级列表框1, ControlId::编辑框1, ControlId::编辑框2}) {
    SCOPED_TRACE(RowOf(id).name);
    if (!window.Handle()) OpenWindow();
    SetFocus(Control(id));
    EXPECT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_EQ(window.Handle(), nullptr);
  }
}

TEST_F(KeyboardTest, TabWalksTheFocusOrderAndWraps) {
  SetFocus(Control(ControlId::超级列表框1));
  for (std::size_t i = 1; i <= kFocusOrder.size(); ++i) {
    EXPECT_TRUE(PressKey(VK_TAB));
    EXPECT_EQ(GetFocus(), Control(kFocusOrder[i % kFocusOrder.size()])) << "after " << i << " Tabs";
  }
}

TEST_F(KeyboardTest, ShiftTabWalksItBackwardsAndWraps) {
  SetFocus(Control(ControlId::超级列表框1));
  HoldShift(true);
  for (std::size_t i = 1; i <= kFocusOrder.size(); ++i) {
    EXPECT_TRUE(PressKey(VK_TAB));
    EXPECT_EQ(GetFocus(), Control(kFocusOrder[(kFocusOrder.size() - i) % kFocusOrder.size()]))
        << "after " << i << " Shift+Tabs";
  }
  HoldShift(false);
}

// With the list empty, a split run would say so at once: no message means
// that Enter pressed no button.
TEST_F(KeyboardTest, EnterAndF1DoNothing) {
  for (ControlId id : {ControlId::按钮4, ControlId::编辑框1, ControlId::超级列表框1}) {
    SetFocus(Control(id));
    for (WPARAM key : {VK_RETURN, VK_F1}) {
      EXPECT_TRUE(PressKey(key));
      EXPECT_EQ(GetFocus(), Control(id));
    }
  }
  EXPECT_TRUE(IsWindow(window.Handle()));
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(KeyboardTest, OtherKeysReachTheControl) {
  SetFocus(Control(ControlId::编辑框1));
  EXPECT_FALSE(PressKey('A'));
}

TEST_F(KeyboardTest, TheFocusComesBackAfterDeactivation) {
  SetFocus(Control(ControlId::编辑框2));
  HWND other = CreateWindowExA(0, "Static", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(other);
  PumpMessages();
  ASSERT_NE(GetFocus(), Control(ControlId::编辑框2));
  SetActiveWindow(window.Handle());
  PumpMessages();
  EXPECT_EQ(GetFocus(), Control(ControlId::编辑框2));
  DestroyWindow(other);
}

std::string TextOf(HWND window) {
  char text[64] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(KeyboardTest, ChunkSizeFieldTakesOnlyTypedDigitsAndMinus) {
  HWND field = Control(ControlId::编辑框2);
  struct Case {
    const char* typed;
    const char* result;
  };
  for (const Case& c : {Case{"1-23", "1-23"}, Case{"a.b Z+", ""}, Case{"9x8.7", "987"},
                        Case{"\xB0\xA1" "5", "5"},  // a double-byte character arrives as two codes
                        Case{"12\b3", "13"}}) {     // Backspace, a control character, passes
    SCOPED_TRACE(c.typed);
    SetWindowTextA(field, "");
    for (const char* p = c.typed; *p; ++p) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(*p), 1);
    EXPECT_EQ(TextOf(field), c.result);
  }
}

TEST_F(KeyboardTest, PastedTextIsNotFiltered) {
  HWND field = Control(ControlId::编辑框2);
  SetWindowTextA(field, "");
  SendMessageA(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("ab.c"));
  EXPECT_EQ(TextOf(field), "ab.c");
}

TEST_F(KeyboardTest, OutputFolderFieldTakesAnyCharacter) {
  HWND field = Control(ControlId::编辑框1);
  SetWindowTextA(field, "");
  for (char c : std::string("ab.c")) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
  EXPECT_EQ(TextOf(field), "ab.c");
}

}  // namespace
