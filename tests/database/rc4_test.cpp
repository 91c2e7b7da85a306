#include "database/rc4.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "services/text.h"

namespace gamereg {
namespace {

Rc4 KeyedWith(std::string_view key) {
    return Rc4({reinterpret_cast<const std::uint8_t*>(key.data()), key.size()});
}

Bytes ByNext(Rc4& rc4, std::size_t count) {
    Bytes bytes(count);
    for (std::uint8_t& byte : bytes) byte = rc4.Next();
    return bytes;
}

TEST(Rc4, GivesPublishedKeyStreams) {
    struct Case {
        std::string_view key;
        Bytes stream;
    };
    const std::vector<Case> cases = {
        {"Key", {0xEB, 0x9F, 0x77, 0x81, 0xB7, 0x34, 0xCA, 0x72, 0xA7, 0x19}},
        {"Wiki", {0x60, 0x44, 0xDB, 0x6D, 0x41, 0xB7}},
        {"Secret", {0x04, 0xD4, 0x6B, 0x05, 0x3C, 0xA8, 0x7B, 0x59}},
    };
    for (const Case& c : cases) {
        Rc4 byNext = KeyedWith(c.key);
        EXPECT_EQ(ByNext(byNext, c.stream.size()), c.stream) << c.key;
        Rc4 generated = KeyedWith(c.key);
        Bytes bytes(c.stream.size());
        generated.Generate(bytes);
        EXPECT_EQ(bytes, c.stream) << c.key;
    }
}

TEST(Rc4, GenerateAndDiscardInPiecesFollowNextByteForByte) {
    // Pieces of every length around the four-byte steps and the 256-byte
    // state, so that each piece ends where a later one must go on.
    const std::vector<std::size_t> pieces = {0, 1, 2, 3, 4, 5, 7, 8, 255, 256, 257, 4096, 1, 0, 9};
    Rc4 reference = KeyedWith("391526043");
    Rc4 generated = reference;
    Rc4 discarded = reference;
    for (std::size_t piece : pieces) {
        const Bytes expected = ByNext(reference, piece);
        Bytes bytes(piece, 0xAA);
        generated.Generate(bytes);
        EXPECT_EQ(bytes, expected) << "piece of " << piece;
        discarded.Discard(piece);
    }
    // Every state is at the same place of the stream.
    const Bytes after = ByNext(reference, 600);
    EXPECT_EQ(ByNext(generated, 600), after);
    EXPECT_EQ(ByNext(discarded, 600), after);
}

}  // namespace
}  // namespace gamereg
