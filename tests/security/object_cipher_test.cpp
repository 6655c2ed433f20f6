// RC4 and MD5 primitives and the per-object encryption of strings and streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pdf/security/md5_digest.hpp"
#include "pdf/security/pdf_encryption.hpp"
#include "pdf/security/rc4_cipher.hpp"
#include "tests/security/hex_bytes.hpp"

namespace slidemint {
namespace {

using testing::ToHex;

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(RC4Cipher, PublishedVectors) {
    struct {
        const char* key;
        const char* plain;
        const char* cipherHex;
    } cases[] = {{"Key", "Plaintext", "BBF316E8D940AF0AD3"},
                 {"Wiki", "pedia", "1021BF0420"},
                 {"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"}};
    for (const auto& c : cases) {
        std::vector<std::uint8_t> out(std::string_view(c.plain).size());
        TRC4Cipher(Bytes(c.key)).Apply(Bytes(c.plain), out);
        EXPECT_EQ(ToHex(out), c.cipherHex) << c.key;
    }
}

TEST(RC4Cipher, KeyLengthOutside1To256IsRefused) {
    const std::vector<std::uint8_t> key(300, 0x11);
    for (std::size_t length : {0u, 257u, 300u}) {
        try {
            TRC4Cipher cipher(std::span<const std::uint8_t>(key).first(length));
            ADD_FAILURE() << "accepted a key of " << length << " bytes";
        } catch (const EngineError& error) {
            EXPECT_STREQ(error.what(), "RC4: Invalid key length");
        }
    }
    for (std::size_t length : {1u, 256u})
        EXPECT_NO_THROW(TRC4Cipher(std::span<const std::uint8_t>(key).first(length)));
}

TEST(MD5, RFC1321Vectors) {
    EXPECT_EQ(ToHex(MD5Of(Bytes(""))), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(ToHex(TMD5().Update("a").Update("bc").Final()), "900150983CD24FB0D6963F7D28E17F72");
}

class ObjectCipher : public ::testing::TestWithParam<TvePDFEncryptionLevel> {
protected:
    TvePDFEncryption Handler() const {
        TvePDFEncryptionSettings settings;
        settings.Enabled = true;
        settings.Level = GetParam();
        settings.UserPassword = "reader";
        return TvePDFEncryption("/out/deckpdf", "D:20240131120000+01'00'", settings);
    }
};

TEST_P(ObjectCipher, StringRoundTripKeepsEveryByteAndTheLength) {
    const auto handler = Handler();
    // UTF-16BE with the byte order mark, ending in small bytes and a blank.
    const std::string samples[] = {std::string("\xFE\xFF\x00H\x00i\x00\x0A", 8),
                                   std::string(" padded text \x00\x1F ", 16), "", "x"};
    for (const auto& plain : samples) {
        const std::string cipher = handler.EncryptString(plain, 3);
        ASSERT_EQ(cipher.size(), plain.size());
        if (plain.size() > 1) {
            EXPECT_NE(cipher, plain);
        }
        EXPECT_EQ(handler.EncryptString(cipher, 3), plain);  // RC4 is its own inverse
    }
}

TEST_P(ObjectCipher, EachObjectAndGenerationHasItsOwnKeystream) {
    const auto handler = Handler();
    const std::string plain(32, '\0');
    EXPECT_EQ(handler.EncryptString(plain, 6), handler.EncryptString(plain, 6));
    EXPECT_NE(handler.EncryptString(plain, 6), handler.EncryptString(plain, 7));
    EXPECT_NE(handler.EncryptString(plain, 6), handler.EncryptString(plain, 6, 1));
    // Only the three low bytes of the object number enter the key.
    EXPECT_EQ(handler.EncryptString(plain, 6), handler.EncryptString(plain, 6 + (1 << 24)));
}

TEST_P(ObjectCipher, StreamMatchesStringAndKeepsItsSize) {
    const auto handler = Handler();
    std::string text(100000, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(i * 7);
    std::vector<std::uint8_t> stream(text.begin(), text.end());
    handler.EncryptStream(stream, 9);
    EXPECT_EQ(std::string(stream.begin(), stream.end()), handler.EncryptString(text, 9));

    std::string empty;
    handler.EncryptStream(empty, 9);
    EXPECT_TRUE(empty.empty());
}

TEST_P(ObjectCipher, StreamCountLimitsTheContent) {
    const auto handler = Handler();
    std::string stream = "0123456789";
    handler.EncryptStreamData(stream, 4, 9);
    EXPECT_EQ(stream, handler.EncryptString("0123", 9));
    std::string shortStream = "abc";
    handler.EncryptStreamData(shortStream, 50, 9);  // never reads past the end
    EXPECT_EQ(shortStream, handler.EncryptString("abc", 9));
}

INSTANTIATE_TEST_SUITE_P(BothLevels, ObjectCipher,
                         ::testing::Values(TvePDFEncryptionLevel::el40bit,
                                           TvePDFEncryptionLevel::el128bit),
                         [](const auto& info) {
                             return info.param == TvePDFEncryptionLevel::el40bit ? "Bits40" : "Bits128";
                         });

}  // namespace
}  // namespace slidemint
