// The folder of the program file, which becomes the current directory at
// start-up and holds the default output folder.
#pragma once

#include "engine/text.h"

// The path up to, not including, its last "\". The search takes double-byte
// characters as units, so the second byte of one (which may be 0x5C) is never
// taken for the separator. A program in a drive's root gives "C:". A path
// without any "\" is returned whole.
Text ProgramFolderOf(const Text& modulePath);

// The folder to make the current directory: the program folder itself, except
// that a bare drive ("C:") becomes its root ("C:\"), since "C:" alone names
// whatever folder was last current on that drive.
Text CurrentDirectoryFor(const Text& programFolder);

// The full path of the running program file, as GetModuleFileNameA gives it
// into a MAX_PATH buffer.
Text ModulePath();
