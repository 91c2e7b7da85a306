#pragma once
// The tool's edge: people and manifests speak UTF-8, the database code page
// 936. Nothing else in the tool transcodes.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "services/text.h"

namespace gamereg {

// None when some character has no code page 936 form (never a silent "?").
std::optional<Text> Utf8ToCodePage936(std::string_view utf8);

// Bytes that are no code page 936 character come out as U+FFFD.
std::string CodePage936ToUtf8(std::string_view text);

// A path given in UTF-8, for the standard library's file functions.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// A path as a person reads it.
std::string Utf8FromPath(const std::filesystem::path& path);

// A path given in UTF-8, in the form the database's file layer takes.
std::optional<Text> DatabasePathFromUtf8(std::string_view utf8);

}  // namespace gamereg
