#pragma once
// One open database: its two handles, the header and field table read at
// the open, and the reads of values from disk. The open checks every size
// of the files before it reads or allocates for it.

#include <cstdint>
#include <vector>

#include "database/data_file.h"
#include "database/database_file.h"
#include "database/memo_file.h"
#include "services/field_value.h"
#include "services/text.h"

namespace gamereg {

enum class OpenMode {
    // Reading and writing; the repairs of the record count, the file length
    // and the memo block count are written to the files.
    Tool,
    // Reading only; the repairs are made to the copy in memory alone.
    Inspection,
};

// What the open found in the files before it repaired them.
struct OpenFindings {
    std::uint64_t dataFileLength = 0;
    std::int32_t storedRecordCount = 0;
    bool hasMemoFile = false;  // some field has type 11 or 12
    std::uint64_t memoFileLength = 0;
    MemoFileHeader storedMemoHeader;
};

struct ToolDatabase {
    Text fullPath;
    DatabaseFile dataFile;
    DatabaseFile memoFile;  // open only when some field has type 11 or 12
    DataFileHeader header;  // with the repaired recordCount
    std::vector<FieldDescriptor> fields;
    std::uint64_t dataStart = 0;
    std::int32_t currentRecord = 0;
    OpenFindings findings;
};

// The full path of the data file that `fileName` names, ".EDB" added when
// it has no extension. Returns 0 or the failure code (-3 for an empty name,
// -4 for a full path beyond 259 characters).
std::int32_t ResolveDataFileName(const Text& fileName, Text& fullPath);

// Opens the database at `fullPath` with `password` (empty for none).
// Returns 0 or the failure code; on failure no lock is left held, no handle
// open, and `database` is as it was.
std::int32_t OpenToolDatabase(const Text& fullPath, const Text& password, OpenMode mode,
                              ToolDatabase& database);

// The value of `field` in `record`, read from disk under the record's lock.
// Returns 0 or the failure code, and then `value` is the empty value of the
// field's kind.
std::int32_t ReadFieldValue(ToolDatabase& database, const FieldDescriptor& field,
                            std::int32_t record, FieldValue& value);

// The status word of `record`, read as a value is.
std::int32_t ReadRecordStatus(ToolDatabase& database, std::int32_t record, std::int32_t& status);

}  // namespace gamereg
