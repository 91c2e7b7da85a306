#pragma once
// Makes a database from a description: the data file and, when some field
// holds byte strings or memo texts, its memo file beside it. Used by the
// publisher's tool and by the tests; the reader never depends on it.

#include <cstdint>
#include <string>
#include <vector>

#include "services/field_value.h"
#include "services/text.h"

namespace gamereg {

struct FieldDefinition {
    Text name;               // at most 16 bytes, code page 936
    std::int32_t type = 0;   // 1 to 12, as in the data file's field table
    std::int32_t width = 0;  // the text width for type 10; not used otherwise
};

// The kind of value a field of a valid type holds.
FieldKind KindOfField(const FieldDefinition& field);

struct RecordDefinition {
    std::int32_t status = 0;  // negative marks the record deleted
    // One value per field, of the field's kind (Text for types 10 and 12,
    // Bytes for type 11). A type-10 text must fit its width.
    std::vector<FieldValue> values;
};

struct DatabaseDefinition {
    Text password;  // empty: a plain database ("WEDB"); otherwise protected ("WCDB")
    std::vector<FieldDefinition> fields;
    std::vector<RecordDefinition> records;
};

// The bytes of both files as they lie on disk (enciphered when protected).
// The fields follow each other from record offset 4; memo values fill
// blocks from block 1 on, in record order and then field order.
struct DatabaseImage {
    Bytes dataFile;
    Bytes memoFile;  // empty when no field has type 11 or 12
};

// An empty text on success; otherwise what is wrong with the description,
// in English, and nothing is built or written.
using WriteProblem = std::string;

WriteProblem BuildDatabaseImage(const DatabaseDefinition& definition, DatabaseImage& image);

// Writes the data file under `dataFileName` as given and, when the image has
// one, the memo file under MemoFileName(dataFileName). Existing files are
// replaced.
WriteProblem WriteDatabase(const DatabaseDefinition& definition, const Text& dataFileName);

}  // namespace gamereg
