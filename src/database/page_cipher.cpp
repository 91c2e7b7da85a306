#include "database/page_cipher.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "database/md5.h"

namespace gamereg {
namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

constexpr std::uint64_t kSkippedStreamBytes = 36;

// bytes[k] ^= stream[k], eight bytes at a time.
void XorInto(std::span<std::uint8_t> bytes, const std::uint8_t* stream) {
    std::size_t k = 0;
    for (; k + 8 <= bytes.size(); k += 8) {
        std::uint64_t data = 0;
        std::uint64_t key = 0;
        std::memcpy(&data, bytes.data() + k, 8);
        std::memcpy(&key, stream + k, 8);
        data ^= key;
        std::memcpy(bytes.data() + k, &data, 8);
    }
    for (; k < bytes.size(); ++k) bytes[k] ^= stream[k];
}

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
    : check_(CheckString(password)), checkpoints_{Rc4(BytesOf(password))} {}

void PageCipher::LoadWordBlock(std::uint32_t block) {
    assert(block < kMaxCheckpoints);
    std::size_t at = std::min<std::size_t>(block, checkpoints_.size() - 1);
    Rc4 walker = checkpoints_[at];
    std::array<std::uint8_t, 4 * kWordsPerBlock> raw;
    for (;; ++at) {
        if (at == checkpoints_.size()) checkpoints_.push_back(walker);
        walker.Generate(raw);
        if (at == block) break;
    }
    for (std::uint32_t k = 0; k < kWordsPerBlock; ++k) {
        words_[k] = std::uint32_t{raw[4 * k]} | std::uint32_t{raw[4 * k + 1]} << 8 |
                    std::uint32_t{raw[4 * k + 2]} << 16 | std::uint32_t{raw[4 * k + 3]} << 24;
    }
    wordBlock_ = block;
    hasWords_ = true;
}

std::uint32_t PageCipher::PageWord(std::uint32_t page) {
    const std::uint32_t block = page / kWordsPerBlock;
    if (!hasWords_ || block != wordBlock_) LoadWordBlock(block);
    return words_[page % kWordsPerBlock];
}

Rc4 PageCipher::PageState(std::uint32_t page) {
    const std::uint32_t word = PageWord(page);
    std::array<std::uint8_t, 40> key{};
    const std::uint32_t mixed = word ^ page;
    for (int k = 0; k < 4; ++k) {
        key[k] = static_cast<std::uint8_t>(word >> (8 * k));
        key[36 + k] = static_cast<std::uint8_t>(mixed >> (8 * k));
    }
    assert(check_.size() == 32);
    std::copy(check_.begin(), check_.end(), key.begin() + 4);
    Rc4 state(key);
    state.Discard(kSkippedStreamBytes);
    return state;
}

const PageCipher::PageStream& PageCipher::StreamOf(std::uint32_t page, std::size_t end) {
    assert(end <= kPageSize);
    std::unique_ptr<PageSlot>& slot = slots_[page % kCachedPages];
    if (!slot) {
        slot.reset(new PageSlot{page, 0, PageState(page), {}});
    } else if (slot->page != page) {
        slot->page = page;
        slot->made = 0;
        slot->rest = PageState(page);
    }
    if (slot->made < end) {
        slot->rest.Generate(std::span(slot->stream).subspan(slot->made, end - slot->made));
        slot->made = static_cast<std::uint32_t>(end);
    }
    return slot->stream;
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
        const PageStream& stream = StreamOf(page, inPage + count);
        XorInto(bytes.subspan(done, count), stream.data() + inPage);
        done += count;
    }
}

}  // namespace gamereg
