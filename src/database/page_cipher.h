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
    // What a cipher keeps at most, whatever it was asked: the page streams of
    // nearby reads and the means to find any page word quickly.
    static constexpr std::size_t kCachedPages = 64;
    static constexpr std::uint32_t kWordsPerBlock = 1024;
    static constexpr std::size_t kMaxCheckpoints = kOffsetLimit / kPageSize / kWordsPerBlock;

    using PageStream = std::array<std::uint8_t, kPageSize>;

    // A page's stream, made up to `made` bytes; its RC4 state goes on from there.
    struct PageSlot {
        std::uint32_t page = 0;
        std::uint32_t made = 0;
        Rc4 rest;
        PageStream stream;
    };

    std::uint32_t PageWord(std::uint32_t page);
    void LoadWordBlock(std::uint32_t block);
    // The stream of `page`, made at least up to page offset `end`.
    const PageStream& StreamOf(std::uint32_t page, std::size_t end);
    Rc4 PageState(std::uint32_t page);

    Text check_;

    // The password stream at the start of every block of kWordsPerBlock page
    // words reached so far (the first is the state right after keying), and
    // the words of the block used last: a deep page costs its walk once.
    std::vector<Rc4> checkpoints_;
    std::array<std::uint32_t, kWordsPerBlock> words_{};
    std::uint32_t wordBlock_ = 0;
    bool hasWords_ = false;

    // Direct-mapped by page number, so a run of up to kCachedPages pages stays.
    std::array<std::unique_ptr<PageSlot>, kCachedPages> slots_;

    static_assert(kCachedPages * sizeof(PageSlot) + kMaxCheckpoints * sizeof(Rc4) +
                          sizeof(words_) <=
                      std::size_t{1} << 20,
                  "a handle's cipher keeps at most 1 MiB");
};

}  // namespace gamereg
