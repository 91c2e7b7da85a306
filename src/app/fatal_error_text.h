#pragma once
// The text of the fatal error box, built without allocating: it is needed
// when memory is exhausted too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gamereg {

// "运行时出错!\r\n\r\n", then "错误代码：" with the code in signed decimal and
// "\r\n\r\n" when the code is not 0, then "错误信息：", the message and "\r\n"
// when there is a message. A message too long for the buffer is cut at a
// character boundary, keeping the final line end.
struct FatalErrorText {
    FatalErrorText(std::string_view message, std::int32_t errorCode);
    std::string_view View() const { return {buffer.data(), length}; }
    const char* CStr() const { return buffer.data(); }

    std::array<char, 1024> buffer{};
    std::size_t length = 0;
};

}  // namespace gamereg
