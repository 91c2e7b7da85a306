#include "services/allocation_failure.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "services/fatal_error.h"

namespace gamereg {

AllocationFailureMessage::AllocationFailureMessage(std::size_t requested) {
    // Signed decimal of the size as the platform's signed size type holds it.
    const int written =
        std::snprintf(buffer.data(), buffer.size(), "分配 %lld 字节内存失败!",
                      static_cast<long long>(static_cast<std::ptrdiff_t>(requested)));
    length = written > 0 ? static_cast<std::size_t>(written) : 0;
}

void ReportAllocationFailure(std::size_t requested) {
    const AllocationFailureMessage message(requested);
    ReportFatalError(message.View(), 0);
}

}  // namespace gamereg

// The standard library's other forms of operator new call this one.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    gamereg::ReportAllocationFailure(size);
}
