// The layout the writer gives, checked on the deciphered bytes.

#include "database/database_writer.h"

#include <gtest/gtest.h>

#include <ostream>

#include "database/little_endian.h"
#include "database/page_cipher.h"
#include "database_fixtures.h"

namespace gamereg {
namespace {

std::int32_t WordAt(const Bytes& bytes, std::size_t offset) { return Int32At(bytes, offset); }

Bytes Deciphered(Bytes bytes, const Text& password) {
    if (!password.empty()) PageCipher(password).Transform(bytes, 0);
    return bytes;
}

TEST(DatabaseWriter, LaysOutHeaderFieldTableAndRecords) {
    DatabaseImage image;
    const DatabaseDefinition definition = test::FixtureDefinition("pw", 2);
    ASSERT_EQ(BuildDatabaseImage(definition, image), "");
    const Bytes data = Deciphered(image.dataFile, "pw");

    EXPECT_EQ(Text(data.begin(), data.begin() + 4), "WCDB");
    EXPECT_EQ(WordAt(data, 4), 0x00010000);
    EXPECT_EQ(WordAt(data, 16), 2);
    EXPECT_EQ(WordAt(data, 20), 1);
    EXPECT_EQ(WordAt(data, 24), test::kRecordSize);
    EXPECT_EQ(Text(data.begin() + 28, data.begin() + 60), CheckString("pw"));
    EXPECT_EQ(data[60], 0);
    EXPECT_EQ(WordAt(data, 112), 4);
    EXPECT_EQ(Text(reinterpret_cast<const char*>(data.data() + test::kDescriptor1)), "脚本");
    EXPECT_EQ(WordAt(data, test::kDescriptor1 + 20), 12);
    EXPECT_EQ(WordAt(data, test::kDescriptor1 + 24), 20);
    EXPECT_EQ(WordAt(data, test::kDescriptor0 + 28), 16);
    EXPECT_EQ(data.size(), test::kDataStart + 2 * test::kRecordSize);
    // Record 1: its memo text starts after record 0's three blocks and one.
    EXPECT_EQ(WordAt(data, test::kDataStart + test::kRecordSize + 20), 5);
    EXPECT_EQ(WordAt(data, test::kDataStart + test::kRecordSize + 28), 1001);
}

TEST(DatabaseWriter, ChainsMemoValuesIn500ByteBlocks) {
    DatabaseImage image;
    ASSERT_EQ(BuildDatabaseImage(test::FixtureDefinition("", 1), image), "");
    const Bytes& memo = image.memoFile;
    EXPECT_EQ(Text(memo.begin(), memo.begin() + 4), "WEDT");
    EXPECT_EQ(WordAt(memo, 16), 5);
    EXPECT_EQ(memo.size(), 5 * 512u);
    const std::int32_t expected[][3] = {{0, 2, 500}, {1, 3, 500}, {2, 0, 200}, {0, 0, 3}};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t block = 512 * (k + 1);
        EXPECT_EQ(WordAt(memo, block), expected[k][0]) << "block " << k + 1;
        EXPECT_EQ(WordAt(memo, block + 4), expected[k][1]) << "block " << k + 1;
        EXPECT_EQ(WordAt(memo, block + 8), expected[k][2]) << "block " << k + 1;
    }
    EXPECT_EQ(memo[512 * 3 + 12 + 200], 0);
}

TEST(DatabaseWriter, WritesNoMemoFileWithoutMemoFields) {
    DatabaseDefinition definition;
    definition.fields = {{"数", 3}};
    DatabaseImage image;
    ASSERT_EQ(BuildDatabaseImage(definition, image), "");
    EXPECT_TRUE(image.memoFile.empty());
    EXPECT_EQ(image.dataFile.size(), 116 + 72u);
}

struct ProblemCase {
    const char* name;
    friend void PrintTo(const ProblemCase& c, std::ostream* out) { *out << c.name; }
    std::vector<FieldDefinition> fields;
    std::vector<FieldValue> values;
};

const ProblemCase kProblemCases[] = {
    {"NoFields", {}, {}},
    {"EmptyName", {{"", 3}}, {std::int32_t{0}}},
    {"NameOf17Bytes", {{"12345678901234567", 3}}, {std::int32_t{0}}},
    {"TypeZero", {{"a", 0}}, {std::int32_t{0}}},
    {"TypeThirteen", {{"a", 13}}, {std::int32_t{0}}},
    {"TextWithoutWidth", {{"a", 10}}, {Text("x")}},
    {"TextWiderThanField", {{"a", 10, 2}}, {Text("xyz")}},
    {"ValueOfOtherKind", {{"a", 3}}, {Text("x")}},
    {"MissingValue", {{"a", 3}, {"b", 3}}, {std::int32_t{0}}},
};

class DatabaseWriterProblems : public testing::TestWithParam<ProblemCase> {};

TEST_P(DatabaseWriterProblems, RefuseDescription) {
    DatabaseDefinition definition;
    definition.fields = GetParam().fields;
    definition.records = {{0, GetParam().values}};
    DatabaseImage image;
    EXPECT_NE(BuildDatabaseImage(definition, image), "");
    EXPECT_TRUE(image.dataFile.empty());
}

INSTANTIATE_TEST_SUITE_P(Definitions, DatabaseWriterProblems, testing::ValuesIn(kProblemCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DatabaseWriter, NameOf16BytesIsValid) {
    DatabaseDefinition definition;
    definition.fields = {{"1234567890123456", 3}};
    DatabaseImage image;
    EXPECT_EQ(BuildDatabaseImage(definition, image), "");
}

}  // namespace
}  // namespace gamereg
