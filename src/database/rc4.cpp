#include "database/rc4.h"

#include <cassert>
#include <utility>

namespace gamereg {

Rc4::Rc4(std::span<const std::uint8_t> key) {
    assert(!key.empty());
    for (std::size_t k = 0; k < 256; ++k) s_[k] = static_cast<std::uint8_t>(k);
    std::uint8_t j = 0;
    for (std::size_t k = 0; k < 256; ++k) {
        j = static_cast<std::uint8_t>(j + s_[k] + key[k % key.size()]);
        std::swap(s_[k], s_[j]);
    }
}

std::uint8_t Rc4::Next() {
    i_ = static_cast<std::uint8_t>(i_ + 1);
    j_ = static_cast<std::uint8_t>(j_ + s_[i_]);
    std::swap(s_[i_], s_[j_]);
    return s_[static_cast<std::uint8_t>(s_[i_] + s_[j_])];
}

void Rc4::Discard(std::uint64_t count) {
    for (; count > 0; --count) Next();
}

}  // namespace gamereg
