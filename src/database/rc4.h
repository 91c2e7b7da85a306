#pragma once
// The RC4 stream cipher: key scheduling, then one output byte at a time.
// A value type, so a keyed state can be copied and run from its start again.

#include <array>
#include <cstdint>
#include <span>

namespace gamereg {

class Rc4 {
public:
    // The state just after key scheduling with a non-empty `key`.
    explicit Rc4(std::span<const std::uint8_t> key);

    std::uint8_t Next();
    void Discard(std::uint64_t count);

private:
    std::array<std::uint8_t, 256> s_{};
    std::uint8_t i_ = 0;
    std::uint8_t j_ = 0;
};

}  // namespace gamereg
