// The table of the main window's elements. Its order is the keyboard focus
// order, followed by the elements that never take the focus.
#include "ui/layout.h"

#include <commctrl.h>

#include <array>

#include "ui/banner.h"

namespace {

constexpr DWORD kPushButton = WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_MULTILINE | BS_VCENTER;
constexpr DWORD kRadioBox = WS_TABSTOP | BS_AUTORADIOBUTTON | BS_MULTILINE | BS_LEFT | BS_VCENTER;
constexpr DWORD kEditBox = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLabel = SS_OWNERDRAW;
// A group box here is the parent of the controls inside it: it clips them so
// that filling its inside never paints over them.
constexpr DWORD kGroupBox = WS_CLIPCHILDREN | BS_GROUPBOX | BS_LEFT;

using enum ControlId;
using enum ControlType;

constexpr std::array kLayout = {
    ControlRow{超级列表框1, "超级列表框1", ListView, {}, 8, 48, 328, 392, "",
                WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, WS_EX_CLIENTEDGE, kBlack, Background::White},
    ControlRow{按钮2, "按钮2", Button, {}, 8, 8, 80, 32, "添加文件", kPushButton, 0, kBlack, Background::Face},
    ControlRow{按钮3, "按钮3", Button, {}, 96, 8, 80, 32, "清空列表", kPushButton, 0, kBlack, Background::Face},
    ControlRow{按钮1, "按钮1", Button, {}, 600, 80, 25, 20, ">>",
                (kPushButton & ~BS_VCENTER) | BS_BOTTOM, 0, kBlack, Background::Face},
    ControlRow{编辑框1, "编辑框1", EditBox, {}, 344, 80, 256, 20, "", kEditBox | ES_LEFT, WS_EX_CLIENTEDGE,
                kBlack, Background::White},
    ControlRow{编辑框2, "编辑框2", EditBox, 分组框1, 104, 24, 80, 20, "1000", kEditBox | WS_BORDER | ES_CENTER,
                0, kBlack, Background::White, TypedInput::DigitsAndMinus},
    ControlRow{单选框1, "单选框1", RadioBox, 分组框1, 8, 24, 80, 20, "按长度", kRadioBox, 0, kBlack,
                Background::Face},
    ControlRow{单选框3, "单选框3", RadioBox, 分组框2, 16, 24, 96, 24, "文件名+序号", kRadioBox, 0, kBlack,
                Background::Face},
    ControlRow{按钮4, "按钮4", Button, {}, 544, 248, 80, 32, "开始分割", kPushButton, 0, kBlack, Background::Face},
    ControlRow{标签1, "标签1", Label, {}, 344, 48, 80, 20, "输出目录", kLabel, 0, kBlack, Background::Face},
    ControlRow{标签3, "标签3", Label, 分组框1, 192, 24, 80, 20, "KB", kLabel, 0, kBlack, Background::Face},
    ControlRow{标签2, "标签2", Label, {}, 349, 160, 274, 24, "1000KB 大概也就是一个文本内4万多号,自己设置！", kLabel, 0,
                kRed, Background::Face},
    ControlRow{分组框1, "分组框1", GroupBox, {}, 344, 112, 280, 48, "分割选项", kGroupBox, 0, kBlue,
                Background::Face},
    ControlRow{分组框2, "分组框2", GroupBox, {}, 344, 183, 280, 56, "生成选择", kGroupBox, 0, kBlue,
                Background::Face},
    ControlRow{图片框1, "图片框1", PicBox, {}, 343, 296, 288, 152, "", 0, 0, kBlack, Background::Face},
    ControlRow{拖放对象1, "拖放对象1", DropTarget, {}, 280, 63, 26, 26, "", 0, 0, kBlack, Background::Face},
};

// The ids run from the first row on without gaps, so an id is its row's index
// plus the first id.
constexpr bool IdsFollowTheTable() {
  for (std::size_t i = 0; i < kLayout.size(); ++i) {
    if (static_cast<std::size_t>(kLayout[i].id) != static_cast<std::size_t>(超级列表框1) + i) return false;
  }
  return true;
}
static_assert(IdsFollowTheTable());
static_assert(kLayout.size() == kElementCount);

}  // namespace

std::span<const ControlRow> MainWindowLayout() { return kLayout; }

bool IsControlId(int value) {
  return value >= static_cast<int>(kLayout.front().id) && value <= static_cast<int>(kLayout.back().id);
}

std::size_t IndexOf(ControlId id) {
  return static_cast<std::size_t>(id) - static_cast<std::size_t>(超级列表框1);
}

const ControlRow& RowOf(ControlId id) { return kLayout[IndexOf(id)]; }

const char* ClassNameOf(ControlType type) {
  switch (type) {
    case ListView: return WC_LISTVIEWA;
    case Button:
    case RadioBox:
    case GroupBox: return "Button";
    case EditBox: return "Edit";
    case Label: return "Static";
    case PicBox: return kBannerClassName;
    case DropTarget: return nullptr;
  }
  return nullptr;
}
