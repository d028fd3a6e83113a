// The name part of a source path: what comes between the output folder and
// the part number in the name of every part file.
#pragma once

#include "engine/file_system.h"
#include "engine/text.h"

// The piece of the path from its last folder separator up to, not including,
// its last '.': E:\data\my.book.txt gives \my.book. Where that piece would be
// empty or only the separator (no separator, no '.', a '.' only in a folder
// name, a file name that begins with its only '.'), the name part is the
// separator followed by the whole file name instead: E:\my.data\README gives
// \README and E:\data\.txt gives \.txt; the separator is '\' (Windows) or '/'
// when the path holds none. So it is never empty and always begins with a
// separator.
//
// Windows syntax: '\' and '/' both end a folder name, and the searches follow
// the byte-pair rule, so the second byte of a two-byte character is never
// taken for a separator or a dot. POSIX syntax: every '/' byte ends a folder
// name and the searches go by plain bytes (paths there are UTF-8).
Text NamePart(const Text& sourcePath, PathSyntax syntax);
