#pragma once
// Small databases for the open and read tests, made with the writer.

#include "database/database_writer.h"

namespace gamereg::test {

// Offsets of the fixture below.
constexpr std::uint64_t kDescriptor0 = 116;  // 名称, type 10, width 16
constexpr std::uint64_t kDescriptor1 = 188;  // 脚本, type 12
constexpr std::uint64_t kDescriptor2 = 260;  // 数据, type 11
constexpr std::uint64_t kDescriptor3 = 332;  // 数, type 3
constexpr std::uint64_t kDataStart = 404;
constexpr std::int32_t kRecordSize = 4 + 16 + 4 + 4 + 4;
constexpr std::uint64_t kMemoBlock1 = 512;

// Four fields (a text, a memo text of 1200 bytes, a byte string, an integer)
// and `records` records.
DatabaseDefinition FixtureDefinition(const Text& password, int records = 1);

// The 1200-byte memo text of record `r`.
Text FixtureScript(int r);

}  // namespace gamereg::test
