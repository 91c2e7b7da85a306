#include "manifest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

#include "code_page.h"

namespace gamereg {
namespace {

std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

class ManifestTest : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("gamereg-manifest-" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Manifests are UTF-8, while plain literals here are code page 936.
    ManifestResult Read(std::u8string_view json) {
        const auto file = folder / "manifest.json";
        std::ofstream(file, std::ios::binary) << Utf8(json);
        return ReadManifest(file);
    }

    std::filesystem::path folder;
};

TEST_F(ManifestTest, EveryTypeConvertsToItsValue) {
    std::ofstream(folder / "script.reg", std::ios::binary) << "REGEDIT4\r\n\xd3\xce";
    const ManifestResult result = Read(
        u8R"({
        "password": "secret",
        "fields": [
            {"name": "b", "type": "byte"}, {"name": "s", "type": "short"},
            {"name": "i", "type": "integer"}, {"name": "l", "type": "long"},
            {"name": "f", "type": "float"}, {"name": "d", "type": "double"},
            {"name": "y", "type": "logical"}, {"name": "t", "type": "datetime"},
            {"name": "r", "type": "routine"}, {"name": "名称", "type": "text", "width": 8},
            {"name": "x", "type": "bytes"}, {"name": "m", "type": "memo"}
        ],
        "records": [{"b": 255, "s": -2, "i": 7, "l": -9000000000, "f": 1.5, "d": 0.25,
                     "y": true, "t": "2011-04-29 08:30:00", "r": 4294967295, "名称": "游戏",
                     "x": {"hex": "00 ff"}, "m": {"file": "script.reg"}}]
    })");
    ASSERT_EQ(result.problem, "");
    EXPECT_EQ(result.password, Text("secret"));
    ASSERT_EQ(result.definition.fields.size(), 12u);
    EXPECT_EQ(result.definition.fields[9].name, "名称");
    EXPECT_EQ(result.definition.fields[9].type, 10);
    EXPECT_EQ(result.definition.fields[9].width, 8);
    EXPECT_EQ(result.definition.fields[11].type, 12);
    const std::vector<FieldValue> expected = {
        std::uint8_t{255},
        std::int16_t{-2},
        std::int32_t{7},
        std::int64_t{-9000000000},
        1.5f,
        0.25,
        Logical{1},
        DateTime{40662 + 8.5 / 24},
        RoutinePointer{~0u},
        Text("游戏"),
        Bytes{0x00, 0xFF},
        Text("REGEDIT4\r\n\xd3\xce"),
    };
    ASSERT_EQ(result.definition.records.size(), 1u);
    EXPECT_EQ(result.definition.records[0].values, expected);
}

struct ProblemCase {
    const char* name;
    const char8_t* json;
    const char8_t* problem;
    friend void PrintTo(const ProblemCase& c, std::ostream* out) { *out << c.name; }
};

class ManifestProblemTest : public ManifestTest, public testing::WithParamInterface<ProblemCase> {};

// The problem names the place in the manifest.
TEST_P(ManifestProblemTest, NamesThePlace) {
    const ManifestResult result = Read(GetParam().json);
    EXPECT_NE(result.problem.find(Utf8(GetParam().problem)), std::string::npos) << result.problem;
    EXPECT_TRUE(result.definition.records.empty());
}

const ProblemCase kProblemCases[] = {
    {"NotJson", u8"{", u8"manifest.json: is not JSON: "},
    {"UnknownTopKey", u8R"({"fields": [], "extra": 1})", u8"manifest: unknown key \"extra\""},
    {"NoFields", u8R"({"fields": [], "records": [{}]})", u8"fields: needs at least one field"},
    {"UnknownType", u8R"({"fields": [{"name": "a", "type": "string"}], "records": [{"a": 1}]})",
     u8"fields[0].type: unknown type \"string\""},
    {"TextWithoutWidth", u8R"({"fields": [{"name": "a", "type": "text"}], "records": [{"a": ""}]})",
     u8"fields[0]: a text field needs a \"width\""},
    {"NameTooLong",
     u8R"({"fields": [{"name": "一二三四五六七八九", "type": "byte"}], "records": [{}]})",
     u8"fields[0].name: a field name has 1 to 16 bytes in code page 936"},
    {"DuplicateName",
     u8R"({"fields": [{"name": "a", "type": "byte"}, {"name": "a", "type": "byte"}],
         "records": [{"a": 1}]})",
     u8"fields[1].name: a second field of that name"},
    {"NoRecords", u8R"({"fields": [{"name": "a", "type": "byte"}], "records": []})",
     u8"records: needs at least one record"},
    {"MissingValue", u8R"({"fields": [{"name": "a", "type": "byte"}], "records": [{}]})",
     u8"records[0]: no value for field \"a\""},
    {"UnknownValueKey",
     u8R"({"fields": [{"name": "a", "type": "byte"}], "records": [{"a": 1, "b": 2}]})",
     u8"records[0]: unknown key \"b\""},
    {"ByteOutOfRange", u8R"({"fields": [{"name": "a", "type": "byte"}], "records": [{"a": 256}]})",
     u8"records[0].a: does not fit the field's type"},
    {"ShortFraction", u8R"({"fields": [{"name": "a", "type": "short"}], "records": [{"a": 1.5}]})",
     u8"records[0].a: expects a whole number"},
    {"TextTooWide",
     u8R"({"fields": [{"name": "a", "type": "text", "width": 3}], "records": [{"a": "游戏"}]})",
     u8"records[0].a: 4 bytes do not fit the width 3"},
    {"NoCodePage936Form",
     u8R"({"fields": [{"name": "a", "type": "memo"}], "records": [{"a": "한국어"}]})",
     u8"records[0].a: holds a character that code page 936 cannot hold"},
    {"BadDate",
     u8R"({"fields": [{"name": "a", "type": "datetime"}], "records": [{"a": "2011-02-29 00:00:00"}]})",
     u8"records[0].a: expects a date as \"YYYY-MM-DD HH:MM:SS\" (years 100 to 9999)"},
    {"MissingFile",
     u8R"({"fields": [{"name": "a", "type": "memo"}], "records": [{"a": {"file": "none.reg"}}]})",
     u8"records[0].a: cannot read "},
    {"OddHex",
     u8R"({"fields": [{"name": "a", "type": "bytes"}], "records": [{"a": {"hex": "abc"}}]})",
     u8"records[0].a: \"hex\" has an odd number of digits"},
    {"NulInText",
     u8R"({"fields": [{"name": "a", "type": "memo"}], "records": [{"a": {"hex": "41 00"}}]})",
     u8"records[0].a: a text cannot hold a NUL byte"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ManifestProblemTest, testing::ValuesIn(kProblemCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseOleDate, CountsDaysFrom18991230) {
    EXPECT_EQ(ParseOleDate("1899-12-30 00:00:00"), 0.0);
    EXPECT_EQ(ParseOleDate("1899-12-29 06:00:00"), -1.25);
    EXPECT_EQ(ParseOleDate("0100-01-01 00:00:00"), -657434.0);
    EXPECT_EQ(ParseOleDate("9999-12-31 00:00:00"), 2958465.0);
    EXPECT_EQ(ParseOleDate("2000-02-29 12:00:00"), 36585.5);
    EXPECT_EQ(ParseOleDate("2011-04-29"), std::nullopt);
    EXPECT_EQ(ParseOleDate("2011-04-29 24:00:00"), std::nullopt);
    EXPECT_EQ(ParseOleDate("2011-04-29 08:00:00 extra"), std::nullopt);
}

}  // namespace
}  // namespace gamereg
