#include "database/database_paths.h"

#include "database/code_page_936.h"

namespace gamereg {
namespace {

struct FileNameParts {
    std::size_t nameStart = 0;         // after the last separator
    std::size_t lastDot = Text::npos;  // within the file name
};

FileNameParts PartsOf(const Text& path) {
    FileNameParts parts;
    for (std::size_t at = 0; at < path.size(); at += CharacterSizeAt(path, at)) {
        if (path[at] == '\\' || path[at] == '/') {
            parts.nameStart = at + 1;
            parts.lastDot = Text::npos;
        } else if (path[at] == '.') {
            parts.lastDot = at;
        }
    }
    return parts;
}

}  // namespace

Text WithDefaultExtension(const Text& fileName) {
    const FileNameParts parts = PartsOf(fileName);
    if (parts.lastDot == Text::npos) return fileName + ".EDB";
    if (parts.lastDot + 1 == fileName.size()) return fileName + "EDB";
    return fileName;
}

Text MemoFileName(const Text& dataFileName) {
    const FileNameParts parts = PartsOf(dataFileName);
    if (parts.lastDot == Text::npos) return dataFileName + ".EDT";
    return dataFileName.substr(0, parts.lastDot + 1) + "EDT";
}

}  // namespace gamereg
