// The live window read back and compared with the layout table and with the
// design's own figures.
#include "tests/ui/window_fixture.h"

#include <commctrl.h>

#include <string>
#include "ui/layout.h"
#include "ui/maker.h"

namespace {

std::string WindowText(HWND window) {
  char text[512] = "";
  int length = GetWindowTextA(window, text, sizeof text);
  return std::string(text, length);
}

std::string ClassName(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The window's rectangle in the client coordinates of another window.
RECT RectIn(HWND window, HWND reference) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// An edit field takes WS_BORDER out of its style and draws the line itself.
DWORD StyleKeptBy(const ControlRow& row) {
  return row.type == ControlType::EditBox ? row.style & ~WS_BORDER : row.style;
}

using MainWindowLayoutTest = MainWindowTest;

// The icon and the banner are part of the window's description: a module
// without them (here a system DLL) gives no window.
TEST(MainWindowCreation, AModuleWithoutThePicturesIsRefused) {
  FakeDesktop desktop;
  MainWindow window(desktop, "C:");
  EXPECT_EQ(window.Create(GetModuleHandleA("kernel32.dll")), MainWindow::CreateResult::DescriptionUnreadable);
  EXPECT_EQ(window.Handle(), nullptr);
}

TEST_F(MainWindowLayoutTest, EveryControlIsCreatedAsTheTableSays) {
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlRow& row : MainWindowLayout()) {
    SCOPED_TRACE(row.name);
    HWND control = Control(row.id);
    if (row.type == ControlType::DropTarget) {
      EXPECT_EQ(control, nullptr);  // the drop receiver has no window
      continue;
    }
    ASSERT_NE(control, nullptr);
    EXPECT_STRCASEEQ(ClassName(control).c_str(), ClassNameOf(row.type));
    HWND parent = row.parent ? Control(*row.parent) : window.Handle();
    EXPECT_EQ(GetParent(control), parent);
    EXPECT_EQ(GetDlgCtrlID(control), static_cast<int>(row.id));
    RECT rect = RectIn(control, parent);
    EXPECT_EQ(rect.left, row.x);
    EXPECT_EQ(rect.top, row.y);
    EXPECT_EQ(rect.right - rect.left, row.width);
    EXPECT_EQ(rect.bottom - rect.top, row.height);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)), WS_CHILD | WS_VISIBLE | StyleKeptBy(row));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE)), row.exStyle);
    // The creation event has put the default output folder into 编辑框1.
    if (row.id != ControlId::编辑框1) {
      EXPECT_EQ(WindowText(control), row.text);
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont);
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(MainWindowLayoutTest, ControlsInsideGroupBoxesSitWhereTheDesignPutsThemInTheWindow) {
  struct Case {
    ControlId id;
    ControlId groupBox;
    int x, y;  // in the main window's client area
  };
  for (const Case& c : {Case{ControlId::编辑框2, ControlId::分组框1, 448, 136},
                        Case{ControlId::单选框1, ControlId::分组框1, 352, 136},
                        Case{ControlId::标签3, ControlId::分组框1, 536, 136},
                        Case{ControlId::单选框3, ControlId::分组框2, 360, 207}}) {
    SCOPED_TRACE(RowOf(c.id).name);
    EXPECT_EQ(GetParent(Control(c.id)), Control(c.groupBox));
    RECT rect = RectIn(Control(c.id), window.Handle());
    EXPECT_EQ(rect.left, c.x);
    EXPECT_EQ(rect.top, c.y);
  }
}

TEST_F(MainWindowLayoutTest, TextsAreTheDesignsGbkBytes) {
  // Written as bytes, so a wrong execution character set shows here.
  EXPECT_EQ(WindowText(window.Handle()),
            "TarvolinV1.1\xB0\xE6  http://www.quenmor.example/ Quenmor\xB9\xA4\xD7\xF7\xCA\xD2\xB3\xF6\xC6\xB7");
  EXPECT_EQ(WindowText(Control(ControlId::标签2)),
            "1000KB \xB4\xF3\xB8\xC5\xD2\xB2\xBE\xCD\xCA\xC7\xD2\xBB\xB8\xF6\xCE\xC4\xB1\xBE\xC4\xDA"
            "4\xCD\xF2\xB6\xE0\xBA\xC5,\xD7\xD4\xBC\xBA\xC9\xE8\xD6\xC3\xA3\xA1");
  EXPECT_EQ(WindowText(Control(ControlId::单选框3)), "\xCE\xC4\xBC\xFE\xC3\xFB+\xD0\xF2\xBA\xC5");
  EXPECT_EQ(std::string(kMakerWebAddress), "http://www.quenmor.example/");
}

TEST_F(MainWindowLayoutTest, TheWindowIs640By480CentredWithAFixedFrame) {
  HWND main = window.Handle();
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 640);
  EXPECT_EQ(outer.bottom - outer.top, 480);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2);

  DWORD style = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
            static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
  EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD | WS_POPUP), 0u);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(IsIconic(main));
  EXPECT_FALSE(IsZoomed(main));
  EXPECT_EQ(GetMenu(main), nullptr);
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_EQ(GetClassLongPtrA(main, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
  EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), 0);

  // Without a maximise box, a double click on the title bar changes nothing.
  SendMessageA(main, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(outer.left + 100, outer.top + 8));
  PumpMessages();
  EXPECT_FALSE(IsZoomed(main));
  RECT after;
  GetWindowRect(main, &after);
  EXPECT_TRUE(EqualRect(&outer, &after));

  // The banner's bottom-right corner (631, 448) lies inside the client area.
  RECT client;
  GetClientRect(main, &client);
  EXPECT_GE(client.right, 631);
  EXPECT_GE(client.bottom, 448);
}

TEST(CentredOrigin, HalvesTheSpareRoomTruncatingTowardZero) {
  struct Case {
    int screenWidth, screenHeight, left, top;
  };
  for (const Case& c : {Case{1024, 768, 192, 144}, Case{1366, 768, 363, 144}, Case{641, 481, 0, 0},
                        Case{600, 400, -20, -40}, Case{639, 477, 0, -1}}) {
    POINT origin = CentredOrigin(c.screenWidth, c.screenHeight);
    EXPECT_EQ(origin.x, c.left) << c.screenWidth << " x " << c.screenHeight;
    EXPECT_EQ(origin.y, c.top) << c.screenWidth << " x " << c.screenHeight;
  }
}

TEST_F(MainWindowLayoutTest, TheListHasOneLeftAlignedPathColumnOnWhite) {
  HWND list = Control(ControlId::超级列表框1);
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
  char title[64] = "";
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
  EXPECT_STREQ(title, "\xCE\xC4\xBC\xFE\xC2\xB7\xBE\xB6");  // 文件路径
  EXPECT_EQ(column.cx, 300);
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
  EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP, 0);
  EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(MainWindowLayoutTest, BothRadioButtonsAreChecked) {
  EXPECT_EQ(SendMessageA(Control(ControlId::单选框1), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Control(ControlId::单选框3), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// The colours a control is drawn with, as its parent answers its request. For
// the controls inside a group box the request goes to the group box, which
// must pass it on.
TEST_F(MainWindowLayoutTest, ControlsAreColouredByTheirParents) {
  struct Case {
    ControlId id;
    UINT request;
    COLORREF text;
    COLORREF background;
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Case& c : {Case{ControlId::编辑框1, WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
                        Case{ControlId::编辑框2, WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
                        Case{ControlId::单选框1, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
                        Case{ControlId::单选框3, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
                        Case{ControlId::分组框1, WM_CTLCOLORSTATIC, RGB(0, 0, 255), face},
                        Case{ControlId::分组框2, WM_CTLCOLORSTATIC, RGB(0, 0, 255), face}}) {
    SCOPED_TRACE(RowOf(c.id).name);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    HWND control = Control(c.id);
    LRESULT brush = SendMessageA(GetParent(control), c.request, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(control));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), c.text);
    EXPECT_EQ(GetBkColor(dc), c.background);
  }
  DeleteDC(dc);
}

// What is on the screen: labels in black and red, group-box captions in blue,
// the banner's picture over its box.
TEST_F(MainWindowLayoutTest, LabelsCaptionsAndBannerShowTheirColours) {
  UpdateWindow(window.Handle());
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // Text is smoothed at its edges, so pixels are told apart by their hue:
  // only the middle of a stroke has the pure colour.
  auto countPixels = [](HWND control, bool (*matches)(COLORREF), RECT area) {
    HDC dc = GetDC(control);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += matches(GetPixel(dc, x, y));
    }
    ReleaseDC(control, dc);
    return count;
  };
  auto whole = [](HWND control) {
    RECT client;
    GetClientRect(control, &client);
    return client;
  };
  auto red = [](COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 100 && GetBValue(c) < 100; };
  auto blue = [](COLORREF c) { return GetBValue(c) > 160 && GetRValue(c) < 100 && GetGValue(c) < 100; };
  auto dark = [](COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; };
  HWND label2 = Control(ControlId::标签2), label1 = Control(ControlId::标签1);
  EXPECT_GT(countPixels(label2, red, whole(label2)), 10);
  EXPECT_EQ(countPixels(label2, dark, whole(label2)), 0);
  EXPECT_GT(countPixels(label1, dark, whole(label1)), 10);
  EXPECT_EQ(countPixels(label1, red, whole(label1)), 0);
  // 标签3 is drawn only if its group box passes the drawing request on.
  HWND label3 = Control(ControlId::标签3);
  EXPECT_GT(countPixels(label3, dark, whole(label3)), 5);
  // Labels are filled with the face colour: their corners show it.
  HDC dc = GetDC(label1);
  EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(label1, dc);
  // The caption sits in the top band of the group box.
  for (ControlId box : {ControlId::分组框1, ControlId::分组框2}) {
    RECT band = whole(Control(box));
    band.bottom = 16;
    EXPECT_GT(countPixels(Control(box), blue, band), 10) << RowOf(box).name;
  }
  // The banner shows its picture (mostly blue), not the plain face colour.
  HWND banner = Control(ControlId::图片框1);
  dc = GetDC(banner);
  EXPECT_NE(GetPixel(dc, 10, 140), GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(GetPixel(dc, 280, 10), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(banner, dc);
}

}  // namespace
