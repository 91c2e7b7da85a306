#include "repairs.h"

#include "database/memo_file.h"

namespace gamereg {

std::vector<std::string> DescribeRepairs(const ReadOnlyDatabase& database) {
    std::vector<std::string> repairs;
    const OpenFindings& found = database.Findings();
    const std::int32_t recordCount = database.RecordCount();
    if (found.storedRecordCount != recordCount) {
        repairs.push_back("record count " + std::to_string(found.storedRecordCount) +
                          " lowered to the " + std::to_string(recordCount) +
                          " whole records in the data file");
    }
    const std::uint64_t dataLength =
        database.DataStart() +
        static_cast<std::uint64_t>(recordCount) * database.Header().RecordSize();
    if (found.dataFileLength > dataLength) {
        repairs.push_back(std::to_string(found.dataFileLength - dataLength) +
                          " bytes after the last record cut from the data file");
    }
    if (found.hasMemoFile) {
        const std::uint64_t blocksPresent = found.memoFileLength / MemoFile::kBlockSize;
        if (static_cast<std::uint64_t>(found.storedMemoHeader.blockCount) > blocksPresent) {
            repairs.push_back(
                "memo block count " + std::to_string(found.storedMemoHeader.blockCount) +
                " lowered to the " + std::to_string(blocksPresent) + " blocks in the memo file");
        }
    }
    return repairs;
}

}  // namespace gamereg
