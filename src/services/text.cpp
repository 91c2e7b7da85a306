#include "services/text.h"

#include <algorithm>

namespace gamereg {

Text ConcatText(std::initializer_list<std::string_view> parts) {
    std::size_t size = 0;
    for (std::string_view part : parts) size += part.size();
    Text joined;
    joined.reserve(size);
    for (std::string_view part : parts) joined += part;
    return joined;
}

namespace {

char FoldAsciiCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(std::string_view text, std::size_t at, std::string_view find, bool caseSensitive) {
    std::string_view candidate = text.substr(at, find.size());
    if (caseSensitive) return candidate == find;
    return std::equal(candidate.begin(), candidate.end(), find.begin(),
                      [](char a, char b) { return FoldAsciiCase(a) == FoldAsciiCase(b); });
}

bool IsLeadByte(char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; }

}  // namespace

Text ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                 std::int32_t startPosition, std::optional<std::int32_t> count,
                 bool caseSensitive) {
    const std::size_t start = startPosition > 1 ? static_cast<std::size_t>(startPosition) - 1 : 0;
    if (text.empty() || find.empty() || start >= text.size() || count == 0) return Text(text);

    Text result(text.substr(0, start));
    std::size_t scan = start;
    std::int32_t replaced = 0;
    while (text.size() - scan >= find.size()) {
        if (MatchesAt(text, scan, find, caseSensitive)) {
            result += replacement;
            scan += find.size();
            if (++replaced == count) break;
        } else if (IsLeadByte(text[scan])) {
            if (scan + 1 == text.size()) {
                // A lead byte without its second byte is not a character: it is dropped.
                scan = text.size();
                break;
            }
            result += text.substr(scan, 2);
            scan += 2;
        } else {
            result += text[scan];
            ++scan;
        }
    }
    result += text.substr(scan);
    return result;
}

}  // namespace gamereg
