#pragma once
// The names of a database's two files. Path separators are "\" and "/";
// the search for them and for "." skips the second byte of a double-byte
// character of code page 936.

#include "services/text.h"

namespace gamereg {

// `fileName` with ".EDB" added when its file name has no "." (only "EDB"
// when it ends with ".").
Text WithDefaultExtension(const Text& fileName);

// The memo file beside the data file: everything after the last "." of the
// file name replaced by "EDT" (".EDT" added when there is no ".").
Text MemoFileName(const Text& dataFileName);

}  // namespace gamereg
