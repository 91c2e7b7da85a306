#pragma once
// A database opened to be looked at: read only, shared with other
// processes, and nothing written to either file. The repairs that the tool's
// own open would write (the record count, the file length, the memo block
// count) are made to the copy in memory, and OpenFindings tells what was
// found before them. Reads lock as the tool's reads do.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "database/data_file.h"
#include "database/tool_database.h"
#include "services/field_value.h"
#include "services/text.h"

namespace gamereg {

class ReadOnlyDatabase {
public:
    ReadOnlyDatabase();
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(ReadOnlyDatabase&&) noexcept;
    ReadOnlyDatabase& operator=(ReadOnlyDatabase&&) noexcept;

    // 0 or the failure code of the open (the codes of OpenDatabase, without
    // -38: an inspection may look at a database that is open elsewhere).
    std::int32_t Open(const Text& fileName, const Text& password);
    bool IsOpen() const { return database_ != nullptr; }
    void Close();

    // Only while open.
    const Text& FullPath() const { return database_->fullPath; }
    const DataFileHeader& Header() const { return database_->header; }  // recordCount repaired
    std::int32_t RecordCount() const { return database_->header.RecordCount(); }
    const std::vector<FieldDescriptor>& Fields() const { return database_->fields; }
    std::uint64_t DataStart() const { return database_->dataStart; }
    const OpenFindings& Findings() const { return database_->findings; }

    // 0 or the failure code of the read, with the empty value of the kind.
    // `record` from 0 to RecordCount() − 1, `field` an index of Fields().
    std::int32_t ReadValue(std::int32_t record, std::size_t field, FieldValue& value);
    std::int32_t ReadStatus(std::int32_t record, std::int32_t& status);

private:
    std::unique_ptr<ToolDatabase> database_;
};

}  // namespace gamereg
