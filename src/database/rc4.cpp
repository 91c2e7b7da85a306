#include "database/rc4.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace gamereg {

Rc4::Rc4(std::span<const std::uint8_t> key) {
    assert(!key.empty());
    for (std::size_t k = 0; k < 256; ++k) s_[k] = static_cast<std::uint8_t>(k);
    std::uint8_t j = 0;
    // The key is taken round and round without a division per step: a page
    // stream keys a new state for every 4 KiB.
    std::size_t keyAt = 0;
    for (std::size_t k = 0; k < 256; ++k) {
        j = static_cast<std::uint8_t>(j + s_[k] + key[keyAt]);
        std::swap(s_[k], s_[j]);
        if (++keyAt == key.size()) keyAt = 0;
    }
}

std::uint8_t Rc4::Next() {
    i_ = static_cast<std::uint8_t>(i_ + 1);
    j_ = static_cast<std::uint8_t>(j_ + s_[i_]);
    std::swap(s_[i_], s_[j_]);
    return s_[static_cast<std::uint8_t>(s_[i_] + s_[j_])];
}

void Rc4::Generate(std::span<std::uint8_t> out) {
    if (out.empty()) return;
    // The state is worked on in a local copy: the output bytes could alias a
    // member, which would make the compiler reload the state after each store.
    // Each step loads s[i + 1] before its own swap and takes the swapped value
    // instead when j met i + 1, so the next step need not wait for the stores.
    std::array<std::uint8_t, 256> s = s_;
    std::uint8_t i = static_cast<std::uint8_t>(i_ + 1);
    std::uint8_t j = j_;
    std::uint8_t a = s[i];
    const auto step = [&]() {
        j = static_cast<std::uint8_t>(j + a);
        const std::uint8_t b = s[j];
        const auto following = static_cast<std::uint8_t>(i + 1);
        const std::uint8_t ahead = s[following];
        s[i] = b;
        s[j] = a;
        const std::uint8_t byte = s[static_cast<std::uint8_t>(a + b)];
        a = j == following ? a : ahead;
        i = following;
        return byte;
    };
    std::uint8_t* to = out.data();
    std::uint8_t* const end = to + out.size();
    for (; end - to >= 4; to += 4) {
        to[0] = step();
        to[1] = step();
        to[2] = step();
        to[3] = step();
    }
    for (; to != end; ++to) *to = step();
    s_ = s;
    i_ = static_cast<std::uint8_t>(i - 1);
    j_ = j;
}

void Rc4::Discard(std::uint64_t count) {
    std::array<std::uint8_t, 256> unused;
    while (count > 0) {
        const auto now = static_cast<std::size_t>(std::min<std::uint64_t>(count, unused.size()));
        Generate(std::span(unused).first(now));
        count -= now;
    }
}

}  // namespace gamereg
