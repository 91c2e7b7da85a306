#include "invocation.h"

#include "cli.h"
#include "code_page.h"
#include "database/database_error.h"
#include "database/field_name.h"
#include "workflow/tool_fields.h"

namespace gamereg {

const std::string& Invocation::Operand(std::size_t index, const char* what) const {
    if (index >= operands.size()) throw UsageError{std::string("missing ") + what};
    return operands[index];
}

Text Invocation::Password(const std::optional<Text>& manifestPassword) const {
    if (noPassword) return Text();
    if (password) {
        const std::optional<Text> converted = Utf8ToCodePage936(*password);
        if (!converted) throw UsageError{"the password has a character code page 936 cannot hold"};
        return *converted;
    }
    return manifestPassword.value_or(kDatabasePassword);
}

int Invocation::DatabaseFailure(std::int32_t code) const {
    err << "error " << code << ": " << CodePage936ToUtf8(DatabaseErrorText(code)) << "\n";
    return ExitCode::kFailed;
}

std::optional<int> Invocation::OpenInspected(ReadOnlyDatabase& database) const {
    const std::optional<Text> path = DatabasePathFromUtf8(Operand(0, "DB"));
    if (!path) throw UsageError{"DB names a path this system cannot open"};
    const std::int32_t code = database.Open(*path, Password());
    if (code != 0) return DatabaseFailure(code);
    return std::nullopt;
}

std::optional<std::size_t> FindField(const ReadOnlyDatabase& database, const Text& name) {
    const auto& fields = database.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (FieldNamesEqual(fields[i].name, name)) return i;
    }
    return std::nullopt;
}

ToolFields ReadToolFields(ReadOnlyDatabase& database) {
    const auto read = [&database](const char* name) -> std::optional<Text> {
        const std::optional<std::size_t> field = FindField(database, name);
        if (!field) return std::nullopt;
        FieldValue value;
        database.ReadValue(0, *field, value);
        return ToText(value);
    };
    return {read(ToolField::kMarkerFile),      read(ToolField::kGameName),
            read(ToolField::kToolName),        read(ToolField::kImportScript),
            read(ToolField::kUninstallScript), read(ToolField::kCheckItem)};
}

}  // namespace gamereg
