#pragma once
// The memo file ("registry.EDT"): the values of type-11 and type-12 fields,
// each a chain of 512-byte blocks; block n lies at offset 512 × n. Protected
// like its data file; everything below is the deciphered bytes.
//
// Header (the first 32 bytes of block 0)
//   0    4   magic "WEDT"; never enciphered
//   4    4   version, equal to the data file's
//   8    8   not interpreted
//   16   4   blockCount, 1 or more: block 0 included
//   20   4   freeCount, 0 to blockCount − 1
//   24   4   firstFree, 0 to blockCount − 1; 0 when nothing is free
//   28   4   not interpreted
//
// Value block (n ≥ 1)
//   0    4   prev: the value's previous block, 0 in its first
//   4    4   next: the value's next block, 0 (or less) in its last
//   8    4   length: the value's bytes in this block, 1 to 500 (0: a free block)
//   12   500 data
//
// A value of L bytes fills its blocks 500 bytes at a time; an empty value
// has no block, and its reference in the record is 0.

#include <array>
#include <cstdint>
#include <span>

#include "database/database_file.h"
#include "services/text.h"

namespace gamereg {

namespace MemoFile {
constexpr std::uint64_t kBlockSize = 512;
constexpr std::size_t kHeaderSize = 32;
constexpr std::uint64_t kBlockCountOffset = 16;
constexpr std::size_t kBlockDataOffset = 12;
constexpr std::int32_t kBlockDataSize = 500;
constexpr std::array<std::uint8_t, 4> kMagic = {'W', 'E', 'D', 'T'};
}  // namespace MemoFile

struct MemoFileHeader {
    std::int32_t version = 0;
    std::int32_t blockCount = 0;
    std::int32_t freeCount = 0;
    std::int32_t firstFree = 0;
};

// False when the header breaks a rule (the version is checked by the caller).
bool DecodeMemoHeader(std::span<const std::uint8_t, MemoFile::kHeaderSize> bytes,
                      MemoFileHeader& header);

// Gathers the value whose chain begins at `firstBlock` (> 0), locking each
// block's first byte while it is read, one block lock at a time. Returns 0
// or the failure's database code: -59 for a block that is not whole in the
// file, whose length is outside 0 to 500, or that the chain meets again.
std::int32_t ReadMemoValue(DatabaseFile& memo, std::int32_t firstBlock, Bytes& value);

}  // namespace gamereg
