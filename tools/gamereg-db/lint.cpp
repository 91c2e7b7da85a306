#include "lint.h"

#include "registry_script.h"
#include "workflow/tool_fields.h"

namespace gamereg {

namespace {

constexpr std::string_view kRootKey = "HKEY_LOCAL_MACHINE";

class Findings {
public:
    void Error(Text message) { list.push_back({true, std::move(message)}); }
    void Warning(Text message) { list.push_back({false, std::move(message)}); }
    std::vector<LintFinding> list;
};

Text LineLabel(std::string_view script, const ScriptLine& line) {
    return ConcatText({script, " line ", std::to_string(line.number)});
}

// Checks the header and that every line is a key, a value, a comment or empty.
RegistryScript CheckScriptForm(std::string_view name, const Text& text, Findings& findings) {
    RegistryScript script = ParseRegistryScript(text);
    if (script.header == "Windows Registry Editor Version 5.00") {
        findings.Error(
            ConcatText({name,
                        ": \"Windows Registry Editor Version 5.00\" scripts are read as "
                        "UTF-16 only; GameReg writes the bytes as stored: use REGEDIT4"}));
    } else if (script.header != "REGEDIT4") {
        findings.Error(ConcatText({name, ": does not start with REGEDIT4"}));
    }
    for (const ScriptLine& line : script.lines) {
        if (line.kind == ScriptLine::Kind::Invalid) {
            findings.Error(ConcatText(
                {LineLabel(name, line), ": neither a key, a value, a comment nor empty"}));
        }
    }
    return script;
}

bool HasPlaceholder(std::string_view s) {
    return s.find(kGameFolderPlaceholder) != std::string_view::npos;
}

// An escape the editor does not know ("\x" but for "\\" and "\"") loses its backslash.
bool HasSingleBackslash(std::string_view quoted) {
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (IsLeadByte(quoted[i])) {
            ++i;
        } else if (quoted[i] == '\\') {
            if (quoted[i + 1] != '\\' && quoted[i + 1] != '"') return true;
            ++i;
        }
    }
    return false;
}

void CheckImportValues(const RegistryScript& script, Findings& findings) {
    for (const ScriptLine& line : script.lines) {
        const Text label = LineLabel("import script", line);
        if (line.kind == ScriptLine::Kind::Key && HasPlaceholder(line.keyPath)) {
            findings.Warning(ConcatText({label, ": ", kGameFolderPlaceholder,
                                         " in a key name is not replaced by a quoted value"}));
        }
        if (line.kind != ScriptLine::Kind::Value) continue;
        const bool quoted = line.data.size() >= 2 && line.data.front() == '"';
        if (HasPlaceholder(line.valueName) || (!quoted && HasPlaceholder(line.data))) {
            findings.Warning(
                ConcatText({label, ": ", kGameFolderPlaceholder, " outside a quoted value"}));
        }
        if (quoted && HasSingleBackslash(line.data)) {
            findings.Warning(
                ConcatText({label, ": a single backslash, which the registry editor drops"}));
        }
    }
}

struct RegistryItem {
    Text keyPath;  // under HKEY_LOCAL_MACHINE\ as the import script names it
    Text valueName;
};

// The check item is a path under HKEY_LOCAL_MACHINE whose last part names the value.
RegistryItem SplitCheckItem(std::string_view item) {
    std::size_t lastSeparator = std::string_view::npos;
    for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '\\') lastSeparator = i;
        if (IsLeadByte(item[i])) ++i;
    }
    if (lastSeparator == std::string_view::npos) return {Text(kRootKey), Text(item)};
    return {ConcatText({kRootKey, "\\", item.substr(0, lastSeparator)}),
            Text(item.substr(lastSeparator + 1))};
}

bool IsKeyOrAncestor(std::string_view candidate, std::string_view key) {
    if (candidate.size() > key.size()) return false;
    if (!SameRegistryName(candidate, key.substr(0, candidate.size()))) return false;
    return candidate.size() == key.size() || key[candidate.size()] == '\\';
}

bool SetsItem(const RegistryScript& script, const RegistryItem& item) {
    for (const ScriptLine& line : script.lines) {
        if (line.kind == ScriptLine::Kind::Value && !line.remove &&
            SameRegistryName(line.keyPath, item.keyPath) &&
            SameRegistryName(line.valueName, item.valueName)) {
            return true;
        }
    }
    return false;
}

bool RemovesItem(const RegistryScript& script, const RegistryItem& item) {
    for (const ScriptLine& line : script.lines) {
        if (line.kind == ScriptLine::Kind::Key && line.remove &&
            IsKeyOrAncestor(line.keyPath, item.keyPath)) {
            return true;
        }
        if (line.kind == ScriptLine::Kind::Value && line.remove &&
            SameRegistryName(line.keyPath, item.keyPath) &&
            SameRegistryName(line.valueName, item.valueName)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<LintFinding> LintToolFields(const ToolFields& fields) {
    Findings findings;
    const std::pair<const std::optional<Text>*, const char*> required[] = {
        {&fields.markerFile, ToolField::kMarkerFile},
        {&fields.gameName, ToolField::kGameName},
        {&fields.toolName, ToolField::kToolName},
        {&fields.importScript, ToolField::kImportScript},
        {&fields.uninstallScript, ToolField::kUninstallScript},
        {&fields.checkItem, ToolField::kCheckItem},
    };
    for (const auto& [field, name] : required) {
        if (!*field) {
            findings.Error(
                ConcatText({"field ", name, " is missing: GameReg stops with a fatal error"}));
        }
    }
    if (fields.markerFile && fields.markerFile->empty()) {
        findings.Error(ConcatText(
            {"field ", ToolField::kMarkerFile, " is empty: GameReg cannot tell the game folder"}));
    }
    if (fields.gameName && fields.gameName->empty()) {
        findings.Error(ConcatText(
            {"field ", ToolField::kGameName, " is empty: the shortcut would have no name"}));
    }

    std::optional<RegistryScript> importScript, uninstallScript;
    if (fields.importScript) {
        importScript = CheckScriptForm("import script", *fields.importScript, findings);
        CheckImportValues(*importScript, findings);
    }
    if (fields.uninstallScript) {
        uninstallScript = CheckScriptForm("uninstall script", *fields.uninstallScript, findings);
    }
    if (fields.checkItem) {
        const RegistryItem item = SplitCheckItem(*fields.checkItem);
        const Text where = ConcatText({item.keyPath, " value \"", item.valueName, "\""});
        if (importScript && !SetsItem(*importScript, item)) {
            findings.Error(ConcatText({"the import script does not set the checked item ", where,
                                       ": an import can never succeed"}));
        }
        if (uninstallScript && !RemovesItem(*uninstallScript, item)) {
            findings.Error(ConcatText({"the uninstall script does not remove the checked item ",
                                       where, ": an uninstall can never succeed"}));
        }
    }
    return findings.list;
}

}  // namespace gamereg
