#pragma once
// Files for the database tests: a fresh folder per test in the build tree,
// the fixtures of tests/data, and byte patches through the page cipher.

#include <cstdint>
#include <string_view>

#include "database/database_writer.h"
#include "services/text.h"

namespace gamereg::test {

// tests/data of the source tree.
Text DataPath(std::string_view relative);

// An empty folder named after the running test, below the working folder.
Text FreshFolder();

Text JoinPath(const Text& folder, std::string_view name);

Bytes ReadFileBytes(const Text& path);
void WriteFileBytes(const Text& path, const Bytes& bytes);
void CopyFile(const Text& from, const Text& to);

// Writes `bytes` at `offset`, enciphered with `password` when it is not
// empty, as a damaged or hand-made file would hold them.
void PatchFile(const Text& path, std::uint64_t offset, const Bytes& bytes,
               std::string_view password = {});
void PatchInt32(const Text& path, std::uint64_t offset, std::int32_t value,
                std::string_view password = {});
// The deciphered bytes of a whole file.
Bytes DecipheredFile(const Text& path, std::string_view password);

// Writes the database or fails the running test.
void WriteTestDatabase(const DatabaseDefinition& definition, const Text& dataFileName);

}  // namespace gamereg::test
