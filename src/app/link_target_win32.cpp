#include "app/link_target.h"

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <cstring>

#include "database/code_page_936.h"

namespace gamereg {

namespace {

// The default values of the browser's registry keys are read into this many bytes.
constexpr LONG registryValueSize = 260;

// The first place where `what` begins a character of `text`, or npos.
std::size_t FindByCharacter(std::string_view text, std::string_view what) {
    for (std::size_t at = 0; at < text.size(); at += CharacterSizeAt(text, at)) {
        if (text.substr(at).starts_with(what)) return at;
    }
    return std::string_view::npos;
}

// The default value of a key of HKEY_CLASSES_ROOT; none when the key cannot
// be opened, has no default value or one that does not fit the buffer.
Text ReadClassesValue(const Text& keyName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::array<char, registryValueSize> value{};
    LONG size = registryValueSize;
    const LONG result = RegQueryValueA(key, nullptr, value.data(), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || size <= 0 || size > registryValueSize) return {};
    // A value stored without its terminator fills the buffer: too long.
    const std::size_t length = strnlen(value.data(), static_cast<std::size_t>(size));
    if (length == static_cast<std::size_t>(registryValueSize)) return {};
    return Text(value.data(), length);
}

}  // namespace

Text LinkTargetOf(std::int32_t linkType, std::string_view eMailAddress,
                  std::string_view webAddress) {
    if (linkType != 0) return Text(webAddress);
    if (eMailAddress.empty()) return {};
    return ConcatText({"mailto:", eMailAddress});
}

std::optional<Text> BrowserCommandLine(std::string_view registered, std::string_view target) {
    std::size_t cut = FindByCharacter(registered, "\"%1\"");
    if (cut == std::string_view::npos) cut = FindByCharacter(registered, "%1");
    Text line = ConcatText({registered.substr(0, cut), " ", target});
    if (line.size() > MaximumBrowserCommand) return std::nullopt;
    return line;
}

bool OpenLinkTarget(const Text& target, int showCommand) {
    if (target.empty()) return false;
    const auto shell = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand));
    if (shell > 32) return true;
    const Text pageKind = ReadClassesValue(".htm");
    if (pageKind.empty()) return false;
    const Text registered = ReadClassesValue(ConcatText({pageKind, "\\shell\\open\\command"}));
    if (registered.empty()) return false;
    const std::optional<Text> line = BrowserCommandLine(registered, target);
    if (!line) return false;
    return WinExec(line->c_str(), static_cast<UINT>(showCommand)) > 32;
}

}  // namespace gamereg
