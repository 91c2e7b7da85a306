#pragma once
// A database described in JSON (UTF-8), as a publisher writes it:
//
//   {
//     "password": "391526043",                optional; "" for a plain database
//     "fields": [ {"name": "游戏名称", "type": "text", "width": 64}, ... ],
//     "records": [ {"游戏名称": "演示游戏", "注册表代码": {"file": "import.reg"}}, ... ]
//   }
//
// Types by name: byte, short, integer, long, float, double, logical, datetime
// ("YYYY-MM-DD HH:MM:SS"), routine, text (needs a width), bytes, memo. A
// value is a JSON number, boolean or string (turned into code page 936), or
// {"file": path relative to the manifest} or {"hex": "..."} for raw bytes.

#include <filesystem>
#include <optional>
#include <string>

#include "database/database_writer.h"

namespace gamereg {

struct ManifestResult {
    DatabaseDefinition definition;
    std::optional<Text> password;  // what the manifest says, if anything
    std::string problem;           // UTF-8, naming the place; empty on success
};

ManifestResult ReadManifest(const std::filesystem::path& manifestFile);

// Days since 1899-12-30 with the time of day as the fraction's magnitude;
// none for a malformed text or a date outside the years 100 to 9999.
std::optional<double> ParseOleDate(std::string_view text);

}  // namespace gamereg
