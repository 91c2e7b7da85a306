#include "database/database_access.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "database/database_error.h"
#include "database/field_name.h"
#include "database/tool_database.h"
#include "services/fatal_error.h"

namespace gamereg {
namespace {

thread_local std::int32_t lastError = 0;

// The open-database list of the process, in the order of opening; the
// current database is one of them or none.
struct OpenDatabases {
    std::vector<std::unique_ptr<ToolDatabase>> list;
    ToolDatabase* current = nullptr;
};

OpenDatabases& Databases() {
    static OpenDatabases databases;
    return databases;
}

// Keeps the open's code for LastDatabaseError; true for success.
bool Finish(std::int32_t code) {
    lastError = code;
    return code == DatabaseError::kNone;
}

}  // namespace

bool OpenDatabase(const Text& fileName, const Text& password) {
    lastError = DatabaseError::kNone;
    Text fullPath;
    if (const std::int32_t code = ResolveDataFileName(fileName, fullPath)) return Finish(code);
    OpenDatabases& databases = Databases();
    const bool alreadyOpen =
        std::any_of(databases.list.begin(), databases.list.end(),
                    [&](const auto& open) { return FieldNamesEqual(open->fullPath, fullPath); });
    if (alreadyOpen) return Finish(DatabaseError::kAlreadyOpen);

    auto database = std::make_unique<ToolDatabase>();
    if (const std::int32_t code = OpenToolDatabase(fullPath, password, OpenMode::Tool, *database)) {
        return Finish(code);
    }
    databases.current = database.get();
    databases.list.push_back(std::move(database));
    return true;
}

FieldValue ReadField(const Text& fieldName) {
    lastError = DatabaseError::kNone;
    ToolDatabase* database = Databases().current;
    if (database == nullptr) ReportFatalError("未指定当前数据库或者指定数据库未打开", 0);
    const auto field =
        std::find_if(database->fields.begin(), database->fields.end(),
                     [&](const FieldDescriptor& f) { return FieldNamesEqual(f.name, fieldName); });
    if (field == database->fields.end()) ReportFatalError("指定字段不存在", 0);

    FieldValue value;
    lastError = ReadFieldValue(*database, *field, database->currentRecord, value);
    return value;
}

void CloseDatabase() {
    lastError = DatabaseError::kNone;
    OpenDatabases& databases = Databases();
    if (databases.current == nullptr) return;
    // Closing the handles releases any lock still held on them.
    databases.current->dataFile.Close();
    databases.current->memoFile.Close();
    std::erase_if(databases.list,
                  [&](const auto& open) { return open.get() == databases.current; });
    databases.current = nullptr;
}

std::int32_t LastDatabaseError() { return lastError; }

}  // namespace gamereg
