// The multi-select open-file dialog of the add-files button: the explorer-style
// common dialog, owned by the main window and centred over it once it has
// opened, returning every chosen path in the dialog's order.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text.h"
#include "ui/text_array.h"

// The dialog's option flags: no read-only box, the centring hook, several
// files at once, typed folders and files must exist, explorer style, resizable.
inline constexpr DWORD kOpenFilesFlags = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_ALLOWMULTISELECT |
                                         OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER |
                                         OFN_ENABLESIZING;
static_assert(kOpenFilesFlags == 0x881A24);

// The size of the name buffer, which is also the limit passed to the dialog.
inline constexpr std::size_t kOpenFilesBufferSize = 0xF000;

// The function that shows the dialog: GetOpenFileNameA, or a stand-in in tests.
using ShowOpenDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

// Shows the dialog; the chosen paths, or an empty array on cancel or failure.
// The control that had the keyboard focus gets it back afterwards.
TextArray OpenFilesDialog(HWND owner, const Text& title, const Text& filter,
                          ShowOpenDialogFunction show = GetOpenFileNameA);

// The filter as the dialog takes it: "description|pattern|..." with trailing
// white space trimmed and "||" added when missing, then every '|' (never the
// second byte of a double-byte character) turned into a NUL byte.
std::string DialogFilter(std::string_view filter);

// The paths of an explorer-style result: a single full path, or a folder
// followed by names, each joined to the folder with '\' unless the folder
// already ends in '\' or '/' (a drive's root). Never reads past size bytes.
TextArray ParseOpenFilesResult(const char* buffer, std::size_t size);
