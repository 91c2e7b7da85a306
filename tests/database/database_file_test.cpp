// Reads and writes through a handle keyed with a password.

#include "database/database_file.h"

#include <gtest/gtest.h>

#include "database/page_cipher.h"
#include "database_test_files.h"

namespace gamereg {
namespace {

constexpr char kPassword[] = "391526043";

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(k * 31 + 7);
    return bytes;
}

TEST(DatabaseFile, WritesEncipheredCopyAndReadsBackInOneCallOrByteByByte) {
    const Text path = test::JoinPath(test::FreshFolder(), "pages.bin");
    test::WriteFileBytes(path, {});
    const Bytes plain = Pattern(3 * PageCipher::kPageSize + 100);

    DatabaseFile file;
    ASSERT_EQ(file.Open(path, FileAccess::ReadWrite, kPassword), 0u);
    Bytes caller = plain;
    ASSERT_EQ(file.WriteAt(0, caller), 0u);
    EXPECT_EQ(caller, plain);

    Bytes expectedOnDisk = plain;
    PageCipher(kPassword).Transform(expectedOnDisk, 0);
    EXPECT_EQ(test::ReadFileBytes(path), expectedOnDisk);

    Bytes whole(plain.size());
    std::size_t got = 0;
    ASSERT_EQ(file.ReadAt(0, whole, got), 0u);
    EXPECT_EQ(got, plain.size());
    EXPECT_EQ(whole, plain);

    // Across the page edges at 4096 and 8192, one byte at a time.
    for (std::uint64_t at = 4090; at < 8200; ++at) {
        std::uint8_t single[1] = {0};
        ASSERT_EQ(file.ReadAt(at, single, got), 0u);
        ASSERT_EQ(single[0], plain[at]) << "offset " << at;
    }

    // Past the end: fewer bytes, and only those are deciphered.
    Bytes tail(50);
    ASSERT_EQ(file.ReadAt(plain.size() - 20, tail, got), 0u);
    EXPECT_EQ(got, 20u);
    EXPECT_TRUE(std::equal(tail.begin(), tail.begin() + 20, plain.end() - 20));
}

TEST(DatabaseFile, WithoutPasswordReadsAndWritesPlainBytes) {
    const Text path = test::JoinPath(test::FreshFolder(), "plain.bin");
    test::WriteFileBytes(path, {});
    const Bytes plain = Pattern(5000);
    DatabaseFile file;
    ASSERT_EQ(file.Open(path, FileAccess::ReadWrite, ""), 0u);
    ASSERT_EQ(file.WriteAt(0, plain), 0u);
    EXPECT_EQ(test::ReadFileBytes(path), plain);
}

TEST(DatabaseFile, MissingFileIsWin32FileNotFound) {
    DatabaseFile file;
    EXPECT_EQ(file.Open(test::JoinPath(test::FreshFolder(), "none.edb"), FileAccess::ReadOnly, ""),
              Win32Errors::kFileNotFound);
    EXPECT_EQ(
        file.Open(test::JoinPath(test::FreshFolder(), "none/none.edb"), FileAccess::ReadOnly, ""),
        Win32Errors::kPathNotFound);
    EXPECT_FALSE(file.IsOpen());
}

}  // namespace
}  // namespace gamereg
