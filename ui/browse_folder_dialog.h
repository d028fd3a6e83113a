// The shell's folder browser, as the ">>" button uses it: it starts at the
// desktop, has a field for typing a name, and is modal over every window of
// the program.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "engine/text.h"

// Shows the browser owned by the active window; the chosen item's
// file-system path, or the empty text on cancel or for an item that has none.
Text BrowseFolderDialog(const Text& title);

// The file-system path of a shell item (a folder without a trailing '\', a
// drive's root with it); the empty text for no item or an item without one.
Text FileSystemPathOf(PCIDLIST_ABSOLUTE item);
