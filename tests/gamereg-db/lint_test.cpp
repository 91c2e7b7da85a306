#include "lint.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace gamereg {
namespace {

const char* const kImport =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n"
    "\"InstallPath\"=\"游戏路径\"\r\n"
    "\"Exe\"=\"游戏路径\\\\Demo.exe\"\r\n"
    "\"Language\"=\"简体中文\"\r\n";

const char* const kUninstall =
    "REGEDIT4\r\n"
    "\r\n"
    "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n";

ToolFields DemoFields() {
    return {"Demo.exe", "演示游戏", "演示游戏注册表工具",
            kImport,    kUninstall, "SOFTWARE\\Demo Studio\\Demo\\InstallPath"};
}

struct LintCase {
    const char* name;
    std::function<void(ToolFields&)> change;
    std::vector<LintFinding> expected;
    friend void PrintTo(const LintCase& c, std::ostream* out) { *out << c.name; }
};

class LintTest : public testing::TestWithParam<LintCase> {};

TEST_P(LintTest, ReportsExactlyTheMistakes) {
    ToolFields fields = DemoFields();
    GetParam().change(fields);
    EXPECT_EQ(LintToolFields(fields), GetParam().expected);
}

LintFinding Error(const char* message) { return {true, message}; }
LintFinding Warning(const char* message) { return {false, message}; }

void ReplaceKey(ToolFields& fields, const char* root) {
    fields.importScript = ReplaceText(*fields.importScript, "HKEY_LOCAL_MACHINE", root);
}

const char* const kNotSet =
    "the import script does not set the checked item HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo "
    "Studio\\Demo value \"InstallPath\": an import can never succeed";
const char* const kNotRemoved =
    "the uninstall script does not remove the checked item HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo "
    "Studio\\Demo value \"InstallPath\": an uninstall can never succeed";

const LintCase kLintCases[] = {
    {"DemoIsClean", [](ToolFields&) {}, {}},
    {"MissingField",
     [](ToolFields& f) { f.toolName.reset(); },
     {Error("field 注册表工具名称 is missing: GameReg stops with a fatal error")}},
    {"EmptyMarker",
     [](ToolFields& f) { f.markerFile = ""; },
     {Error("field 游戏文件检测 is empty: GameReg cannot tell the game folder")}},
    {"EmptyGameName",
     [](ToolFields& f) { f.gameName = ""; },
     {Error("field 游戏名称 is empty: the shortcut would have no name")}},
    {"Version5Header",
     [](ToolFields& f) {
         f.importScript = "Windows Registry Editor Version 5.00\r\n" + f.importScript->substr(10);
     },
     {Error("import script: \"Windows Registry Editor Version 5.00\" scripts are read as UTF-16 "
            "only; GameReg writes the bytes as stored: use REGEDIT4")}},
    {"NoHeader",
     [](ToolFields& f) { f.uninstallScript = f.uninstallScript->substr(10); },
     {Error("uninstall script: does not start with REGEDIT4")}},
    {"LineOfNoKind",
     [](ToolFields& f) { *f.importScript += "InstallPath=C:\\Games\r\n"; },
     {Error("import script line 7: neither a key, a value, a comment nor empty")}},
    {"CommentsAndHexContinuationAreLines",
     [](ToolFields& f) {
         *f.importScript += "; set by the game\r\n\"Data\"=hex:01,02,\\\r\n  03\r\n";
     },
     {}},
    {"CheckedValueNotSet",
     [](ToolFields& f) { f.checkItem = "SOFTWARE\\Demo Studio\\Demo\\Version"; },
     {Error("the import script does not set the checked item HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo "
            "Studio\\Demo value \"Version\": an import can never succeed")}},
    {"CheckedItemUnderOtherRoot",
     [](ToolFields& f) { ReplaceKey(f, "HKEY_CURRENT_USER"); },
     {Error(kNotSet)}},
    {"KeysCompareWithoutCase",
     [](ToolFields& f) { f.checkItem = "software\\DEMO STUDIO\\demo\\installpath"; },
     {}},
    {"UninstallKeepsTheKey",
     [](ToolFields& f) {
         f.uninstallScript = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n";
     },
     {Error(kNotRemoved)}},
    {"UninstallDeletesAncestor",
     [](ToolFields& f) {
         f.uninstallScript = "REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio]\r\n";
     },
     {}},
    {"UninstallSiblingWithCommonPrefixIsNotAncestor",
     [](ToolFields& f) {
         f.uninstallScript = "REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Stud]\r\n";
     },
     {Error(kNotRemoved)}},
    {"UninstallDeletesValue",
     [](ToolFields& f) {
         f.uninstallScript =
             "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Demo Studio\\Demo]\r\n\"InstallPath\"=-";
     },
     {}},
    {"DefaultValueChecked",
     [](ToolFields& f) {
         *f.importScript += "@=\"游戏路径\"\r\n";
         f.checkItem = "SOFTWARE\\Demo Studio\\Demo\\";
     },
     {}},
    {"PlaceholderInKey",
     [](ToolFields& f) { *f.importScript += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\游戏路径]\r\n"; },
     {Warning("import script line 7: 游戏路径 in a key name is not replaced by a quoted value")}},
    {"PlaceholderUnquoted",
     [](ToolFields& f) { *f.importScript += "\"游戏路径\"=dword:00000001\r\n"; },
     {Warning("import script line 7: 游戏路径 outside a quoted value")}},
    {"SingleBackslash",
     [](ToolFields& f) { *f.importScript += "\"Dir\"=\"游戏路径\\Data\"\r\n"; },
     {Warning("import script line 7: a single backslash, which the registry editor drops")}},
    // 乗 is 81 5C: its second byte is no backslash.
    {"DoubleByteCharacterIsNoBackslash",
     [](ToolFields& f) { *f.importScript += "\"Name\"=\"\x81\x5c\"\r\n"; },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, LintTest, testing::ValuesIn(kLintCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace gamereg
