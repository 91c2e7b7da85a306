#pragma once
// One fuzz input run through the database reader.
//
// Input layout
//   0   1   bit 0 set: the files are enciphered with kFuzzPassword, the magic
//           made "WCDB" and the check string put in place first, so that the
//           reader behind the password check is reached
//   1   2   the data file's length (little-endian, cut to what follows)
//   3   …   the data file, then the memo file

#include <cstddef>
#include <cstdint>

#include "services/text.h"

namespace gamereg {

inline constexpr char kFuzzPassword[] = "391526043";

// Writes the two files into `folder`, opens them for inspection and with the
// tool's open, and reads every field of the records.
void RunDatabaseFuzzInput(const std::uint8_t* data, std::size_t size, const Text& folder);

}  // namespace gamereg
