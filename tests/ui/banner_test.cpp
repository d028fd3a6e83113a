// The banner: its picture decodes, a damaged picture is refused without
// ending the program, and a left-button press opens the maker's page once.
#include <string>
#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/jpeg_picture.h"
#include "ui/maker.h"
#include "ui/resources.h"

namespace {

std::vector<uint8_t> BannerBytes() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(TARVOLIN_BANNER), RT_RCDATA);
  if (!resource) return {};
  auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, resource)));
  return {bytes, bytes + SizeofResource(module, resource)};
}

TEST(BannerPicture, DecodesTo110By110Pixels) {
  std::vector<uint8_t> bytes = BannerBytes();
  ASSERT_FALSE(bytes.empty());
  std::optional<Picture> picture = DecodeJpeg(bytes);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 110);
  EXPECT_EQ(picture->height, 110);
  EXPECT_EQ(picture->pixels.size(), 332u * 110u);  // 330-byte rows padded to 4 bytes
}

// libjpeg's own error handling would end the process on these.
TEST(BannerPicture, DamagedPicturesAreRefused) {
  std::vector<uint8_t> banner = BannerBytes();
  ASSERT_GT(banner.size(), 200u);
  std::vector<uint8_t> noFrame(banner.begin(), banner.begin() + 20);    // markers stop early
  std::vector<uint8_t> badMarker = banner;
  badMarker[1] = 0x00;                                                   // no start-of-image marker
  std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'g'};
  for (const auto& bytes : {std::vector<uint8_t>{}, noFrame, badMarker, text}) {
    EXPECT_FALSE(DecodeJpeg(bytes)) << bytes.size() << " bytes";
  }
}

using BannerPressTest = MainWindowTest;

TEST_F(BannerPressTest, OnlyALeftButtonPressOpensTheMakersPage) {
  HWND banner = Control(ControlId::图片框1);
  struct Case {
    UINT message;
    std::size_t pagesOpened;
  };
  for (const Case& c : {Case{WM_LBUTTONDOWN, 1}, Case{WM_LBUTTONDBLCLK, 0}, Case{WM_LBUTTONUP, 0},
                        Case{WM_RBUTTONDOWN, 0}, Case{WM_RBUTTONDBLCLK, 0}}) {
    desktop.openedPages.clear();
    SendMessageA(banner, c.message, c.message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(10, 10));
    PumpMessages();
    EXPECT_EQ(desktop.openedPages.size(), c.pagesOpened) << "message " << std::hex << c.message;
    if (c.pagesOpened) {
      EXPECT_EQ(desktop.openedPages[0], kMakerWebAddress);
    }
  }
}

TEST_F(BannerPressTest, TheBannerTakesDoubleClicksAndShowsTheArrow) {
  HWND banner = Control(ControlId::图片框1);
  EXPECT_TRUE(GetClassLongPtrA(banner, GCL_STYLE) & CS_DBLCLKS);
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(banner, GCLP_HCURSOR)), LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace
