#pragma once
// The well-known folders the handlers write into: the temporary-files folder
// for their scripts and batch files, the desktop for the shortcut.

#include <cstdint>

#include "services/text.h"

namespace gamereg {

// Folder numbers: 1 documents, 2 favourites, 3 desktop, 4 fonts, 5 start
// menu, 6 start menu programs, 7 start-up items, 8 application data,
// 9 Windows directory, 10 system directory, 11 temporary files.
// The path always ends with "\"; none for any other number, or when Windows
// cannot say the folder.
Text SpecialFolderPath(std::int32_t folder);

}  // namespace gamereg
