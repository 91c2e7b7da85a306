#include "database/page_cipher.h"

#include <algorithm>
#include <cassert>

#include "database/md5.h"

namespace gamereg {
namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Enough for the pages of a few nearby reads; beyond it the cache starts over.
constexpr std::size_t kCachedStreams = 64;

constexpr std::uint64_t kSkippedStreamBytes = 36;

}  // namespace

Text CheckString(std::string_view password) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const Md5Digest digest = Md5(BytesOf(password));
    Text check;
    check.reserve(32);
    for (auto byte = digest.rbegin(); byte != digest.rend(); ++byte) {
        check += kDigits[*byte >> 4];
        check += kDigits[*byte & 0x0F];
    }
    return check;
}

PageCipher::PageCipher(std::string_view password)
    : check_(CheckString(password)), keyed_(BytesOf(password)), wordStream_(keyed_) {}

std::uint32_t PageCipher::PageWord(std::uint32_t page) {
    while (words_.size() <= page) {
        std::uint32_t word = 0;
        for (int k = 0; k < 4; ++k) word |= std::uint32_t{wordStream_.Next()} << (8 * k);
        words_.push_back(word);
    }
    return words_[page];
}

const PageCipher::PageStream& PageCipher::StreamOf(std::uint32_t page) {
    auto found = streams_.find(page);
    if (found != streams_.end()) return *found->second;
    if (streams_.size() >= kCachedStreams) streams_.clear();

    const std::uint32_t word = PageWord(page);
    std::array<std::uint8_t, 40> key{};
    const std::uint32_t mixed = word ^ page;
    for (int k = 0; k < 4; ++k) {
        key[k] = static_cast<std::uint8_t>(word >> (8 * k));
        key[36 + k] = static_cast<std::uint8_t>(mixed >> (8 * k));
    }
    assert(check_.size() == 32);
    std::copy(check_.begin(), check_.end(), key.begin() + 4);

    Rc4 pageState(key);
    pageState.Discard(kSkippedStreamBytes);
    auto stream = std::make_unique<PageStream>();
    for (std::uint8_t& byte : *stream) byte = pageState.Next();
    return *streams_.emplace(page, std::move(stream)).first->second;
}

void PageCipher::Transform(std::span<std::uint8_t> bytes, std::uint64_t fileOffset) {
    assert(fileOffset <= kOffsetLimit && bytes.size() <= kOffsetLimit - fileOffset);
    std::size_t done = 0;
    if (fileOffset < kPlainPrefix) {
        done = static_cast<std::size_t>(
            std::min<std::uint64_t>(kPlainPrefix - fileOffset, bytes.size()));
    }
    while (done < bytes.size()) {
        const std::uint64_t at = fileOffset + done;
        const auto page = static_cast<std::uint32_t>(at / kPageSize);
        const auto inPage = static_cast<std::size_t>(at % kPageSize);
        const std::size_t count = std::min<std::size_t>(bytes.size() - done, kPageSize - inPage);
        const PageStream& stream = StreamOf(page);
        for (std::size_t k = 0; k < count; ++k) bytes[done + k] ^= stream[inPage + k];
        done += count;
    }
}

}  // namespace gamereg
