// The text of a window (an edit box's contents, a caption) as a Text, read
// afresh on every call: the controls are the program's only model.
#pragma once

#include <windows.h>

#include "engine/text.h"

// The window's whole text in the ANSI code page; empty for no window.
Text WindowText(HWND window);
