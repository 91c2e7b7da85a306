#include <windows.h>

#include "database/field_name.h"

namespace gamereg {

Text UpperDoubleByte(char lead, char trail) {
    const char character[2] = {lead, trail};
    char upper[4] = {};
    const int size = LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, character, 2, upper,
                                  static_cast<int>(sizeof upper));
    if (size <= 0) return Text(character, 2);
    return Text(upper, static_cast<std::size_t>(size));
}

}  // namespace gamereg
