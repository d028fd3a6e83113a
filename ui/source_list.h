// The source file list: the items of the list-view control are the paths the
// next split run cuts, in the order they were added. No copy of them is kept
// anywhere else; every operation works on the control itself.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/text.h"

// Appends the path as the new last item (duplicates are kept, nothing is
// examined).
void AddSourcePath(HWND list, const Text& path);

int32_t SourceCount(HWND list);

// The item's path, whatever its length; the empty text for an index outside
// 0 .. count - 1.
Text SourcePathAt(HWND list, int32_t index);

void ClearSources(HWND list);
