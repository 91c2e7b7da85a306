#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <thread>

#include "database/database_access.h"
#include "database/database_error.h"
#include "database/page_cipher.h"
#include "database/read_only_database.h"
#include "database_fixtures.h"
#include "database_test_files.h"
#include "database_test_support.h"
#include "file_attributes.h"

namespace gamereg {
namespace {

using namespace test;
namespace Code = DatabaseError;

constexpr char kPassword[] = "Secret";

struct Files {
    Text data;
    Text memo;
    Text password;  // the one the files are made with
};

void Truncate(const Text& path, std::size_t size) {
    Bytes bytes = ReadFileBytes(path);
    bytes.resize(size);
    WriteFileBytes(path, bytes);
}

struct OpenCase {
    const char* name;
    friend void PrintTo(const OpenCase& c, std::ostream* out) { *out << c.name; }
    const char* filePassword;  // the database's own
    void (*damage)(const Files& files);
    const char* openPassword;
    std::int32_t expected;
};

void Nothing(const Files&) {}

const OpenCase kOpenCases[] = {
    {"Intact", kPassword, Nothing, kPassword, Code::kNone},
    {"IntactPlain", "", Nothing, "", Code::kNone},
    {"UpperCaseCheckString", kPassword,
     [](const Files& f) {
         Text check = CheckString(kPassword);
         for (char& c : check) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
         PatchFile(f.data, 28, Bytes(check.begin(), check.end()), f.password);
     },
     kPassword, Code::kNone},
    {"WrongPassword", kPassword, Nothing, "secret2", Code::kPassword},
    {"UpperCasedPassword", kPassword, Nothing, "SECRET", Code::kPassword},
    {"EmptyPassword", kPassword, Nothing, "", Code::kPassword},
    {"PasswordForPlainDatabase", "", Nothing, "x", Code::kPassword},
    {"MissingDataFile", kPassword, [](const Files& f) { std::filesystem::remove(f.data); },
     kPassword, Code::kFileNotFound},
    {"HeaderCut", kPassword, [](const Files& f) { Truncate(f.data, 111); }, kPassword,
     Code::kNotDatabase},
    {"OtherMagic", kPassword,
     [](const Files& f) {
         PatchFile(f.data, 0, {'W', 'X', 'D', 'B'});
     },
     kPassword, Code::kNotDatabase},
    {"RecordSizeZero", kPassword, [](const Files& f) { PatchInt32(f.data, 24, 0, f.password); },
     kPassword, Code::kNotDatabase},
    {"RecordCountNegative", kPassword,
     [](const Files& f) { PatchInt32(f.data, 16, -1, f.password); }, kPassword, Code::kNotDatabase},
    {"Word20Zero", kPassword, [](const Files& f) { PatchInt32(f.data, 20, 0, f.password); },
     kPassword, Code::kNotDatabase},
    {"VersionTooHigh", kPassword,
     [](const Files& f) { PatchInt32(f.data, 4, 0x00010001, f.password); }, kPassword,
     Code::kVersionTooHigh},
    // The header words are checked before the version.
    {"VersionTooHighAndRecordSizeZero", kPassword,
     [](const Files& f) {
         PatchInt32(f.data, 4, 0x00010001, f.password);
         PatchInt32(f.data, 24, 0, f.password);
     },
     kPassword, Code::kNotDatabase},
    {"FieldCountCut", kPassword, [](const Files& f) { Truncate(f.data, 114); }, kPassword,
     Code::kNotDatabase},
    {"FieldCountZero", kPassword, [](const Files& f) { PatchInt32(f.data, 112, 0, f.password); },
     kPassword, Code::kNotDatabase},
    {"FieldCountNegative", kPassword,
     [](const Files& f) { PatchInt32(f.data, 112, -5, f.password); }, kPassword,
     Code::kNotDatabase},
    {"FieldCountBeyondFile", kPassword,
     [](const Files& f) { PatchInt32(f.data, 112, 0x7FFFFFFF, f.password); }, kPassword,
     Code::kNotDatabase},
    {"FieldTableCut", kPassword, [](const Files& f) { Truncate(f.data, kDataStart - 1); },
     kPassword, Code::kNotDatabase},
    {"NameWithoutNul", kPassword,
     [](const Files& f) { PatchFile(f.data, kDescriptor1, Bytes(17, 'A'), f.password); }, kPassword,
     Code::kNotDatabase},
    {"NegativeOffset", kPassword,
     [](const Files& f) { PatchInt32(f.data, kDescriptor3 + 24, -1, f.password); }, kPassword,
     Code::kNotDatabase},
    {"TypeZero", kPassword,
     [](const Files& f) { PatchInt32(f.data, kDescriptor3 + 20, 0, f.password); }, kPassword,
     Code::kNotDatabase},
    {"TypeThirteen", kPassword,
     [](const Files& f) { PatchInt32(f.data, kDescriptor3 + 20, 13, f.password); }, kPassword,
     Code::kNotDatabase},
    {"TextWidthZero", kPassword,
     [](const Files& f) { PatchInt32(f.data, kDescriptor0 + 28, 0, f.password); }, kPassword,
     Code::kNotDatabase},
    {"MemoMissing", kPassword, [](const Files& f) { std::filesystem::remove(f.memo); }, kPassword,
     Code::kMemoUnreadable},
    {"MemoHeaderCut", kPassword, [](const Files& f) { Truncate(f.memo, 31); }, kPassword,
     Code::kMemoUnreadable},
    {"MemoOtherMagic", kPassword,
     [](const Files& f) {
         PatchFile(f.memo, 0, {'W', 'E', 'D', 'B'});
     },
     kPassword, Code::kMemoUnreadable},
    {"MemoBlockCountZero", kPassword, [](const Files& f) { PatchInt32(f.memo, 16, 0, f.password); },
     kPassword, Code::kMemoUnreadable},
    {"MemoFreeCountAtBlockCount", kPassword,
     [](const Files& f) { PatchInt32(f.memo, 20, 13, f.password); }, kPassword,
     Code::kMemoUnreadable},
    {"MemoFirstFreeNegative", kPassword,
     [](const Files& f) { PatchInt32(f.memo, 24, -1, f.password); }, kPassword,
     Code::kMemoUnreadable},
    {"MemoVersionHigherThanData", kPassword,
     [](const Files& f) { PatchInt32(f.data, 4, 0x0000FFFF, f.password); }, kPassword,
     Code::kMemoVersion},
    // Without byte strings or memo texts the memo file is never looked at.
    {"NoMemoFieldsAndMemoMissing", kPassword,
     [](const Files& f) {
         PatchInt32(f.data, kDescriptor1 + 20, 3, f.password);
         PatchInt32(f.data, kDescriptor2 + 20, 3, f.password);
         std::filesystem::remove(f.memo);
     },
     kPassword, Code::kNone},
};

class OpenDatabaseTest : public DatabaseCaseTest<OpenCase> {};

TEST_P(OpenDatabaseTest, GivesCodeAndLeavesNothingLocked) {
    const OpenCase& c = GetParam();
    const Text folder = FreshFolder();
    const Files files{JoinPath(folder, "registry.edb"), JoinPath(folder, "registry.EDT"),
                      c.filePassword};
    WriteTestDatabase(FixtureDefinition(c.filePassword, 3), files.data);
    c.damage(files);

    EXPECT_EQ(OpenDatabase(files.data, c.openPassword), c.expected == Code::kNone);
    EXPECT_EQ(LastDatabaseError(), c.expected);
    if (c.expected == Code::kNone) {
        EXPECT_EQ(ReadField("数"), FieldValue(std::int32_t{1000}));
        return;
    }
    // Neither a lock nor a handle is left behind: the undamaged files open.
    if (std::filesystem::exists(files.data)) {
        ReadOnlyDatabase inspected;
        WriteTestDatabase(FixtureDefinition(c.filePassword, 3), files.data);
        EXPECT_EQ(inspected.Open(files.data, c.filePassword), 0);
        ASSERT_TRUE(OpenDatabase(files.data, c.filePassword));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, OpenDatabaseTest, testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

class OpenDatabaseNames : public DatabaseTest {};

TEST_F(OpenDatabaseNames, EmptyNameIsFileNotFound) {
    EXPECT_FALSE(OpenDatabase("", ""));
    EXPECT_EQ(LastDatabaseError(), Code::kFileNotFound);
    // The code belongs to the thread that failed.
    std::int32_t otherThread = 1;
    std::thread([&] { otherThread = LastDatabaseError(); }).join();
    EXPECT_EQ(otherThread, 0);
    EXPECT_EQ(LastDatabaseError(), Code::kFileNotFound);
}

TEST_F(OpenDatabaseNames, PathBeyond260CharactersIsInvalid) {
    EXPECT_FALSE(OpenDatabase(Text(300, 'a') + ".edb", kPassword));
    EXPECT_EQ(LastDatabaseError(), Code::kInvalidPath);
}

TEST_F(OpenDatabaseNames, ReadOnlyDataFileIsRefused) {
    const Text folder = FreshFolder();
    const Text data = JoinPath(folder, "registry.edb");
    WriteTestDatabase(FixtureDefinition(kPassword), data);
    SetReadOnly(data, true);
    EXPECT_FALSE(OpenDatabase(data, kPassword));
    EXPECT_EQ(LastDatabaseError(), Code::kAccessDenied);
    // Looking at it needs no writing.
    ReadOnlyDatabase inspected;
    EXPECT_EQ(inspected.Open(data, kPassword), 0);
    SetReadOnly(data, false);
}

// The repairs of the open: on disk for the tool's open, in memory only for
// an inspection.
class Repairs : public DatabaseTest {
protected:
    void SetUp() override {
        const Text folder = FreshFolder();
        data_ = JoinPath(folder, "registry.edb");
        memo_ = JoinPath(folder, "registry.EDT");
        WriteTestDatabase(FixtureDefinition(kPassword, 2), data_);
    }

    std::int32_t StoredInt32(const Text& path, std::size_t offset) {
        const Bytes bytes = DecipheredFile(path, kPassword);
        return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                         bytes[offset + 2] << 16 | bytes[offset + 3] << 24);
    }

    Text data_;
    Text memo_;
};

TEST_F(Repairs, TrailingBytesAreCut) {
    Bytes bytes = ReadFileBytes(data_);
    const std::size_t size = bytes.size();
    bytes.resize(size + 10, 0x55);
    WriteFileBytes(data_, bytes);
    ASSERT_TRUE(OpenDatabase(data_, kPassword));
    EXPECT_EQ(std::filesystem::file_size(data_), size);
    EXPECT_EQ(StoredInt32(data_, 16), 2);
}

TEST_F(Repairs, RecordCountIsLoweredToWholeRecords) {
    PatchInt32(data_, 16, 5, kPassword);
    Truncate(data_, kDataStart + kRecordSize + 7);
    ASSERT_TRUE(OpenDatabase(data_, kPassword));
    EXPECT_EQ(StoredInt32(data_, 16), 1);
    EXPECT_EQ(std::filesystem::file_size(data_), kDataStart + kRecordSize);
    EXPECT_EQ(ReadField("数"), FieldValue(std::int32_t{1000}));
}

TEST_F(Repairs, BlockCountIsLoweredToBlocksPresent) {
    // Block 0 and, for each of two records, three blocks of text and one of
    // bytes: nine blocks; the file keeps three.
    ASSERT_EQ(StoredInt32(memo_, 16), 9);
    Truncate(memo_, 3 * 512 + 100);
    ASSERT_TRUE(OpenDatabase(data_, kPassword));
    EXPECT_EQ(StoredInt32(memo_, 16), 3);
    EXPECT_EQ(std::filesystem::file_size(memo_), 3 * 512 + 100u);
}

TEST_F(Repairs, InspectionRepairsOnlyItsCopy) {
    PatchInt32(data_, 16, 5, kPassword);
    Bytes bytes = ReadFileBytes(data_);
    bytes.resize(kDataStart + kRecordSize + 7);
    WriteFileBytes(data_, bytes);
    Truncate(memo_, 4 * 512);
    const Bytes memoBytes = ReadFileBytes(memo_);

    ReadOnlyDatabase inspected;
    ASSERT_EQ(inspected.Open(data_, kPassword), 0);
    EXPECT_EQ(inspected.RecordCount(), 1);
    EXPECT_EQ(inspected.Findings().storedRecordCount, 5);
    EXPECT_EQ(inspected.Findings().dataFileLength, bytes.size());
    EXPECT_EQ(inspected.Findings().storedMemoHeader.blockCount, 9);
    EXPECT_EQ(inspected.Findings().memoFileLength, 4 * 512u);
    FieldValue value;
    EXPECT_EQ(inspected.ReadValue(0, 1, value), 0);
    EXPECT_EQ(value, FieldValue(FixtureScript(0)));
    inspected.Close();

    EXPECT_EQ(ReadFileBytes(data_), bytes);
    EXPECT_EQ(ReadFileBytes(memo_), memoBytes);
}

}  // namespace
}  // namespace gamereg
