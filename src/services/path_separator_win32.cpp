#include "services/path_separator.h"

#include <windows.h>

namespace gamereg {

std::size_t LastSeparator(std::string_view path) {
    std::size_t last = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '\\') {
            last = i;
        } else if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
            ++i;
        }
    }
    return last;
}

bool EndsWithSeparator(std::string_view path) {
    return !path.empty() && LastSeparator(path) == path.size() - 1;
}

}  // namespace gamereg
