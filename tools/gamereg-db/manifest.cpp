#include "manifest.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>

#include "code_page.h"

namespace gamereg {

namespace {

using Json = nlohmann::json;

struct TypeName {
    const char* name;
    std::int32_t type;
};

constexpr std::array<TypeName, 12> kTypeNames = {{
    {"byte", 1},
    {"short", 2},
    {"integer", 3},
    {"long", 4},
    {"float", 5},
    {"double", 6},
    {"logical", 7},
    {"datetime", 8},
    {"routine", 9},
    {"text", 10},
    {"bytes", 11},
    {"memo", 12},
}};

// The manifest's faults are reported by throwing this; nothing is built then.
struct ManifestError {
    std::string message;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw ManifestError{where + ": " + what};
}

std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

Bytes ReadWholeFile(const std::filesystem::path& file, const std::string& where) {
    std::ifstream in(file, std::ios::binary);
    if (!in) Fail(where, "cannot read " + Utf8FromPath(file));
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ParseHex(const std::string& hex, const std::string& where) {
    Bytes bytes;
    std::string digits;
    for (char c : hex) {
        if (c == ' ' || c == ',' || c == '\n') continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            Fail(where, "not a hex digit in \"hex\"");
        digits += c;
    }
    if (digits.size() % 2 != 0) Fail(where, "\"hex\" has an odd number of digits");
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

Text ToCodePage936(const std::string& utf8, const std::string& where) {
    std::optional<Text> text = Utf8ToCodePage936(utf8);
    if (!text) Fail(where, "holds a character that code page 936 cannot hold");
    return *text;
}

// The raw bytes of a {"file"} or {"hex"} value, or the text of a string.
Bytes ByteValue(const Json& value, const std::filesystem::path& folder, const std::string& where) {
    if (value.is_string()) {
        const Text text = ToCodePage936(value.get<std::string>(), where);
        return Bytes(text.begin(), text.end());
    }
    if (value.is_object() && value.size() == 1) {
        if (value.contains("file") && value["file"].is_string()) {
            return ReadWholeFile(folder / PathFromUtf8(value["file"].get<std::string>()), where);
        }
        if (value.contains("hex") && value["hex"].is_string()) {
            return ParseHex(value["hex"].get<std::string>(), where);
        }
    }
    Fail(where, "expects a string, {\"file\": ...} or {\"hex\": ...}");
}

Text TextValue(const Json& value, const std::filesystem::path& folder, const std::string& where) {
    const Bytes bytes = ByteValue(value, folder, where);
    for (std::uint8_t b : bytes) {
        if (b == 0) Fail(where, "a text cannot hold a NUL byte");
    }
    return Text(bytes.begin(), bytes.end());
}

template <typename Integer>
Integer IntegerValue(const Json& value, const std::string& where) {
    if (!value.is_number_integer()) Fail(where, "expects a whole number");
    const bool fits = value.is_number_unsigned()
                          ? value.get<std::uint64_t>() <=
                                static_cast<std::uint64_t>(std::numeric_limits<Integer>::max())
                          : value.get<std::int64_t>() >= std::numeric_limits<Integer>::min() &&
                                value.get<std::int64_t>() <= std::numeric_limits<Integer>::max();
    if (!fits) Fail(where, "does not fit the field's type");
    return value.is_number_unsigned() ? static_cast<Integer>(value.get<std::uint64_t>())
                                      : static_cast<Integer>(value.get<std::int64_t>());
}

FieldValue ConvertValue(const Json& value, const FieldDefinition& field,
                        const std::filesystem::path& folder, const std::string& where) {
    switch (field.type) {
        case 1:
            return IntegerValue<std::uint8_t>(value, where);
        case 2:
            return IntegerValue<std::int16_t>(value, where);
        case 3:
            return IntegerValue<std::int32_t>(value, where);
        case 4:
            return IntegerValue<std::int64_t>(value, where);
        case 5:
        case 6: {
            if (!value.is_number()) Fail(where, "expects a number");
            const double number = value.get<double>();
            if (field.type == 6) return number;
            if (std::isfinite(number) && std::fabs(number) > std::numeric_limits<float>::max()) {
                Fail(where, "does not fit the field's type");
            }
            return static_cast<float>(number);
        }
        case 7:
            if (!value.is_boolean()) Fail(where, "expects true or false");
            return Logical{value.get<bool>() ? 1 : 0};
        case 8: {
            const auto days = value.is_string() ? ParseOleDate(value.get<std::string>())
                                                : std::optional<double>();
            if (!days) Fail(where, "expects a date as \"YYYY-MM-DD HH:MM:SS\" (years 100 to 9999)");
            return DateTime{*days};
        }
        case 9:
            return RoutinePointer{IntegerValue<std::uint32_t>(value, where)};
        case 10: {
            Text text = TextValue(value, folder, where);
            if (text.size() > static_cast<std::size_t>(field.width)) {
                Fail(where, std::to_string(text.size()) + " bytes do not fit the width " +
                                std::to_string(field.width));
            }
            return text;
        }
        case 11:
            return ByteValue(value, folder, where);
        default:
            return TextValue(value, folder, where);
    }
}

void CheckKeys(const Json& object, std::set<std::string> allowed, const std::string& where) {
    for (const auto& [key, value] : object.items()) {
        if (!allowed.count(key)) Fail(where, "unknown key \"" + key + "\"");
    }
}

FieldDefinition ReadFieldDefinition(const Json& field, const std::string& where) {
    if (!field.is_object()) Fail(where, "expects an object");
    CheckKeys(field, {"name", "type", "width"}, where);
    if (!field.contains("name") || !field["name"].is_string()) Fail(where, "needs a \"name\"");
    if (!field.contains("type") || !field["type"].is_string()) Fail(where, "needs a \"type\"");
    FieldDefinition definition;
    definition.name = ToCodePage936(field["name"].get<std::string>(), where + ".name");
    if (definition.name.empty() || definition.name.size() > 16) {
        Fail(where + ".name", "a field name has 1 to 16 bytes in code page 936");
    }
    const std::string type = field["type"].get<std::string>();
    for (const TypeName& known : kTypeNames) {
        if (type == known.name) definition.type = known.type;
    }
    if (definition.type == 0) Fail(where + ".type", "unknown type \"" + type + "\"");
    if (definition.type == 10) {
        if (!field.contains("width")) Fail(where, "a text field needs a \"width\"");
        definition.width = IntegerValue<std::int32_t>(field["width"], where + ".width");
        if (definition.width <= 0) Fail(where + ".width", "must be greater than 0");
    } else if (field.contains("width")) {
        Fail(where, "only a text field has a \"width\"");
    }
    return definition;
}

ManifestResult ParseManifest(const Json& manifest, const std::filesystem::path& folder) {
    ManifestResult result;
    if (!manifest.is_object()) Fail("manifest", "expects an object");
    CheckKeys(manifest, {"password", "fields", "records"}, "manifest");
    if (manifest.contains("password")) {
        if (!manifest["password"].is_string()) Fail("password", "expects a string");
        result.password = ToCodePage936(manifest["password"].get<std::string>(), "password");
    }
    if (!manifest.contains("fields") || !manifest["fields"].is_array() ||
        manifest["fields"].empty()) {
        Fail("fields", "needs at least one field");
    }
    std::set<std::string> names;
    for (std::size_t i = 0; i < manifest["fields"].size(); ++i) {
        const std::string where = "fields[" + std::to_string(i) + "]";
        result.definition.fields.push_back(ReadFieldDefinition(manifest["fields"][i], where));
        if (!names.insert(manifest["fields"][i]["name"].get<std::string>()).second) {
            Fail(where + ".name", "a second field of that name");
        }
    }
    if (!manifest.contains("records") || !manifest["records"].is_array() ||
        manifest["records"].empty()) {
        Fail("records", "needs at least one record");
    }
    for (std::size_t r = 0; r < manifest["records"].size(); ++r) {
        const Json& record = manifest["records"][r];
        const std::string where = "records[" + std::to_string(r) + "]";
        if (!record.is_object()) Fail(where, "expects an object");
        CheckKeys(record, names, where);
        RecordDefinition values;
        for (std::size_t f = 0; f < result.definition.fields.size(); ++f) {
            const std::string name = manifest["fields"][f]["name"].get<std::string>();
            if (!record.contains(name)) Fail(where, "no value for field \"" + name + "\"");
            values.values.push_back(ConvertValue(record[name], result.definition.fields[f], folder,
                                                 where + "." + name));
        }
        result.definition.records.push_back(std::move(values));
    }
    return result;
}

}  // namespace

std::optional<double> ParseOleDate(std::string_view text) {
    int year, month, day, hour, minute, second;
    char tail;
    const std::string copy(text);
    if (std::sscanf(copy.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &year, &month, &day, &hour, &minute,
                    &second, &tail) != 6) {
        return std::nullopt;
    }
    constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year)) || hour > 23 || hour < 0 ||
        minute > 59 || minute < 0 || second > 59 || second < 0) {
        return std::nullopt;
    }
    constexpr std::int64_t kOleEpochFromUnix = -25569;
    const double days = static_cast<double>(DaysFromCivil(year, month, day) - kOleEpochFromUnix);
    const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before 1899-12-30 the day counts back while the time still counts forward.
    return days < 0 ? days - time : days + time;
}

ManifestResult ReadManifest(const std::filesystem::path& manifestFile) {
    try {
        std::ifstream in(manifestFile, std::ios::binary);
        if (!in) Fail(Utf8FromPath(manifestFile), "cannot be read");
        Json manifest;
        try {
            manifest = Json::parse(in);
        } catch (const Json::parse_error& error) {
            Fail(Utf8FromPath(manifestFile), std::string("is not JSON: ") + error.what());
        }
        return ParseManifest(manifest, manifestFile.parent_path());
    } catch (const ManifestError& error) {
        ManifestResult failed;
        failed.problem = error.message;
        return failed;
    }
}

}  // namespace gamereg
