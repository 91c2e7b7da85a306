#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "database/database_access.h"
#include "database/database_error.h"
#include "database_fixtures.h"
#include "database_test_files.h"
#include "database_test_support.h"
#include "support/fatal_exit.h"

namespace gamereg {
namespace {

using namespace test;
namespace Code = DatabaseError;

// One field of every type, written and read back through the tool's open.
struct ValueCase {
    const char* name;
    friend void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.name; }
    FieldDefinition field;
    FieldValue stored;
    FieldValue expected;
};

const Bytes kBytesWithNul = {'A', 0, 'B', 0xFF, 0};

const ValueCase kValueCases[] = {
    {"Byte", {"B", 1}, std::uint8_t{200}, std::uint8_t{200}},
    {"Short", {"S", 2}, std::int16_t{-12345}, std::int16_t{-12345}},
    {"Integer", {"I", 3}, std::int32_t{-2000000000}, std::int32_t{-2000000000}},
    {"Long", {"L", 4}, std::int64_t{-9000000000}, std::int64_t{-9000000000}},
    {"Float", {"F", 5}, 1.5f, 1.5f},
    {"Double", {"D", 6}, -0.125, -0.125},
    {"LogicalTrue", {"G", 7}, Logical{1}, Logical{1}},
    {"LogicalFalse", {"G", 7}, Logical{0}, Logical{0}},
    {"DateTime", {"T", 8}, DateTime{40662.5}, DateTime{40662.5}},
    {"DateTimeBelowRange", {"T", 8}, DateTime{-1e9}, DateTime{-657434}},
    {"DateTimeAboveRange", {"T", 8}, DateTime{1e9}, DateTime{2958465}},
    {"DateTimeNotANumber",
     {"T", 8},
     DateTime{std::numeric_limits<double>::quiet_NaN()},
     DateTime{-657434}},
    {"RoutinePointer", {"R", 9}, RoutinePointer{0xDEADBEEF}, RoutinePointer{0xDEADBEEF}},
    {"TextShorterThanWidth", {"文本", 10, 8}, Text("abcd"), Text("abcd")},
    {"TextFillsWidth", {"文本", 10, 8}, Text("abcdefgh"), Text("abcdefgh")},
    {"TextEmpty", {"文本", 10, 8}, Text(), Text()},
    {"MemoTextExactBlock", {"备注", 12}, Text(500, 'x'), Text(500, 'x')},
    {"MemoTextThreeBlocks", {"备注", 12}, FixtureScript(7), FixtureScript(7)},
    {"MemoTextCutAtNul", {"备注", 12}, Text("前\0后", 5), Text("前")},
    {"MemoTextEmpty", {"备注", 12}, Text(), Text()},
    {"MemoBytesWithNuls", {"字节", 11}, kBytesWithNul, kBytesWithNul},
    {"MemoBytesLong", {"字节", 11}, Bytes(1501, 0xA5), Bytes(1501, 0xA5)},
    {"MemoBytesEmpty", {"字节", 11}, Bytes(), Bytes()},
};

class ReadFieldValues : public DatabaseCaseTest<ValueCase> {};

// A protected and a plain database with the same content read the same.
TEST_P(ReadFieldValues, ReadBackInPlainAndProtectedDatabase) {
    const ValueCase& c = GetParam();
    const Text folder = FreshFolder();
    for (const char* password : {"", "密码1"}) {
        SCOPED_TRACE(password);
        DatabaseDefinition definition;
        definition.password = password;
        // A text before and after the field under test: offsets are not all 4.
        definition.fields = {{"前", 10, 3}, c.field, {"后", 10, 5}};
        definition.records = {{-1, {Text("abc"), c.stored, Text("xyz")}}};
        const Text data = JoinPath(folder, *password ? "protected.edb" : "plain.edb");
        WriteTestDatabase(definition, data);
        ASSERT_TRUE(OpenDatabase(data, password)) << LastDatabaseError();
        const FieldValue value = ReadField(c.field.name);
        EXPECT_EQ(LastDatabaseError(), 0);
        if (c.name == std::string_view("DateTimeNotANumber")) {
            EXPECT_EQ(std::get<DateTime>(value).days, -657434);
        } else {
            EXPECT_EQ(value, c.expected);
        }
        EXPECT_EQ(ReadField("后"), FieldValue(Text("xyz")));
        CloseDatabase();
    }
}

INSTANTIATE_TEST_SUITE_P(Types, ReadFieldValues, testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFieldLogical, AnyNonZeroByteIsTrue) {
    const Text data = JoinPath(FreshFolder(), "logical.edb");
    DatabaseDefinition definition;
    definition.fields = {{"G", 7}};
    definition.records = {{0, {Logical{0}}}};
    WriteTestDatabase(definition, data);
    PatchFile(data, 116 + 72 + 4, {0x02});
    ASSERT_TRUE(OpenDatabase(data, ""));
    EXPECT_EQ(ReadField("g"), FieldValue(Logical{1}));
    CloseDatabase();
}

// Reads that fail: the empty value of the field's kind and the code, no
// message.
struct ReadFailureCase {
    const char* name;
    friend void PrintTo(const ReadFailureCase& c, std::ostream* out) { *out << c.name; }
    int records;
    void (*damage)(const Text& data, const Text& memo);
    const char* field;
    FieldValue empty;
    std::int32_t expected;
};

constexpr char kPassword[] = "Secret";

void Nothing(const Text&, const Text&) {}

const ReadFailureCase kReadFailureCases[] = {
    {"NoRecordsText", 0, Nothing, "名称", Text(), Code::kSeekFailed},
    {"NoRecordsMemoText", 0, Nothing, "脚本", Text(), Code::kSeekFailed},
    {"NoRecordsBytes", 0, Nothing, "数据", Bytes(), Code::kSeekFailed},
    {"NoRecordsInteger", 0, Nothing, "数", std::int32_t{0}, Code::kSeekFailed},
    {"OffsetBeyondFile", 1,
     [](const Text& data, const Text&) { PatchInt32(data, kDescriptor3 + 24, 100000, kPassword); },
     "数", std::int32_t{0}, Code::kSeekFailed},
    // dataStart + offset wraps around 32 bits: past the end, not record 0.
    {"OffsetWrapsAround", 1,
     [](const Text& data, const Text&) {
         PatchInt32(data, kDescriptor3 + 24, 0x7FFFFFFF, kPassword);
     },
     "数", std::int32_t{0}, Code::kSeekFailed},
    {"ValueCutByEndOfFile", 1,
     [](const Text& data, const Text&) {
         PatchInt32(data, kDescriptor3 + 24, kRecordSize - 2, kPassword);
     },
     "数", std::int32_t{0}, Code::kFieldUnreadable},
    {"WidthBeyondFile", 1,
     [](const Text& data, const Text&) {
         PatchInt32(data, kDescriptor0 + 28, 0x7FFFFFFF, kPassword);
     },
     "名称", Text(), Code::kFieldUnreadable},
    {"MemoBlockBeyondFile", 1,
     [](const Text& data, const Text&) { PatchInt32(data, kDataStart + 20, 99, kPassword); },
     "脚本", Text(), Code::kMemoAccess},
    {"MemoBlockFarBeyondFile", 1,
     [](const Text& data, const Text&) {
         PatchInt32(data, kDataStart + 24, 0x7FFFFFFF, kPassword);
     },
     "数据", Bytes(), Code::kMemoAccess},
    // The bytes of the blocks before the failing one are not yielded.
    {"MemoChainIntoMissingBlock", 1,
     [](const Text&, const Text& memo) { PatchInt32(memo, kMemoBlock1 + 4, 50, kPassword); },
     "脚本", Text(), Code::kMemoAccess},
    {"MemoLengthNegative", 1,
     [](const Text&, const Text& memo) { PatchInt32(memo, kMemoBlock1 + 8, -1, kPassword); },
     "脚本", Text(), Code::kMemoAccess},
    {"MemoLengthAbove500", 1,
     [](const Text&, const Text& memo) { PatchInt32(memo, kMemoBlock1 + 8, 501, kPassword); },
     "脚本", Text(), Code::kMemoAccess},
    {"MemoChainLoops", 1,
     [](const Text&, const Text& memo) { PatchInt32(memo, kMemoBlock1 + 512 + 4, 1, kPassword); },
     "脚本", Text(), Code::kMemoAccess},
    {"MemoBlockPointsToItself", 1,
     [](const Text&, const Text& memo) { PatchInt32(memo, kMemoBlock1 + 4, 1, kPassword); }, "脚本",
     Text(), Code::kMemoAccess},
};

class ReadFieldFailures : public DatabaseCaseTest<ReadFailureCase> {};

TEST_P(ReadFieldFailures, GiveEmptyValueAndCode) {
    const ReadFailureCase& c = GetParam();
    const Text folder = FreshFolder();
    const Text data = JoinPath(folder, "registry.edb");
    WriteTestDatabase(FixtureDefinition(kPassword, c.records), data);
    c.damage(data, JoinPath(folder, "registry.EDT"));
    ASSERT_TRUE(OpenDatabase(data, kPassword)) << LastDatabaseError();
    EXPECT_EQ(ReadField(c.field), c.empty);
    EXPECT_EQ(LastDatabaseError(), c.expected);
    // The failure leaves no lock: the next read of another field succeeds.
    if (c.records > 0) {
        const bool textDamaged = c.field == std::string_view("名称");
        EXPECT_EQ(ReadField(textDamaged ? "数" : "名称"),
                  textDamaged ? FieldValue(std::int32_t{1000}) : FieldValue(Text("记录0")));
        EXPECT_EQ(LastDatabaseError(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadFieldFailures, testing::ValuesIn(kReadFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFieldMemoReference, ZeroNeedsNoMemoBlock) {
    const Text folder = FreshFolder();
    const Text data = JoinPath(folder, "registry.edb");
    WriteTestDatabase(FixtureDefinition(kPassword), data);
    PatchInt32(data, kDataStart + 20, 0, kPassword);
    PatchFile(JoinPath(folder, "registry.EDT"), 512, Bytes(1024, 0xEE), kPassword);
    ASSERT_TRUE(OpenDatabase(data, kPassword));
    EXPECT_EQ(ReadField("脚本"), FieldValue(Text()));
    EXPECT_EQ(LastDatabaseError(), 0);
    CloseDatabase();
}

TEST(ReadFieldDeathTest, WithoutOpenDatabaseEndsProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ReadField("名称"), EndedWithMinusOne, "未指定当前数据库或者指定数据库未打开");
    const Text data = JoinPath(FreshFolder(), "registry.edb");
    WriteTestDatabase(FixtureDefinition(kPassword), data);
    ASSERT_TRUE(OpenDatabase(data, kPassword));
    CloseDatabase();
    EXPECT_EXIT(ReadField("名称"), EndedWithMinusOne, "未指定当前数据库或者指定数据库未打开");
}

TEST(ReadFieldDeathTest, UnknownFieldEndsProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Text data = JoinPath(FreshFolder(), "registry.edb");
    WriteTestDatabase(FixtureDefinition(kPassword), data);
    EXPECT_EXIT(
        {
            OpenDatabase(data, kPassword);
            ReadField("名称 ");
        },
        EndedWithMinusOne, "指定字段不存在");
}

}  // namespace
}  // namespace gamereg
