#include "app/fatal_error_text.h"

#include <algorithm>
#include <cstring>

namespace gamereg {

namespace {

// A lead byte of code page 936 starts a two-byte character.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// The length of the longest prefix of `text` within `limit` bytes that ends
// at a character boundary.
std::size_t WholeCharacters(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t step = IsLeadByte(text[end]) && end + 1 < text.size() ? 2 : 1;
        if (end + step > limit) break;
        end += step;
    }
    return end;
}

}  // namespace

FatalErrorText::FatalErrorText(std::string_view message, std::int32_t errorCode) {
    const std::size_t capacity = buffer.size() - 1;  // the terminating NUL
    auto append = [&](std::string_view part) {
        const std::size_t room = capacity - length;
        const std::size_t taken = WholeCharacters(part, room);
        std::memcpy(buffer.data() + length, part.data(), taken);
        length += taken;
    };
    append("运行时出错!\r\n\r\n");
    if (errorCode != 0) {
        // Signed decimal, written from the right; the magnitude as unsigned
        // so that the smallest code has one too.
        char digits[12];
        std::size_t start = sizeof digits;
        std::uint32_t magnitude = errorCode < 0 ? 0u - static_cast<std::uint32_t>(errorCode)
                                                : static_cast<std::uint32_t>(errorCode);
        do {
            digits[--start] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (errorCode < 0) digits[--start] = '-';
        append("错误代码：");
        append({digits + start, sizeof digits - start});
        append("\r\n\r\n");
    }
    if (!message.empty()) {
        constexpr std::string_view label = "错误信息：";
        constexpr std::string_view lineEnd = "\r\n";
        append(label);
        const std::size_t room = capacity - length;
        append(message.substr(0, WholeCharacters(message, room - std::min(room, lineEnd.size()))));
        append(lineEnd);
    }
    buffer[length] = '\0';
}

}  // namespace gamereg
