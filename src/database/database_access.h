#pragma once
// The tool's database: open it with its password, read named fields of the
// current record, close it. Failures leave a negative code (database_error.h)
// in LastDatabaseError and show nothing; the two reads that cannot be
// answered at all end the program through ReportFatalError.

#include <cstdint>

#include "services/field_value.h"
#include "services/text.h"

namespace gamereg {

// Opens the data file `fileName` (".EDB" when it has no extension) and its
// memo file for reading and writing, shared with other processes, and makes
// it the current database. An empty password opens a plain database.
bool OpenDatabase(const Text& fileName, const Text& password);

// The named field's value in the current record; names compare ignoring
// case. A failed read gives the empty value of the field's kind.
FieldValue ReadField(const Text& fieldName);

// Closes the current database; nothing happens when none is open.
void CloseDatabase();

// The code of the calling thread's last database operation, 0 for success.
std::int32_t LastDatabaseError();

}  // namespace gamereg
