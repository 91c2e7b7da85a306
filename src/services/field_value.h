#pragma once
// What a database read yields: a value of one of eleven kinds, converted at
// once to text or bytes by the code that asked for it.

#include <cstdint>
#include <variant>

#include "services/text.h"

namespace gamereg {

// 1 for true and 0 for false.
struct Logical {
    std::int32_t value = 0;
    friend bool operator==(const Logical&, const Logical&) = default;
};

// An OLE Automation date: days since 1899-12-30, the fraction the time of day.
struct DateTime {
    double days = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Held unchanged; it has no text of its own.
struct RoutinePointer {
    std::uint32_t value = 0;
    friend bool operator==(const RoutinePointer&, const RoutinePointer&) = default;
};

// The alternatives stand in the order of FieldKind.
using FieldValue = std::variant<std::uint8_t, std::int16_t, std::int32_t, std::int64_t, float,
                                double, Logical, DateTime, RoutinePointer, Text, Bytes>;

enum class FieldKind {
    Byte,
    Short,
    Integer,
    Long,
    Float,
    Double,
    Logical,
    DateTime,
    RoutinePointer,
    Text,
    Bytes,
};

inline FieldKind KindOf(const FieldValue& value) { return static_cast<FieldKind>(value.index()); }

// Numbers in decimal (a Float rounded to six significant digits first),
// Logical as "真" or "假", a DateTime as "2011年4月29日8时30分", a Bytes up to
// its first NUL.
Text ToText(const FieldValue& value);

// The payload's own bytes, numbers little-endian; a Text without its NUL.
Bytes ToBytes(const FieldValue& value);

}  // namespace gamereg
