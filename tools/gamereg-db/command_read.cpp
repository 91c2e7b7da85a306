// dump, get and check: they open for inspection and never change a byte.

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

#include "cli.h"
#include "code_page.h"
#include "database/database_error.h"
#include "invocation.h"
#include "repairs.h"

namespace gamereg {

namespace {

constexpr const char* kTypeNames[] = {"",      "byte",   "short",   "integer",  "long",
                                      "float", "double", "logical", "datetime", "routine",
                                      "text",  "bytes",  "memo"};

std::string Utf8Text(const FieldValue& value) { return CodePage936ToUtf8(ToText(value)); }

std::string MagicText(const DataFileHeader& header) {
    const auto magic = header.Magic();
    return std::string(magic.begin(), magic.end());
}

void DumpAsText(ReadOnlyDatabase& database, const std::vector<std::string>& repairs,
                std::ostream& out) {
    const DataFileHeader& header = database.Header();
    char version[16];
    std::snprintf(version, sizeof version, "0x%08X", static_cast<unsigned>(header.Version()));
    out << "file: " << CodePage936ToUtf8(database.FullPath()) << "\n"
        << "magic: " << MagicText(header) << "\n"
        << "version: " << version << "\n"
        << "records: " << database.RecordCount() << "\n"
        << "record size: " << header.RecordSize() << "\n"
        << "fields: " << database.Fields().size() << "\n";
    for (const FieldDescriptor& field : database.Fields()) {
        out << "  " << CodePage936ToUtf8(field.name) << "  " << kTypeNames[field.type] << " ("
            << field.type << ")  offset " << field.offset;
        if (field.type == 10) out << "  width " << field.width;
        out << "\n";
    }
    for (const std::string& repair : repairs) out << "needs repair: " << repair << "\n";
    for (std::int32_t r = 0; r < database.RecordCount(); ++r) {
        std::int32_t status = 0;
        database.ReadStatus(r, status);
        out << "record " << r << " (status " << status << ")\n";
        for (std::size_t f = 0; f < database.Fields().size(); ++f) {
            FieldValue value;
            const std::int32_t code = database.ReadValue(r, f, value);
            out << "  " << CodePage936ToUtf8(database.Fields()[f].name) << " = ";
            if (code != 0) {
                out << "<error " << code << ": " << CodePage936ToUtf8(DatabaseErrorText(code))
                    << ">";
            } else {
                out << Utf8Text(value);
            }
            out << "\n";
        }
    }
}

void DumpAsJson(ReadOnlyDatabase& database, const std::vector<std::string>& repairs,
                std::ostream& out) {
    using Json = nlohmann::ordered_json;
    const DataFileHeader& header = database.Header();
    Json dump = {{"file", CodePage936ToUtf8(database.FullPath())},
                 {"magic", MagicText(header)},
                 {"version", header.Version()},
                 {"recordCount", database.RecordCount()},
                 {"recordSize", header.RecordSize()},
                 {"fields", Json::array()},
                 {"needsRepair", repairs},
                 {"records", Json::array()}};
    for (const FieldDescriptor& field : database.Fields()) {
        Json entry = {{"name", CodePage936ToUtf8(field.name)},
                      {"type", kTypeNames[field.type]},
                      {"typeCode", field.type},
                      {"offset", field.offset}};
        if (field.type == 10) entry["width"] = field.width;
        dump["fields"].push_back(entry);
    }
    for (std::int32_t r = 0; r < database.RecordCount(); ++r) {
        std::int32_t status = 0;
        database.ReadStatus(r, status);
        Json values = Json::object();
        for (std::size_t f = 0; f < database.Fields().size(); ++f) {
            FieldValue value;
            const std::int32_t code = database.ReadValue(r, f, value);
            const std::string name = CodePage936ToUtf8(database.Fields()[f].name);
            values[name] = code == 0 ? Json(Utf8Text(value)) : Json({{"error", code}});
        }
        dump["records"].push_back({{"status", status}, {"values", values}});
    }
    out << dump.dump(2) << "\n";
}

}  // namespace

int CommandDump(const Invocation& run) {
    ReadOnlyDatabase database;
    if (const auto failed = run.OpenInspected(database)) return *failed;
    const std::vector<std::string> repairs = DescribeRepairs(database);
    if (run.json) {
        DumpAsJson(database, repairs, run.out);
    } else {
        DumpAsText(database, repairs, run.out);
    }
    return ExitCode::kSuccess;
}

int CommandGet(const Invocation& run) {
    const std::string& fieldName = run.Operand(1, "FIELD");
    ReadOnlyDatabase database;
    if (const auto failed = run.OpenInspected(database)) return *failed;
    const std::optional<Text> name = Utf8ToCodePage936(fieldName);
    const std::optional<std::size_t> field = name ? FindField(database, *name) : std::nullopt;
    if (!field) {
        run.err << "error: no field named \"" << fieldName << "\"\n";
        return ExitCode::kFailed;
    }
    FieldValue value;
    if (const std::int32_t code = database.ReadValue(0, *field, value); code != 0) {
        return run.DatabaseFailure(code);
    }
    std::string output;
    if (run.text) {
        output = Utf8Text(value) + "\n";
    } else {
        const Bytes bytes = ToBytes(value);
        output.assign(bytes.begin(), bytes.end());
    }
    if (!run.outputFile) {
        run.out << output;
        return ExitCode::kSuccess;
    }
    std::ofstream file(PathFromUtf8(*run.outputFile), std::ios::binary | std::ios::trunc);
    file << output;
    file.close();
    if (file.fail()) {
        run.err << "error: cannot write " << *run.outputFile << "\n";
        return ExitCode::kFailed;
    }
    return ExitCode::kSuccess;
}

int CommandCheck(const Invocation& run) {
    ReadOnlyDatabase database;
    if (const auto failed = run.OpenInspected(database)) return *failed;
    for (std::int32_t r = 0; r < database.RecordCount(); ++r) {
        for (std::size_t f = 0; f < database.Fields().size(); ++f) {
            FieldValue value;
            if (const std::int32_t code = database.ReadValue(r, f, value); code != 0) {
                run.err << "record " << r << ", field "
                        << CodePage936ToUtf8(database.Fields()[f].name) << ":\n";
                return run.DatabaseFailure(code);
            }
        }
    }
    for (const std::string& repair : DescribeRepairs(database)) {
        run.out << "needs repair: " << repair << "\n";
    }
    run.out << "ok\n";
    return ExitCode::kSuccess;
}

}  // namespace gamereg
