// MainWindow: creation from the layout table, the window procedure, and the
// colours and drawing of the controls.
#include "ui/main_window.h"

#include <commctrl.h>

#include "ui/banner.h"
#include "ui/control_behaviour.h"
#include "ui/maker.h"
#include "ui/resources.h"

namespace {

constexpr char kMainWindowClassName[] = "TarvolinMainWindow";
constexpr char kListColumnTitle[] = "文件路径";
constexpr int kListColumnWidth = 300;

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  if (GetClassInfoExA(instance, kMainWindowClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClassName;
  return RegisterClassExA(&windowClass) != 0;
}

// The window's pictures are part of its description: without them the program
// file is damaged.
bool DescriptionPresent(HINSTANCE instance) {
  return FindResourceA(instance, MAKEINTRESOURCEA(TARVOLIN_ICON), RT_GROUP_ICON) &&
         FindResourceA(instance, MAKEINTRESOURCEA(TARVOLIN_BANNER), RT_RCDATA);
}

COLORREF BackgroundColour(Background background) {
  return background == Background::White ? kWhite : GetSysColor(COLOR_BTNFACE);
}

HBRUSH BackgroundBrush(Background background) {
  return background == Background::White ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                         : GetSysColorBrush(COLOR_BTNFACE);
}

void SetUpListView(HWND list, const ControlRow& row) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_LEFT;
  column.cx = kListColumnWidth;
  column.pszText = const_cast<char*>(kListColumnTitle);
  SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  COLORREF background = BackgroundColour(row.background);
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, row.textColour);
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, background);
  SendMessageA(list, LVM_SETBKCOLOR, 0, background);
}

// Whatever a control of the type needs beyond its window styles.
void SetUpControl(HWND control, const ControlRow& row, HWND mainWindow) {
  switch (row.type) {
    case ControlType::ListView: SetUpListView(control, row); break;
    case ControlType::RadioBox: SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0); break;
    case ControlType::GroupBox: ForwardChildMessages(control, mainWindow); break;
    default: break;
  }
  if (row.typedInput == TypedInput::DigitsAndMinus) AcceptDigitsAndMinusOnly(control);
}

}  // namespace

MainWindow::MainWindow(DesktopServices& desktop, Text programFolder)
    : desktop_(desktop), programFolder_(std::move(programFolder)) {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

HWND MainWindow::Control(ControlId id) const { return controls_[IndexOf(id)]; }

MainWindow::CreateResult MainWindow::Create(HINSTANCE instance) {
  if (!DescriptionPresent(instance)) return CreateResult::DescriptionUnreadable;
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&commonControls);
  if (!RegisterMainWindowClass(instance, WindowProc) || !RegisterBannerClass(instance)) {
    return CreateResult::WindowNotCreated;
  }

  POINT origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  Text caption = MainWindowCaption();
  // WindowProc keeps the handle in window_ from WM_NCCREATE on.
  if (!CreateWindowExA(kMainWindowExStyle, kMainWindowClassName, caption.c_str(), kMainWindowStyle, origin.x,
                       origin.y, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance, this)) {
    return CreateResult::WindowNotCreated;
  }
  // The outer size is 640 x 480 whatever frame the system draws.
  RECT outer;
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != kMainWindowWidth || outer.bottom - outer.top != kMainWindowHeight) {
    SetWindowPos(window_, nullptr, outer.left, outer.top, kMainWindowWidth, kMainWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetIcons(instance);
  if (!CreateControls(instance)) {
    DestroyWindow(window_);
    return CreateResult::WindowNotCreated;
  }
  OnCreate();
  return CreateResult::Created;
}

void MainWindow::SetIcons(HINSTANCE instance) {
  // Both from the one icon image: the big one at its own size, the small one
  // scaled to the system's small-icon size.
  bigIcon_ = UniqueIcon(
      static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(TARVOLIN_ICON), IMAGE_ICON, 0, 0, 0)));
  smallIcon_ = UniqueIcon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(TARVOLIN_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // The window's own children first, so that the group boxes exist before the
  // controls inside them.
  for (bool insideGroupBox : {false, true}) {
    for (const ControlRow& row : MainWindowLayout()) {
      if (InGroupBox(row) != insideGroupBox || row.type == ControlType::DropTarget) continue;
      HWND parent = row.parent ? Control(*row.parent) : window_;
      HWND control = CreateWindowExA(row.exStyle, ClassNameOf(row.type), row.text, WS_CHILD | row.style,
                                     row.x, row.y, row.width, row.height, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
      if (!control) return false;
      controls_[IndexOf(row.id)] = control;
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      SetUpControl(control, row, window_);
      ShowWindow(control, SW_SHOWNA);
    }
  }
  return true;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->controls_.fill(nullptr);
    self->lastFocus_ = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(static_cast<ControlId>(LOWORD(wParam)), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (IsControlId(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)))) {
        return ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      }
      break;
    case WM_DRAWITEM:
      if (IsControlId(static_cast<int>(wParam))) {
        DrawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      if (quitWhenDestroyed_) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(ControlId id, int notification) {
  // Buttons report clicks with BN_CLICKED and the banner its presses with
  // STN_CLICKED; both are 0.
  if (notification != BN_CLICKED) return;
  switch (id) {
    case ControlId::按钮1: OnChooseFolderClick(); break;
    case ControlId::按钮2: OnAddFilesClick(); break;
    case ControlId::按钮3: OnClearListClick(); break;
    case ControlId::按钮4: OnSplitClick(); break;
    case ControlId::图片框1: OnBannerPress(); break;
    default: break;
  }
}

LRESULT MainWindow::ColourControl(HDC dc, HWND control) {
  const ControlRow& row = RowOf(static_cast<ControlId>(GetDlgCtrlID(control)));
  SetTextColor(dc, row.textColour);
  SetBkColor(dc, BackgroundColour(row.background));
  return reinterpret_cast<LRESULT>(BackgroundBrush(row.background));
}

void MainWindow::DrawLabel(const DRAWITEMSTRUCT& item) {
  const ControlRow& row = RowOf(static_cast<ControlId>(item.CtlID));
  FillRect(item.hDC, &item.rcItem, BackgroundBrush(row.background));
  char text[256];
  int length = GetWindowTextA(item.hwndItem, text, sizeof text);
  SelectedObject font(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, row.textColour);
  RECT area = item.rcItem;
  DrawTextA(item.hDC, text, length, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
