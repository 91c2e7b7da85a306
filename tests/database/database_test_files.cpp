#include "database_test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "database/database_file.h"
#include "database/little_endian.h"
#include "database/page_cipher.h"

namespace gamereg::test {

Text DataPath(std::string_view relative) { return ConcatText({GAMEREG_TEST_DATA, "/", relative}); }

Text FreshFolder() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    Text name = ConcatText({info->test_suite_name(), "_", info->name()});
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    const std::filesystem::path folder = std::filesystem::current_path() / "scratch" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return ConcatText({"scratch/", name});
}

Text JoinPath(const Text& folder, std::string_view name) { return ConcatText({folder, "/", name}); }

Bytes ReadFileBytes(const Text& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const Text& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file) << path;
}

void CopyFile(const Text& from, const Text& to) { WriteFileBytes(to, ReadFileBytes(from)); }

void PatchFile(const Text& path, std::uint64_t offset, const Bytes& bytes,
               std::string_view password) {
    DatabaseFile file;
    ASSERT_EQ(file.Open(path, FileAccess::ReadWrite, password), 0u) << path;
    ASSERT_EQ(file.WriteAt(offset, bytes), 0u) << path;
}

void PatchInt32(const Text& path, std::uint64_t offset, std::int32_t value,
                std::string_view password) {
    Bytes bytes(4);
    PutInt32(bytes, 0, value);
    PatchFile(path, offset, bytes, password);
}

Bytes DecipheredFile(const Text& path, std::string_view password) {
    Bytes bytes = ReadFileBytes(path);
    if (!password.empty()) PageCipher(password).Transform(bytes, 0);
    return bytes;
}

void WriteTestDatabase(const DatabaseDefinition& definition, const Text& dataFileName) {
    const WriteProblem problem = WriteDatabase(definition, dataFileName);
    ASSERT_TRUE(problem.empty()) << problem;
}

}  // namespace gamereg::test
