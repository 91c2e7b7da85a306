#include "database/read_only_database.h"

#include <cassert>

namespace gamereg {

ReadOnlyDatabase::ReadOnlyDatabase() = default;
ReadOnlyDatabase::~ReadOnlyDatabase() = default;
ReadOnlyDatabase::ReadOnlyDatabase(ReadOnlyDatabase&&) noexcept = default;
ReadOnlyDatabase& ReadOnlyDatabase::operator=(ReadOnlyDatabase&&) noexcept = default;

std::int32_t ReadOnlyDatabase::Open(const Text& fileName, const Text& password) {
    Close();
    Text fullPath;
    if (const std::int32_t code = ResolveDataFileName(fileName, fullPath)) return code;
    auto database = std::make_unique<ToolDatabase>();
    if (const std::int32_t code =
            OpenToolDatabase(fullPath, password, OpenMode::Inspection, *database)) {
        return code;
    }
    database_ = std::move(database);
    return 0;
}

void ReadOnlyDatabase::Close() { database_.reset(); }

std::int32_t ReadOnlyDatabase::ReadValue(std::int32_t record, std::size_t field,
                                         FieldValue& value) {
    assert(IsOpen() && field < database_->fields.size());
    return ReadFieldValue(*database_, database_->fields[field], record, value);
}

std::int32_t ReadOnlyDatabase::ReadStatus(std::int32_t record, std::int32_t& status) {
    assert(IsOpen());
    return ReadRecordStatus(*database_, record, status);
}

}  // namespace gamereg
