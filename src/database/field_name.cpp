#include "database/field_name.h"

#include "database/code_page_936.h"

namespace gamereg {
namespace {

Text UpperCharacterAt(std::string_view text, std::size_t at, std::size_t size) {
    if (size == 2) return UpperDoubleByte(text[at], text[at + 1]);
    const char c = text[at];
    return Text(1, (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c);
}

}  // namespace

bool FieldNamesEqual(std::string_view a, std::string_view b) {
    std::size_t atA = 0;
    std::size_t atB = 0;
    while (atA < a.size() && atB < b.size()) {
        const std::size_t sizeA = CharacterSizeAt(a, atA);
        const std::size_t sizeB = CharacterSizeAt(b, atB);
        if (UpperCharacterAt(a, atA, sizeA) != UpperCharacterAt(b, atB, sizeB)) return false;
        atA += sizeA;
        atB += sizeB;
    }
    return atA == a.size() && atB == b.size();
}

}  // namespace gamereg
