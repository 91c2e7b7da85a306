#pragma once
// The page cipher of protected databases. Every byte from file offset 4 on
// is combined by XOR with a key stream of its 4096-byte page:
//   W(p)  bytes 4p to 4p+3 of the RC4 stream keyed with the password (LE)
//   K(p)  W(p) (4 bytes LE), the 32-character check string, W(p) XOR p (4 bytes LE)
//   S(p)  the RC4 stream keyed with K(p); page offset o uses byte 36 + o
// Enciphering and deciphering are the same transform.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/rc4.h"
#include "services/text.h"

namespace gamereg {

// 32 lowercase hexadecimal digits: the MD5 digest of the password's bytes
// read from its last byte to its first.
Text CheckString(std::string_view password);

class PageCipher {
public:
    static constexpr std::uint64_t kPageSize = 4096;
    static constexpr std::uint64_t kPlainPrefix = 4;  // the magic of either file
    // Pages lie below 4 GiB: page numbers are 32-bit.
    static constexpr std::uint64_t kOffsetLimit = std::uint64_t{1} << 32;

    // Keys the cipher with a non-empty password.
    explicit PageCipher(std::string_view password);

    const Text& Check() const { return check_; }

    // Transforms `bytes` stored at `fileOffset`, in place. The range must end
    // at or below kOffsetLimit.
    void Transform(std::span<std::uint8_t> bytes, std::uint64_t fileOffset);

private:
    using PageStream = std::array<std::uint8_t, kPageSize>;

    std::uint32_t PageWord(std::uint32_t page);
    const PageStream& StreamOf(std::uint32_t page);

    Text check_;
    Rc4 keyed_;  // the state just after key scheduling with the password

    // Derived on demand and kept, so that a transform deep in a file costs
    // what one near its start does. The page words grow with the deepest page
    // seen (4 bytes a page); the page streams are few and bounded.
    Rc4 wordStream_;  // the password stream, positioned after words_
    std::vector<std::uint32_t> words_;
    std::unordered_map<std::uint32_t, std::unique_ptr<PageStream>> streams_;
};

}  // namespace gamereg
