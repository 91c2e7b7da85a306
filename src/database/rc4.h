#pragma once
// The RC4 stream cipher: key scheduling, then the key stream.
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
    // The next out.size() bytes of the stream, as that many calls of Next
    // give them.
    void Generate(std::span<std::uint8_t> out);
    void Discard(std::uint64_t count);

private:
    std::array<std::uint8_t, 256> s_{};
    std::uint8_t i_ = 0;
    std::uint8_t j_ = 0;
};

}  // namespace gamereg
