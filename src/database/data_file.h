#pragma once
// The data file ("registry.edb"). Integers are little-endian two's
// complement; a protected file is enciphered from offset 4 on, and
// everything below is the deciphered bytes.
//
// File
//   offset     size              meaning
//   0          112               header
//   112        4                 fieldCount, > 0
//   116        72 × fieldCount   field table, in field order
//   dataStart  recordSize each   records, record 0 first
//   (dataStart = 116 + 72 × fieldCount)
//
// Header
//   0    4   magic: "WEDB" plain, "WCDB" protected; never enciphered
//   4    4   version, at most 0x00010000
//   8    8   not interpreted
//   16   4   recordCount, 0 or more
//   20   4   not interpreted, but 1 or more
//   24   4   recordSize, > 0
//   28   33  passwordCheck (protected files): the password's check string, NUL
//   61   51  not interpreted
//
// Field descriptor
//   0    17  name, code page 936, ended by a NUL within these 17 bytes
//   17   3   not interpreted
//   20   4   type, 1 to 12 (FieldType)
//   24   4   offset of the value within the record, 0 or more
//   28   4   width of a type-10 text, > 0; not interpreted for other types
//   32   40  not interpreted
//
// Record
//   0    4   status: negative marks the record deleted (read all the same)
//   each field's value at its offset, of the size its type gives
//
// Names need not be unique, fields need not lie within recordSize or apart
// from each other, and the file may hold fewer records than it counts.

#include <array>
#include <cstdint>
#include <span>

#include "services/field_value.h"
#include "services/text.h"

namespace gamereg {

namespace DataFile {
constexpr std::size_t kHeaderSize = 112;
constexpr std::uint64_t kFieldCountOffset = 112;
constexpr std::uint64_t kFieldTableOffset = 116;
constexpr std::size_t kDescriptorSize = 72;
constexpr std::uint64_t kRecordCountOffset = 16;
constexpr std::size_t kPasswordCheckOffset = 28;
constexpr std::size_t kPasswordCheckSize = 33;
constexpr std::size_t kNameSize = 17;
constexpr std::int32_t kVersion = 0x00010000;
constexpr std::array<std::uint8_t, 4> kPlainMagic = {'W', 'E', 'D', 'B'};
constexpr std::array<std::uint8_t, 4> kProtectedMagic = {'W', 'C', 'D', 'B'};
}  // namespace DataFile

enum class FieldType : std::int32_t {
    Byte = 1,
    Short = 2,
    Integer = 3,
    Long = 4,
    Float = 5,
    Double = 6,
    Logical = 7,
    DateTime = 8,
    RoutinePointer = 9,
    Text = 10,
    BytesMemo = 11,  // a chain of memo blocks, read whole
    TextMemo = 12,   // a chain of memo blocks, cut at its first NUL
};

struct DataFileHeader {
    std::array<std::uint8_t, DataFile::kHeaderSize> bytes{};  // as stored, deciphered

    std::array<std::uint8_t, 4> Magic() const { return {bytes[0], bytes[1], bytes[2], bytes[3]}; }
    std::int32_t Version() const;
    std::int32_t RecordCount() const;
    std::int32_t Word20() const;
    std::int32_t RecordSize() const;
    // Up to the first NUL of its 33 bytes.
    Text PasswordCheck() const;
    void SetRecordCount(std::int32_t recordCount);
};

struct FieldDescriptor {
    Text name;
    std::int32_t type = 0;
    std::int32_t offset = 0;
    std::int32_t width = 0;
};

// False when the descriptor breaks a rule of the field table.
bool DecodeFieldDescriptor(std::span<const std::uint8_t, DataFile::kDescriptorSize> bytes,
                           FieldDescriptor& descriptor);

bool IsValidFieldType(std::int32_t type);
bool IsMemoFieldType(std::int32_t type);
// Of a valid type.
FieldKind KindOfFieldType(std::int32_t type);
// The bytes of the value in the record: `width` for type 10.
std::int32_t StoredValueSize(const FieldDescriptor& field);

// The value of a kind that a failed read yields: 0, false, or none.
FieldValue EmptyValueOf(FieldKind kind);

// The payload of a non-memo value from its StoredValueSize bytes: texts end
// at their first NUL, a logical is true for any non-zero byte, a date is
// kept within -657434 to 2958465 (not a number: the lower bound).
FieldValue DecodeStoredValue(const FieldDescriptor& field, std::span<const std::uint8_t> bytes);

// A memo field's value from its gathered bytes.
FieldValue DecodeMemoValue(const FieldDescriptor& field, Bytes bytes);

}  // namespace gamereg
