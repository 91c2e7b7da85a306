#pragma once
// The mistakes that make a valid database useless to GameReg: missing fields,
// scripts the registry editor rejects, an existence check that the scripts
// never set or never remove.

#include <optional>
#include <vector>

#include "services/text.h"

namespace gamereg {

// The six fields GameReg reads, as texts; an empty optional is a field the
// record does not have.
struct ToolFields {
    std::optional<Text> markerFile;       // 游戏文件检测
    std::optional<Text> gameName;         // 游戏名称
    std::optional<Text> toolName;         // 注册表工具名称
    std::optional<Text> importScript;     // 注册表代码
    std::optional<Text> uninstallScript;  // 注册表卸载
    std::optional<Text> checkItem;        // 注册表存在检测
};

struct LintFinding {
    bool error = false;  // else a warning
    Text message;        // code page 936, like the texts it quotes
    friend bool operator==(const LintFinding&, const LintFinding&) = default;
};

std::vector<LintFinding> LintToolFields(const ToolFields& fields);

}  // namespace gamereg
