// /O, /U, the document key and one per-object encryption, checked against
// vectors computed by make_vectors.py (hashlib MD5 and a textbook RC4).
#include <gtest/gtest.h>

#include <string>

#include "pdf/security/pdf_encryption.hpp"
#include "tests/security/hex_bytes.hpp"

namespace slidemint {
namespace {

using testing::FromHex;
using testing::ToHex;

struct TKnownAnswer {
    const char* label;
    TvePDFEncryptionLevel level;
    std::uint8_t permissions;
    const char* userPasswordHex;
    const char* ownerPasswordHex;
    const char* ownerEntryHex;
    const char* userEntryHex;
    const char* keyHex;
    const char* sampleHex;  // Sample encrypted for SampleObject
};

constexpr TKnownAnswer KnownAnswers[] = {
#include "tests/security/known_answer_vectors.inc"
};

constexpr char Name[] = "/out/deckpdf";
constexpr char CreationDate[] = "D:20240131120000+01'00'";
constexpr char FileIdHex[] = "C4929490E0C126F07CB2247ED3720F36";
constexpr char SampleHex[] = "2848656C6C6F292000FEFF0D0A20";
constexpr int SampleObject = 7;

TvePDFEncryption HandlerFor(const TKnownAnswer& vector) {
    TvePDFEncryptionSettings settings;
    settings.Enabled = true;
    settings.Level = vector.level;
    settings.UserPassword = FromHex(vector.userPasswordHex);
    settings.OwnerPassword = FromHex(vector.ownerPasswordHex);
    settings.UserPermissions = TveUserPermissions::FromByte(vector.permissions);
    return TvePDFEncryption(Name, CreationDate, settings);
}

TEST(KnownAnswer, EntriesKeyAndObjectEncryptionMatchIndependentVectors) {
    for (const auto& vector : KnownAnswers) {
        SCOPED_TRACE(std::string(vector.label) +
                     (vector.level == TvePDFEncryptionLevel::el40bit ? " / 40 bit" : " / 128 bit"));
        const TvePDFEncryption handler = HandlerFor(vector);
        EXPECT_EQ(ToHex(handler.GetFileID()), FileIdHex);
        EXPECT_EQ(ToHex(handler.GetOwnerEntry()), vector.ownerEntryHex);
        EXPECT_EQ(ToHex(handler.GetUserEntry()), vector.userEntryHex);
        EXPECT_EQ(ToHex(handler.Key()), vector.keyHex);
        EXPECT_EQ(ToHex(handler.EncryptString(FromHex(SampleHex), SampleObject)), vector.sampleHex);
    }
}

TEST(KnownAnswer, PasswordBeyond32BytesIsIgnored) {
    const std::string password40 = "0123456789abcdefghijklmnopqrstuvwxyz!!!!";
    for (auto level : {TvePDFEncryptionLevel::el40bit, TvePDFEncryptionLevel::el128bit}) {
        TvePDFEncryptionSettings longer, cut;
        longer.Level = cut.Level = level;
        longer.UserPassword = longer.OwnerPassword = password40;
        cut.UserPassword = cut.OwnerPassword = password40.substr(0, 32);
        const TvePDFEncryption a(Name, CreationDate, longer), b(Name, CreationDate, cut);
        EXPECT_EQ(a.GetOwnerEntry(), b.GetOwnerEntry());
        EXPECT_EQ(a.GetUserEntry(), b.GetUserEntry());
        EXPECT_EQ(ToHex(a.Key()), ToHex(b.Key()));
    }
}

TEST(KnownAnswer, EmptyOwnerPasswordActsAsTheUserPassword) {
    TvePDFEncryptionSettings userOnly, both;
    userOnly.UserPassword = both.UserPassword = both.OwnerPassword = "secret";
    const TvePDFEncryption a(Name, CreationDate, userOnly), b(Name, CreationDate, both);
    EXPECT_EQ(a.GetOwnerEntry(), b.GetOwnerEntry());
    EXPECT_EQ(ToHex(a.Key()), ToHex(b.Key()));
}

TEST(KnownAnswer, PadPasswordCutsOrFillsTo32Bytes) {
    const std::string padding = FromHex("28BF4E5E4E758A4164004E56FFFA01082E2E00B6D0683E802F0CA9FE6453697A");
    const auto asString = [](const TPDFCryptEntry& e) { return std::string(e.begin(), e.end()); };
    EXPECT_EQ(asString(TvePDFEncryption::PadPassword("")), padding);
    EXPECT_EQ(asString(TvePDFEncryption::PadPassword("ab")), "ab" + padding.substr(0, 30));
    EXPECT_EQ(asString(TvePDFEncryption::PadPassword(std::string(40, 'x'))), std::string(32, 'x'));
}

TEST(KnownAnswer, FileIdentifierDependsOnlyOnNameAndDate) {
    TvePDFEncryptionSettings first, second;
    second.Level = TvePDFEncryptionLevel::el40bit;
    second.UserPassword = "other";
    EXPECT_EQ(TvePDFEncryption(Name, CreationDate, first).GetFileID(),
              TvePDFEncryption(Name, CreationDate, second).GetFileID());
    EXPECT_NE(TvePDFEncryption(Name, CreationDate, first).GetFileID(),
              TvePDFEncryption("/out/otherpdf", CreationDate, first).GetFileID());
}

}  // namespace
}  // namespace slidemint
