#include "services/field_value.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gamereg {
namespace {

struct TextCase {
    const char* name;
    friend void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }
    FieldValue value;
    Text expected;
};

class ToTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ToTextTest, GivesExpectedText) { EXPECT_EQ(ToText(GetParam().value), GetParam().expected); }

constexpr double k20110429 = 40662;  // days from 1899-12-30 to 2011-04-29
constexpr double kSecond = 1.0 / 86400;

const TextCase kTextCases[] = {
    {"Byte", std::uint8_t{255}, "255"},
    {"ShortNegative", std::int16_t{-1}, "-1"},
    {"Integer", std::int32_t{-2147483647 - 1}, "-2147483648"},
    {"LongBeyond32Bits", std::int64_t{-9000000000}, "-9000000000"},
    {"FloatPlain", 3.0f, "3"},
    {"FloatFraction", 0.1f, "0.1"},
    {"FloatNegative", -2.5f, "-2.5"},
    {"FloatZero", 0.0f, "0"},
    // A tie at the seventh digit rounds away from zero, not to even.
    {"FloatTieRoundsAway", 100000.5f, "100001"},
    {"FloatTieCarries", 999999.5f, "1e+06"},
    {"FloatBelowOne", 0.000123456f, "0.000123456"},
    {"FloatSixDigits", 1234.565f, "1234.56"},
    {"Double", 3.14159265358979, "3.14159265359"},
    {"DoubleWhole", 42.0, "42"},
    {"LogicalTrue", Logical{1}, "真"},
    {"LogicalFalse", Logical{0}, "假"},
    {"DateMidnight", DateTime{k20110429}, "2011年4月29日"},
    {"DateHour", DateTime{k20110429 + 8.0 / 24}, "2011年4月29日8时"},
    {"DateMinute", DateTime{k20110429 + 8.5 / 24}, "2011年4月29日8时30分"},
    {"DateSecond", DateTime{k20110429 + 8.0 / 24 + 5 * kSecond}, "2011年4月29日8时0分5秒"},
    {"DateRoundsToNearestSecond", DateTime{k20110429 + 8.5 / 24 - 0.4 * kSecond},
     "2011年4月29日8时30分"},
    {"DateRoundsIntoNextDay", DateTime{k20110429 + 1 - 0.3 * kSecond}, "2011年4月30日"},
    {"DateEpoch", DateTime{0}, "1899年12月30日"},
    {"DateLeapDay", DateTime{25569 + 11016}, "2000年2月29日"},
    // Before the epoch the day counts back while the fraction is still the time.
    {"DateNegativeWithTime", DateTime{-1.25}, "1899年12月29日6时"},
    {"DateFirstDay", DateTime{-657434}, "100年1月1日"},
    {"DateClampedLow", DateTime{-1e9}, "100年1月1日"},
    {"DateClampedHigh", DateTime{3e6}, "9999年12月31日"},
    {"RoutinePointerHasNoText", RoutinePointer{0x12345678}, ""},
    {"TextCopied", Text("演示游戏"), "演示游戏"},
    {"BytesStopAtNul", Bytes{0x41, 0x42, 0x00, 0x43}, "AB"},
    {"BytesWithoutNul", Bytes{0x41, 0x42}, "AB"},
    {"BytesNone", Bytes{}, ""},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ToTextTest, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BytesCase {
    const char* name;
    friend void PrintTo(const BytesCase& c, std::ostream* out) { *out << c.name; }
    FieldValue value;
    Bytes expected;
};

class ToBytesTest : public testing::TestWithParam<BytesCase> {};

TEST_P(ToBytesTest, GivesPayloadBytes) {
    EXPECT_EQ(ToBytes(GetParam().value), GetParam().expected);
}

const BytesCase kBytesCases[] = {
    {"Byte", std::uint8_t{0xAB}, {0xAB}},
    {"Short", std::int16_t{-2}, {0xFE, 0xFF}},
    {"Integer", std::int32_t{0x01020304}, {0x04, 0x03, 0x02, 0x01}},
    {"Long", std::int64_t{1}, {1, 0, 0, 0, 0, 0, 0, 0}},
    {"Float", 1.0f, {0x00, 0x00, 0x80, 0x3F}},
    {"Double", 1.0, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}},
    {"LogicalTrue", Logical{1}, {1, 0, 0, 0}},
    {"LogicalFalse", Logical{0}, {0, 0, 0, 0}},
    {"DateTime", DateTime{2.0}, {0, 0, 0, 0, 0, 0, 0, 0x40}},
    {"RoutinePointer", RoutinePointer{0xDEADBEEF}, {0xEF, 0xBE, 0xAD, 0xDE}},
    {"TextWithoutNul", Text("abc"), {0x61, 0x62, 0x63}},
    {"TextNone", Text(), {}},
    {"BytesCopied", Bytes{0x00, 0xFF}, {0x00, 0xFF}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ToBytesTest, testing::ValuesIn(kBytesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldValue, KindFollowsAlternative) {
    EXPECT_EQ(KindOf(std::uint8_t{1}), FieldKind::Byte);
    EXPECT_EQ(KindOf(Logical{1}), FieldKind::Logical);
    EXPECT_EQ(KindOf(DateTime{1}), FieldKind::DateTime);
    EXPECT_EQ(KindOf(Bytes{}), FieldKind::Bytes);
}

}  // namespace
}  // namespace gamereg
