#include "database/database_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/data_file.h"
#include "database/database_paths.h"
#include "database/little_endian.h"
#include "database/memo_file.h"
#include "database/page_cipher.h"

namespace gamereg {
namespace {

WriteProblem CheckField(const FieldDefinition& field) {
    if (field.name.empty() || field.name.size() >= DataFile::kNameSize) {
        return "field name \"" + field.name + "\" must have 1 to 16 bytes";
    }
    if (field.name.find('\0') != Text::npos) return "a field name holds a NUL byte";
    if (!IsValidFieldType(field.type)) {
        return "field \"" + field.name + "\" has type " + std::to_string(field.type) +
               ", not 1 to 12";
    }
    if (field.type == static_cast<std::int32_t>(FieldType::Text) && field.width <= 0) {
        return "text field \"" + field.name + "\" needs a width above 0";
    }
    return {};
}

FieldDescriptor DescriptorOf(const FieldDefinition& field, std::int32_t offset) {
    return FieldDescriptor{field.name, field.type, offset, field.width};
}

// Appends `value` to the memo blocks as a chain and returns its first block
// (0 for an empty value).
std::int32_t AppendMemoValue(Bytes& memo, std::span<const std::uint8_t> value) {
    if (value.empty()) return 0;
    const auto first = static_cast<std::int32_t>(memo.size() / MemoFile::kBlockSize);
    std::size_t done = 0;
    std::int32_t previous = 0;
    while (done < value.size()) {
        const auto block = static_cast<std::int32_t>(memo.size() / MemoFile::kBlockSize);
        const std::size_t count =
            std::min<std::size_t>(value.size() - done, MemoFile::kBlockDataSize);
        memo.resize(memo.size() + MemoFile::kBlockSize, 0);
        const auto bytes = std::span(memo).last(MemoFile::kBlockSize);
        PutInt32(bytes, 0, previous);
        PutInt32(bytes, 4, done + count < value.size() ? block + 1 : 0);
        PutInt32(bytes, 8, static_cast<std::int32_t>(count));
        std::memcpy(bytes.data() + MemoFile::kBlockDataOffset, value.data() + done, count);
        previous = block;
        done += count;
    }
    return first;
}

std::span<const std::uint8_t> BytesOfText(const Text& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

template <typename T>
void PutStored(std::span<std::uint8_t> bytes, const T& value) {
    std::memcpy(bytes.data(), &value, sizeof(T));  // both builds are little-endian
}

WriteProblem PutValue(const FieldDefinition& field, const FieldValue& value,
                      std::span<std::uint8_t> stored, Bytes& memo) {
    if (KindOfField(field) != KindOf(value)) {
        return "a value of field \"" + field.name + "\" is not of the field's kind";
    }
    switch (static_cast<FieldType>(field.type)) {
        case FieldType::Byte:
            stored[0] = std::get<std::uint8_t>(value);
            break;
        case FieldType::Short:
            PutStored(stored, std::get<std::int16_t>(value));
            break;
        case FieldType::Integer:
            PutStored(stored, std::get<std::int32_t>(value));
            break;
        case FieldType::Long:
            PutStored(stored, std::get<std::int64_t>(value));
            break;
        case FieldType::Float:
            PutStored(stored, std::get<float>(value));
            break;
        case FieldType::Double:
            PutStored(stored, std::get<double>(value));
            break;
        case FieldType::Logical:
            stored[0] = std::get<Logical>(value).value != 0 ? 1 : 0;
            break;
        case FieldType::DateTime:
            PutStored(stored, std::get<DateTime>(value).days);
            break;
        case FieldType::RoutinePointer:
            PutStored(stored, std::get<RoutinePointer>(value).value);
            break;
        case FieldType::Text: {
            const Text& text = std::get<Text>(value);
            if (text.size() > stored.size()) {
                return "a text of field \"" + field.name + "\" is longer than its width " +
                       std::to_string(field.width);
            }
            std::memcpy(stored.data(), text.data(), text.size());
            break;
        }
        case FieldType::BytesMemo:
            PutInt32(stored, 0, AppendMemoValue(memo, std::get<Bytes>(value)));
            break;
        case FieldType::TextMemo:
            PutInt32(stored, 0, AppendMemoValue(memo, BytesOfText(std::get<Text>(value))));
            break;
    }
    return {};
}

WriteProblem WriteFile(const Text& fileName, const Bytes& bytes) {
    std::FILE* file = std::fopen(fileName.c_str(), "wb");
    if (file == nullptr) return "cannot create " + fileName;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? WriteProblem{} : "cannot write " + fileName;
}

}  // namespace

FieldKind KindOfField(const FieldDefinition& field) { return KindOfFieldType(field.type); }

WriteProblem BuildDatabaseImage(const DatabaseDefinition& definition, DatabaseImage& image) {
    if (definition.fields.empty()) return "a database needs at least one field";
    std::vector<FieldDescriptor> descriptors;
    std::int64_t recordSize = 4;
    bool hasMemo = false;
    for (const FieldDefinition& field : definition.fields) {
        if (WriteProblem problem = CheckField(field); !problem.empty()) return problem;
        descriptors.push_back(DescriptorOf(field, static_cast<std::int32_t>(recordSize)));
        recordSize += StoredValueSize(descriptors.back());
        if (recordSize > 0x7FFFFFFF) return "the records are too large";
        hasMemo = hasMemo || IsMemoFieldType(field.type);
    }

    const std::uint64_t dataStart =
        DataFile::kFieldTableOffset + DataFile::kDescriptorSize * descriptors.size();
    Bytes data(dataStart, 0);
    Bytes memo;
    if (hasMemo) memo.resize(MemoFile::kBlockSize, 0);
    for (const RecordDefinition& record : definition.records) {
        if (record.values.size() != definition.fields.size()) {
            return "a record needs one value for each field";
        }
        const std::size_t start = data.size();
        data.resize(start + static_cast<std::size_t>(recordSize), 0);
        const auto bytes = std::span(data).subspan(start);
        PutInt32(bytes, 0, record.status);
        for (std::size_t k = 0; k < descriptors.size(); ++k) {
            const auto stored =
                bytes.subspan(static_cast<std::size_t>(descriptors[k].offset),
                              static_cast<std::size_t>(StoredValueSize(descriptors[k])));
            if (WriteProblem problem =
                    PutValue(definition.fields[k], record.values[k], stored, memo);
                !problem.empty()) {
                return problem;
            }
        }
    }

    const bool isProtected = !definition.password.empty();
    const auto& magic = isProtected ? DataFile::kProtectedMagic : DataFile::kPlainMagic;
    std::memcpy(data.data(), magic.data(), magic.size());
    PutInt32(data, 4, DataFile::kVersion);
    PutInt32(data, 16, static_cast<std::int32_t>(definition.records.size()));
    PutInt32(data, 20, 1);
    PutInt32(data, 24, static_cast<std::int32_t>(recordSize));
    if (isProtected) {
        const Text check = CheckString(definition.password);
        std::memcpy(data.data() + DataFile::kPasswordCheckOffset, check.data(), check.size());
    }
    PutInt32(data, DataFile::kFieldCountOffset, static_cast<std::int32_t>(descriptors.size()));
    for (std::size_t k = 0; k < descriptors.size(); ++k) {
        const auto entry = std::span(data).subspan(
            DataFile::kFieldTableOffset + k * DataFile::kDescriptorSize, DataFile::kDescriptorSize);
        std::memcpy(entry.data(), descriptors[k].name.data(), descriptors[k].name.size());
        PutInt32(entry, 20, descriptors[k].type);
        PutInt32(entry, 24, descriptors[k].offset);
        PutInt32(entry, 28,
                 descriptors[k].type == static_cast<std::int32_t>(FieldType::Text)
                     ? descriptors[k].width
                     : 0);
    }
    if (hasMemo) {
        std::memcpy(memo.data(), MemoFile::kMagic.data(), MemoFile::kMagic.size());
        PutInt32(memo, 4, DataFile::kVersion);
        PutInt32(memo, 16, static_cast<std::int32_t>(memo.size() / MemoFile::kBlockSize));
    }

    if (isProtected) {
        PageCipher cipher(definition.password);
        cipher.Transform(data, 0);
        if (hasMemo) cipher.Transform(memo, 0);
    }
    image.dataFile = std::move(data);
    image.memoFile = std::move(memo);
    return {};
}

WriteProblem WriteDatabase(const DatabaseDefinition& definition, const Text& dataFileName) {
    DatabaseImage image;
    if (WriteProblem problem = BuildDatabaseImage(definition, image); !problem.empty()) {
        return problem;
    }
    if (WriteProblem problem = WriteFile(dataFileName, image.dataFile); !problem.empty()) {
        return problem;
    }
    if (image.memoFile.empty()) return {};
    return WriteFile(MemoFileName(dataFileName), image.memoFile);
}

}  // namespace gamereg
