#include "database/data_file.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

#include "database/little_endian.h"

namespace gamereg {
namespace {

Text TextUpToNul(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return Text(bytes.begin(), end);
}

template <typename T>
T Stored(std::span<const std::uint8_t> bytes) {
    assert(bytes.size() == sizeof(T));
    T value;
    std::memcpy(&value, bytes.data(), sizeof(T));  // both builds are little-endian
    return value;
}

constexpr double kFirstDate = -657434;
constexpr double kLastDate = 2958465;

}  // namespace

std::int32_t DataFileHeader::Version() const { return Int32At(bytes, 4); }
std::int32_t DataFileHeader::RecordCount() const { return Int32At(bytes, 16); }
std::int32_t DataFileHeader::Word20() const { return Int32At(bytes, 20); }
std::int32_t DataFileHeader::RecordSize() const { return Int32At(bytes, 24); }

Text DataFileHeader::PasswordCheck() const {
    return TextUpToNul(
        std::span(bytes).subspan(DataFile::kPasswordCheckOffset, DataFile::kPasswordCheckSize));
}

void DataFileHeader::SetRecordCount(std::int32_t recordCount) { PutInt32(bytes, 16, recordCount); }

bool DecodeFieldDescriptor(std::span<const std::uint8_t, DataFile::kDescriptorSize> bytes,
                           FieldDescriptor& descriptor) {
    const auto name = bytes.first<DataFile::kNameSize>();
    if (std::find(name.begin(), name.end(), std::uint8_t{0}) == name.end()) return false;
    descriptor.name = TextUpToNul(name);
    descriptor.type = Int32At(bytes, 20);
    descriptor.offset = Int32At(bytes, 24);
    descriptor.width = Int32At(bytes, 28);
    if (!IsValidFieldType(descriptor.type) || descriptor.offset < 0) return false;
    return descriptor.type != static_cast<std::int32_t>(FieldType::Text) || descriptor.width > 0;
}

bool IsValidFieldType(std::int32_t type) { return type >= 1 && type <= 12; }

bool IsMemoFieldType(std::int32_t type) {
    return type == static_cast<std::int32_t>(FieldType::BytesMemo) ||
           type == static_cast<std::int32_t>(FieldType::TextMemo);
}

FieldKind KindOfFieldType(std::int32_t type) {
    assert(IsValidFieldType(type));
    switch (static_cast<FieldType>(type)) {
        case FieldType::Byte:
            return FieldKind::Byte;
        case FieldType::Short:
            return FieldKind::Short;
        case FieldType::Integer:
            return FieldKind::Integer;
        case FieldType::Long:
            return FieldKind::Long;
        case FieldType::Float:
            return FieldKind::Float;
        case FieldType::Double:
            return FieldKind::Double;
        case FieldType::Logical:
            return FieldKind::Logical;
        case FieldType::DateTime:
            return FieldKind::DateTime;
        case FieldType::RoutinePointer:
            return FieldKind::RoutinePointer;
        case FieldType::BytesMemo:
            return FieldKind::Bytes;
        case FieldType::Text:
        case FieldType::TextMemo:
            return FieldKind::Text;
    }
    return FieldKind::Text;
}

std::int32_t StoredValueSize(const FieldDescriptor& field) {
    assert(IsValidFieldType(field.type));
    switch (static_cast<FieldType>(field.type)) {
        case FieldType::Byte:
        case FieldType::Logical:
            return 1;
        case FieldType::Short:
            return 2;
        case FieldType::Long:
        case FieldType::Double:
        case FieldType::DateTime:
            return 8;
        case FieldType::Text:
            return field.width;
        default:
            return 4;
    }
}

FieldValue EmptyValueOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Byte:
            return std::uint8_t{0};
        case FieldKind::Short:
            return std::int16_t{0};
        case FieldKind::Integer:
            return std::int32_t{0};
        case FieldKind::Long:
            return std::int64_t{0};
        case FieldKind::Float:
            return 0.0f;
        case FieldKind::Double:
            return 0.0;
        case FieldKind::Logical:
            return Logical{};
        case FieldKind::DateTime:
            return DateTime{};
        case FieldKind::RoutinePointer:
            return RoutinePointer{};
        case FieldKind::Text:
            return Text{};
        case FieldKind::Bytes:
            return Bytes{};
    }
    return Text{};
}

FieldValue DecodeStoredValue(const FieldDescriptor& field, std::span<const std::uint8_t> bytes) {
    assert(static_cast<std::int32_t>(bytes.size()) == StoredValueSize(field));
    switch (static_cast<FieldType>(field.type)) {
        case FieldType::Byte:
            return bytes[0];
        case FieldType::Short:
            return Stored<std::int16_t>(bytes);
        case FieldType::Integer:
            return Stored<std::int32_t>(bytes);
        case FieldType::Long:
            return Stored<std::int64_t>(bytes);
        case FieldType::Float:
            return Stored<float>(bytes);
        case FieldType::Double:
            return Stored<double>(bytes);
        case FieldType::Logical:
            return Logical{bytes[0] != 0 ? 1 : 0};
        case FieldType::DateTime: {
            const double days = Stored<double>(bytes);
            if (std::isnan(days) || days < kFirstDate) return DateTime{kFirstDate};
            return DateTime{std::min(days, kLastDate)};
        }
        case FieldType::RoutinePointer:
            return RoutinePointer{Stored<std::uint32_t>(bytes)};
        case FieldType::Text:
            return TextUpToNul(bytes);
        case FieldType::BytesMemo:
        case FieldType::TextMemo:
            break;
    }
    assert(false && "memo values are decoded from their blocks");
    return EmptyValueOf(KindOfFieldType(field.type));
}

FieldValue DecodeMemoValue(const FieldDescriptor& field, Bytes bytes) {
    if (field.type == static_cast<std::int32_t>(FieldType::TextMemo)) return TextUpToNul(bytes);
    assert(field.type == static_cast<std::int32_t>(FieldType::BytesMemo));
    return bytes;
}

}  // namespace gamereg
