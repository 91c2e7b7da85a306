#include "database/tool_database.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <utility>

#include "database/database_error.h"
#include "database/database_paths.h"
#include "database/little_endian.h"

namespace gamereg {
namespace {

constexpr std::uint64_t kWholeFile = 0x7FFFFFFF;
constexpr std::uint64_t kOffsetLimit = std::numeric_limits<std::int32_t>::max();

// A byte-range lock released when it goes out of scope; a failed release is
// of no consequence to the caller.
class RangeLock {
public:
    RangeLock(DatabaseFile& file, std::uint64_t offset, std::uint64_t length)
        : file_(file), offset_(offset), length_(length) {
        error_ = file_.Lock(offset_, length_);
    }
    ~RangeLock() {
        if (error_ == 0) file_.Unlock(offset_, length_);
    }
    RangeLock(const RangeLock&) = delete;
    RangeLock& operator=(const RangeLock&) = delete;

    Win32Error Error() const { return error_; }

private:
    DatabaseFile& file_;
    std::uint64_t offset_;
    std::uint64_t length_;
    Win32Error error_ = 0;
};

// Reads exactly `buffer.size()` bytes: 0 when they were all there, the
// `shortCode` when the file ended before, -21 when the system refused.
std::int32_t ReadWhole(DatabaseFile& file, std::uint64_t offset, std::span<std::uint8_t> buffer,
                       std::int32_t shortCode) {
    std::size_t got = 0;
    if (file.ReadAt(offset, buffer, got) != 0) return DatabaseError::kOpenFailed;
    return got == buffer.size() ? DatabaseError::kNone : shortCode;
}

std::int32_t CheckPassword(const DataFileHeader& header, const Text& password) {
    const auto magic = header.Magic();
    if (magic == DataFile::kPlainMagic) {
        return password.empty() ? DatabaseError::kNone : DatabaseError::kPassword;
    }
    if (magic != DataFile::kProtectedMagic) return DatabaseError::kNotDatabase;
    if (password.empty()) return DatabaseError::kPassword;
    const Text stored = header.PasswordCheck();
    const Text expected = CheckString(password);
    const bool same = std::equal(
        stored.begin(), stored.end(), expected.begin(), expected.end(), [](char a, char b) {
            const auto fold = [](char c) {
                return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
            };
            return fold(a) == fold(b);
        });
    return same ? DatabaseError::kNone : DatabaseError::kPassword;
}

std::int32_t CheckHeaderWords(const DataFileHeader& header) {
    if (header.RecordSize() <= 0 || header.RecordCount() < 0 || header.Word20() < 1) {
        return DatabaseError::kNotDatabase;
    }
    return header.Version() > DataFile::kVersion ? DatabaseError::kVersionTooHigh
                                                 : DatabaseError::kNone;
}

std::int32_t ReadFieldTable(ToolDatabase& database, std::uint64_t fileLength) {
    std::array<std::uint8_t, 4> countBytes{};
    if (const std::int32_t code = ReadWhole(database.dataFile, DataFile::kFieldCountOffset,
                                            countBytes, DatabaseError::kNotDatabase)) {
        return code;
    }
    const std::int32_t fieldCount = Int32At(countBytes, 0);
    if (fieldCount <= 0) return DatabaseError::kNotDatabase;
    const std::uint64_t tableSize =
        DataFile::kDescriptorSize * static_cast<std::uint64_t>(fieldCount);
    // The whole table must be in the file before memory is taken for it.
    if (DataFile::kFieldTableOffset + tableSize > fileLength) return DatabaseError::kNotDatabase;

    Bytes table(static_cast<std::size_t>(tableSize));
    if (const std::int32_t code = ReadWhole(database.dataFile, DataFile::kFieldTableOffset, table,
                                            DatabaseError::kNotDatabase)) {
        return code;
    }
    database.fields.resize(static_cast<std::size_t>(fieldCount));
    for (std::size_t k = 0; k < database.fields.size(); ++k) {
        const std::span<const std::uint8_t, DataFile::kDescriptorSize> entry(
            table.data() + k * DataFile::kDescriptorSize, DataFile::kDescriptorSize);
        if (!DecodeFieldDescriptor(entry, database.fields[k])) return DatabaseError::kNotDatabase;
    }
    database.dataStart = DataFile::kFieldTableOffset + tableSize;
    return DatabaseError::kNone;
}

// Lowers recordCount to the records the file holds and cuts the file after
// the last declared record.
std::int32_t RepairRecords(ToolDatabase& database, std::uint64_t fileLength, OpenMode mode) {
    const auto recordSize = static_cast<std::uint64_t>(database.header.RecordSize());
    const std::uint64_t present = (fileLength - database.dataStart) / recordSize;
    if (present < static_cast<std::uint64_t>(database.header.RecordCount())) {
        database.header.SetRecordCount(static_cast<std::int32_t>(present));
        if (mode == OpenMode::Tool) {
            const auto stored =
                std::span(database.header.bytes).subspan(DataFile::kRecordCountOffset, 4);
            if (database.dataFile.WriteAt(DataFile::kRecordCountOffset, stored) != 0) {
                return DatabaseError::kOpenFailed;
            }
        }
    }
    const std::uint64_t end =
        database.dataStart + static_cast<std::uint64_t>(database.header.RecordCount()) * recordSize;
    if (mode == OpenMode::Tool && database.dataFile.SetLength(end) != 0) {
        return DatabaseError::kOpenFailed;
    }
    return DatabaseError::kNone;
}

std::int32_t OpenMemoFile(ToolDatabase& database, const Text& password, OpenMode mode) {
    const FileAccess access = mode == OpenMode::Tool ? FileAccess::ReadWrite : FileAccess::ReadOnly;
    if (database.memoFile.Open(MemoFileName(database.fullPath), access, password) != 0) {
        return DatabaseError::kMemoUnreadable;
    }
    const RangeLock lock(database.memoFile, 0, kWholeFile);
    if (lock.Error() != 0) return DatabaseCodeOfWin32Error(lock.Error());

    std::array<std::uint8_t, MemoFile::kHeaderSize> bytes{};
    if (const std::int32_t code =
            ReadWhole(database.memoFile, 0, bytes, DatabaseError::kMemoUnreadable)) {
        return code;
    }
    MemoFileHeader& header = database.findings.storedMemoHeader;
    if (!DecodeMemoHeader(bytes, header)) return DatabaseError::kMemoUnreadable;
    if (header.version != database.header.Version()) return DatabaseError::kMemoVersion;

    std::uint64_t length = 0;
    if (database.memoFile.Length(length) != 0) return DatabaseError::kOpenFailed;
    database.findings.memoFileLength = length;
    const std::uint64_t present = length / MemoFile::kBlockSize;
    if (mode == OpenMode::Tool && present < static_cast<std::uint64_t>(header.blockCount)) {
        PutInt32(bytes, MemoFile::kBlockCountOffset, static_cast<std::int32_t>(present));
        const auto stored = std::span(bytes).subspan(MemoFile::kBlockCountOffset, 4);
        if (database.memoFile.WriteAt(MemoFile::kBlockCountOffset, stored) != 0) {
            return DatabaseError::kOpenFailed;
        }
    }
    return DatabaseError::kNone;
}

std::int32_t OpenFiles(ToolDatabase& database, const Text& password, OpenMode mode) {
    const FileAccess access = mode == OpenMode::Tool ? FileAccess::ReadWrite : FileAccess::ReadOnly;
    if (const Win32Error error = database.dataFile.Open(database.fullPath, access, password)) {
        return DatabaseCodeOfWin32Error(error);
    }
    const RangeLock lock(database.dataFile, 0, kWholeFile);
    if (lock.Error() != 0) return DatabaseCodeOfWin32Error(lock.Error());

    if (const std::int32_t code =
            ReadWhole(database.dataFile, 0, database.header.bytes, DatabaseError::kNotDatabase)) {
        return code;
    }
    if (const std::int32_t code = CheckPassword(database.header, password)) return code;
    if (const std::int32_t code = CheckHeaderWords(database.header)) return code;

    std::uint64_t length = 0;
    if (database.dataFile.Length(length) != 0) return DatabaseError::kOpenFailed;
    database.findings.dataFileLength = length;
    database.findings.storedRecordCount = database.header.RecordCount();
    if (const std::int32_t code = ReadFieldTable(database, length)) return code;
    if (const std::int32_t code = RepairRecords(database, length, mode)) return code;

    database.findings.hasMemoFile =
        std::any_of(database.fields.begin(), database.fields.end(),
                    [](const FieldDescriptor& field) { return IsMemoFieldType(field.type); });
    if (database.findings.hasMemoFile) return OpenMemoFile(database, password, mode);
    return DatabaseError::kNone;
}

}  // namespace

std::int32_t ResolveDataFileName(const Text& fileName, Text& fullPath) {
    if (fileName.empty()) return DatabaseError::kFileNotFound;
    if (const Win32Error error = FullPathName(WithDefaultExtension(fileName), fullPath)) {
        return DatabaseCodeOfWin32Error(error);
    }
    return DatabaseError::kNone;
}

std::int32_t OpenToolDatabase(const Text& fullPath, const Text& password, OpenMode mode,
                              ToolDatabase& database) {
    ToolDatabase opened;
    opened.fullPath = fullPath;
    // The locks are released inside; the handles close with `opened` on failure.
    if (const std::int32_t code = OpenFiles(opened, password, mode)) return code;
    database = std::move(opened);
    return DatabaseError::kNone;
}

namespace {

std::uint64_t RecordStart(const ToolDatabase& database, std::int32_t record) {
    assert(record >= 0);
    return database.dataStart + static_cast<std::uint64_t>(record) *
                                    static_cast<std::uint64_t>(database.header.RecordSize());
}

// Reads `size` bytes at `offset` within `record`. The size is checked
// against the file before the buffer is made.
std::int32_t ReadInRecord(ToolDatabase& database, std::int32_t record, std::int32_t offset,
                          std::int32_t size, Bytes& bytes) {
    const std::uint64_t at = RecordStart(database, record) + static_cast<std::uint64_t>(offset);
    std::uint64_t length = 0;
    if (const Win32Error error = database.dataFile.Length(length)) {
        return DatabaseCodeOfWin32Error(error);
    }
    // An offset beyond the format's 32 bits lies past any end of file.
    if (at > kOffsetLimit || at >= length) return DatabaseError::kSeekFailed;
    if (static_cast<std::uint64_t>(size) > length - at) return DatabaseError::kFieldUnreadable;
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t got = 0;
    if (database.dataFile.ReadAt(at, bytes, got) != 0 || got != bytes.size()) {
        return DatabaseError::kFieldUnreadable;
    }
    return DatabaseError::kNone;
}

std::int32_t ReadValueLocked(ToolDatabase& database, const FieldDescriptor& field,
                             std::int32_t record, FieldValue& value) {
    Bytes stored;
    if (const std::int32_t code =
            ReadInRecord(database, record, field.offset, StoredValueSize(field), stored)) {
        return code;
    }
    if (!IsMemoFieldType(field.type)) {
        value = DecodeStoredValue(field, stored);
        return DatabaseError::kNone;
    }
    if (!database.findings.hasMemoFile) return DatabaseError::kFieldUnreadable;
    const std::int32_t firstBlock = Int32At(stored, 0);
    Bytes gathered;
    if (firstBlock != 0) {
        if (const std::int32_t code = ReadMemoValue(database.memoFile, firstBlock, gathered)) {
            return code;
        }
    }
    value = DecodeMemoValue(field, std::move(gathered));
    return DatabaseError::kNone;
}

}  // namespace

std::int32_t ReadFieldValue(ToolDatabase& database, const FieldDescriptor& field,
                            std::int32_t record, FieldValue& value) {
    value = EmptyValueOf(KindOfFieldType(field.type));
    const RangeLock lock(database.dataFile, RecordStart(database, record), 1);
    if (lock.Error() != 0) return DatabaseCodeOfWin32Error(lock.Error());
    const std::int32_t code = ReadValueLocked(database, field, record, value);
    if (code != 0) value = EmptyValueOf(KindOfFieldType(field.type));
    return code;
}

std::int32_t ReadRecordStatus(ToolDatabase& database, std::int32_t record, std::int32_t& status) {
    status = 0;
    const RangeLock lock(database.dataFile, RecordStart(database, record), 1);
    if (lock.Error() != 0) return DatabaseCodeOfWin32Error(lock.Error());
    Bytes bytes;
    if (const std::int32_t code = ReadInRecord(database, record, 0, 4, bytes)) return code;
    status = Int32At(bytes, 0);
    return DatabaseError::kNone;
}

}  // namespace gamereg
