#include "database/page_cipher.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "database/md5.h"
#include "database/rc4.h"
#include "database_test_files.h"

namespace gamereg {
namespace {

Bytes FromHex(const std::string& hex) {
    Bytes bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(at, 2), nullptr, 16)));
    }
    return bytes;
}

std::string ToHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

Text PasswordOf(const std::string& hex) {
    const Bytes bytes = FromHex(hex);
    return Text(bytes.begin(), bytes.end());
}

TEST(Md5, GivesPublishedDigests) {
    const auto digestOf = [](std::string_view text) {
        return ToHex(Md5({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
    };
    EXPECT_EQ(digestOf(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(digestOf("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(digestOf("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    // 56 to 64 bytes need a second padding block.
    EXPECT_EQ(
        digestOf(
            "12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
        "57edf4a22be3c955ac49da2e2107b67a");
}

// Every line of the reference vectors: check strings, and key streams as the
// transform of zero bytes at a file offset.
struct Vectors {
    std::vector<std::pair<Text, Text>> checks;
    struct Stream {
        Text password;
        std::uint64_t offset;
        Bytes expected;
    };
    std::vector<Stream> streams;
};

Vectors ReadVectors() {
    Vectors vectors;
    std::ifstream file(test::DataPath("cipher-vectors.txt"));
    EXPECT_TRUE(file);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string kind, password;
        words >> kind >> password;
        if (kind == "check") {
            std::string check;
            words >> check;
            vectors.checks.emplace_back(PasswordOf(password), check);
        } else if (kind == "xform") {
            std::uint64_t offset = 0;
            std::string hex;
            words >> offset >> hex;
            vectors.streams.push_back({PasswordOf(password), offset, FromHex(hex)});
        }
    }
    return vectors;
}

TEST(PageCipher, CheckStringsMatchReference) {
    const Vectors vectors = ReadVectors();
    ASSERT_EQ(vectors.checks.size(), 5u);
    for (const auto& [password, check] : vectors.checks) {
        EXPECT_EQ(CheckString(password), check) << ToHex(Bytes(password.begin(), password.end()));
    }
}

TEST(PageCipher, KeyStreamsMatchReferenceInOneCallAndByteByByte) {
    const Vectors vectors = ReadVectors();
    ASSERT_EQ(vectors.streams.size(), 33u);
    for (const auto& stream : vectors.streams) {
        SCOPED_TRACE(testing::Message()
                     << ToHex(Bytes(stream.password.begin(), stream.password.end())) << " at "
                     << stream.offset);
        Bytes whole(stream.expected.size(), 0);
        PageCipher(stream.password).Transform(whole, stream.offset);
        EXPECT_EQ(ToHex(whole), ToHex(stream.expected));

        // A fresh cipher for each byte, and one kept across all of them.
        PageCipher kept(stream.password);
        for (std::size_t k = 0; k < whole.size(); ++k) {
            std::uint8_t single[1] = {0};
            PageCipher(stream.password).Transform(single, stream.offset + k);
            std::uint8_t again[1] = {0};
            kept.Transform(again, stream.offset + k);
            EXPECT_EQ(single[0], stream.expected[k]) << "byte " << k;
            EXPECT_EQ(again[0], stream.expected[k]) << "byte " << k;
        }
    }
}

TEST(PageCipher, CheckStringStartsWithLastDigestByte) {
    for (std::string_view password : {"a", "391526043", "密码"}) {
        const Text check = CheckString(password);
        ASSERT_EQ(check.size(), 32u);
        EXPECT_EQ(check.find_first_not_of("0123456789abcdef"), Text::npos);
        const Md5Digest digest =
            Md5({reinterpret_cast<const std::uint8_t*>(password.data()), password.size()});
        EXPECT_EQ(check.substr(0, 2), ToHex(std::span(digest).last(1)));
    }
}

TEST(PageCipher, LeavesMagicPlainAndUndoesItselfAtSameOffsetOnly) {
    Bytes original(9000);
    for (std::size_t k = 0; k < original.size(); ++k)
        original[k] = static_cast<std::uint8_t>(k * 7);
    PageCipher cipher("391526043");

    Bytes bytes = original;
    cipher.Transform(bytes, 0);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 4, original.begin()));
    EXPECT_NE(bytes, original);
    Bytes shifted = bytes;
    cipher.Transform(bytes, 0);
    EXPECT_EQ(bytes, original);
    cipher.Transform(shifted, 1);
    EXPECT_NE(shifted, original);

    // A range that starts inside the plain prefix transforms only what follows it.
    Bytes head(original.begin(), original.begin() + 112);
    cipher.Transform(head, 2);
    EXPECT_EQ(head[0], original[0]);
    EXPECT_EQ(head[1], original[1]);
    EXPECT_NE(head[2], original[2]);
}

TEST(PageCipher, KeepsFewPageStreamsAcrossManyPages) {
    // Walking far more pages than are kept, and back, gives the same bytes.
    PageCipher walked("a");
    Bytes forward(300 * PageCipher::kPageSize, 0);
    walked.Transform(forward, 0);
    for (std::size_t page = 0; page < 300; page += 37) {
        Bytes again(PageCipher::kPageSize, 0);
        walked.Transform(again, page * PageCipher::kPageSize);
        EXPECT_TRUE(
            std::equal(again.begin() + (page == 0 ? 4 : 0), again.end(),
                       forward.begin() + page * PageCipher::kPageSize + (page == 0 ? 4 : 0)))
            << "page " << page;
    }
}

// The stream of `page` straight from the definition in page_cipher.h, one
// RC4 byte at a time: W(p) from the password stream, K(p), then S(p) from
// byte 36 on.
Bytes DefinedPageStream(std::string_view password, std::uint32_t page) {
    Rc4 passwordStream({reinterpret_cast<const std::uint8_t*>(password.data()), password.size()});
    for (std::uint64_t k = 0; k < 4 * std::uint64_t{page}; ++k) passwordStream.Next();
    std::uint32_t word = 0;
    for (int k = 0; k < 4; ++k) word |= std::uint32_t{passwordStream.Next()} << (8 * k);
    Bytes key;
    for (int k = 0; k < 4; ++k) key.push_back(static_cast<std::uint8_t>(word >> (8 * k)));
    const Text check = CheckString(password);
    key.insert(key.end(), check.begin(), check.end());
    for (int k = 0; k < 4; ++k) key.push_back(static_cast<std::uint8_t>((word ^ page) >> (8 * k)));
    Rc4 pageStream(key);
    for (int k = 0; k < 36; ++k) pageStream.Next();
    Bytes stream(PageCipher::kPageSize);
    for (std::uint8_t& byte : stream) byte = pageStream.Next();
    return stream;
}

TEST(PageCipher, KeptCipherFollowsTheDefinitionInAnyOrder) {
    constexpr std::string_view kPassword = "391526043";
    constexpr std::uint32_t kLastPage = (PageCipher::kOffsetLimit / PageCipher::kPageSize) - 1;
    struct Read {
        std::uint32_t page;
        std::size_t from;
        std::size_t size;
    };
    // Deep pages before near ones, both sides of a block of page words, two
    // pages that share a cache place, and a page read in part, then whole.
    const std::vector<Read> reads = {
        {5000, 100, 512},
        {1024, 0, 4096},
        {1023, 4000, 96},
        {0, 4, 4092},
        {kLastPage, 0, 4096},
        {5064, 0, 4096},
        {5000, 0, 4096},
        {2047, 8, 8},
        {2047, 0, 4096},
        {3, 4095, 1},
        {kLastPage - 1024, 17, 4000},
        {kLastPage, 4000, 96},
    };
    PageCipher kept(kPassword);
    for (const Read& read : reads) {
        SCOPED_TRACE(testing::Message() << "page " << read.page << " from " << read.from);
        const Bytes defined = DefinedPageStream(kPassword, read.page);
        Bytes bytes(read.size, 0);
        kept.Transform(bytes, std::uint64_t{read.page} * PageCipher::kPageSize + read.from);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), defined.begin() + read.from));
    }
}

}  // namespace
}  // namespace gamereg
