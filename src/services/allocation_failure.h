#pragma once
// Memory the platform refuses ends the program through ReportFatalError with
// the number of bytes asked for. Every allocation of the process goes through
// the replaced global operator new, so Text, Bytes and working memory alike.

#include <array>
#include <cstddef>
#include <string_view>

namespace gamereg {

// Holds the message without allocating: it is built when memory is gone.
struct AllocationFailureMessage {
    explicit AllocationFailureMessage(std::size_t requested);
    std::string_view View() const { return {buffer.data(), length}; }

    std::array<char, 100> buffer{};
    std::size_t length = 0;
};

[[noreturn]] void ReportAllocationFailure(std::size_t requested);

}  // namespace gamereg
