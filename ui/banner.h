// 图片框1, the banner: a child window that fills itself with the face colour,
// draws the program's banner picture stretched over its whole client area,
// and tells its parent about every left-button press (WM_COMMAND with
// STN_CLICKED, sent on the press itself). A double click's second press
// arrives as WM_LBUTTONDBLCLK (the class takes double clicks) and is not
// reported.
#pragma once

#include <windows.h>

inline constexpr char kBannerClassName[] = "TarvolinBanner";

// Registers the banner's window class for the module; true when it is
// registered (also when it already was).
bool RegisterBannerClass(HINSTANCE instance);
