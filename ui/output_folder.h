// The output folder: the text of the folder edit box is the only record of
// it. At creation a default folder "分割目录" beside the program is made sure
// of and put in the box; the ">>" button replaces the box's text with the
// folder the user browses to.
#pragma once

#include <windows.h>

#include "engine/text.h"

class DesktopServices;

// True when a file search finds anything for the path (a folder or a plain
// file; wildcards match as in any search); false for the empty path.
bool PathExists(const Text& path);

// Creates the last level of the path; false when it exists already, a parent
// is missing or access is denied.
bool CreateFolder(const Text& path);

// Creates programFolder\分割目录 when nothing of that name exists, and sets the
// box to programFolder\分割目录\ whatever happened. programFolder has no
// trailing '\' (a drive's root is the drive letter and colon alone).
void PrepareOutputFolder(HWND folderBox, const Text& programFolder);

// The ">>" button: the browsed folder goes into the box whatever it is, so a
// cancelled browse empties it.
void ChooseOutputFolder(HWND folderBox, DesktopServices& services);
