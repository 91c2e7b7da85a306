// The fatal-error report of the command-line programs and the tests: the
// error box's text on standard error, then exit code -1.

#include <cstdio>
#include <cstdlib>

#include "services/fatal_error.h"

namespace gamereg {

void ReportFatalError(std::string_view message, std::int32_t errorCode) {
    std::fputs("运行时出错!\n", stderr);
    if (errorCode != 0) std::fprintf(stderr, "错误代码：%d\n", static_cast<int>(errorCode));
    if (!message.empty()) {
        std::fputs("错误信息：", stderr);
        std::fwrite(message.data(), 1, message.size(), stderr);
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
    std::exit(-1);
}

}  // namespace gamereg
