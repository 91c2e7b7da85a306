#include <windows.h>

#include "code_page.h"

namespace gamereg {

namespace {

constexpr UINT kDatabaseCodePage = 936;

std::optional<std::wstring> Widen(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// None when a character has no form in the code page.
std::optional<std::string> Narrow(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr,
                                           usedDefaultOut);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), size, narrow.data(), length, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace

std::optional<Text> Utf8ToCodePage936(std::string_view utf8) {
    const auto wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    return wide ? Narrow(kDatabaseCodePage, *wide) : std::nullopt;
}

std::string CodePage936ToUtf8(std::string_view text) {
    return Narrow(CP_UTF8, Widen(kDatabaseCodePage, 0, text).value_or(std::wstring()))
        .value_or(std::string());
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(Widen(CP_UTF8, 0, utf8).value_or(std::wstring()));
}

std::optional<Text> DatabasePathFromUtf8(std::string_view utf8) {
    const auto wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    return wide ? Narrow(CP_ACP, *wide) : std::nullopt;
}

}  // namespace gamereg
