// The upper-case mapping of the system locale for code page 936, as
// LCMapStringA gives it, for builds without Windows.

#include "database/field_name.h"

namespace gamereg {
namespace {

struct CaseRange {
    unsigned char lead;
    unsigned char firstTrail;
    unsigned char lastTrail;
    int shift;  // added to the trail byte
};

const CaseRange kCaseRanges[] = {
    {0xA2, 0xA1, 0xAA, 0x50},   // small Roman numerals ⅰ to ⅹ
    {0xA3, 0xE1, 0xFA, -0x20},  // full-width ａ to ｚ
    {0xA6, 0xC1, 0xD8, -0x20},  // Greek α to ω
    {0xA7, 0xD1, 0xF1, -0x30},  // Cyrillic а to я
};

// Lower-case phonetic letters whose upper case has no code page 936 form:
// the conversion back gives the default character.
bool UpperHasNoForm(unsigned char lead, unsigned char trail) {
    return lead == 0xA8 && (trail == 0xBB || trail == 0xBD || trail == 0xBE || trail == 0xC0);
}

}  // namespace

Text UpperDoubleByte(char lead, char trail) {
    const auto l = static_cast<unsigned char>(lead);
    const auto t = static_cast<unsigned char>(trail);
    if (UpperHasNoForm(l, t)) return "?";
    for (const CaseRange& range : kCaseRanges) {
        if (l == range.lead && t >= range.firstTrail && t <= range.lastTrail) {
            return Text{lead, static_cast<char>(t + range.shift)};
        }
    }
    return Text{lead, trail};
}

}  // namespace gamereg
