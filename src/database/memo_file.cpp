#include "database/memo_file.h"

#include <algorithm>
#include <unordered_set>

#include "database/database_error.h"
#include "database/little_endian.h"

namespace gamereg {

bool DecodeMemoHeader(std::span<const std::uint8_t, MemoFile::kHeaderSize> bytes,
                      MemoFileHeader& header) {
    if (!std::equal(MemoFile::kMagic.begin(), MemoFile::kMagic.end(), bytes.begin())) return false;
    header.version = Int32At(bytes, 4);
    header.blockCount = Int32At(bytes, 16);
    header.freeCount = Int32At(bytes, 20);
    header.firstFree = Int32At(bytes, 24);
    const auto withinBlocks = [&](std::int32_t n) { return n >= 0 && n < header.blockCount; };
    return header.blockCount >= 1 && withinBlocks(header.freeCount) &&
           withinBlocks(header.firstFree);
}

namespace {

// The one block lock of a chain read: the next block is locked before the
// previous one is released.
class BlockLock {
public:
    explicit BlockLock(DatabaseFile& memo) : memo_(memo) {}
    ~BlockLock() { Release(); }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;

    Win32Error MoveTo(std::uint64_t offset) {
        if (const Win32Error error = memo_.Lock(offset, 1)) return error;
        Release();
        held_ = true;
        offset_ = offset;
        return 0;
    }

private:
    void Release() {
        if (held_) memo_.Unlock(offset_, 1);
        held_ = false;
    }

    DatabaseFile& memo_;
    bool held_ = false;
    std::uint64_t offset_ = 0;
};

}  // namespace

std::int32_t ReadMemoValue(DatabaseFile& memo, std::int32_t firstBlock, Bytes& value) {
    value.clear();
    if (!memo.IsOpen()) return DatabaseError::kMemoAccess;
    BlockLock lock(memo);
    std::unordered_set<std::int32_t> seen;
    std::array<std::uint8_t, MemoFile::kBlockSize> block{};
    for (std::int32_t n = firstBlock; n > 0; n = Int32At(block, 4)) {
        if (!seen.insert(n).second) return DatabaseError::kMemoAccess;
        const std::uint64_t offset = MemoFile::kBlockSize * static_cast<std::uint64_t>(n);
        if (const Win32Error error = lock.MoveTo(offset)) return DatabaseCodeOfWin32Error(error);
        std::size_t got = 0;
        if (const Win32Error error = memo.ReadAt(offset, block, got)) {
            return DatabaseCodeOfWin32Error(error);
        }
        if (got < block.size()) return DatabaseError::kMemoAccess;
        const std::int32_t length = Int32At(block, 8);
        if (length < 0 || length > MemoFile::kBlockDataSize) return DatabaseError::kMemoAccess;
        const auto data = block.begin() + MemoFile::kBlockDataOffset;
        value.insert(value.end(), data, data + length);
    }
    return DatabaseError::kNone;
}

}  // namespace gamereg
